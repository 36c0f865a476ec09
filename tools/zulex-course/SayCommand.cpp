// zulex-course say DIR/NAME WORD [--wav OUT.wav]: plays a word's pronunciation as the program does, or
// writes the sound it would play to a WAV file.
#include "CourseCommands.h"
#include "CourseOper.h"
#include "CoursePath.h"
#include "WordInfo.h"
#include "ZuAudio.h"
#include "ZuBuffer.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace
{

// What the sound device still holds once SDL's queue has run dry, and a margin for a slow start.
const int KDeviceTailMs = 300;
const int KStartMarginMs = 2000;
const int KPollMs = 20;

struct TSayArgs
{
    std::string iCourse;
    std::string iWord;
    std::string iWavPath;
};

// False for anything but a course, a word and at most one --wav with its file.
bool ParseArgs(const TArgs& args, TSayArgs& say)
{
    TArgs positional;
    for (size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] == "--wav")
        {
            if (i + 1 == args.size() || !say.iWavPath.empty())
                return false;
            say.iWavPath = args[++i];
        }
        else if (args[i].compare(0, 6, "--wav=") == 0 && args[i].size() > 6 && say.iWavPath.empty())
            say.iWavPath = args[i].substr(6);
        else if (args[i].size() > 1 && args[i][0] == '-' && args[i][1] == '-')
            return false;
        else
            positional.push_back(args[i]);
    }
    if (positional.size() != 2 || positional[1].empty())
        return false;
    say.iCourse = positional[0];
    say.iWord = positional[1];
    return true;
}

const CWordInfo* FindWord(const CCourseOper& course, const std::string& word)
{
    for (int i = 0; i < course.WordCount(); ++i)
    {
        const CWordInfo* info = course.Word(i);
        if (info->iWord == CZuString(word.c_str(), static_cast<int>(word.size())))
            return info;
    }
    return nullptr;
}

// The speech file that holds the word's clip: its source course's when it was taken from another one.
CZuString SpeechPathOf(const CCourseOper& course, const CWordInfo& word)
{
    if (word.iSource.IsEmpty())
        return course.SpeechPath();
    return course.Folder() + word.iSource + ".pro";
}

int WriteWav(const char* clip, int length, const std::string& path, const TToolStreams& io)
{
    CZuBuffer image;
    CZuAmrDecoder decoder;
    if (!decoder.DecodeToWav(clip, length, image))
    {
        std::fprintf(io.iErr, "zulex-course: not enough memory to decode the clip\n");
        return 1;
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    bool written = out != nullptr && std::fwrite(image.Data(), 1, static_cast<size_t>(image.Size()), out) ==
                                         static_cast<size_t>(image.Size());
    if (out != nullptr && std::fclose(out) != 0)
        written = false;
    if (!written)
    {
        std::fprintf(io.iErr, "zulex-course: %s cannot be written\n", path.c_str());
        std::remove(path.c_str());
        return 1;
    }
    int seconds10 = (image.Size() - CZuAmrDecoder::KWavHeaderBytes) / (CZuAmrDecoder::KSampleRate * 2 / 10);
    std::fprintf(io.iOut, "%s: %d.%d s of sound\n", path.c_str(), seconds10 / 10, seconds10 % 10);
    return 0;
}

// Plays the clip as the word screens do and waits until it has been heard, but never much longer than
// the sound lasts.
int Play(const char* clip, int length, const TToolStreams& io)
{
    IZuSoundOutput& output = IZuSoundOutput::Current();
    if (!output.HasDevice())
    {
        std::fprintf(io.iErr,
                     "zulex-course: no audio device to play on (--wav FILE writes the sound instead)\n");
        return 1;
    }
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(clip, length);
    int soundMs = CZuAmrDecoder::CountFrames(clip, length) * 20;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(soundMs + KStartMarginMs);
    while (output.IsPlaying() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(KPollMs));
    std::this_thread::sleep_for(std::chrono::milliseconds(KDeviceTailMs));
    return 0;
}

} // namespace

int RunSayCommand(const TArgs& args, const TToolStreams& io)
{
    TSayArgs say;
    if (!ParseArgs(args, say))
        return CommandUsageError("say", io);
    TCoursePath path(say.iCourse);
    CCourseOper course(path.iName.c_str(), path.iFolder.c_str());
    if (!LoadWholeCourse(course, io))
        return 1;
    const CWordInfo* word = FindWord(course, say.iWord);
    if (word == nullptr)
    {
        std::fprintf(io.iErr, "zulex-course: there is no word '%s' in %s%s\n", say.iWord.c_str(),
                     path.iFolder.c_str(), path.iName.c_str());
        return 1;
    }
    if (word->iSpeechLength <= 0)
    {
        std::fprintf(io.iErr, "zulex-course: '%s' has no pronunciation in %s%s\n", say.iWord.c_str(),
                     path.iFolder.c_str(), path.iName.c_str());
        return 1;
    }
    int length = 0;
    char* clip = course.ReadSpeech(*word, length);
    if (clip == nullptr)
    {
        std::fprintf(io.iErr, "zulex-course: the pronunciation of '%s' cannot be read from %s\n",
                     say.iWord.c_str(), Str(SpeechPathOf(course, *word)));
        return 1;
    }
    int status = say.iWavPath.empty() ? Play(clip, length, io) : WriteWav(clip, length, say.iWavPath, io);
    delete[] clip;
    return status;
}
