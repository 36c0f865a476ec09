#include "ZuEdit.h"

#include "ZuClip.h"
#include "ZuClipboard.h"
#include "ZuDrawUtil.h"
#include "ZuEditBuffer.h"
#include "ZuEditLine.h"
#include "ZuEditObserver.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuPrivateData.h"
#include "ZuTextInput.h"
#include "ZuUiManager.h"

#include <algorithm>

namespace
{

// The control characters that keys type (CZuKeyMap::ControlChar).
const unsigned KCharBackspace = 8;
const unsigned KCharEnter = 13;
const unsigned KCharSelectAll = 1;
const unsigned KCharCopy = 3;
const unsigned KCharPaste = 22;
const unsigned KCharCut = 24;
const unsigned KFirstPrintable = 0x20;
const unsigned KCharDelete = 0x7F;

const int KRoundCorner = 2;
// Room between the box's edges and its text, as a desktop text field keeps.
const int KTextMargin = 3;
// Selected text: white on the desktop's usual selection blue.
const CZuRgb KSelectionBackground(0, 120, 215);
const CZuRgb KSelectionText(255, 255, 255);

// The boxes that exist, for GetEditByID: kept in the environment's list of shared things.
CZuObjectList* Registry()
{
    return CZuEnv::Static() ? &CZuEnv::PrivateData()->List() : nullptr;
}

unsigned& NextId()
{
    static unsigned next = CZuEdit::KFirstId;
    return next;
}

// The next id of the range that no box has; ids are never taken from the clock, so two boxes made in the
// same moment differ.
unsigned AllocateId()
{
    const unsigned range = CZuEdit::KLastId - CZuEdit::KFirstId + 1;
    unsigned id = NextId();
    for (unsigned tried = 0; tried < range; ++tried)
    {
        id = NextId();
        NextId() = id == CZuEdit::KLastId ? CZuEdit::KFirstId : id + 1;
        if (!CZuEdit::GetEditByID(id))
            break;
    }
    return id;
}

bool IsSoftKey(unsigned code)
{
    return code == EZuKeyF1 || code == EZuKeyF2;
}

bool IsVerticalKey(unsigned code)
{
    return code == EZuKeyUp || code == EZuKeyDown;
}

// The units of the first count characters (code points) of units.
int UnitsOfCharacters(const CZuEditBuffer::TUnits& units, int count)
{
    int index = 0;
    int length = static_cast<int>(units.size());
    for (int seen = 0; seen < count && index < length; ++seen)
    {
        bool pair = CZuEditBuffer::IsHighSurrogate(units[static_cast<size_t>(index)]) && index + 1 < length &&
                    CZuEditBuffer::IsLowSurrogate(units[static_cast<size_t>(index + 1)]);
        index += pair ? 2 : 1;
    }
    return index;
}

} // namespace

struct TZuEditData
{
    unsigned iId = 0;
    CZuString iText;
    CZuString iPrompt;
    int iMaxChars = 0;
    CZuEdit::TZuEditDefaultInputMode iInputMode = CZuEdit::EInputModeAny;
    MZuEditObserver* iObserver = nullptr;

    // The open editor.
    bool iEditing = false;
    CZuEditBuffer iBuffer;
    // What the input method composes, shown at the caret, and its own caret (units).
    CZuEditBuffer::TUnits iComposition;
    int iCompositionCaret = 0;
    // The first half of a pair typed one unit at a time, waiting for its second half.
    TZuWChar iPendingHigh = 0;
    // How far the line is scrolled to the left, in pixels.
    int iScroll = 0;
    // The mouse button went down in the open editor and is still held.
    bool iSelecting = false;
    // The mouse button went down inside the box (a release elsewhere opens nothing).
    bool iPressedInside = false;
    // Enter acted once for the press held now; its repeats do nothing.
    bool iEnterDone = false;
    // The line shown: the text with the composition at the caret while open, the text or prompt when idle.
    CZuEditLine iLine;
    CZuString iIdleSource;
};

