// Keys with Shift and Ctrl as the UI manager delivers them: the modifier keys themselves hold nothing back,
// the events say which modifiers are held and which are auto-repeats.
#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace
{

// A focused leaf that keeps every key event it sees, whole.
class CKeyEventRecorder : public CZuControl
{
public:
    explicit CKeyEventRecorder(CZuControl* parent) : CZuControl(parent, true, EZuCtrlPane) {}
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override
    {
        iEvents.push_back(event);
        iTypes.push_back(type);
        return true;
    }
    std::vector<TZuKeyEvent> iEvents;
    std::vector<int> iTypes;
};

class KeyModifierTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iUi = new CTestUiManager;
        CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
        root->SetRect(CZuRect(0, 0, 480, 360));
        iUi->SetPlatWindow(root, true);
        iRecorder = new CKeyEventRecorder(root);
        iRecorder->SetFocus(true);
    }
    void TearDown() override { delete iUi; }

    CTestUiManager* iUi = nullptr;
    CKeyEventRecorder* iRecorder = nullptr;
};

TEST_F(KeyModifierTest, HoldingShiftDoesNotHoldTheArrowBack)
{
    iUi->OnKeyDown(EZuKeyShift, 1, EZuButtonShift);
    iUi->OnKeyDown(EZuKeyLeft, 1, EZuButtonShift);
    iUi->OnKeyUp(EZuKeyLeft, 1, EZuButtonShift);
    iUi->OnKeyUp(EZuKeyShift, 1, 0);
    // The modifier keys themselves reach no control.
    ASSERT_EQ(iRecorder->iEvents.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(iRecorder->iEvents[i].iCode, unsigned(EZuKeyLeft));
        EXPECT_TRUE(iRecorder->iEvents[i].IsShift());
    }
    EXPECT_EQ(iRecorder->iTypes, (std::vector<int>{EZuKeyEventDown, EZuKeyEventKey, EZuKeyEventUp}));
    EXPECT_EQ(iUi->GetHeldKey(), 0u);
}

TEST_F(KeyModifierTest, CtrlAndAltAreModifiersToo)
{
    iUi->OnKeyDown(EZuKeyControl, 1, EZuButtonControl);
    iUi->OnKeyDown(EZuKeyAlt, 1, EZuButtonControl);
    iUi->OnKeyDown('C', 1, EZuButtonControl);
    iUi->OnChar(3, 1, EZuButtonControl);
    ASSERT_EQ(iRecorder->iEvents.size(), 2u);
    EXPECT_EQ(iRecorder->iEvents[0].iCode, unsigned('C'));
    EXPECT_EQ(iRecorder->iEvents[0].iModifiers, unsigned(EZuButtonControl));
    EXPECT_TRUE(iRecorder->iEvents[1].iIsChar);
    EXPECT_EQ(iRecorder->iEvents[1].iModifiers, unsigned(EZuButtonControl));
    EXPECT_FALSE(iRecorder->iEvents[1].IsShift());
    // Every call still counts as a key.
    EXPECT_EQ(iUi->GetKeyCount(), 4);
}

TEST_F(KeyModifierTest, OnlyAutoRepeatsAreMarkedAsRepeats)
{
    iUi->OnKeyDown(EZuKeyRight, 1, 0);
    iUi->OnKeyDown(EZuKeyRight, 1, 0);
    iUi->OnKeyUp(EZuKeyRight, 1, 0);
    iUi->OnKeyDown(EZuKeyRight, 1, 0);
    iUi->OnKeyUp(EZuKeyRight, 1, 0);
    ASSERT_EQ(iRecorder->iEvents.size(), 6u);
    const bool repeats[] = {false, true, false, false, false, false};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(iRecorder->iEvents[i].iIsRepeat, repeats[i]) << i;
    // The release of the quick press brings its key event, which is no repeat.
    EXPECT_EQ(iRecorder->iTypes[4], int(EZuKeyEventKey));
}

// Records the compositions it is shown.
class CCompositionRecorder : public MZuTextInputClient
{
public:
    void HandleTextComposition(const CZuString& text, int cursor) override
    {
        iText = text.PtrZ() ? text.PtrZ() : "";
        iCursor = cursor;
        ++iCalls;
    }
    std::string iText;
    int iCursor = -1;
    int iCalls = 0;
};

TEST_F(KeyModifierTest, CompositionsGoToTheTextInputClientOnly)
{
    CCompositionRecorder client;
    iUi->OnTextEditing(CZuString("ni"), 2);
    iUi->SetTextInputClient(&client);
    EXPECT_EQ(iUi->GetTextInputClient(), &client);
    iUi->OnTextEditing(CZuString("nihao"), 3);
    EXPECT_EQ(client.iText, "nihao");
    EXPECT_EQ(client.iCursor, 3);
    // Not while the welcome screen takes all input.
    iUi->ShowWelcomeScreen(true);
    iUi->OnTextEditing(CZuString("x"), 1);
    iUi->ShowWelcomeScreen(false);
    iUi->SetTextInputClient(nullptr);
    iUi->OnTextEditing(CZuString("y"), 1);
    EXPECT_EQ(client.iCalls, 1);
}

} // namespace
