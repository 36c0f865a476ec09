// The edit box in a screen: opening and closing its editor by Enter, focus and pointer; editing keys and
// characters as the window delivers them; the clipboard; the id registry; what it draws.
#include "GalleryScene.h"
#include "UiTestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{

const int KLeft = 40;
const int KWidth = 200;
const int KHeight = 26;

std::string Utf8(const CZuString& text)
{
    return text.PtrZ() ? text.PtrZ() : "";
}

// Records what the box tells its observer, and the text it has at that moment.
class CTextWatcher : public MZuEditObserver
{
public:
    void HandleEditTextChanged(CZuEdit* edit) override { iTexts.push_back(Utf8(edit->GetText())); }
    std::vector<std::string> iTexts;
};

class EditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iScene = new CGalleryScene(ZU_TEST_OUT_DIR "/", "", "edit");
        iFirst = AddBox(0);
        iSecond = AddBox(1);
    }
    void TearDown() override { delete iScene; }

    CZuEdit* AddBox(int row)
    {
        CZuEdit* edit = new CZuEdit(iScene->Client());
        int top = iScene->ClientRect().iTl.iY + 20 + row * 40;
        edit->SetRect(CZuRect(KLeft, top, KLeft + KWidth, top + KHeight));
        return edit;
    }
    CZuPoint Middle(CZuEdit* edit) const
    {
        CZuRect rect = edit->Rect();
        return CZuPoint((rect.iTl.iX + rect.iBr.iX) / 2, (rect.iTl.iY + rect.iBr.iY) / 2);
    }
    void Click(CZuEdit* edit, int x) { iScene->Click(x, Middle(edit).iY); }
    // Enter as the window delivers it: key-down, the carriage return it types, key-up.
    void Enter()
    {
        Ui()->OnKeyDown(EZuKeyEnter, 1, 0);
        Ui()->OnChar(13, 1, 0);
        Ui()->OnKeyUp(EZuKeyEnter, 1, 0);
        iScene->Pump();
    }
    void Type(const char* ascii)
    {
        for (const char* c = ascii; *c; ++c)
            Ui()->OnChar(static_cast<unsigned char>(*c), 1, 0);
    }
    void TypeUnits(const std::u16string& units)
    {
        for (char16_t unit : units)
            Ui()->OnChar(unit, 1, 0);
    }
    // A key pressed and released, as the window delivers a key that types nothing.
    void Press(unsigned code, unsigned modifiers = 0)
    {
        Ui()->OnKeyDown(code, 1, modifiers);
        Ui()->OnKeyUp(code, 1, modifiers);
    }
    void OpenFirst()
    {
        iFirst->SetFocus(true);
        Enter();
        ASSERT_TRUE(iFirst->IsEditing());
    }
    CZuUiManager* Ui() { return iScene->Ui(); }

    CGalleryScene* iScene = nullptr;
    CZuEdit* iFirst = nullptr;
    CZuEdit* iSecond = nullptr;
};

TEST_F(EditTest, StartsEmptyAndIdleWithTheLookOfAnEditBox)
{
    EXPECT_EQ(iFirst->GetType(), EZuCtrlEdit);
    EXPECT_TRUE(Utf8(iFirst->GetText()).empty());
    EXPECT_FALSE(iFirst->IsEditing());
    EXPECT_EQ(iFirst->GetBorderType(), EZuBorderLine3);
    EXPECT_EQ(Rgb(iFirst->Background()), 0xFFFFFFu);
    EXPECT_EQ(Rgb(iFirst->Foreground()), 0x000000u);
    EXPECT_EQ(iFirst->GetTextMaxNum(), 0);
    iFirst->SetStyle(CZuEdit::EStyleRound);
    EXPECT_EQ(iFirst->RoundCornerSizeTr(), 2);
    iFirst->SetStyle(CZuEdit::EStyleSquare);
    EXPECT_EQ(iFirst->RoundCornerSizeTr(), 0);
    iFirst->SetDefaultInputMode(CZuEdit::EInputModeChinese);
    EXPECT_EQ(iFirst->GetDefaultInputMode(), CZuEdit::EInputModeChinese);
}

