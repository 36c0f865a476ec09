#include "CourseBuilder.h"

#include "CourseOper.h"
#include "EspeakPhonemes.h"
#include "PhoneticStyle.h"
#include "ProgressBar.h"
#include "SpeechClip.h"
#include "SpeechSynth.h"
#include "WaveFile.h"
#include "WordInfo.h"
#include "ZuFile.h"
#include "ZuString.h"
#include "ZuUnicode.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace
{

// After this many problems, or this many warnings, the rest are only counted.
const int KMaxReported = 50;

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool NeedsSynth(const CWordList& list, bool speech)
{
    for (const TWordLine& line : list.Lines())
    {
        if (line.iPhonetic.empty() || (speech && line.iSoundFile.empty()))
            return true;
    }
    return false;
}

// A symbol as a warning shows it: itself and its code point, which tells apart look-alikes; bytes that
// are no character by their values.
std::string Described(const std::string& symbol)
{
    int taken = 0;
    unsigned code = CZuUnicode::DecodeUtf8(symbol.data(), static_cast<int>(symbol.size()), taken);
    char number[16];
    if (code != CZuUnicode::KFault)
    {
        std::snprintf(number, sizeof number, "U+%04X", code);
        return "'" + symbol + "' (" + number + ")";
    }
    std::string bytes = "bytes that are not UTF-8:";
    for (char byte : symbol)
    {
        std::snprintf(number, sizeof number, " %02X", static_cast<unsigned char>(byte));
        bytes += number;
    }
    return bytes;
}

} // namespace

CCourseBuilder::CCourseBuilder(const TOptions& options, FILE* messages)
    : iOptions(options), iMessages(messages), iErrors(0), iWarnings(0)
{
    if (iOptions.iVoice.empty())
        iOptions.iVoice = CSpeechSynth::KDefaultVoice;
}

void CCourseBuilder::Report(int line, const std::string& message)
{
    ++iErrors;
    if (iErrors > KMaxReported)
        return;
    if (line > 0)
        std::fprintf(iMessages, "%s:%d: %s\n", iListPath.c_str(), line, message.c_str());
    else
        std::fprintf(iMessages, "%s: %s\n", iListPath.c_str(), message.c_str());
}

void CCourseBuilder::Warn(int line, const std::string& message)
{
    ++iWarnings;
    if (iWarnings <= KMaxReported)
        std::fprintf(iMessages, "%s:%d: warning: %s\n", iListPath.c_str(), line, message.c_str());
}

int CCourseBuilder::Build(const std::string& listPath, const std::string& folder, const std::string& name)
{
    iListPath = listPath;
    iListFolder = FolderOf(listPath);
    iErrors = 0;
    iWarnings = 0;

    CWordList list;
    list.Load(listPath);
    for (const TWordListError& error : list.Errors())
        Report(error.iLine, error.iMessage);
    if (iErrors == 0 && list.Lines().empty())
        Report(0, "holds no words");
    if (iErrors > 0)
    {
        if (iErrors > KMaxReported)
            std::fprintf(iMessages, "%s: %d more problems\n", listPath.c_str(), iErrors - KMaxReported);
        return -1;
    }
    if (!CZuFile::MakeFoldersFor(CZuString(folder.c_str())))
    {
        Report(0, "cannot create the folder " + folder);
        return -1;
    }
    // Finishes a save of this course that was interrupted, so that it cannot interfere with this one.
    CCourseOper::GetCourseWordCount(name.c_str(), folder.c_str());

    CSpeechSynth synth;
    if (NeedsSynth(list, iOptions.iSpeech) && !synth.Open(iOptions.iVoice))
    {
        Report(0, synth.Error());
        return -1;
    }
    // Taken before the empty phonetics are filled in: those are spoken from the word's text.
    std::vector<std::string> phonemes = SpokenPhonemes(list);
    if (!FillPhonetics(list, synth))
        return -1;

    std::string speechPath = CCourseOper(name.c_str(), folder.c_str()).NewSpeechPath().PtrZ();
    std::vector<std::pair<int, int>> clips(list.Lines().size(), std::make_pair(0, 0));
    if (!WriteSpeech(list, synth, phonemes, speechPath, clips) || !WriteCourse(list, folder, name, clips))
    {
        CZuFile::FileDelete(speechPath.c_str());
        return -1;
    }
    return static_cast<int>(list.Lines().size());
}

std::vector<std::string> CCourseBuilder::SpokenPhonemes(const CWordList& list)
{
    std::vector<std::string> phonemes(list.Lines().size());
    if (!iOptions.iSpeech)
        return phonemes;
    for (size_t i = 0; i < list.Lines().size(); ++i)
    {
        const TWordLine& line = list.Lines()[i];
        if (line.iPhonetic.empty() || !line.iSoundFile.empty())
            continue;
        std::string unknown;
        if (CEspeakPhonemes::FromIpa(line.iPhonetic, phonemes[i], unknown))
            continue;
        if (unknown.empty())
            Warn(line.iLine, "phonetic " + line.iPhonetic + " has no sounds; '" + line.iWord +
                                 "' is spoken from its text");
        else
            Warn(line.iLine, "phonetic " + line.iPhonetic + ": espeak-ng has no phoneme for " +
                                 Described(unknown) + "; '" + line.iWord + "' is spoken from its text");
    }
    if (iWarnings > KMaxReported)
        std::fprintf(iMessages, "%s: warning: %d more words are spoken from their text\n", iListPath.c_str(),
                     iWarnings - KMaxReported);
    return phonemes;
}

