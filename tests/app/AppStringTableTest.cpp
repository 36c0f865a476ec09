// The program's string table as the build makes it from data/strings/ZuLex_zh.txt: every id the program
// uses has a text, and every format takes exactly what its caller passes.
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
    {0x02, ""},   {0x03, "s"},  {0x04, ""},   {0x05, ""},   {0x06, ""},   {0x07, ""},   {0x08, ""},
    {0x09, ""},   {0x0B, ""},   {0x0C, ""},   {0x0D, ""},   {0x0E, ""},   {0x0F, ""},   {0x10, ""},
    {0x11, ""},   {0x12, ""},   {0x13, ""},   {0x14, ""},   {0x15, ""},   {0x16, ""},   {0x17, "dd"},
    {0x1B, ""},   {0x1C, ""},   {0x1E, ""},   {0x1F, ""},   {0x20, ""},   {0x21, ""},   {0x22, ""},
    {0x23, ""},   {0x24, ""},   {0x25, ""},   {0x26, ""},   {0x27, ""},   {0x28, "d"},  {0x29, ""},
    {0x2A, ""},   {0x2B, ""},   {0x2C, ""},   {0x2E, ""},   {0x2F, ""},   {0x30, ""},   {0x31, ""},
    {0x32, ""},   {0x33, "s"}};

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
    void SetUp() override { ASSERT_TRUE(iStrings.AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuLex_zh.bin"))); }
    std::string Get(int index) { return Text(iStrings.GetString(KLx + index)); }

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
        EXPECT_EQ(used.second, Conversions(Get(used.first))) << std::hex << used.first << ": " << Get(used.first);
}

TEST_F(AppStringTable, FormatsReadAsTheLearnerSeesThem)
{
    char text[512];
    std::snprintf(text, sizeof text, Get(0x17).c_str(), 3, 20);
    EXPECT_EQ("第 3 个，共 20 个", std::string(text));
    std::snprintf(text, sizeof text, Get(0x28).c_str(), 77);
    EXPECT_EQ("本次得分：77 分", std::string(text));
    std::snprintf(text, sizeof text, Get(0x03).c_str(), "V1.0.4");
    EXPECT_EQ(0u, std::string(text).find("ZuLex 背单词 V1.0.4"));
    // The main screen's prompt is the title followed directly by the version.
    EXPECT_EQ("ZuLex 背单词 V1.0.4", Get(0x0E) + "V1.0.4");
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
    EXPECT_EQ("生词本", Get(0x0C));
    EXPECT_EQ(Get(0x0C), Get(0x13));
}

} // namespace