TEST_F(EditTest, BackspaceAsTheWindowDeliversItDeletesOneCharacterPerPressAndRepeat)
{
    iFirst->SetText(CZuString("abcdef"));
    OpenFirst();
    // Key-down, the character 8 it types, key-up: one character goes.
    Ui()->OnKeyDown(EZuKeyBackspace, 1, 0);
    Ui()->OnChar(8, 1, 0);
    Ui()->OnKeyUp(EZuKeyBackspace, 1, 0);
    EXPECT_EQ(Utf8(iFirst->GetText()), "abcde");
    // Held: the press and each repeat (a repeated key-down with its character) take one each.
    Ui()->OnKeyDown(EZuKeyBackspace, 1, 0);
    Ui()->OnChar(8, 1, 0);
    for (int i = 0; i < 2; ++i)
    {
        Ui()->OnKeyDown(EZuKeyBackspace, 1, 0);
        Ui()->OnChar(8, 1, 0);
    }
    Ui()->OnKeyUp(EZuKeyBackspace, 1, 0);
    EXPECT_EQ(Utf8(iFirst->GetText()), "ab");
}

TEST_F(EditTest, EnterOpensAndEnterAgainClosesKeepingTheText)
{
    iFirst->SetText(CZuString("ab"));
    iFirst->SetFocus(true);
    Enter();
    ASSERT_TRUE(iFirst->IsEditing());
    EXPECT_EQ(Ui()->GetTextInputClient(), iFirst);
    EXPECT_EQ(iFirst->GetCaret(), 2);
    Type("cd");
    EXPECT_EQ(Utf8(iFirst->GetText()), "abcd");
    Enter();
    EXPECT_FALSE(iFirst->IsEditing());
    EXPECT_EQ(Ui()->GetTextInputClient(), nullptr);
    EXPECT_EQ(Utf8(iFirst->GetText()), "abcd");
    // The box keeps the focus, so the next Enter opens it again.
    EXPECT_TRUE(iFirst->IsFocused());
    Enter();
    EXPECT_TRUE(iFirst->IsEditing());
}

TEST_F(EditTest, EnterWithoutItsCharacterOpensOnceToo)
{
    // The release of a key that typed nothing is the key event that counts.
    iFirst->SetFocus(true);
    iScene->PressKey(EZuKeyEnter);
    EXPECT_TRUE(iFirst->IsEditing());
    iScene->PressKey(EZuKeyEnter);
    EXPECT_FALSE(iFirst->IsEditing());
}

TEST_F(EditTest, OnePressNeverOpensAndClosesAndItsRepeatsToggleNothing)
{
    iFirst->SetFocus(true);
    Ui()->OnKeyDown(EZuKeyEnter, 1, 0);
    Ui()->OnChar(13, 1, 0);
    EXPECT_TRUE(iFirst->IsEditing());
    // Held: every repeat brings a key event and a carriage return.
    for (int i = 0; i < 3; ++i)
    {
        Ui()->OnKeyDown(EZuKeyEnter, 1, 0);
        Ui()->OnChar(13, 1, 0);
        EXPECT_TRUE(iFirst->IsEditing());
    }
    Ui()->OnKeyUp(EZuKeyEnter, 1, 0);
    EXPECT_TRUE(iFirst->IsEditing());
    Enter();
    EXPECT_FALSE(iFirst->IsEditing());
}

TEST_F(EditTest, AnUnfocusedBoxOpensNothingAndTakesNoKeys)
{
    iSecond->SetFocus(true);
    TZuKeyEvent enter{EZuKeyEnter, 1};
    EXPECT_FALSE(iFirst->HandleKeyEvent(enter, EZuKeyEventKey));
    EXPECT_FALSE(iFirst->IsEditing());
    // In default focus (its parent lost the focus), it still leaves keys to others.
    iFirst->SetState(EZuStateDefaultFocus);
    TZuKeyEvent letter{'x', 1, true};
    EXPECT_FALSE(iFirst->HandleKeyEvent(letter, EZuKeyEventKey));
    EXPECT_FALSE(iFirst->OpenEditor());
}

