// The setting screen: a choice for each preference showing the value set, taken by "save" (or the left
// soft key), which writes the settings; cancel and back leave them. And the review screen's one choice.
#include "AppScreenFixture.h"
#include "WordConfig.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexReviewContainer.h"
#include "ZuLexReviewView.h"
#include "ZuLexSettingContainer.h"
#include "ZuUi.h"

class AppSettingScreenTest : public AppScreenTest
{
protected:
    CWordConfig& Settings() { return *App().Settings(); }
    CZuComboBox* Combo(const char* name) { return dynamic_cast<CZuComboBox*>(Control(name)); }
    // The values as "Word.cfg" holds them: transform, count per group, speech.
    std::string OnDisk()
    {
        CWordConfig reread;
        return std::to_string(reread.UiTransform()) + " " + std::to_string(reread.CountPerGroup()) + " " +
               std::to_string(reread.WordSpeech());
    }
    // Opens the combo's drop-down with a click and confirms the row rows below the one selected.
    void Choose(const char* name, int rows)
    {
        Click(name);
        ASSERT_NE(Combo(name)->GetDropDown(), nullptr) << name;
        for (int i = 0; i < rows; ++i)
            PressKey(KDown);
        PressKey(KEnter);
        EXPECT_EQ(Combo(name)->GetDropDown(), nullptr) << name;
    }
};

TEST_F(AppSettingScreenTest, ShowsTheValuesSet)
{
    Open(EZuLexCmdOpenSetting);
    ASSERT_EQ(CurrentViewId(), int(EZuLexViewSetting));
    for (const char* name : {"ui_transform", "count_per_group", "word_speech"})
    {
        ASSERT_NE(Combo(name), nullptr) << name;
        EXPECT_EQ(Combo(name)->GetSelRetType(), CZuComboBox::KReturnId) << name;
    }
    EXPECT_EQ(Combo("ui_transform")->GetSelectedID(), 1);
    EXPECT_EQ(Combo("count_per_group")->GetSelectedID(), 20);
    EXPECT_EQ(Text(Combo("count_per_group")->GetSelText()), "20");
    EXPECT_EQ(Combo("word_speech")->GetSelectedID(), 0);
    EXPECT_TRUE(Control("save")->IsFocused());
    EXPECT_EQ(App().GetCba()->GetLeftCommand(), int(EZuLexCmdSaveSettings));
    Picture("zulex-setting");
}

TEST_F(AppSettingScreenTest, SaveTakesTheChoicesAndWritesThem)
{
    Open(EZuLexCmdOpenSetting);
    Choose("ui_transform", 1);
    EXPECT_EQ(Combo("ui_transform")->GetSelectedID(), 0);
    Click("count_per_group");
    Picture("zulex-setting-open");
    // The list opens on the value set: two rows up is 10.
    PressKey(KUp);
    PressKey(KUp);
    PressKey(KEnter);
    EXPECT_EQ(Combo("count_per_group")->GetSelectedID(), 10);
    Choose("word_speech", 1);
    EXPECT_EQ(Combo("word_speech")->GetSelectedID(), 1);
    Picture("zulex-setting-changed");
    // Nothing is taken before save.
    EXPECT_EQ(Settings().CountPerGroup(), 20);
    EXPECT_EQ(OnDisk(), "1 20 0");
    Settings().SetGroup(3);
    Click("save");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_FALSE(Settings().UiTransform());
    EXPECT_EQ(Settings().CountPerGroup(), 10);
    EXPECT_EQ(Settings().WordSpeech(), 1);
    EXPECT_FALSE(CZuEnv::UiSetting()->IsSupportTransformEffect());
    // The group number stays: the learner goes on with the group of that number.
    EXPECT_EQ(Settings().Group(), 3);
    EXPECT_EQ(OnDisk(), "0 10 1");
}

TEST_F(AppSettingScreenTest, TheLeftSoftKeySavesToo)
{
    Open(EZuLexCmdOpenSetting);
    Choose("count_per_group", 2);
    PressKey(KF1);
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(Settings().CountPerGroup(), 30);
    EXPECT_EQ(OnDisk(), "1 30 0");
}

TEST_F(AppSettingScreenTest, CancelAndBackLeaveTheSettings)
{
    for (int way = 0; way < 3; ++way)
    {
        Open(EZuLexCmdOpenSetting);
        Choose("count_per_group", 1);
        Choose("ui_transform", 1);
        if (way == 0)
            Click("cancel");
        else if (way == 1)
            Click("go_back");
        else
            PressKey(KF2);
        EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain)) << way;
        EXPECT_EQ(Settings().CountPerGroup(), 20) << way;
        EXPECT_TRUE(Settings().UiTransform()) << way;
        EXPECT_EQ(OnDisk(), "1 20 0") << way;
    }
}

TEST_F(AppSettingScreenTest, AChoiceWithNothingSelectedKeepsItsValue)
{
    Settings().SetCountPerGroup(15);
    Settings().SetWordSpeech(1);
    Settings().SetUiTransform(false);
    Open(EZuLexCmdOpenSetting);
    for (const char* name : {"ui_transform", "count_per_group", "word_speech"})
        Combo(name)->SetSelItemByIndex(-1);
    Picture("zulex-setting-none-selected");
    Click("save");
    EXPECT_FALSE(Settings().UiTransform());
    EXPECT_EQ(Settings().CountPerGroup(), 15);
    EXPECT_EQ(Settings().WordSpeech(), 1);
    EXPECT_EQ(OnDisk(), "0 15 1");
}

TEST_F(AppSettingScreenTest, AValueTheListLacksIsShownAndKept)
{
    Settings().SetCountPerGroup(12);
    Settings().SetWordSpeech(7);
    Open(EZuLexCmdOpenSetting);
    EXPECT_EQ(Combo("count_per_group")->GetSelectedID(), 12);
    EXPECT_EQ(Text(Combo("count_per_group")->GetText()), "12");
    // Any value but 0 speaks on request.
    EXPECT_EQ(Combo("word_speech")->GetSelectedID(), 1);
    Click("save");
    EXPECT_EQ(Settings().CountPerGroup(), 12);
    EXPECT_EQ(Settings().WordSpeech(), 1);
}

TEST_F(AppSettingScreenTest, ReviewScreenOffersItsOneChoice)
{
    Open(EZuLexCmdOpenReview);
    ASSERT_EQ(CurrentViewId(), int(EZuLexViewReview));
    CZuLexReviewView* view = dynamic_cast<CZuLexReviewView*>(App().GetCurView());
    ASSERT_NE(view->ReviewContainer(), nullptr);
    CZuComboBox* choice = view->ReviewContainer()->Choice();
    ASSERT_EQ(choice->GetItemCount(), 5);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(choice->GetItem(i)->GetId(), i + 1);
        EXPECT_EQ(Text(choice->GetItem(i)->GetName()), "hello " + std::to_string(i + 1));
        EXPECT_EQ(Text(choice->GetItem(i)->GetDisplayText()),
                  "hello " + std::to_string(i + 1) + std::to_string(i + 1));
    }
    EXPECT_EQ(choice->GetSelectedID(), 3);
    EXPECT_EQ(Text(choice->GetText()), "hello 33");
    EXPECT_TRUE(choice->IsFocused());
    EXPECT_EQ(choice->Rect().Height(), 150);
    Picture("zulex-review");
    PressKey(KF2);
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
}
