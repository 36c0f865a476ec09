// The program's string table as the build makes it from data/strings/ZuLex_zh.txt: every id the program
// uses has a text, and every format takes exactly what its caller passes.
#include "ZuLexIds.h"
#include "ZuStringManager.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace
{

const int KLx = 0x4C580000;

// The ids the program shows, with the conversions each caller passes in order ("" for plain texts).
const std::map<int, std::string> KUsedIds = {
    {EZuLexStrAbout, ""},           {EZuLexStrAboutText, "s"},       {EZuLexStrInfoPage, ""},
    {EZuLexStrInfoPageText, ""},    {EZuLexStrUpdateCheck, ""},      {EZuLexStrNoUpdate, ""},
    {EZuLexStrCaptionCourse, ""},   {EZuLexStrCaptionStudy, ""},     {EZuLexStrCaptionTest, ""},
    {EZuLexStrCaptionNewword, ""},  {EZuLexStrCaptionSetting, ""},   {EZuLexStrMainTitle, ""},
    {EZuLexStrTitleCourse, ""},     {EZuLexStrTitleStudy, ""},       {EZuLexStrTitleReview, ""},
    {EZuLexStrTitleTest, ""},       {EZuLexStrTitleNewword, ""},     {EZuLexStrTitleSetting, ""},
    {EZuLexStrSelectGroup, ""},     {EZuLexStrSelectGroupLabel, ""}, {EZuLexStrStudyPosition, "dd"},
    {EZuLexStrFinishTest, ""},      {EZuLexStrBrowse, ""},           {EZuLexStrTestRange, ""},
    {EZuLexStrTestAgain, ""},       {EZuLexStrTestNew, ""},          {EZuLexStrTestRangeLabel, ""},
    {EZuLexStrTestRangeGroup, ""},  {EZuLexStrTestRangeSoFar, ""},   {EZuLexStrTestRangeCourse, ""},
    {EZuLexStrSpeech, ""},          {EZuLexStrAnswerRight, ""},      {EZuLexStrAnswerWrong, ""},
    {EZuLexStrScore, "d"},          {EZuLexStrGrade90, ""},          {EZuLexStrGrade80, ""},
    {EZuLexStrGrade60, ""},         {EZuLexStrGradeBelow60, ""},     {EZuLexStrNoWords, ""},
    {EZuLexStrSaveSettings, ""},    {EZuLexStrUpdateNoServer, ""},   {EZuLexStrUpdateTimeout, ""},
    {EZuLexStrUpdateBadAnswer, ""}, {EZuLexStrUpdateNewer, "s"},     {EZuLexStrUpdateChecking, ""},
    {EZuLexStrNewwordNotSaved, ""}, {EZuLexStrNewwordEmpty, ""},     {EZuLexStrTooFewExplanations, ""},
};

std::string Text(const CZuString* s)
{
    return s && s->PtrZ() ? std::string(s->PtrZ(), static_cast<size_t>(s->Length())) : std::string();
}

// The conversion letters of a printf format in order; "%%" is no conversion. A '%' that ends the text or
// is followed by anything but a plain conversion gives '?'.
std::string Conversions(const std::string& format)
{
    std::string letters;
    for (size_t at = 0; at < format.size(); ++at)
    {
        if (format[at] != '%')
            continue;
        char next = at + 1 < format.size() ? format[at + 1] : '\0';
        ++at;
        if (next == '%')
            continue;
        letters += next == 'd' || next == 's' ? next : '?';
    }
    return letters;
}

class AppStringTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(iStrings.AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuLex_zh.bin")));
    }
    std::string Get(int id) { return Text(iStrings.GetString(id < KLx ? KLx + id : id)); }

    CZuStringManager iStrings;
};

TEST_F(AppStringTable, TableIsNamedLX)
{
    EXPECT_EQ("LX", Get(1).substr(0, 2));
}

TEST_F(AppStringTable, EveryUsedIdHasAText)
{
    for (const auto& used : KUsedIds)
    {
        std::string text = Get(used.first);
        EXPECT_FALSE(text.empty()) << std::hex << used.first;
        EXPECT_NE("NotFound", text) << std::hex << used.first;
    }
}

TEST_F(AppStringTable, EveryFormatTakesWhatItsCallerPasses)
{
    for (const auto& used : KUsedIds)
        EXPECT_EQ(used.second, Conversions(Get(used.first)))
            << std::hex << used.first << ": " << Get(used.first);
}

TEST_F(AppStringTable, FormatsReadAsTheLearnerSeesThem)
{
    char text[512];
    std::snprintf(text, sizeof text, Get(EZuLexStrStudyPosition).c_str(), 3, 20);
    EXPECT_EQ("第 3 个，共 20 个", std::string(text));
    std::snprintf(text, sizeof text, Get(EZuLexStrScore).c_str(), 77);
    EXPECT_EQ("本次得分：77 分", std::string(text));
    std::snprintf(text, sizeof text, Get(EZuLexStrAboutText).c_str(), "V1.0.4");
    EXPECT_EQ(0u, std::string(text).find("ZuLex 背单词 V1.0.4"));
    // The main screen's prompt is the title followed directly by the version.
    EXPECT_EQ("ZuLex 背单词 V1.0.4", Get(EZuLexStrMainTitle) + "V1.0.4");
}

TEST_F(AppStringTable, CheckOfConversionsCatchesMistakes)
{
    EXPECT_EQ("dd", Conversions("%d/%d"));
    EXPECT_EQ("d", Conversions("%d%%"));
    EXPECT_EQ("?", Conversions("100%"));
    EXPECT_EQ("?", Conversions("%5d"));
    EXPECT_EQ("s", Conversions("%s"));
}

// The new-word book's name in the course list is the main menu's caption.
TEST_F(AppStringTable, NewWordBookHasOneName)
{
    EXPECT_EQ("生词本", Get(EZuLexStrCaptionNewword));
    EXPECT_EQ(Get(EZuLexStrCaptionNewword), Get(EZuLexStrTitleNewword));
}

} // namespace