TEST_F(EditTest, DisabledOrReadOnlyBoxesDoNotOpen)
{
    iFirst->SetDisabled(true);
    iFirst->SetFocus(true);
    Enter();
    EXPECT_FALSE(iFirst->IsEditing());
    iFirst->SetDisabled(false);
    iFirst->SetReadOnly(true);
    Enter();
    EXPECT_FALSE(iFirst->IsEditing());
    // Nor do they take the focus or open by the pointer.
    iFirst->SetFocus(false);
    Click(iFirst, KLeft + 10);
    EXPECT_FALSE(iFirst->IsFocused());
    EXPECT_FALSE(iFirst->IsEditing());
    iFirst->SetReadOnly(false);
    iFirst->SetDisabled(true);
    Click(iFirst, KLeft + 10);
    EXPECT_FALSE(iFirst->IsEditing());
    EXPECT_EQ(Ui()->GetTextInputClient(), nullptr);
}

TEST_F(EditTest, UpAndDownMoveTheFocusOnAndCloseTheEditorKeepingTheText)
{
    OpenFirst();
    Type("word");
    Press(EZuKeyDown);
    EXPECT_TRUE(iSecond->IsFocused());
    EXPECT_FALSE(iFirst->IsEditing());
    EXPECT_EQ(Utf8(iFirst->GetText()), "word");
    EXPECT_EQ(Ui()->GetTextInputClient(), nullptr);
}

TEST_F(EditTest, SoftKeysReachTheCommandBarWhileABoxIsFocused)
{
    OpenFirst();
    TZuKeyEvent left{EZuKeyF1, 1};
    TZuKeyEvent right{EZuKeyF2, 1};
    EXPECT_FALSE(iFirst->HandleKeyEvent(left, EZuKeyEventKey));
    EXPECT_FALSE(iFirst->HandleKeyEvent(right, EZuKeyEventKey));
    // A typed "p" is text, not a soft key.
    TZuKeyEvent p{'p', 1, true};
    EXPECT_TRUE(iFirst->HandleKeyEvent(p, EZuKeyEventKey));
    EXPECT_EQ(Utf8(iFirst->GetText()), "p");
}

TEST_F(EditTest, AFocusedIdleBoxConsumesItsOtherKeys)
{
    iFirst->SetFocus(true);
    TZuKeyEvent right{EZuKeyRight, 1};
    TZuKeyEvent up{EZuKeyUp, 1};
    EXPECT_TRUE(iFirst->HandleKeyEvent(right, EZuKeyEventKey));
    EXPECT_FALSE(iFirst->HandleKeyEvent(up, EZuKeyEventKey));
    // Idle, typed characters change nothing.
    TZuKeyEvent letter{'x', 1, true};
    EXPECT_TRUE(iFirst->HandleKeyEvent(letter, EZuKeyEventKey));
    EXPECT_TRUE(Utf8(iFirst->GetText()).empty());
}

TEST_F(EditTest, AClickFocusesOpensAndPlacesTheCaret)
{
    iFirst->SetText(CZuString("hello"));
    Click(iFirst, KLeft + KWidth - 5);
    EXPECT_TRUE(iFirst->IsFocused());
    ASSERT_TRUE(iFirst->IsEditing());
    EXPECT_EQ(iFirst->GetCaret(), 5);
    // A press at the far left puts the caret before the text.
    Click(iFirst, KLeft + 2);
    EXPECT_EQ(iFirst->GetCaret(), 0);
    EXPECT_EQ(iFirst->GetSelectionAnchor(), 0);
}

