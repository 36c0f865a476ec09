// The gallery's image boxes: one landscape in the five display modes, then an icon with transparent
// corners in the same boxes.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{
const char* const KModeNames[] = {"拉伸", "居中", "等比适应", "靠左", "靠右"};
const CZuRgb KBoxBackground(250, 252, 255);
const CZuRgb KBoxBorder(150, 164, 184);

// A landscape of size: a sky from deep to pale blue, a sun, two hills and a lake, in a frame of its own
// so that the cut edges of the centred and aligned modes show.
CZuImage* MakeLandscape(const CZuSize& size)
{
    CZuBitmapGc gc(size);
    const int w = size.iWidth, h = size.iHeight;
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(CZuRgb(40, 110, 200), CZuRgb(190, 225, 250), IZuGc::EGradualVertical);
    gc.DrawRoundRect(CZuRect(size), 0);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(CZuRgb(255, 200, 60));
    gc.DrawEllipse(CZuRect(w * 70 / 100, h * 12 / 100, w * 86 / 100, h * 12 / 100 + w * 16 / 100));
    gc.SetDrawColor(CZuRgb(70, 150, 80));
    const CZuPoint farHill[] = {{0, h * 70 / 100}, {w * 30 / 100, h * 38 / 100}, {w * 65 / 100, h * 72 / 100}};
    gc.DrawPolygon(farHill, 3);
    gc.SetDrawColor(CZuRgb(40, 120, 60));
    const CZuPoint nearHill[] = {{w * 35 / 100, h * 75 / 100}, {w * 68 / 100, h * 45 / 100}, {w, h * 72 / 100},
                                 {w, h * 78 / 100}};
    gc.DrawPolygon(nearHill, 4);
    gc.SetDrawColor(CZuRgb(60, 130, 190));
    gc.DrawRect(CZuRect(0, h * 74 / 100, w, h));
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(CZuRgb(200, 60, 50));
    gc.DrawRect(CZuRect(0, 0, w - 1, h - 1));
    CZuImage* drawn = gc.EndDraw();
    CZuImage* copy = drawn->GetSubImage(CZuRect(size), size);
    // The copy is shown whole: no colour of it is a key.
    CZuImage* plain = new CZuImage();
    plain->CreateEmptyImage(size);
    std::copy(copy->GetImgBuf(), copy->GetImgBuf() + w * h * 4, plain->GetImgBuf());
    copy->Release();
    return plain;
}

// Five framed boxes in two rows, each under a caption naming its mode.
std::vector<CZuImageBox*> AddBoxes(CGalleryScene& scene)
{
    const CZuRect area = scene.ClientRect();
    const int boxWidth = 140, boxHeight = 96, gap = 16, captionHeight = 22;
    std::vector<CZuImageBox*> boxes;
    for (int mode = 0; mode < 5; ++mode)
    {
        const int left = area.iTl.iX + gap + (mode % 3) * (boxWidth + gap);
        const int top = area.iTl.iY + 10 + (mode / 3) * (captionHeight + boxHeight + 20);
        new CGalleryCaption(scene.Client(), KModeNames[mode], CZuRect(left, top, left + boxWidth, top + captionHeight));
        CZuImageBox* box = new CZuImageBox(scene.Client());
        box->SetRect(CZuRect(left, top + captionHeight, left + boxWidth, top + captionHeight + boxHeight));
        box->SetBorderType(EZuBorderLine);
        box->SetBorderColor(KBoxBorder);
        box->SetBackground(KBoxBackground);
        box->SetShowBackground(true, false, IZuGc::EGradualVertical);
        box->SetDisplayMode(mode);
        boxes.push_back(box);
    }
    return boxes;
}
} // namespace

ZU_GALLERY_PAGE(imagebox)
{
    std::vector<CZuImageBox*> boxes = AddBoxes(scene);
    // Wider and taller than the boxes: stretched, cut in the middle, fitted, cut at the right and the left.
    CZuImage* landscape = MakeLandscape(CZuSize(200, 120));
    for (CZuImageBox* box : boxes)
        box->SetImage(landscape, false);
    scene.Shot("landscape");

    // Smaller than the boxes, with transparent corners: scaled up, centred, fitted, at either edge.
    CZuImage* icon = CGalleryScene::MakeIcon("图", CZuRgb(250, 170, 90), CZuRgb(210, 100, 30), 56);
    for (CZuImageBox* box : boxes)
        box->SetImage(icon, false);
    scene.Shot("icon");
    for (CZuImageBox* box : boxes)
        box->SetImage(nullptr, false);
    icon->Release();
    landscape->Release();
}
