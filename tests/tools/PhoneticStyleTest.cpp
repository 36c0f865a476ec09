// espeak-ng's IPA (as it gives it for British English) in the style of the word books.
#include "PhoneticStyle.h"

#include <gtest/gtest.h>

TEST(PhoneticStyle, StressMovesToTheStartOfTheSyllable)
{
    EXPECT_EQ("/həˈləʊ/", CPhoneticStyle::FromEspeak("həlˈəʊ"));
    EXPECT_EQ("/ˈbæŋk/", CPhoneticStyle::FromEspeak("bˈaŋk"));
    EXPECT_EQ("/ˌɪntrəˈdʌkʃən/", CPhoneticStyle::FromEspeak("ˌɪntɹədˈʌkʃən"));
    // Only as much of a consonant group as can begin a syllable: k-str, not kstr.
    EXPECT_EQ("/ekˈstrɔːdɪnəri/", CPhoneticStyle::FromEspeak("ɛkstɹˈɔːdɪnəɹi"));
    EXPECT_EQ("/ˌjuːnɪˈvɜːsɪti/", CPhoneticStyle::FromEspeak("jˌuːnɪvˈɜːsɪti"));
    EXPECT_EQ("/ˈtʃɪəz/", CPhoneticStyle::FromEspeak("tʃˈiəz"));
    // ŋ never begins a syllable.
    EXPECT_EQ("/ˈsɪŋə/", CPhoneticStyle::FromEspeak("sˈɪŋə"));
    EXPECT_EQ("/ɪŋˈgeɪdʒ/", CPhoneticStyle::FromEspeak("ɪŋɡˈeɪdʒ"));
    EXPECT_EQ("/ˈstjuːdənt/", CPhoneticStyle::FromEspeak("stjˈuːdənt"));
}

TEST(PhoneticStyle, SymbolsAsTheDictionariesWriteThem)
{
    EXPECT_EQ("/əˈbɪləti/", CPhoneticStyle::FromEspeak("ɐbˈɪləti"));
    EXPECT_EQ("/ˈkʌp/", CPhoneticStyle::FromEspeak("kˈɐp"));
    EXPECT_EQ("/ˈgʊd ˈmɔːnɪŋ/", CPhoneticStyle::FromEspeak("ɡˈʊd mˈɔːnɪŋ"));
    EXPECT_EQ("/ˈwɒntɪd/", CPhoneticStyle::FromEspeak("wˈɒntᵻd"));
    EXPECT_EQ("/ˈskweə/", CPhoneticStyle::FromEspeak("skwˈɛː"));
    EXPECT_EQ("/ˈnaɪt/", CPhoneticStyle::FromEspeak("nˈa͡ɪt"));
    EXPECT_EQ("/ˈgəʊ/", CPhoneticStyle::FromEspeak("ɡˈoʊ"));
    EXPECT_EQ("/ˈkɑː/", CPhoneticStyle::FromEspeak("kˈɑ"));
}

TEST(PhoneticStyle, FinalWeakVowelIsWrittenI)
{
    EXPECT_EQ("/ˈredi/", CPhoneticStyle::FromEspeak("ɹˈɛdɪ"));
    EXPECT_EQ("/ˌjuːnɪˈvɜːsɪti/", CPhoneticStyle::FromEspeak("jˌuːnɪvˈɜːsɪtɪ"));
    EXPECT_EQ("/ˈmʌni ˈbæŋk/", CPhoneticStyle::FromEspeak("mˈʌnɪ bˈaŋk"));
    // Not the second half of a diphthong.
    EXPECT_EQ("/ˈdeɪ ˈbaɪ ˈbɔɪ/", CPhoneticStyle::FromEspeak("dˈeɪ bˈaɪ bˈɔɪ"));
}

TEST(PhoneticStyle, SpacesAreTidied)
{
    EXPECT_EQ("/ðə ˈkæt/", CPhoneticStyle::FromEspeak(" ðə   kˈat "));
    EXPECT_EQ("//", CPhoneticStyle::FromEspeak(""));
}

TEST(PhoneticStyle, BytesThatAreNoCharacterStayAndSwallowNothing)
{
    // A stray byte keeps its place; the letter after it is still mapped.
    EXPECT_EQ("/\x80ˈbæŋk/", CPhoneticStyle::FromEspeak("\x80" "bˈaŋk"));
    EXPECT_EQ("/bæ\xE4\xB8/", CPhoneticStyle::FromEspeak("ba\xE4\xB8"));
}
