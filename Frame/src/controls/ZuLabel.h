#ifndef ZULABEL_H
#define ZULABEL_H

#include "ZuControl.h"
#include "ZuListStatusNotify.h"

// One line of text in the label colours, placed by the alignment inside the inner spaces. Told by a list
// where it stands, it shows the list's position as "3/20".
class CZuLabel : public CZuControl, public MZuListStatusNotify
{
public:
    // A child of parent (EZuCtrlLabel), centred, square corners, in the environment's label colours.
    explicit CZuLabel(CZuControl* parent);
    ~CZuLabel() override;

    // The list shows page `page` of `pageCount`: the text becomes "page/pageCount".
    void ListStatusChanged(int page, int pageCount) override;
    void ListDragScrolled() override;

    // Nothing for an empty text or an alignment other than left, centred and right.
    void Draw(CZuGc& gc, const CZuRect& rect) override;
};

#endif // ZULABEL_H