TEST_F(EditTest, AClickOnAnotherBoxClosesTheFirstKeepingItsText)
{
    Click(iFirst, KLeft + 10);
    ASSERT_TRUE(iFirst->IsEditing());
    Type("one");
    Click(iSecond, KLeft + 10);
    EXPECT_FALSE(iFirst->IsEditing());
    EXPECT_TRUE(iSecond->IsEditing());
    EXPECT_EQ(Utf8(iFirst->GetText()), "one");
    EXPECT_EQ(Ui()->GetTextInputClient(), iSecond);
}

TEST_F(EditTest, AReleaseThatDidNotStartOnTheBoxOpensNothing)
{
    iFirst->SetFocus(true);
    iScene->Pointer(EZuPointerDown, 5, 5);
    iScene->Pointer(EZuPointerUp, Middle(iFirst).iX, Middle(iFirst).iY);
    EXPECT_FALSE(iFirst->IsEditing());
}

TEST_F(EditTest, DraggingTheMouseSelectsAndShiftClickExtends)
{
    iFirst->SetText(CZuString("abcdefgh"));
    Click(iFirst, KLeft + 2);
    ASSERT_EQ(iFirst->GetCaret(), 0);
    int y = Middle(iFirst).iY;
    iScene->Pointer(EZuPointerDown, KLeft + 2, y);
    iScene->Pointer(EZuPointerDrag, KLeft + KWidth - 2, y);
    iScene->Pointer(EZuPointerUp, KLeft + KWidth - 2, y);
    EXPECT_EQ(iFirst->GetSelectionAnchor(), 0);
    EXPECT_EQ(iFirst->GetCaret(), 8);
    // A plain press collapses it; Shift with a press selects up to the press.
    iScene->Click(KLeft + KWidth - 2, y);
    EXPECT_EQ(iFirst->GetSelectionAnchor(), 8);
    TZuPointerEvent press;
    press.iType = EZuPointerDown;
    press.iFlags = EZuButtonLeft | EZuButtonShift;
    press.iPosition = CZuPoint(KLeft + 2, y);
    Ui()->HandlePointerEventL(press);
    EXPECT_EQ(iFirst->GetSelectionAnchor(), 8);
    EXPECT_EQ(iFirst->GetCaret(), 0);
}

TEST_F(EditTest, ArrowsMoveOncePerPressAndAgainAsTheyRepeat)
{
    iFirst->SetText(CZuString("abcdef"));
    OpenFirst();
    Press(EZuKeyLeft);
    EXPECT_EQ(iFirst->GetCaret(), 5);
    // Held: the press moves, each repeat moves, the release does not.
    Ui()->OnKeyDown(EZuKeyLeft, 1, 0);
    Ui()->OnKeyDown(EZuKeyLeft, 1, 0);
    Ui()->OnKeyDown(EZuKeyLeft, 1, 0);
    Ui()->OnKeyUp(EZuKeyLeft, 1, 0);
    EXPECT_EQ(iFirst->GetCaret(), 2);
    Press(EZuKeyHome);
    EXPECT_EQ(iFirst->GetCaret(), 0);
    Press(EZuKeyRight);
    EXPECT_EQ(iFirst->GetCaret(), 1);
    Press(EZuKeyEnd);
    EXPECT_EQ(iFirst->GetCaret(), 6);
}

TEST_F(EditTest, ShiftSelectsEvenWhenShiftWentDownFirst)
{
    iFirst->SetText(CZuString("abcdef"));
    OpenFirst();
    // The window delivers Shift's own key-down first; it must not hold the arrow back.
    Ui()->OnKeyDown(EZuKeyShift, 1, EZuButtonShift);
    Press(EZuKeyLeft, EZuButtonShift);
    Press(EZuKeyLeft, EZuButtonShift);
    Ui()->OnKeyUp(EZuKeyShift, 1, 0);
    EXPECT_EQ(iFirst->GetCaret(), 4);
    EXPECT_EQ(iFirst->GetSelectionAnchor(), 6);
    Press(EZuKeyHome, EZuButtonShift);
    EXPECT_EQ(iFirst->GetCaret(), 0);
    EXPECT_EQ(iFirst->GetSelectionAnchor(), 6);
}

