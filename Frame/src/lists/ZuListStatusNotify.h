#ifndef ZULISTSTATUSNOTIFY_H
#define ZULISTSTATUSNOTIFY_H

// Told by a list where it stands: the page shown among its pages, and that the user dragged it. A label
// uses it to show "3/20", a scroll list to place its bars.
class MZuListStatusNotify
{
public:
    // The list shows page `page` of `pageCount`.
    virtual void ListStatusChanged(int page, int pageCount) = 0;
    // The list was scrolled by dragging.
    virtual void ListDragScrolled() = 0;
    virtual ~MZuListStatusNotify() {}
};

#endif // ZULISTSTATUSNOTIFY_H
