// The word books the build leaves in build/out/course/: the course list, every book whole and equal to
// its source, every transcription spoken as written, and a sample of the pronunciations listened to by
// machine: decoded, measured and compared with what espeak-ng says for the word's transcription.
#include "CourseChecker.h"
#include "CourseOper.h"
#include "EspeakPhonemes.h"
#include "PhoneticStyle.h"
#include "SpeechSynth.h"
#include "ToolTestUtil.h"
#include "WordInfo.h"
#include "WordList.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace
{

const std::string KSources = std::string(ZU_TEST_SOURCE_DIR) + "/data/courses/";
const std::string KCourses = std::string(ZU_TEST_OUT_DIR) + "/course/";

struct TBook
{
    std::string iFile;
    std::string iName;
};

std::vector<TBook> ListedBooks()
{
    std::vector<TBook> books;
    std::ifstream list(KSources + "courses.list");
    std::string line;
    while (std::getline(list, line))
    {
        size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos)
            continue;
        books.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return books;
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// espeak-ng saying a book's transcription now (never the word's text).
std::vector<float> Reference(CSpeechSynth& synth, const std::string& phonetic)
{
    return SpokenClip(synth, "", phonetic);
}

// The correlation of two envelopes, the second shifted by up to two frames either way.
double BestCorrelation(const std::vector<float>& a, const std::vector<float>& b)
{
    double best = Correlation(a, b);
    for (size_t shift = 1; shift <= 2 && shift < b.size() && shift < a.size(); ++shift)
    {
        best = std::fmax(best,
                         Correlation(std::vector<float>(a.begin() + static_cast<long>(shift), a.end()), b));
        best = std::fmax(best,
                         Correlation(a, std::vector<float>(b.begin() + static_cast<long>(shift), b.end())));
    }
    return best;
}

typedef std::vector<std::string> TSymbols;

TSymbols Symbols(const std::string& text)
{
    TSymbols symbols;
    for (size_t i = 0; i < text.size();)
    {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        symbols.push_back(text.substr(i, length));
        i += length;
    }
    return symbols;
}

bool IsVowel(const std::string& symbol)
{
    static const std::string vowels[] = {"i", "ɪ", "e", "æ", "a", "ɑ", "ɒ",
                                         "ɔ", "ʊ", "u", "ʌ", "ə", "ɜ", "o"};
    return std::find(std::begin(vowels), std::end(vowels), symbol) != std::end(vowels);
}

// A transcription reduced to what makes a difference to the ear: the weak i (which espeak-ng names ɪ
// inside a word) written ɪ, n before k or g written ŋ (espeak-ng's assimilation, as in "include"), and each
// stress mark kept with the number of the syllable it stresses rather than its place among consonants.
std::string Heard(const std::string& transcription)
{
    TSymbols symbols = Symbols(transcription);
    std::string sounds;
    std::string stresses;
    int syllables = 0;
    for (size_t i = 0; i < symbols.size(); ++i)
    {
        std::string symbol = symbols[i];
        size_t after = i + 1;
        while (after < symbols.size() && (symbols[after] == "ˈ" || symbols[after] == "ˌ"))
            ++after;
        std::string next = after < symbols.size() ? symbols[after] : std::string();
        // A mark counts the syllables before its own, wherever it stands among the consonants between.
        if (symbol == "ˈ" || symbol == "ˌ")
        {
            stresses += symbol + std::to_string(syllables);
            continue;
        }
        if (IsVowel(symbol) && (i == 0 || !IsVowel(symbols[i - 1])))
            ++syllables;
        if (symbol == "i" && next != "ː")
            symbol = "ɪ";
        else if (symbol == "n" && (next == "k" || next == "g"))
            symbol = "ŋ";
        sounds += symbol;
    }
    return sounds + " " + stresses;
}

// The other British reading a book's note gives ("形容词读 /ˈkləʊs/"), or "" for none or an American one.
std::string OtherReading(const std::string& note)
{
    size_t reads = note.find("读 /");
    if (reads == std::string::npos || note.rfind("美", reads) != std::string::npos)
        return std::string();
    size_t start = reads + std::string("读 ").size();
    size_t end = note.find('/', start + 1);
    return end == std::string::npos ? std::string() : note.substr(start, end - start + 1);
}

} // namespace

TEST(BundledBooks, AtLeastTwoBooksAreListed)
{
    std::vector<TBook> books = ListedBooks();
    ASSERT_GE(books.size(), 2u);
}

TEST(BundledBooks, CourseListNamesEveryBookInOrder)
{
    TiXmlDocument document;
    std::string text = Slurp(KCourses + "Course.xml");
    ASSERT_FALSE(text.empty());
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    ASSERT_FALSE(document.Error()) << document.ErrorDesc();
    TiXmlElement* root = document.RootElement();
    ASSERT_NE(nullptr, root);
    EXPECT_STREQ("course", root->Value());
    std::vector<TBook> books = ListedBooks();
    TiXmlElement* item = root->FirstChildElement("item");
    for (const TBook& book : books)
    {
        ASSERT_NE(nullptr, item) << book.iFile;
        ASSERT_NE(nullptr, item->Attribute("file"));
        EXPECT_EQ(book.iFile, item->Attribute("file"));
        ASSERT_NE(nullptr, item->GetText());
        EXPECT_EQ(book.iName, item->GetText());
        item = item->NextSiblingElement();
    }
    EXPECT_EQ(nullptr, item);
}

TEST(BundledBooks, EveryBookIsWholeAndDumpsBackToItsSource)
{
    for (const TBook& book : ListedBooks())
    {
        CCourseChecker checker(KCourses, book.iFile);
        char* report = nullptr;
        size_t size = 0;
        FILE* to = open_memstream(&report, &size);
        int problems = checker.Check(to);
        std::fclose(to);
        EXPECT_EQ(0, problems) << report;
        std::free(report);

        CWordList source;
        ASSERT_TRUE(source.Load(KSources + book.iFile + ".tsv"));
        EXPECT_TRUE(source.Errors().empty());
        EXPECT_EQ(static_cast<int>(source.Lines().size()), checker.Words());
        EXPECT_EQ(checker.Words(), checker.Clips()) << book.iFile << ": every word has its pronunciation";

        TToolRun dump = RunTool({"dump", KCourses + book.iFile});
        EXPECT_EQ(Slurp(KSources + book.iFile + ".tsv"), dump.iOut) << book.iFile;
    }
}

TEST(BundledBooks, EveryTranscriptionIsSpokenAsWritten)
{
    CSpeechSynth synth;
    ASSERT_TRUE(synth.Open(CSpeechSynth::KDefaultVoice)) << synth.Error();
    int words = 0;
    int exact = 0;
    int alike = 0;
    for (const TBook& book : ListedBooks())
    {
        CWordList list;
        ASSERT_TRUE(list.Load(KSources + book.iFile + ".tsv"));
        for (const TWordLine& line : list.Lines())
        {
            ++words;
            std::string phonemes;
            std::string unknown;
            ASSERT_TRUE(CEspeakPhonemes::FromIpa(line.iPhonetic, phonemes, unknown))
                << book.iFile << ":" << line.iLine << ": " << line.iPhonetic << " '" << unknown << "'";
            // What espeak-ng says it says, written as the books write.
            std::string said = CPhoneticStyle::FromEspeak(synth.PhonemesIpa(phonemes));
            if (said == line.iPhonetic)
            {
                ++exact;
                continue;
            }
            EXPECT_EQ(Heard(line.iPhonetic), Heard(said))
                << book.iFile << ":" << line.iLine << ": " << line.iWord << " " << phonemes;
            alike += Heard(line.iPhonetic) == Heard(said);
            std::printf("  %-14s book %-18s said %s\n", line.iWord.c_str(), line.iPhonetic.c_str(),
                        said.c_str());
        }
    }
    std::printf("%d transcriptions: %d said exactly as written, %d differing only in the weak i, n before k "
                "or g, or the place of a stress mark within its syllable\n",
                words, exact, alike);
    EXPECT_GE(exact, words * 95 / 100);
}

TEST(BundledBooks, WordsSayTheirBooksReadingRatherThanAnother)
{
    // Words that espeak-ng, reading their text, says otherwise than their books.
    const std::vector<std::string> misreadByText = {"close",   "live",     "use",     "increase",
                                                    "husband", "trousers", "banknote"};
    CSpeechSynth synth;
    ASSERT_TRUE(synth.Open(CSpeechSynth::KDefaultVoice)) << synth.Error();
    int checked = 0;
    int misread = 0;
    for (const TBook& book : ListedBooks())
    {
        CCourseOper course(book.iFile.c_str(), KCourses.c_str());
        course.LoadAll();
        for (int i = 0; i < course.WordCount(); ++i)
        {
            const CWordInfo& word = *course.Word(i);
            std::string text = word.iWord.PtrZ();
            std::string phonetic = word.iPhonetic.PtrZ();
            // The other reading a note gives ("形容词读 /ˈkləʊs/"), and espeak-ng's reading of the text.
            std::vector<std::pair<std::string, std::vector<float>>> others;
            std::string other = OtherReading(word.iPhoneticNote.PtrZ());
            if (!other.empty())
                others.push_back({other, Reference(synth, other)});
            if (std::find(misreadByText.begin(), misreadByText.end(), text) != misreadByText.end())
            {
                others.push_back({"(its text)", SpokenClip(synth, text, "")});
                ++misread;
            }
            if (others.empty())
                continue;
            std::vector<std::vector<float>> clip = Spectrogram(CourseClip(course, word));
            std::vector<std::vector<float>> own = Spectrogram(Reference(synth, phonetic));
            ASSERT_FALSE(clip.empty() || own.empty()) << text;
            double toOwn = SpectralDistance(clip, own);
            std::printf("  %-10s %s %.1f dB", text.c_str(), phonetic.c_str(), toOwn);
            for (const auto& reading : others)
            {
                double toOther = SpectralDistance(clip, Spectrogram(reading.second));
                EXPECT_LT(toOwn, toOther) << text << " " << phonetic << " sounds like " << reading.first;
                std::printf(", %s %.1f dB", reading.first.c_str(), toOther);
            }
            std::printf("\n");
            ++checked;
        }
    }
    EXPECT_EQ(static_cast<int>(misreadByText.size()), misread);
    EXPECT_GE(checked, 10);
}

TEST(BundledBooks, SampledPronunciationsSayTheirWords)
{
    CSpeechSynth synth;
    ASSERT_TRUE(synth.Open(CSpeechSynth::KDefaultVoice)) << synth.Error();
    int sampled = 0;
    double lowestCorrelation = 1.0;
    double shortest = 100.0;
    double longest = 0.0;
    float quietestPeak = 1.0f;
    float loudestPeak = 0.0f;
    std::vector<std::vector<std::vector<float>>> clips;
    std::vector<std::vector<std::vector<float>>> references;
    std::vector<std::string> words;
    std::vector<std::string> phonetics;
    for (const TBook& book : ListedBooks())
    {
        CCourseOper course(book.iFile.c_str(), KCourses.c_str());
        course.LoadAll();
        ASSERT_GT(course.WordCount(), 0);
        for (int i = 0; i < course.WordCount(); i += 25)
        {
            const CWordInfo& word = *course.Word(i);
            std::string text = word.iWord.PtrZ();
            std::vector<float> decoded = CourseClip(course, word);
            ASSERT_FALSE(decoded.empty()) << text;

            // Length: a word or short phrase takes a fifth of a second to three seconds.
            double seconds = decoded.size() / 8000.0;
            EXPECT_GE(seconds, 0.2) << text;
            EXPECT_LE(seconds, 3.0) << text;
            // Loudness: the peak near the -3 dBFS it was levelled to, never clipped, and speech (not a click)
            // over a good part of the clip.
            std::vector<float> envelope = Envelope(decoded, 160);
            float peak = 0;
            int clipped = 0;
            int voiced = 0;
            for (float s : decoded)
            {
                peak = std::fmax(peak, std::fabs(s));
                clipped += std::fabs(s) >= 32767 / 32768.0f;
            }
            for (float rms : envelope)
                voiced += rms > 0.03f;
            EXPECT_GT(peak, 0.5f) << text;
            EXPECT_EQ(0, clipped) << text;
            EXPECT_GE(voiced, static_cast<int>(envelope.size()) / 3) << text;

            // It says its word: about the same length and the same loudness contour as espeak-ng speaking
            // the word's transcription now (espeak-ng varies its delivery a little from one call to the
            // next).
            std::vector<float> reference = Reference(synth, word.iPhonetic.PtrZ());
            ASSERT_FALSE(reference.empty()) << text;
            std::vector<float> referenceEnvelope = Envelope(reference, 160);
            EXPECT_NEAR(static_cast<double>(referenceEnvelope.size()), static_cast<double>(envelope.size()),
                        3)
                << text;
            double correlation = BestCorrelation(envelope, referenceEnvelope);
            EXPECT_GT(correlation, 0.9) << text;
            clips.push_back(Spectrogram(decoded));
            references.push_back(Spectrogram(reference));
            words.push_back(text);
            phonetics.push_back(word.iPhonetic.PtrZ());

            ++sampled;
            loudestPeak = std::fmax(loudestPeak, peak);
            lowestCorrelation = std::fmin(lowestCorrelation, correlation);
            shortest = std::fmin(shortest, seconds);
            longest = std::fmax(longest, seconds);
            quietestPeak = std::fmin(quietestPeak, peak);
        }
    }
    EXPECT_GE(sampled, 40);
    // And its spectrum over time is closer to its own word than to any other word of the sample.
    double farthestOwn = 0;
    double closestOther = 1e9;
    for (size_t i = 0; i < clips.size(); ++i)
    {
        double own = SpectralDistance(clips[i], references[i]);
        farthestOwn = std::fmax(farthestOwn, own);
        for (size_t k = 0; k < references.size(); ++k)
        {
            // Words that sound alike by their phonetics may well be confused.
            if (phonetics[k] == phonetics[i])
                continue;
            double other = SpectralDistance(clips[i], references[k]);
            closestOther = std::fmin(closestOther, other);
            EXPECT_GT(other, own) << words[i] << " sounds like " << words[k];
        }
    }
    std::printf("%d pronunciations: %.2f to %.2f s, peaks %.2f to %.2f, envelope correlation with their own "
                "word from %.3f; spectral distance to their own word at most %.1f dB, to any other at least "
                "%.1f dB\n",
                sampled, shortest, longest, quietestPeak, loudestPeak, lowestCorrelation, farthestOwn,
                closestOther);
}
