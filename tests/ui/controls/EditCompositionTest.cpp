// The edit box fed through the platform's event translation: SDL events pushed into the queue reach it
// through the event loop, the window glue and the UI manager, as they do in the program. The input method's
// compositions are shown and left alone by the editing keys; what it commits is typed text.
#include "GalleryScene.h"
#include "UiTestSupport.h"
#include "ZuPlayerApp.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

std::string Utf8(const CZuString& text)
{
    return text.PtrZ() ? text.PtrZ() : "";
}

class EditCompositionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS)) << SDL_GetError();
        iWindow = SDL_CreateWindow("ZuLex", 0, 0, 480, 360, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
        ASSERT_NE(iWindow, nullptr) << SDL_GetError();
        iScene = new CGalleryScene(ZU_TEST_OUT_DIR "/", "", "edit");
        // SDL starts with text input on; the program's glue turns it off.
        SDL_StartTextInput();
        iGlue = new CZuPlayerApp(iWindow);
        iGlue->SetUiManager(iScene->Ui());
        iEdit = new CZuEdit(iScene->Client());
        int top = iScene->ClientRect().iTl.iY + 20;
        iEdit->SetRect(CZuRect(40, top, 240, top + 26));
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override
    {
        // The glue hands the manager back with Release(); the scene deletes it.
        delete iGlue;
        delete iScene;
        if (iWindow)
            SDL_DestroyWindow(iWindow);
        SDL_Quit();
    }

    void DispatchQueued()
    {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            CZuEventLoop::Dispatch(event);
        iScene->Pump();
    }
    void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scancode, Uint16 mod = KMOD_NONE)
    {
        SDL_Event event;
        SDL_zero(event);
        event.type = type;
        event.key.windowID = SDL_GetWindowID(iWindow);
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        event.key.keysym.scancode = scancode;
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }
    void PushPress(SDL_Keycode key, SDL_Scancode scancode, Uint16 mod = KMOD_NONE)
    {
        PushKey(SDL_KEYDOWN, key, scancode, mod);
        PushKey(SDL_KEYUP, key, scancode, mod);
    }
    void PushEditing(const char* utf8, int cursor)
    {
        SDL_Event event;
        SDL_zero(event);
        event.type = SDL_TEXTEDITING;
        event.edit.windowID = SDL_GetWindowID(iWindow);
        std::snprintf(event.edit.text, sizeof(event.edit.text), "%s", utf8);
        event.edit.start = cursor;
        SDL_PushEvent(&event);
    }
    void PushText(const char* utf8)
    {
        SDL_Event event;
        SDL_zero(event);
        event.type = SDL_TEXTINPUT;
        event.text.windowID = SDL_GetWindowID(iWindow);
        std::snprintf(event.text.text, sizeof(event.text.text), "%s", utf8);
        SDL_PushEvent(&event);
    }
    void Open()
    {
        iEdit->SetFocus(true);
        PushPress(SDLK_RETURN, SDL_SCANCODE_RETURN);
        DispatchQueued();
        ASSERT_TRUE(iEdit->IsEditing());
    }
    // The text area: the band within the margins the text keeps.
    CZuRect Area()
    {
        CZuRect band = iEdit->GetEditRect();
        band.iTl.iX += 3;
        band.iBr.iX -= 3;
        return band;
    }
    int Width(const char* utf8) { return iEdit->GetFont()->TextWidthInPixels(CZuString(utf8)); }

    SDL_Window* iWindow = nullptr;
    CGalleryScene* iScene = nullptr;
    CZuPlayerApp* iGlue = nullptr;
    CZuEdit* iEdit = nullptr;
};

TEST_F(EditCompositionTest, TextInputIsStoppedUntilABoxIsEditedAndStoppedAgainAfter)
{
    EXPECT_FALSE(CZuTextInput::IsActive());
    Open();
    EXPECT_TRUE(CZuTextInput::IsActive());
    PushPress(SDLK_RETURN, SDL_SCANCODE_RETURN);
    DispatchQueued();
    EXPECT_FALSE(iEdit->IsEditing());
    EXPECT_FALSE(CZuTextInput::IsActive());
}