TEST_F(EditTest, EditingMixedTextByCharacters)
{
    OpenFirst();
    // "Hi", 中文, an emoji (two units, typed one at a time), "!".
    TypeUnits(u"Hi\u4E2D\u6587\U0001F600!");
    EXPECT_EQ(Utf8(iFirst->GetText()), "Hi\xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80!");
    EXPECT_EQ(iFirst->GetCaret(), 7);
    Press(EZuKeyLeft);
    Press(EZuKeyLeft);
    EXPECT_EQ(iFirst->GetCaret(), 4);
    // Delete takes the emoji whole, Backspace the Chinese character before the caret.
    Press(EZuKeyDelete);
    EXPECT_EQ(Utf8(iFirst->GetText()), "Hi\xE4\xB8\xAD\xE6\x96\x87!");
    Ui()->OnKeyDown(EZuKeyBackspace, 1, 0);
    Ui()->OnChar(8, 1, 0);
    Ui()->OnKeyUp(EZuKeyBackspace, 1, 0);
    EXPECT_EQ(Utf8(iFirst->GetText()), "Hi\xE4\xB8\xAD!");
    EXPECT_EQ(iFirst->GetCaret(), 3);
}

TEST_F(EditTest, AHalfPairAloneIsNoCharacter)
{
    OpenFirst();
    TypeUnits(u"a");
    Ui()->OnChar(0xDE00, 1, 0);
    Ui()->OnChar(0xD83D, 1, 0);
    Ui()->OnChar('b', 1, 0);
    EXPECT_EQ(Utf8(iFirst->GetText()), "ab");
}

TEST_F(EditTest, TheLimitHoldsForTypingAndZeroMeansUnlimited)
{
    iFirst->SetTextMaxNum(3);
    OpenFirst();
    Type("abcdef");
    EXPECT_EQ(Utf8(iFirst->GetText()), "abc");
    // Lowered while open, it holds for what comes next; the text there stays.
    iFirst->SetTextMaxNum(2);
    Type("x");
    EXPECT_EQ(Utf8(iFirst->GetText()), "abc");
    iFirst->SetTextMaxNum(0);
    std::string many(300, 'z');
    Type(many.c_str());
    EXPECT_EQ(iFirst->GetText().Length(), 303);
    // Read back whole when the editor closes.
    Enter();
    EXPECT_EQ(iFirst->GetText().Length(), 303);
}

TEST_F(EditTest, SetTextWhileOpenReplacesTheEditorsText)
{
    OpenFirst();
    Type("old");
    iFirst->SetText(CZuString("new text"));
    EXPECT_TRUE(iFirst->IsEditing());
    EXPECT_EQ(iFirst->GetCaret(), 8);
    Type("!");
    Enter();
    EXPECT_EQ(Utf8(iFirst->GetText()), "new text!");
}

TEST_F(EditTest, OpeningAndClosingWithoutEditingLeavesTheTextAsSet)
{
    iFirst->SetText(CZuString("two\nlines"));
    OpenFirst();
    Enter();
    EXPECT_EQ(Utf8(iFirst->GetText()), "two\nlines");
}

TEST_F(EditTest, TheObserverHearsEachEditWithTheNewText)
{
    CTextWatcher watcher;
    iFirst->SetObserver(&watcher);
    OpenFirst();
    Type("ab");
    Press(EZuKeyLeft);
    Press(EZuKeyDelete);
    Ui()->OnChar(8, 1, 0);
    Ui()->OnChar(8, 1, 0);
    const std::vector<std::string> expected = {"a", "ab", "a", ""};
    EXPECT_EQ(watcher.iTexts, expected);
    iFirst->SetObserver(nullptr);
}

