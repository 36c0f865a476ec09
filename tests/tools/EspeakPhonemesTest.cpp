// The word books' British IPA as espeak-ng's phoneme mnemonics, and espeak-ng saying them.
#include "EspeakPhonemes.h"
#include "SpeechSynth.h"

#include <gtest/gtest.h>

#include <random>

namespace
{

// The mnemonics, or "?" and the symbol not understood, or "-" for a transcription without sounds.
std::string Converted(const std::string& ipa)
{
    std::string phonemes;
    std::string unknown;
    bool converted = CEspeakPhonemes::FromIpa(ipa, phonemes, unknown);
    if (converted != !phonemes.empty())
        return "inconsistent result";
    if (converted)
        return unknown.empty() ? phonemes : "unknown set on success";
    return unknown.empty() ? "-" : "?" + unknown;
}

} // namespace

TEST(EspeakPhonemes, HeteronymsAreSpokenAsTranscribed)
{
    EXPECT_EQ("k|l|'oU|z", Converted("/ˈkləʊz/"));
    EXPECT_EQ("k|l|'oU|s", Converted("/ˈkləʊs/"));
    EXPECT_EQ("l|'I|v", Converted("/ˈlɪv/"));
    EXPECT_EQ("l|'aI|v", Converted("/ˈlaɪv/"));
    EXPECT_EQ("j|'u:|z", Converted("/ˈjuːz/"));
    // The stress mark moves from the start of its syllable on to the syllable's vowel.
    EXPECT_EQ("I|n|k|r|'i:|s", Converted("/ɪnˈkriːs/"));
    EXPECT_EQ("'I|N|k|r|i:|s", Converted("/ˈɪŋkriːs/"));
    EXPECT_EQ("h|'V|z|b|@|n|d", Converted("/ˈhʌzbənd/"));
}

TEST(EspeakPhonemes, EveryVowelAndDiphthong)
{
    EXPECT_EQ("i:|i|I|E|a|A:|0|O:|U|u:|u|V|3:|@", Converted("iːiɪeæɑːɒɔːʊuːuʌɜːə"));
    EXPECT_EQ("eI|aI|OI|oU|aU|i@|e@", Converted("eɪaɪɔɪəʊaʊɪəeə"));
    // The voice's own ʊə is ɔː, so ʊ and ə are said one after the other.
    EXPECT_EQ("S|'U|@", Converted("/ˈʃʊə/"));
    EXPECT_EQ("f|'aI@", Converted("/ˈfaɪə/"));
    EXPECT_EQ("t|'aU@|l", Converted("/ˈtaʊəl/"));
    EXPECT_EQ("g|'oU", Converted("/ˈgoʊ/"));
}

TEST(EspeakPhonemes, EveryConsonant)
{
    EXPECT_EQ("l|p|b|t|d|k|g|f|v|T|D|s|z|S|Z|h|m|n|N|r|w|j|tS|dZ", Converted("lpbtdkgfvθðszʃʒhmnŋrwjtʃdʒ"));
    // The IPA script g and turned r are the plain letters' sounds.
    EXPECT_EQ("g|r|'i:|n", Converted("/ˈɡɹiːn/"));
}

TEST(EspeakPhonemes, LAndNWithoutAVowelMakeASyllable)
{
    EXPECT_EQ("'eI|b|l-", Converted("/ˈeɪbl/"));
    EXPECT_EQ("'a|k|S|n-", Converted("/ˈækʃn/"));
    EXPECT_EQ("b|j|'u:|t|I|f|l-", Converted("/ˈbjuːtɪfl/"));
    EXPECT_EQ("tS|'a|n|l-", Converted("/ˈtʃænl/"));
    // An n before such an l begins the l's syllable.
    EXPECT_EQ("n|'a|S|n|l-", Converted("/ˈnæʃnl/"));
    EXPECT_EQ("I|m|p|'O:|t|n-|t", Converted("/ɪmˈpɔːtnt/"));
    EXPECT_EQ("s|'V|d|n-|l|i", Converted("/ˈsʌdnli/"));
    EXPECT_EQ("n|'u:|d|l-|z", Converted("/ˈnuːdlz/"));
    // Not before a vowel, not after a vowel, and n not after l; m never.
    EXPECT_EQ("k|l|'oU|z", Converted("/ˈkləʊz/"));
    EXPECT_EQ("l|'I|s|n|I|N", Converted("/ˈlɪsnɪŋ/"));
    EXPECT_EQ("w|'3:|l|d", Converted("/ˈwɜːld/"));
    EXPECT_EQ("k|'I|l|n", Converted("/ˈkɪln/"));
    EXPECT_EQ("f|'I|l|m", Converted("/ˈfɪlm/"));
}

