#ifndef ZULEXFORMCONTAINER_H
#define ZULEXFORMCONTAINER_H

#include "ZuContainer.h"

class CZuXmlForm;

// The container of a screen built from a form file: the form fills its client layout, and the form's
// "go_back" button sends the back command (message 18 with 5) to the screen.
class CZuLexFormContainer : public CZuContainer
{
public:
    // A container (type 302) for view on parent, the current window's root; formFile is a file of the
    // program's form folder ("Study.xml").
    CZuLexFormContainer(CZuControl* parent, CZuView* view, const char* formFile);

    // Makes the client layout and the form, gives the container the UI manager's client rectangle, loads
    // the form and lays it out. A form that cannot be loaded leaves the screen empty (the faults are in
    // the log).
    void ConstructL();
    CZuXmlForm* Form() const { return iForm; }
    // The path of a file of the program's form folder.
    static CZuString FormPath(const char* formFile);
    // The form's control of that name, or null.
    CZuControl* Control(const char* name) const;
    // The text the form's control of that name shows; empty when there is none.
    CZuString ControlText(const char* name) const;

protected:
    // When the focused control can no longer be used (disabled or hidden), gives the focus to the first
    // usable control of names, in their order; count names are given.
    void KeepFocusUsable(const char* const* names, int count);
    template <int N> void KeepFocusUsable(const char* const (&names)[N]) { KeepFocusUsable(names, N); }

private:
    const char* iFormFile;
    CZuXmlForm* iForm;
};

#endif // ZULEXFORMCONTAINER_H