TEST_F(EditCompositionTest, TheCompositionIsShownUnderlinedAtTheCaret)
{
    iEdit->SetText(CZuString("ab"));
    Open();
    PushEditing("ni", 2);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetComposition()), "ni");
    // Nothing is typed yet.
    EXPECT_EQ(Utf8(iEdit->GetText()), "ab");
    iScene->Draw();
    CZuRect area = Area();
    int start = area.iTl.iX + Width("ab");
    int end = start + Width("ni");
    int underline = area.iBr.iY - 1;
    for (int x = start; x < end; ++x)
        EXPECT_EQ(iScene->PixelAt(x, underline), 0x000000u) << x;
    // Under the typed text there is no line.
    EXPECT_EQ(iScene->PixelAt(area.iTl.iX + 1, underline), 0xFFFFFFu);
    // The caret stands where the input method has its own, after "ni".
    for (int y = area.iTl.iY; y < area.iBr.iY; ++y)
        EXPECT_EQ(iScene->PixelAt(end, y), 0x000000u) << y;
}

TEST_F(EditCompositionTest, TheCaretFollowsTheInputMethodsCursorInTheComposition)
{
    Open();
    PushEditing("zhongwen", 5);
    DispatchQueued();
    iScene->Draw();
    CZuRect area = Area();
    int caret = area.iTl.iX + Width("zhong");
    int column = 0;
    for (int y = area.iTl.iY; y < area.iBr.iY; ++y)
        column += iScene->PixelAt(caret, y) == 0x000000u ? 1 : 0;
    EXPECT_EQ(column, area.Height());
}

TEST_F(EditCompositionTest, EnterArrowsAndBackspaceAreTheInputMethodsWhileItComposes)
{
    iEdit->SetText(CZuString("ab"));
    Open();
    PushEditing("ni", 2);
    PushPress(SDLK_RETURN, SDL_SCANCODE_RETURN);
    PushPress(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
    PushPress(SDLK_LEFT, SDL_SCANCODE_LEFT);
    PushPress(SDLK_DOWN, SDL_SCANCODE_DOWN);
    DispatchQueued();
    EXPECT_TRUE(iEdit->IsEditing());
    EXPECT_TRUE(iEdit->IsFocused());
    EXPECT_EQ(Utf8(iEdit->GetText()), "ab");
    EXPECT_EQ(iEdit->GetCaret(), 2);
    EXPECT_EQ(Utf8(iEdit->GetComposition()), "ni");
}

TEST_F(EditCompositionTest, CommittedTextIsTypedAndEndsTheComposition)
{
    Open();
    PushEditing("nihao", 5);
    PushText("\xE4\xBD\xA0\xE5\xA5\xBD");
    PushEditing("", 0);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "\xE4\xBD\xA0\xE5\xA5\xBD");
    EXPECT_EQ(Utf8(iEdit->GetComposition()), "");
    EXPECT_EQ(iEdit->GetCaret(), 2);
    // The keys edit again.
    PushPress(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "\xE4\xBD\xA0");
    // Enter closes once nothing is composed, and the text stays.
    PushPress(SDLK_RETURN, SDL_SCANCODE_RETURN);
    DispatchQueued();
    EXPECT_FALSE(iEdit->IsEditing());
    EXPECT_EQ(Utf8(iEdit->GetText()), "\xE4\xBD\xA0");
}

TEST_F(EditCompositionTest, ACommittedEmojiArrivesWhole)
{
    Open();
    PushText("a\xF0\x9F\x98\x80");
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(iEdit->GetCaret(), 3);
    PushPress(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "a");
}

TEST_F(EditCompositionTest, ALongCompositionComesWhole)
{
    Open();
    const char* longText =
        "\xE4\xB8\xAD\xE5\x8D\x8E\xE4\xBA\xBA\xE6\xB0\x91\xE5\x85\xB1\xE5\x92\x8C\xE5\x9B\xBD"
        "\xE4\xB8\xAD\xE5\xA4\xAE\xE4\xBA\xBA\xE6\xB0\x91\xE6\x94\xBF\xE5\xBA\x9C";
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_TEXTEDITING_EXT;
    event.editExt.windowID = SDL_GetWindowID(iWindow);
    event.editExt.text = static_cast<char*>(SDL_malloc(std::strlen(longText) + 1));
    std::strcpy(event.editExt.text, longText);
    event.editExt.start = 12;
    SDL_PushEvent(&event);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetComposition()), longText);
}

