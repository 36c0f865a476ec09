#ifndef ZUGRIDCELL_H
#define ZUGRIDCELL_H

#include "ZuObject.h"
#include "ZuString.h"

class CZuGc;
class CZuGrid;
class CZuImage;
class CZuRect;

// One cell of an icon grid: an image with its caption under it, an id the grid reports and a value of the
// creator's, kept unchanged.
class CZuGridCell : public CZuObject
{
public:
    // The image comes from the image manager at the grid's icon size (none when there is no such file).
    CZuGridCell(CZuGrid* grid, int id, int data, const CZuString& caption, const CZuString& imageName);
    // Hands the image back.
    ~CZuGridCell() override;

    int GetCellID() const { return iId; }
    int GetData() const { return iData; }
    const CZuString& GetCaption() const { return iCaption; }
    const CZuString& GetImageName() const { return iImageName; }
    CZuImage* GetImage() const { return iImage; }
    // Replaces the image; with release the cell hands it to the image manager when done with it (an
    // image the manager does not cache is then deleted).
    void SetImage(CZuImage* image, bool release);
    bool IsSelected() const { return iSelected; }
    // Also asks for a redraw.
    void SetSelected(bool selected);
    // The selection's fill, the image above and the caption in the band at the bottom.
    void DrawCell(CZuGc& gc, const CZuRect& rect);

private:
    CZuGridCell(const CZuGridCell&) = delete;
    CZuGridCell& operator=(const CZuGridCell&) = delete;
    void ReleaseImage();

    int iId;
    int iData;
    CZuString iCaption;
    CZuString iImageName;
    CZuGrid* iGrid;
    bool iSelected;
    CZuImage* iImage;
    bool iReleaseImage;
};

#endif // ZUGRIDCELL_H