CZuEdit::CZuEdit(CZuControl* parent) : CZuControl(parent, true, EZuCtrlEdit), iData(new TZuEditData)
{
    SetBorderType(EZuBorderLine3);
    SetInnerSpace(1);
    SetBackground(CZuRgb(255, 255, 255));
    SetForeground(CZuRgb(0, 0, 0));
    iData->iText = "";
    iData->iId = AllocateId();
    if (CZuObjectList* registry = Registry())
        registry->Append(this);
}

CZuEdit::~CZuEdit()
{
    CloseEditor();
    if (CZuObjectList* registry = Registry())
        registry->Remove(this);
    delete iData;
}

CZuEdit* CZuEdit::GetEditByID(unsigned id)
{
    CZuObjectList* registry = Registry();
    if (!registry)
        return nullptr;
    for (int i = 0; i < registry->GetCount(); ++i)
    {
        CZuEdit* edit = dynamic_cast<CZuEdit*>(registry->GetAt(i));
        if (edit && edit->GetId() == id)
            return edit;
    }
    return nullptr;
}

unsigned CZuEdit::GetId() const
{
    return iData->iId;
}

void CZuEdit::SetText(const CZuString& text)
{
    iData->iText = text;
    if (!iData->iEditing)
        return;
    iData->iBuffer.SetText(text);
    iData->iComposition.clear();
    LayOut();
    Changed();
}

CZuString CZuEdit::GetText()
{
    return iData->iText;
}

void CZuEdit::SetTextMaxNum(int units)
{
    iData->iMaxChars = units;
    iData->iBuffer.SetLimit(units);
}

int CZuEdit::GetTextMaxNum() const
{
    return iData->iMaxChars;
}

void CZuEdit::UpdateText()
{
    if (iData->iEditing)
        iData->iText = iData->iBuffer.Text();
}

CZuRect CZuEdit::GetEditRect()
{
    CZuRect band = InnerRect();
    int fontHeight = GetFont()->HeightInPixels();
    int innerHeight = band.Height();
    if (fontHeight < innerHeight)
    {
        band.iTl.iY += (innerHeight - fontHeight) / 2;
        band.iBr.iY = band.iTl.iY + fontHeight;
    }
    return band;
}

CZuRect CZuEdit::TextArea()
{
    CZuRect area = GetEditRect();
    if (area.Width() > 4 * KTextMargin)
    {
        area.iTl.iX += KTextMargin;
        area.iBr.iX -= KTextMargin;
    }
    return area;
}

CZuRect CZuEdit::TextClip()
{
    // The text band is a font height tall; descenders and accents may reach past it, never past the box.
    const CZuRect area = TextArea();
    const CZuRect inner = InnerRect();
    return CZuRect(area.iTl.iX, std::min(area.iTl.iY, inner.iTl.iY), area.iBr.iX,
                   std::max(area.iBr.iY, inner.iBr.iY));
}

void CZuEdit::SetDefaultPrompt(const CZuString& prompt)
{
    iData->iPrompt = prompt;
}

const CZuString& CZuEdit::GetDefaultPrompt() const
{
    return iData->iPrompt;
}

void CZuEdit::SetStyle(TStyle style)
{
    SetRoundCornerSize(style == EStyleRound ? KRoundCorner : 0);
    SetInnerSpace(1);
}

void CZuEdit::SetDefaultInputMode(TZuEditDefaultInputMode mode)
{
    iData->iInputMode = mode;
}

CZuEdit::TZuEditDefaultInputMode CZuEdit::GetDefaultInputMode() const
{
    return iData->iInputMode;
}

void CZuEdit::SetObserver(MZuEditObserver* observer)
{
    iData->iObserver = observer;
}