TEST_F(EditTest, ClosingTheBoxHandsTheFocusBackAndStopsTheTextInput)
{
    OpenFirst();
    EXPECT_TRUE(CZuTextInput::IsActive());
    // The input method's candidates open below the band, from the caret on.
    CZuRect band = iFirst->GetEditRect();
    band.iTl.iX += 3;
    EXPECT_EQ(CZuTextInput::Band(), band);
    Type("ab");
    band.iTl.iX += iFirst->GetFont()->TextWidthInPixels(CZuString("ab"));
    EXPECT_EQ(CZuTextInput::Band(), band);
    Enter();
    EXPECT_FALSE(CZuTextInput::IsActive());
    // The arrows move the focus again.
    Press(EZuKeyDown);
    EXPECT_TRUE(iSecond->IsFocused());
}

TEST_F(EditTest, ADeletedOpenBoxLeavesNoTextInputBehind)
{
    OpenFirst();
    iScene->Client()->DeleteControl(iFirst);
    iFirst = nullptr;
    EXPECT_EQ(Ui()->GetTextInputClient(), nullptr);
    EXPECT_FALSE(CZuTextInput::IsActive());
    Ui()->OnTextEditing(CZuString("ni"), 2);
}

TEST_F(EditTest, TheStateChangedBehindItsBackClosesTheEditor)
{
    OpenFirst();
    Type("kept");
    iFirst->SetFocus(false);
    iScene->Draw();
    EXPECT_FALSE(iFirst->IsEditing());
    EXPECT_EQ(Utf8(iFirst->GetText()), "kept");
}

TEST_F(EditTest, TheTextBandIsTheFontsHeightCentredOrTheWholeInnerRectangle)
{
    CZuRect inner = iFirst->InnerRect();
    CZuRect band = iFirst->GetEditRect();
    int fontHeight = iFirst->GetFont()->HeightInPixels();
    EXPECT_EQ(band.Height(), fontHeight);
    EXPECT_EQ(band.iTl.iY, inner.iTl.iY + (inner.Height() - fontHeight) / 2);
    EXPECT_EQ(band.iTl.iX, inner.iTl.iX);
    EXPECT_EQ(band.iBr.iX, inner.iBr.iX);
    iFirst->SetRect(CZuRect(KLeft, 100, KLeft + KWidth, 110));
    EXPECT_EQ(iFirst->GetEditRect(), iFirst->InnerRect());
}

TEST_F(EditTest, IdsAreDistinctInTheirRangeAndFoundAgain)
{
    std::set<unsigned> ids;
    std::vector<CZuEdit*> boxes;
    // Made in one go, in the same millisecond.
    for (int i = 0; i < 50; ++i)
        boxes.push_back(new CZuEdit(iScene->Client()));
    boxes.push_back(iFirst);
    boxes.push_back(iSecond);
    for (CZuEdit* box : boxes)
    {
        EXPECT_GE(box->GetId(), CZuEdit::KFirstId);
        EXPECT_LE(box->GetId(), CZuEdit::KLastId);
        EXPECT_EQ(CZuEdit::GetEditByID(box->GetId()), box);
        ids.insert(box->GetId());
    }
    EXPECT_EQ(ids.size(), boxes.size());
    // Above every command id the program posts (24833 to 24861, window command 105).
    EXPECT_GT(CZuEdit::KFirstId, 24861u);
    unsigned goneId = boxes[0]->GetId();
    iScene->Client()->DeleteControl(boxes[0]);
    EXPECT_EQ(CZuEdit::GetEditByID(goneId), nullptr);
    EXPECT_EQ(CZuEdit::GetEditByID(0), nullptr);
}

TEST_F(EditTest, IdsGoRoundTheRangeSkippingThoseInUse)
{
    const unsigned range = CZuEdit::KLastId - CZuEdit::KFirstId + 1;
    CZuEdit* kept = new CZuEdit(iScene->Client());
    unsigned keptId = kept->GetId();
    std::set<unsigned> seen;
    for (unsigned i = 0; i < range + 10; ++i)
    {
        CZuEdit* passing = new CZuEdit(iScene->Client());
        EXPECT_NE(passing->GetId(), keptId);
        EXPECT_NE(passing->GetId(), iFirst->GetId());
        seen.insert(passing->GetId());
        iScene->Client()->DeleteControl(passing);
    }
    // Every id but the three in use came round.
    EXPECT_EQ(seen.size(), range - 3);
}

