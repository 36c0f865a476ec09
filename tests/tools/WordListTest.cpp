// Reading word lists: fields, skipped lines, and every kind of bad line with its line number.
#include "WordList.h"

#include <gtest/gtest.h>

namespace
{

std::vector<std::string> Messages(const CWordList& list, int line)
{
    std::vector<std::string> messages;
    for (const TWordListError& error : list.Errors())
    {
        if (error.iLine == line)
            messages.push_back(error.iMessage);
    }
    return messages;
}

} // namespace

TEST(WordList, ReadsFourOrFiveFields)
{
    CWordList list;
    list.Parse("bank\t/ˈbæŋk/\tn.\tn. 银行；河岸\nhello\t\tint.\tint. 你好\\nn. 招呼\tsounds/hello.wav\n");
    ASSERT_TRUE(list.Errors().empty());
    ASSERT_EQ(2u, list.Lines().size());
    const TWordLine& bank = list.Lines()[0];
    EXPECT_EQ(1, bank.iLine);
    EXPECT_EQ("bank", bank.iWord);
    EXPECT_EQ("/ˈbæŋk/", bank.iPhonetic);
    EXPECT_EQ("n.", bank.iPhoneticNote);
    EXPECT_EQ("n. 银行；河岸", bank.iExplanation);
    EXPECT_TRUE(bank.iSoundFile.empty());
    const TWordLine& hello = list.Lines()[1];
    EXPECT_EQ(2, hello.iLine);
    EXPECT_TRUE(hello.iPhonetic.empty());
    EXPECT_EQ("int. 你好\\nn. 招呼", hello.iExplanation);
    EXPECT_EQ("sounds/hello.wav", hello.iSoundFile);
}

TEST(WordList, SkipsBlankAndCommentLinesAndToleratesBomAndCrLf)
{
    CWordList list;
    list.Parse("\xEF\xBB\xBF# a comment\r\n\r\n  \t \ncat\t/ˈkæt/\tn.\tn. 猫\r\n\ndog\t/ˈdɒg/\tn.\tn. 狗");
    ASSERT_TRUE(list.Errors().empty());
    ASSERT_EQ(2u, list.Lines().size());
    EXPECT_EQ(4, list.Lines()[0].iLine);
    EXPECT_EQ("n. 猫", list.Lines()[0].iExplanation);
    EXPECT_EQ(6, list.Lines()[1].iLine);
    EXPECT_EQ("n. 狗", list.Lines()[1].iExplanation);
}

TEST(WordList, NamesEveryBadLine)
{
    CWordList list;
    list.Parse("good\t/g/\tn.\tn. 好\n"
               "\t/x/\tn.\tn. 无词\n"
               "word\t/w/\t\tn. 无注\n"
               "word\t/w/\tn.\t\n"
               "too\tfew\tfields\n"
               "a\tb\tc\td\te\tf\n"
               "bad\t/b/\tn.\t\xC3\x28\n");
    EXPECT_EQ(1u, list.Lines().size());
    EXPECT_EQ(std::vector<std::string>({"no word"}), Messages(list, 2));
    ASSERT_EQ(1u, Messages(list, 3).size());
    EXPECT_EQ(0u, Messages(list, 3)[0].find("no phonetic note"));
    EXPECT_EQ(std::vector<std::string>({"no explanation"}), Messages(list, 4));
    ASSERT_EQ(1u, Messages(list, 5).size());
    EXPECT_EQ(0u, Messages(list, 5)[0].find("3 fields"));
    EXPECT_EQ(0u, Messages(list, 6)[0].find("6 fields"));
    EXPECT_EQ(std::vector<std::string>({"not valid UTF-8"}), Messages(list, 7));
}

TEST(WordList, ZeroByteInALineIsRefused)
{
    CWordList list;
    list.Parse(std::string("zero\t/z/\tn.\tn. \0x\n", 17));
    EXPECT_TRUE(list.Lines().empty());
    EXPECT_EQ(std::vector<std::string>({"not valid UTF-8"}), Messages(list, 1));
}

TEST(WordList, TextsTooLongForTheirFieldsAreRefused)
{
    CWordList list;
    std::string longWord(128, 'a');
    std::string longExplanation(32768, 'e');
    list.Parse(std::string(127, 'a') + "\t/p/\tn.\t" + std::string(32767, 'e') + "\n" + longWord +
               "\t/p/\tn.\tx\nw\t/p/\tn.\t" + longExplanation + "\n");
    EXPECT_EQ(1u, list.Lines().size());
    ASSERT_EQ(1u, Messages(list, 2).size());
    EXPECT_EQ("word is 128 bytes long; its field holds at most 127", Messages(list, 2)[0]);
    ASSERT_EQ(1u, Messages(list, 3).size());
    EXPECT_EQ("explanation is 32768 bytes long; its field holds at most 32767", Messages(list, 3)[0]);
}

TEST(WordList, MissingFileIsAnError)
{
    CWordList list;
    EXPECT_FALSE(list.Load("/nonexistent/list.tsv"));
    ASSERT_EQ(1u, list.Errors().size());
    EXPECT_EQ(0, list.Errors()[0].iLine);
}
