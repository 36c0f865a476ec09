// The edit box: idle with its prompt and with text, being edited with a caret and a selection, with a
// Chinese composition in progress, and scrolled along a long line.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{

const int KLeft = 40;
const int KWidth = 400;
const int KHeight = 26;
const int KGap = 16;

CZuEdit* AddBox(CGalleryScene& scene, int row, const char* text, const char* prompt)
{
    CZuEdit* edit = new CZuEdit(scene.Client());
    int top = scene.ClientRect().iTl.iY + 30 + row * (KHeight + KGap);
    edit->SetRect(CZuRect(KLeft, top, KLeft + KWidth, top + KHeight));
    edit->SetStyle(CZuEdit::EStyleRound);
    edit->SetText(CZuString(text));
    edit->SetDefaultPrompt(CZuString(prompt));
    return edit;
}

} // namespace

ZU_GALLERY_PAGE(edit)
{
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550006));
    AddBox(scene, 0, "", "\xE8\xBE\x93\xE5\x85\xA5\xE5\x8D\x95\xE8\xAF\x8D");
    CZuEdit* word = AddBox(scene, 1, "apple \xE8\x8B\xB9\xE6\x9E\x9C", "");
    CZuEdit* chinese = AddBox(scene, 2, "\xE6\x88\x91\xE5\x9C\xA8\xE5\xAD\xA6", "");
    CZuEdit* longLine = AddBox(scene, 3,
                               "The quick brown fox jumps over the lazy dog \xF0\x9F\x98\x80 "
                               "\xE6\x95\x8F\xE6\x8D\xB7\xE7\x9A\x84\xE6\xA3\x95\xE8\x89\xB2\xE7\x8B\x90\xE7"
                               "\x8B\xB8\xE8\xB7\xB3\xE8\xBF\x87\xE4\xBA\x86\xE6\x87\x92\xE7\x8B\x97",
                               "");
    CZuEdit* disabled = AddBox(scene, 4, "\xE4\xB8\x8D\xE8\x83\xBD\xE6\x94\xB9", "");
    disabled->SetDisabled(true);
    scene.Shot("idle");

    // Focused and opened with Enter; Shift+Left twice selects the last two characters.
    word->SetFocus(true);
    scene.PressKey(EZuKeyEnter);
    scene.Ui()->OnKeyDown(EZuKeyLeft, 1, EZuButtonShift);
    scene.Ui()->OnKeyUp(EZuKeyLeft, 1, EZuButtonShift);
    scene.Ui()->OnKeyDown(EZuKeyLeft, 1, EZuButtonShift);
    scene.Ui()->OnKeyUp(EZuKeyLeft, 1, EZuButtonShift);
    scene.Pump();
    scene.Shot("selection");

    // A click opens the next box; the input method composes "xi" after its text.
    scene.Click(KLeft + KWidth - 20, chinese->Rect().iTl.iY + KHeight / 2);
    scene.Ui()->OnTextEditing(CZuString("xi"), 2);
    scene.Pump();
    scene.Shot("composition");

    // The composition becomes Chinese text, then is typed; the caret stays at its end.
    scene.Ui()->OnTextEditing(CZuString("\xE4\xB9\xA0"), 1);
    scene.Pump();
    scene.TypeChar(0x4E60);
    scene.Ui()->OnTextEditing(CZuString(""), 0);
    scene.Pump();
    scene.Shot("committed");

    // A line longer than its box scrolls with the caret; the emoji the font lacks shows as a box.
    scene.Click(KLeft + 20, longLine->Rect().iTl.iY + KHeight / 2);
    scene.PressKey(EZuKeyEnd);
    scene.Shot("long-end");
    scene.PressKey(EZuKeyEnter);
    scene.Shot("long-closed");
}