bool CZuEdit::OpenEditor()
{
    if (iData->iEditing)
        return true;
    if (!CanEdit())
        return false;
    CZuUiManager* manager = CZuEnv::UiManager();
    // One editor at a time: the desktop has one text input.
    if (manager)
    {
        if (CZuEdit* other = dynamic_cast<CZuEdit*>(manager->GetTextInputClient()))
            other->CloseEditor();
        manager->SetTextInputClient(this);
    }
    TZuEditData& d = *iData;
    d.iEditing = true;
    d.iBuffer.SetLimit(d.iMaxChars);
    d.iBuffer.SetText(d.iText);
    d.iComposition.clear();
    d.iPendingHigh = 0;
    d.iScroll = 0;
    d.iSelecting = false;
    CZuTextInput::Start(GetEditRect());
    LayOut();
    Changed();
    return true;
}

void CZuEdit::CloseEditor()
{
    TZuEditData& d = *iData;
    if (!d.iEditing)
        return;
    // Every edit has already become the box's text; a text the learner did not touch stays as it was set.
    d.iEditing = false;
    d.iComposition.clear();
    d.iPendingHigh = 0;
    d.iScroll = 0;
    d.iSelecting = false;
    CZuUiManager* manager = CZuEnv::UiManager();
    // Another box may have taken the text input over already.
    if (!manager || manager->GetTextInputClient() == this)
    {
        if (manager)
            manager->SetTextInputClient(nullptr);
        CZuTextInput::Stop();
    }
    DrawDeferred();
}

bool CZuEdit::IsEditing() const
{
    return iData->iEditing;
}

CZuString CZuEdit::GetComposition() const
{
    return CZuEditBuffer::Encode(iData->iComposition.data(), static_cast<int>(iData->iComposition.size()));
}

int CZuEdit::GetCaret() const
{
    return iData->iEditing ? iData->iBuffer.Caret() : 0;
}

int CZuEdit::GetSelectionAnchor() const
{
    return iData->iEditing ? iData->iBuffer.Anchor() : 0;
}

void CZuEdit::StateChanged()
{
    CZuControl::StateChanged();
    if (!IsFocused())
        CloseEditor();
}

bool CZuEdit::CanEdit()
{
    return IsFocused() && IsVisible() && !IsDisabled() && !IsReadOnly();
}

bool CZuEdit::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    // The state can change without StateChanged (SetState, SetFocus(false)): an unfocused box edits nothing.
    if (!IsFocused())
    {
        CloseEditor();
        return false;
    }
    if (event.IsKey() && IsSoftKey(event.iCode))
        return false;
    bool composing = iData->iEditing && !iData->iComposition.empty();
    if (event.iCode == EZuKeyEnter && !composing && (event.IsKey() || type == EZuKeyEventKey))
        return HandleEnter(event, type);
    if (event.IsKey() && IsVerticalKey(event.iCode) && !composing)
        return false;
    if (!iData->iEditing)
        return true;
    return HandleEditorKey(event, type);
}

bool CZuEdit::HandleEnter(const TZuKeyEvent& event, TZuKeyEventType type)
{
    TZuEditData& d = *iData;
    if (type != EZuKeyEventKey)
    {
        d.iEnterDone = false;
        return true;
    }
    CZuUiManager* manager = CZuEnv::UiManager();
    bool held = manager && manager->GetHeldKey() == EZuKeyEnter;
    // One press opens or closes once: never both, and its repeats toggle nothing.
    if (event.iIsRepeat || (d.iEnterDone && held))
        return true;
    d.iEnterDone = true;
    if (d.iEditing)
        CloseEditor();
    else
        OpenEditor();
    return true;
}

