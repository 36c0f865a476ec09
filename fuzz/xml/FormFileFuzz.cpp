// Reads random bytes as a form file and as a window description: the loader never crashes, hangs or reads
// past its input, whatever it is given; every named control it reports is one it made, of the kind it
// declares; and what it built can be laid out and drawn.
#include "FuzzCheck.h"
#include "ZuBitmapGc.h"
#include "ZuControl.h"
#include "ZuLayout.h"
#include "ZuLog.h"
#include "ZuUiManager.h"
#include "ZuXmlForm.h"
#include "ZuXmlWnd.h"

#include <cstdint>
#include <vector>

namespace
{

// The environment the controls are made in.
class CFuzzUiManager : public CZuUiManager
{
public:
    void StartL() override {}
    void Release() override {}
};

bool IsInside(CZuControl* control, CZuControl* root)
{
    for (CZuControl* up = control; up; up = up->Parent())
    {
        if (up == root)
            return true;
    }
    return false;
}

// The names the seeds use, looked up in whatever was built.
const char* const KNames[] = {"word", "next_word", "TitleBar", "Cba", "answer_lyt", "ok", "a", "b"};

void Exercise(CZuControl& root, CZuControl* (*find)(void*, const CZuString&), void* owner)
{
    for (const char* name : KNames)
    {
        CZuControl* control = find(owner, CZuString(name));
        Check(!control || IsInside(control, &root));
    }
    static CZuBitmapGc gc(CZuSize(120, 90));
    gc.BeginDraw();
    for (const CZuRect& rect : {CZuRect(0, 0, 120, 90), CZuRect(0, 0, 3, 2), CZuRect(0, 0, 0, 0)})
    {
        root.SetRect(rect);
        root.DrawCtrl(gc, rect);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CFuzzUiManager* manager = new CFuzzUiManager;
    (void)manager;
    // Faults are logged; a log folder that does not exist keeps the runs from writing a file each.
    static bool quiet = (CZuLog::SetLogDirectory(CZuString("/nonexistent/zulex-fuzz/")), true);
    (void)quiet;
    if (size > 64 * 1024)
        return 0;
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    int length = static_cast<int>(size);

    CZuControl parent(nullptr, false, EZuCtrlPane);
    CZuXmlForm* form = new CZuXmlForm(&parent);
    bool loaded = form->LoadFormText(text.data(), length, CZuString("Fuzz.xml"));
    Check(loaded == (form->GetFaultCount() == 0));
    Exercise(*form, [](void* owner, const CZuString& name) {
        return static_cast<CZuXmlForm*>(owner)->GetControl(name);
    }, form);

    CZuXmlWnd wnd(1, CZuString("FuzzWnd"));
    wnd.LoadWndText(text.data(), length, CZuString("FuzzWnd.xml"));
    Exercise(*wnd.GetWnd(), [](void* owner, const CZuString& name) {
        return static_cast<CZuXmlWnd*>(owner)->GetControl(name);
    }, &wnd);
    wnd.SetWndRect(CZuRect(0, 0, 480, 360));
    return 0;
}