TEST(EspeakPhonemes, PhrasesStressAndDecoration)
{
    EXPECT_EQ("g|,U|d m|'O:|n|I|N", Converted("/ˌgʊd ˈmɔːnɪŋ/"));
    EXPECT_EQ(",A:|f|t|@|n|'u:|n", Converted("/ˌɑːftəˈnuːn/"));
    EXPECT_EQ("t|'eI|b|l- f|@ t|'u:", Converted("/ˈteɪbl fə ˈtuː/"));
    // Slashes and brackets are optional, spaces at the ends and between words are tidied.
    EXPECT_EQ("b|'a|N|k", Converted("ˈbæŋk"));
    EXPECT_EQ("b|'a|N|k", Converted("[ˈbæŋk]"));
    EXPECT_EQ("b|'a|N|k m|'V|n|i", Converted("  /ˈbæŋk   ˈmʌni/ "));
    // Syllable dots are passed over; sounds in parentheses are optional and left out.
    EXPECT_EQ("'I|n|t|r|@|s|t", Converted("/ˈɪnt(ə)rəst/"));
    EXPECT_EQ("'I|n|t|r|@|s|t", Converted("/ˈɪn.trəst/"));
    // A stress mark with no vowel after it in its word is dropped.
    EXPECT_EQ("b|'a|N|k", Converted("/ˈbæŋkˈ/"));
}

TEST(EspeakPhonemes, WhatItCannotSayIsNamed)
{
    EXPECT_EQ("?ɸ", Converted("/ˈkʌɸ/"));
    EXPECT_EQ("?ː", Converted("/ˈbɪː/"));
    EXPECT_EQ("?a", Converted("/ˈkat/"));
    EXPECT_EQ("?ɛ", Converted("/ˈbɛd/"));
    EXPECT_EQ("?/", Converted("/ˈbæŋk/, /ˈbænk/"));
    EXPECT_EQ("?'", Converted("'bank"));
    EXPECT_EQ("?(", Converted("/ˈɪnt(ərəst/"));
    EXPECT_EQ("?)", Converted("/ˈɪnt)ə(rəst/"));
    // Bytes that are no character are shown as far as they go: a byte that begins none alone, a character
    // cut short by the end or by another byte what there is of it.
    EXPECT_EQ("?\xFF", Converted("b\xFF"));
    EXPECT_EQ("?\xC9", Converted("b\xC9"));
    EXPECT_EQ("?\x80", Converted("b\x80\x80"));
    EXPECT_EQ("?\xE4\xB8", Converted("b\xE4\xB8"));
    EXPECT_EQ("?\xE4\xB8", Converted("b\xE4\xB8k"));
    EXPECT_EQ("-", Converted(""));
    EXPECT_EQ("-", Converted("//"));
    EXPECT_EQ("-", Converted("/ ˈ ˌ /"));
    EXPECT_EQ("-", Converted("/(ə)/"));
}

TEST(EspeakPhonemes, RandomTextNeverLeavesThePhonemeBrackets)
{
    const std::string alphabet[] = {"ˈ", "ˌ", "ː", "ə", "ʊ", "ɪ", "e",    "a",    "l", "n", "t", "(",
                                    ")", "[", "]", "/", " ", ".", "\xC9", "\x80", "i", "ɒ", "ʃ", "m"};
    std::mt19937 random(7);
    for (int round = 0; round < 5000; ++round)
    {
        std::string text;
        int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % (sizeof alphabet / sizeof alphabet[0])];
        std::string phonemes;
        std::string unknown;
        bool converted = CEspeakPhonemes::FromIpa(text, phonemes, unknown);
        ASSERT_EQ(converted, !phonemes.empty()) << text;
        ASSERT_EQ(std::string::npos, phonemes.find(']')) << text;
        ASSERT_EQ(std::string::npos, phonemes.find('[')) << text;
        ASSERT_LE(unknown.size(), 4u) << text;
    }
}

TEST(EspeakPhonemes, EspeakNgSaysTheMnemonics)
{
    CSpeechSynth synth;
    ASSERT_TRUE(synth.Open(CSpeechSynth::KDefaultVoice)) << synth.Error();
    // espeak-ng names what it says in IPA, its stress mark before the vowel.
    EXPECT_EQ("klˈəʊz", synth.PhonemesIpa(Converted("/ˈkləʊz/")));
    EXPECT_EQ("jˈuːs", synth.PhonemesIpa(Converted("/ˈjuːs/")));
    EXPECT_EQ("ʃˈʊɐ", synth.PhonemesIpa(Converted("/ˈʃʊə/")));
    EXPECT_EQ("ˈeɪbl̩", synth.PhonemesIpa(Converted("/ˈeɪbl/")));
    EXPECT_EQ("ɡˌʊd mˈɔːnɪŋ", synth.PhonemesIpa(Converted("/ˌgʊd ˈmɔːnɪŋ/")));
    std::vector<float> samples;
    ASSERT_TRUE(synth.SpeakPhonemes(Converted("/ˈkləʊz/"), samples));
    // About half a second at espeak-ng's rate.
    EXPECT_GT(samples.size(), static_cast<size_t>(synth.SampleRate() / 4));
    EXPECT_LT(samples.size(), static_cast<size_t>(synth.SampleRate()));
    // Nothing may close the phoneme brackets and go on as text.
    EXPECT_FALSE(synth.SpeakPhonemes("k|l]] hello [[oU", samples));
    EXPECT_TRUE(samples.empty());
    EXPECT_EQ("", synth.PhonemesIpa("k|l]] hello [[oU"));
}