bool CZuEdit::HandleEditorKey(const TZuKeyEvent& event, TZuKeyEventType type)
{
    TZuEditData& d = *iData;
    if (event.iIsChar)
    {
        HandleEditorChar(event.iCode);
        return true;
    }
    // While the input method composes, it has the keys.
    if (!d.iComposition.empty())
        return true;
    // Keys act when pressed and as they repeat; the event of their release does nothing more.
    bool pressed = type == EZuKeyEventDown || (type == EZuKeyEventKey && event.iIsRepeat);
    if (!pressed)
        return true;
    bool extend = event.IsShift();
    switch (event.iCode)
    {
    case EZuKeyLeft:
        d.iBuffer.MoveLeft(extend);
        break;
    case EZuKeyRight:
        d.iBuffer.MoveRight(extend);
        break;
    case EZuKeyHome:
        d.iBuffer.MoveHome(extend);
        break;
    case EZuKeyEnd:
        d.iBuffer.MoveEnd(extend);
        break;
    case EZuKeyDelete:
        if (d.iBuffer.DeleteForward())
            TextEdited();
        return true;
    case EZuKeyBackspace:
        if (d.iBuffer.DeleteBackward())
            TextEdited();
        return true;
    default:
        return true;
    }
    Changed();
    return true;
}

void CZuEdit::HandleEditorChar(unsigned code)
{
    TZuEditData& d = *iData;
    TZuWChar unit = static_cast<TZuWChar>(code);
    TZuWChar pending = d.iPendingHigh;
    d.iPendingHigh = 0;
    if (code > 0xFFFF)
        return;
    if (CZuEditBuffer::IsHighSurrogate(unit))
    {
        d.iPendingHigh = unit;
        return;
    }
    CZuEditBuffer::TUnits typed;
    if (CZuEditBuffer::IsLowSurrogate(unit))
    {
        // A second half without its first is no character.
        if (pending == 0)
            return;
        typed += pending;
    }
    if (code >= KFirstPrintable && code != KCharDelete)
    {
        typed += unit;
        // Typed text ends the composition: it is what the input method committed.
        d.iComposition.clear();
        if (d.iBuffer.Insert(typed))
            TextEdited();
        else
            Changed();
        return;
    }
    // Control characters are the input method's while it composes.
    if (!d.iComposition.empty())
        return;
    switch (code)
    {
    case KCharBackspace:
        if (d.iBuffer.DeleteBackward())
            TextEdited();
        break;
    case KCharSelectAll:
        d.iBuffer.SelectAll();
        Changed();
        break;
    case KCharCopy:
        Copy();
        break;
    case KCharCut:
        Copy();
        if (d.iBuffer.DeleteSelection())
            TextEdited();
        break;
    case KCharPaste:
        Paste();
        break;
    default:
        break;
    }
}

void CZuEdit::Copy()
{
    if (iData->iBuffer.HasSelection())
        CZuClipboard::SetText(iData->iBuffer.SelectedText());
}

void CZuEdit::Paste()
{
    CZuString text = CZuClipboard::Text();
    if (text.IsEmpty())
        return;
    if (iData->iBuffer.InsertUtf8(text))
        TextEdited();
}

void CZuEdit::TextEdited()
{
    UpdateText();
    LayOut();
    Changed();
    if (iData->iObserver)
        iData->iObserver->HandleEditTextChanged(this);
}

void CZuEdit::Changed()
{
    ScrollToCaret();
    if (iData->iEditing)
    {
        // The candidate window opens beside the caret, below the text band.
        CZuRect band = GetEditRect();
        CZuRect area = TextArea();
        int caretX = area.iTl.iX + iData->iLine.X(DisplayCaret()) - iData->iScroll;
        band.iTl.iX = std::max(band.iTl.iX, std::min(caretX, band.iBr.iX - 1));
        CZuTextInput::SetBand(band);
    }
    DrawDeferred();
}

void CZuEdit::LayOut()
{
    TZuEditData& d = *iData;
    if (!d.iEditing)
        return;
    CZuEditBuffer::TUnits shown = d.iBuffer.Units();
    if (!d.iComposition.empty())
        shown.insert(static_cast<size_t>(d.iBuffer.Caret()), d.iComposition);
    d.iLine.Layout(GetFont(), shown);
    d.iIdleSource.Empty();
}

