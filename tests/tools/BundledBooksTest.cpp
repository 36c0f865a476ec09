// The word books the build leaves in build/out/course/: the course list, every book whole and equal to
// its source, and a sample of the pronunciations listened to by machine: decoded, measured and compared
// with what espeak-ng says for the word.
#include "AmrFormat.h"
#include "CourseChecker.h"
#include "CourseOper.h"
#include "SpeechClip.h"
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

// espeak-ng saying word now, through the same encoding and back.
std::vector<float> Reference(CSpeechSynth& synth, const std::string& word)
{
    std::vector<float> spoken;
    TClipBytes clip;
    CSpeechClip maker;
    if (!synth.Speak(word, spoken) || !maker.Make(spoken, synth.SampleRate(), clip))
        return std::vector<float>();
    CAmrFormat::Scramble(clip);
    return DecodeAmr(clip.data(), static_cast<int>(clip.size()));
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
            int length = 0;
            char* clip = course.ReadSpeech(word, length);
            ASSERT_NE(nullptr, clip) << text;
            std::vector<float> decoded = DecodeAmr(reinterpret_cast<unsigned char*>(clip), length);
            delete[] clip;
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
            // the word now (espeak-ng varies its delivery a little from one call to the next).
            std::vector<float> reference = Reference(synth, text);
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