TEST_F(EditCompositionTest, ShiftWithAnArrowSelectsThroughTheWindow)
{
    iEdit->SetText(CZuString("abc"));
    Open();
    PushKey(SDL_KEYDOWN, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT);
    PushPress(SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_LSHIFT);
    PushPress(SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_LSHIFT);
    PushKey(SDL_KEYUP, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT);
    DispatchQueued();
    EXPECT_EQ(iEdit->GetCaret(), 1);
    EXPECT_EQ(iEdit->GetSelectionAnchor(), 3);
    // Ctrl+X through the window: the control character the key types cuts.
    PushPress(SDLK_x, SDL_SCANCODE_X, KMOD_LCTRL);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "a");
}

TEST_F(EditCompositionTest, CtrlVThroughTheWindowPastesTheClipboardsLinesAsOne)
{
    ASSERT_EQ(0, SDL_SetClipboardText("\xE8\x8B\xB9\xE6\x9E\x9C\napple\nend"));
    iEdit->SetText(CZuString("[]"));
    Open();
    PushPress(SDLK_LEFT, SDL_SCANCODE_LEFT);
    // Ctrl held around the letter's press, as the window delivers it.
    PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
    PushPress(SDLK_v, SDL_SCANCODE_V, KMOD_LCTRL);
    PushKey(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "[\xE8\x8B\xB9\xE6\x9E\x9C apple end]");
    EXPECT_EQ(iEdit->GetCaret(), 1 + 2 + 1 + 5 + 1 + 3);
    // A V without Ctrl types the letter; the clipboard is left as it was.
    PushPress(SDLK_v, SDL_SCANCODE_V);
    PushText("v");
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "[\xE8\x8B\xB9\xE6\x9E\x9C apple endv]");
    char* clipboard = SDL_GetClipboardText();
    EXPECT_STREQ(clipboard, "\xE8\x8B\xB9\xE6\x9E\x9C\napple\nend");
    SDL_free(clipboard);
    // Closed, the box keeps the one line.
    PushPress(SDLK_RETURN, SDL_SCANCODE_RETURN);
    DispatchQueued();
    EXPECT_FALSE(iEdit->IsEditing());
    EXPECT_EQ(Utf8(iEdit->GetText()), "[\xE8\x8B\xB9\xE6\x9E\x9C apple endv]");
}

TEST_F(EditCompositionTest, CtrlCThenCtrlVThroughTheWindowCopiesTheSelectionAndPastesItBack)
{
    ASSERT_EQ(0, SDL_SetClipboardText("old"));
    iEdit->SetText(CZuString("word"));
    Open();
    PushKey(SDL_KEYDOWN, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT);
    PushPress(SDLK_HOME, SDL_SCANCODE_HOME, KMOD_LSHIFT);
    PushKey(SDL_KEYUP, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT);
    PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
    PushPress(SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL);
    PushKey(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL);
    DispatchQueued();
    char* clipboard = SDL_GetClipboardText();
    EXPECT_STREQ(clipboard, "word");
    SDL_free(clipboard);
    // Copying leaves the text and its selection alone.
    EXPECT_EQ(Utf8(iEdit->GetText()), "word");
    EXPECT_EQ(iEdit->GetCaret(), 0);
    EXPECT_EQ(iEdit->GetSelectionAnchor(), 4);
    PushPress(SDLK_END, SDL_SCANCODE_END);
    PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
    PushPress(SDLK_v, SDL_SCANCODE_V, KMOD_LCTRL);
    PushPress(SDLK_v, SDL_SCANCODE_V, KMOD_LCTRL);
    PushKey(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetText()), "wordwordword");
    EXPECT_EQ(iEdit->GetCaret(), 12);
}

TEST_F(EditCompositionTest, CompositionsReachNoBoxThatIsNotEdited)
{
    PushEditing("ni", 2);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetComposition()), "");
    Open();
    PushEditing("ni", 2);
    DispatchQueued();
    // Leaving the box drops what was being composed; nothing of it is typed.
    iEdit->SetFocus(false);
    iScene->Draw();
    EXPECT_FALSE(iEdit->IsEditing());
    EXPECT_EQ(Utf8(iEdit->GetComposition()), "");
    PushEditing("hao", 3);
    DispatchQueued();
    EXPECT_EQ(Utf8(iEdit->GetComposition()), "");
    EXPECT_EQ(Utf8(iEdit->GetText()), "");
}

} // namespace