void CZuEdit::ScrollToCaret()
{
    TZuEditData& d = *iData;
    if (!d.iEditing)
    {
        d.iScroll = 0;
        return;
    }
    int width = TextArea().Width();
    int caret = d.iLine.X(DisplayCaret());
    // The caret's column stays inside the band, and no more of the line is hidden than has to be.
    if (caret - d.iScroll > width - 1)
        d.iScroll = caret - width + 1;
    if (caret < d.iScroll)
        d.iScroll = caret;
    d.iScroll = std::max(0, std::min(d.iScroll, d.iLine.Width() + 1 - width));
}

int CZuEdit::DisplayCaret() const
{
    int caret = iData->iBuffer.Caret();
    return iData->iComposition.empty() ? caret : caret + iData->iCompositionCaret;
}

int CZuEdit::IndexAtPointer(int x)
{
    return iData->iLine.IndexAt(x - TextArea().iTl.iX + iData->iScroll);
}

bool CZuEdit::HandlePointerEventL(const TZuPointerEvent& event)
{
    TZuEditData& d = *iData;
    if (!IsFocused())
        CloseEditor();
    // A box that cannot be edited takes neither the focus nor the editor.
    if (!IsVisible() || IsDisabled() || IsReadOnly())
        return false;
    if (d.iEditing && HandleEditorPointer(event))
        return true;
    if (!HitTest(event.iPosition))
    {
        if (event.iType == EZuPointerDown)
            d.iPressedInside = false;
        return false;
    }
    if (event.iType == EZuPointerDown)
        d.iPressedInside = true;
    if (event.iType == EZuPointerUp && d.iPressedInside && IsFocused() && !d.iEditing)
    {
        d.iPressedInside = false;
        if (OpenEditor())
        {
            d.iBuffer.MoveTo(IndexAtPointer(event.iPosition.iX), false);
            Changed();
            return true;
        }
    }
    if (GetState() != EZuStateNormal || event.iType == EZuPointerMove || event.iType == EZuPointerWheel)
        return false;
    UpdateFocusTree();
    return true;
}

bool CZuEdit::HandleEditorPointer(const TZuPointerEvent& event)
{
    TZuEditData& d = *iData;
    if (event.iType == EZuPointerDown)
    {
        if (!HitTest(event.iPosition))
            return false;
        // While the input method composes, the caret stays where the composition is.
        if (d.iComposition.empty())
        {
            d.iBuffer.MoveTo(IndexAtPointer(event.iPosition.iX), (event.iFlags & EZuButtonShift) != 0);
            d.iSelecting = true;
            Changed();
        }
        return true;
    }
    if (!d.iSelecting)
        return false;
    if (event.iType == EZuPointerDrag)
    {
        d.iBuffer.MoveTo(IndexAtPointer(event.iPosition.iX), true);
        Changed();
        return true;
    }
    if (event.iType == EZuPointerUp)
    {
        d.iSelecting = false;
        return true;
    }
    return false;
}

void CZuEdit::HandleTextComposition(const CZuString& text, int cursor)
{
    TZuEditData& d = *iData;
    if (!d.iEditing)
        return;
    d.iComposition = CZuEditBuffer::Decode(text, CZuEditBuffer::KMaxUnits);
    d.iCompositionCaret = UnitsOfCharacters(d.iComposition, std::max(cursor, 0));
    LayOut();
    Changed();
}

int CZuEdit::Baseline(const CZuRect& band)
{
    CZuFont* font = GetFont();
    return band.iTl.iY + (band.Height() - font->HeightInPixels()) / 2 + font->AscentInPixels();
}