class ClipboardEditTest : public EditTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)) << SDL_GetError();
        EditTest::SetUp();
    }
    void TearDown() override
    {
        EditTest::TearDown();
        SDL_Quit();
    }
};

TEST_F(ClipboardEditTest, CopyCutAndPaste)
{
    iFirst->SetText(CZuString("\xE8\x8B\xB9\xE6\x9E\x9C apple"));
    OpenFirst();
    // Ctrl+A selects everything, Ctrl+C copies, Ctrl+V pastes at the caret.
    Ui()->OnChar(1, 1, EZuButtonControl);
    Ui()->OnChar(3, 1, EZuButtonControl);
    EXPECT_EQ(Utf8(CZuClipboard::Text()), "\xE8\x8B\xB9\xE6\x9E\x9C apple");
    Press(EZuKeyEnd);
    Ui()->OnChar(22, 1, EZuButtonControl);
    EXPECT_EQ(Utf8(iFirst->GetText()), "\xE8\x8B\xB9\xE6\x9E\x9C apple\xE8\x8B\xB9\xE6\x9E\x9C apple");
    // Ctrl+X takes the selection out and onto the clipboard.
    Press(EZuKeyHome);
    Press(EZuKeyRight, EZuButtonShift);
    Press(EZuKeyRight, EZuButtonShift);
    Ui()->OnChar(24, 1, EZuButtonControl);
    EXPECT_EQ(Utf8(CZuClipboard::Text()), "\xE8\x8B\xB9\xE6\x9E\x9C");
    EXPECT_EQ(Utf8(iFirst->GetText()), " apple\xE8\x8B\xB9\xE6\x9E\x9C apple");
}

TEST_F(ClipboardEditTest, PastedLinesBecomeOneLineWithinTheLimit)
{
    ASSERT_TRUE(CZuClipboard::SetText(CZuString("first\r\nsecond\nthird")));
    iFirst->SetTextMaxNum(12);
    OpenFirst();
    Ui()->OnChar(22, 1, EZuButtonControl);
    EXPECT_EQ(Utf8(iFirst->GetText()), "first second");
    Enter();
    EXPECT_EQ(Utf8(iFirst->GetText()), "first second");
}

// The darkest pixel of the box's text band (0 black .. 255 white), over its red channel.
int DarkestIn(CGalleryScene& scene, const CZuRect& band)
{
    int darkest = 255;
    for (int y = band.iTl.iY; y < band.iBr.iY; ++y)
    {
        for (int x = band.iTl.iX; x < band.iBr.iX; ++x)
            darkest = std::min(darkest, int(scene.PixelAt(x, y) >> 16));
    }
    return darkest;
}

TEST_F(EditTest, ThePromptIsDimmedAndOnlyShownWhileTheTextIsEmpty)
{
    iFirst->SetDefaultPrompt(CZuString("\xE8\xBE\x93\xE5\x85\xA5"));
    iScene->Draw();
    int prompt = DarkestIn(*iScene, iFirst->GetEditRect());
    EXPECT_GT(prompt, 90);
    EXPECT_LT(prompt, 200);
    iFirst->SetText(CZuString("\xE8\xBE\x93\xE5\x85\xA5"));
    iScene->Draw();
    EXPECT_LT(DarkestIn(*iScene, iFirst->GetEditRect()), 40);
    // Without a prompt an empty box draws no text at all.
    iSecond->SetText(CZuString(""));
    EXPECT_EQ(DarkestIn(*iScene, iSecond->GetEditRect()), 255);
}

