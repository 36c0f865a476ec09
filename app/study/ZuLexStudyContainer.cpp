#include "ZuLexStudyContainer.h"

#include "WordInfo.h"
#include "ZuButton.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuGesture.h"
#include "ZuGestureDetector.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexText.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuXmlForm.h"

namespace
{
// The buttons that take the focus, in this order, from one that can no longer be pressed: speaking the
// word first, so that pressing Enter on and on at the end of the group only repeats the word.
const char* const KFocusOrder[] = {"speech",      "next_word",    "prev_word", "browse_word",
                                   "stop_browse", "add_new_word", "go_back"};
// The smallest size (in percent of the normal height) a long word is shown at, and the steps down to it.
const int KSmallestWordFont = 100;
const int KWordFontStep = 10;
// A system whose own back key stands for the screen's back button.
const int KOsWithBackKey = 0;
} // namespace

CZuLexStudyContainer::CZuLexStudyContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Study.xml"), iGestures(new CZuGestureDetector(this)),
      iWordFontName(EFontUi), iWordFontSize(KSmallestWordFont), iWordFontBold(false)
{
    iGestures->SetObserver(this);
}

CZuLexStudyContainer::~CZuLexStudyContainer()
{
    delete iGestures;
}

void CZuLexStudyContainer::WireControls()
{
    if (!Form())
        return;
    struct TWiring
    {
        const char* iName;
        int iCommand;
    };
    const TWiring wiring[] = {{"stop_browse", EZuLexCmdStopBrowse},
                              {"add_new_word", EZuLexCmdAddNewWord},
                              {"prev_word", EZuLexCmdPrevWord},
                              {"next_word", EZuLexCmdNextWord},
                              {"speech", EZuLexCmdSpeech}};
    for (const TWiring& wire : wiring)
    {
        if (CZuButton* button = Form()->GetControlAs<CZuButton>(CZuString(wire.iName)))
            button->SetCommand(wire.iCommand);
    }
    if (CZuButton* browse = Form()->GetControlAs<CZuButton>(CZuString("browse_word")))
        browse->Set(EZuLexCmdBrowse, CZuEnv::GetString(EZuLexStrBrowse), nullptr, false);
    if (CZuControl* phonetic = Control("Phonetic"))
    {
        CZuFont* font = CZuEnv::AcquireFont(EFontPhonetic, 100, false);
        phonetic->SetFont(font);
        CZuEnv::ReleaseFont(font);
    }
    if (CZuControl* wordLabel = Control("word"))
    {
        iWordFontName = wordLabel->GetFont()->FontName();
        iWordFontSize = wordLabel->GetFont()->FontSize();
        iWordFontBold = wordLabel->GetFont()->Flag();
    }
    if (CZuControl* next = Control("next_word"))
        next->SetFocus(true);
    CZuUiManager* manager = CZuEnv::UiManager();
    CZuControl* back = Control("go_back");
    if (back && manager && manager->GetOsType() == KOsWithBackKey)
    {
        back->MakeVisible(false);
        Relayout();
    }
}

void CZuLexStudyContainer::ShowWord(const CWordInfo& word, int position, int count, bool inBook,
                                    bool hasSpeech)
{
    if (CZuControl* control = Control("word"))
    {
        control->SetText(word.iWord);
        FitWordFont(*control);
    }
    if (CZuControl* control = Control("Phonetic"))
        control->SetText(word.iPhonetic + "  " + word.iPhoneticNote);
    if (CZuControl* control = Control("explain"))
        control->SetText(word.iExplanation);
    CZuString place = CZuLexText::Get(EZuLexStrStudyPosition, position + 1, count);
    if (CZuLexApp* app = CZuLexApp::Static())
        app->SetPromptText(place);
    if (CZuControl* control = Control("cur_word"))
        control->SetText(place);
    Enable("add_new_word", !inBook);
    Enable("prev_word", position > 0);
    Enable("next_word", position + 1 < count);
    Enable("speech", hasSpeech);
    KeepFocusUsable(KFocusOrder);
    DrawDeferred();
}

void CZuLexStudyContainer::FitWordFont(CZuControl& label)
{
    // The form's size when the word fits, else smaller steps down to the normal size.
    int width = label.InnerRect().Width();
    for (int size = iWordFontSize; size > 0; size -= KWordFontStep)
    {
        bool last = size - KWordFontStep < KSmallestWordFont;
        CZuFont* font = CZuEnv::AcquireFont(iWordFontName, last ? KSmallestWordFont : size, iWordFontBold);
        bool fits = font->TextWidthInPixels(label.GetText()) < width;
        if (fits || last)
            label.SetFont(font);
        CZuEnv::ReleaseFont(font);
        if (fits || last)
            return;
    }
}

void CZuLexStudyContainer::DisableAddWord()
{
    Enable("add_new_word", false);
    KeepFocusUsable(KFocusOrder);
    DrawDeferred();
}

void CZuLexStudyContainer::ShowBrowsing(bool browsing)
{
    CZuControl* browse = Control("browse_word");
    CZuControl* stop = Control("stop_browse");
    if (!browse || !stop)
        return;
    browse->MakeVisible(!browsing);
    stop->MakeVisible(browsing);
    // Hidden cells take no room: the shown button stands where the other stood.
    Relayout();
    (browsing ? stop : browse)->SetFocus(true);
    DrawDeferred();
}

void CZuLexStudyContainer::Enable(const char* name, bool enabled)
{
    if (CZuControl* control = Control(name))
        control->SetDisabled(!enabled);
}

bool CZuLexStudyContainer::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (CZuLexFormContainer::HandlePointerEventL(event))
        return true;
    // A press on a button that cannot be pressed now (next at the group's end) is no tap on the screen.
    if (event.iType == EZuPointerDown && Form() &&
        dynamic_cast<CZuButton*>(Form()->GetControlBy(event.iPosition)))
        return false;
    return iGestures->GestureDetector(event);
}

void CZuLexStudyContainer::OnGesture(const TZuGesture& gesture)
{
    if (gesture.iKind == EGestureTap)
    {
        CZuRect rect = Rect();
        PostCommand(gesture.iPoint.iX < rect.iTl.iX + rect.Width() / 2 ? EZuLexCmdPrevWord
                                                                       : EZuLexCmdNextWord);
        return;
    }
    if (gesture.iKind != EGestureFling)
        return;
    if (gesture.iDownDx > KFlingStep)
        PostCommand(EZuLexCmdNextWord);
    else if (gesture.iDownDx < -KFlingStep)
        PostCommand(EZuLexCmdPrevWord);
}

void CZuLexStudyContainer::PostCommand(int command)
{
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(nullptr, EZuMsgButtonClicked, static_cast<uintptr_t>(command), 0);
}