bool CCourseBuilder::FillPhonetics(CWordList& list, CSpeechSynth& synth)
{
    for (TWordLine& line : list.Lines())
    {
        if (!line.iPhonetic.empty())
            continue;
        std::string ipa = synth.Ipa(line.iWord);
        if (ipa.empty())
        {
            Report(line.iLine, "espeak-ng gives no phonetic for '" + line.iWord + "'; write one");
            continue;
        }
        line.iPhonetic = CPhoneticStyle::FromEspeak(ipa);
        std::string tooLong = CWordList::CheckLength("phonetic", line.iPhonetic, CWordInfo::KMaxTextLength);
        if (!tooLong.empty())
            Report(line.iLine, "filled-in " + tooLong + "; write a shorter one");
    }
    return iErrors == 0;
}

bool CCourseBuilder::Speak(CSpeechSynth& synth, const TWordLine& line, const std::string& phonemes,
                           std::vector<float>& samples)
{
    if (phonemes.empty())
        return synth.Speak(line.iWord, samples);
    if (synth.SpeakPhonemes(phonemes, samples))
        return true;
    Warn(line.iLine, "espeak-ng could not speak the phonetic " + line.iPhonetic + "; '" + line.iWord +
                         "' is spoken from its text");
    return synth.Speak(line.iWord, samples);
}

bool CCourseBuilder::WriteSpeech(CWordList& list, CSpeechSynth& synth,
                                 const std::vector<std::string>& phonemes, const std::string& speechPath,
                                 std::vector<std::pair<int, int>>& clips)
{
    CZuFile speech;
    if (!speech.Create(speechPath.c_str()))
    {
        Report(0, "cannot write " + speechPath + ": " + std::strerror(errno));
        return false;
    }
    if (!iOptions.iSpeech)
        return speech.Sync();

    CProgressBar progress(iMessages, "speech", static_cast<int>(list.Lines().size()));
    CSpeechClip maker;
    long long offset = 0;
    std::vector<float> samples;
    for (size_t i = 0; i < list.Lines().size(); ++i)
    {
        const TWordLine& line = list.Lines()[i];
        progress.Update(static_cast<int>(i));
        int rate = synth.SampleRate();
        if (!line.iSoundFile.empty())
        {
            std::string soundPath =
                line.iSoundFile[0] == '/' ? line.iSoundFile : iListFolder + line.iSoundFile;
            CWaveFile wave;
            if (!wave.Load(soundPath))
            {
                Report(line.iLine, "sound file " + soundPath + ": " + wave.Error());
                continue;
            }
            samples = wave.Samples();
            rate = wave.SampleRate();
        }
        else if (!Speak(synth, line, phonemes[i], samples))
        {
            Report(line.iLine, "espeak-ng could not speak '" + line.iWord + "'");
            continue;
        }
        TClipBytes clip;
        if (!maker.Make(samples, rate, clip))
        {
            Report(line.iLine, "pronunciation of '" + line.iWord + "': " + maker.Error());
            continue;
        }
        if (offset + static_cast<long long>(clip.size()) > INT_MAX)
        {
            Report(line.iLine, "the speech file would exceed 2 GiB");
            break;
        }
        if (speech.Write(clip.data(), static_cast<int>(clip.size())) != static_cast<int>(clip.size()))
        {
            Report(0, "cannot write " + speechPath + ": " + std::strerror(errno));
            break;
        }
        clips[i] = std::make_pair(static_cast<int>(offset), static_cast<int>(clip.size()));
        offset += static_cast<long long>(clip.size());
    }
    progress.Finish();
    bool synced = speech.Sync();
    speech.Close();
    if (!synced && iErrors == 0)
        Report(0, "cannot write " + speechPath + ": " + std::strerror(errno));
    return iErrors == 0;
}

bool CCourseBuilder::WriteCourse(const CWordList& list, const std::string& folder, const std::string& name,
                                 const std::vector<std::pair<int, int>>& clips)
{
    CCourseOper course(name.c_str(), folder.c_str());
    for (size_t i = 0; i < list.Lines().size(); ++i)
    {
        const TWordLine& line = list.Lines()[i];
        CWordInfo word;
        word.iWord = line.iWord.c_str();
        word.iPhonetic = line.iPhonetic.c_str();
        word.iPhoneticNote = line.iPhoneticNote.c_str();
        word.iExplanation = line.iExplanation.c_str();
        word.iSpeechOffset = clips[i].first;
        word.iSpeechLength = clips[i].second;
        course.AppendWord(word);
    }
    if (!course.Save())
    {
        Report(0, "cannot write the course files in " + folder);
        return false;
    }
    return true;
}