TEST_F(EditTest, TheEditorDrawsItsCaretSelectionAndField)
{
    iFirst->SetText(CZuString("abc"));
    OpenFirst();
    iScene->Draw();
    CZuRect band = iFirst->GetEditRect();
    // Focused, the frame shows the focus colour; the field inside is the box's background.
    EXPECT_EQ(iScene->PixelAt(band.iTl.iX + 100, band.iTl.iY), 0xFFFFFFu);
    EXPECT_EQ(iScene->PixelAt(iFirst->Rect().iTl.iX + 1, band.iTl.iY), Rgb(iFirst->BgFocusedColor()));
    // The caret: a black column right after the text, as tall as the band.
    int caretX = band.iTl.iX + 3 + iFirst->GetFont()->TextWidthInPixels(CZuString("abc"));
    for (int y = band.iTl.iY; y < band.iBr.iY; ++y)
        EXPECT_EQ(iScene->PixelAt(caretX, y), 0x000000u) << y;
    EXPECT_EQ(iScene->PixelAt(caretX + 2, band.iTl.iY + 1), 0xFFFFFFu);
    Press(EZuKeyHome, EZuButtonShift);
    iScene->Draw();
    EXPECT_EQ(iScene->PixelAt(band.iTl.iX + 4, band.iTl.iY), 0x0078D7u);
}

TEST_F(EditTest, ALongLineScrollsToKeepTheCaretInTheBox)
{
    std::string text(100, 'w');
    iFirst->SetText(CZuString(text.c_str()));
    OpenFirst();
    iScene->Draw();
    CZuRect band = iFirst->GetEditRect();
    // The caret at the end is inside the band, at its right edge.
    int right = band.iBr.iX - 3 - 1;
    for (int y = band.iTl.iY; y < band.iBr.iY; ++y)
        EXPECT_EQ(iScene->PixelAt(right, y), 0x000000u) << y;
    // Home shows the start again: the first "w" touches the text margin.
    Press(EZuKeyHome);
    iScene->Draw();
    EXPECT_EQ(iScene->PixelAt(band.iTl.iX + 3, band.iTl.iY + 1), 0x000000u);
    // Nothing of the line is drawn beyond the box.
    EXPECT_EQ(iScene->PixelAt(iFirst->Rect().iBr.iX + 2, band.iTl.iY + 8), iScene->PixelAt(5, 5));
}

TEST_F(EditTest, DescendersReachingBelowTheTextBandAreDrawnWhole)
{
    iFirst->SetText(CZuString("gjpqy"));
    const CZuRect band = iFirst->GetEditRect();
    const CZuRect inner = iFirst->InnerRect();
    ASSERT_LT(band.iBr.iY, inner.iBr.iY);
    // Below the band, inside the box: the tails of the letters, idle and open.
    const CZuRect below(band.iTl.iX, band.iBr.iY, band.iBr.iX, inner.iBr.iY);
    iScene->Draw();
    EXPECT_LT(DarkestIn(*iScene, below), 100);
    OpenFirst();
    iScene->Draw();
    EXPECT_LT(DarkestIn(*iScene, below), 100);
}

TEST_F(EditTest, ALongLineStopsAtTheTextMarginShownOrEdited)
{
    std::string text(100, 'W');
    iFirst->SetText(CZuString(text.c_str()));
    const CZuRect band = iFirst->GetEditRect();
    // The text keeps 3 pixels from each side of the field.
    const CZuRect area(band.iTl.iX + 3, band.iTl.iY, band.iBr.iX - 3, band.iBr.iY);
    // The columns between the text area and the field's edge keep the field's colour, idle and open.
    for (bool open : {false, true})
    {
        if (open)
            OpenFirst();
        iScene->Draw();
        const unsigned field = iScene->PixelAt(area.iBr.iX, band.iTl.iY);
        for (int x = area.iBr.iX; x < band.iBr.iX; ++x)
            for (int y = band.iTl.iY; y < band.iBr.iY; ++y)
                ASSERT_EQ(iScene->PixelAt(x, y), field) << x << "," << y << (open ? " open" : " idle");
        EXPECT_LT(DarkestIn(*iScene, CZuRect(area.iBr.iX - 3, band.iTl.iY, area.iBr.iX, band.iBr.iY)), 100);
    }
}

} // namespace