void CZuEdit::Draw(CZuGc& gc, const CZuRect& rect)
{
    if (!IsFocused())
        CloseEditor();
    int topLeft = 0;
    int topRight = 0;
    int bottomLeft = 0;
    int bottomRight = 0;
    RoundCornerSize(topLeft, topRight, bottomLeft, bottomRight);
    CZuDrawUtil::DrawRoundRect(gc, Rect(), topLeft, IsFocused() ? BgFocusedColor() : Background(),
                               GetBorderColor());
    gc.UseFont(GetFont());
    if (iData->iEditing)
        DrawEditor(gc, rect);
    else
        DrawIdle(gc);
    gc.DiscardFont();
}

void CZuEdit::DrawIdle(CZuGc& gc)
{
    TZuEditData& d = *iData;
    bool prompt = d.iText.IsEmpty();
    const CZuString& shown = prompt ? d.iPrompt : d.iText;
    if (shown.IsEmpty())
        return;
    if (d.iIdleSource != shown || d.iLine.Font() != GetFont())
    {
        d.iLine.Layout(GetFont(), CZuEditBuffer::Decode(shown, CZuEditBuffer::KMaxUnits));
        d.iIdleSource = shown;
    }
    // The prompt, and the text of a box that cannot be used, are dimmed.
    bool dimmed = prompt || IsDisabled();
    gc.SetDrawColor(dimmed ? Foreground().GetNewColor(-50, 50) : Foreground());
    // A text longer than the box stays inside it.
    CZuRect area = TextArea();
    if (!CZuClip::Push(gc, TextClip()))
        return;
    d.iLine.Draw(gc, area.iTl.iX, Baseline(area), 0, static_cast<int>(d.iLine.Units().size()), area.iTl.iX,
                 area.iBr.iX);
    CZuClip::Pop(gc);
}

void CZuEdit::DrawEditor(CZuGc& gc, const CZuRect& inner)
{
    TZuEditData& d = *iData;
    // The editor's own field, in the box's background colour, inside the focused frame.
    gc.SetDrawColor(Background());
    gc.Clear(inner);
    CZuRect band = TextArea();
    if (!CZuClip::Push(gc, TextClip()))
        return;
    int left = band.iTl.iX - d.iScroll;
    int baseline = Baseline(band);
    int count = static_cast<int>(d.iLine.Units().size());
    int caret = d.iBuffer.Caret();
    int compositionLength = static_cast<int>(d.iComposition.size());
    // The selection in the line shown, where the composition sits at the caret.
    int selectionStart = d.iBuffer.SelectionStart();
    int selectionEnd = d.iBuffer.SelectionEnd();
    if (selectionStart >= caret)
        selectionStart += compositionLength;
    if (selectionEnd > caret)
        selectionEnd += compositionLength;
    if (selectionEnd > selectionStart)
    {
        gc.SetDrawColor(KSelectionBackground);
        gc.Clear(CZuRect(left + d.iLine.X(selectionStart), band.iTl.iY, left + d.iLine.X(selectionEnd),
                         band.iBr.iY));
    }
    int visibleLeft = band.iTl.iX;
    int visibleRight = band.iBr.iX;
    gc.SetDrawColor(Foreground());
    d.iLine.Draw(gc, left, baseline, 0, selectionStart, visibleLeft, visibleRight);
    d.iLine.Draw(gc, left, baseline, selectionEnd, count, visibleLeft, visibleRight);
    gc.SetDrawColor(KSelectionText);
    d.iLine.Draw(gc, left, baseline, selectionStart, selectionEnd, visibleLeft, visibleRight);
    gc.SetDrawColor(Foreground());
    if (compositionLength > 0)
    {
        int underline = std::min(baseline + 1, band.iBr.iY - 1);
        gc.DrawLine(CZuPoint(left + d.iLine.X(caret), underline),
                    CZuPoint(left + d.iLine.X(caret + compositionLength), underline));
    }
    int caretX = left + d.iLine.X(DisplayCaret());
    gc.DrawLine(CZuPoint(caretX, band.iTl.iY), CZuPoint(caretX, band.iBr.iY));
    CZuClip::Pop(gc);
}
