// zu_play FILE|URL: plays an MP3 or Ogg Vorbis file, or an internet radio stream, through the program's
// exported audio player, showing the title and the radio's tags as they come. The player's news arrives
// as an SDL event that its wake-up pushes, and is handled on this (the UI) thread.
#include "ZuAudio.h"
#include "ZuNameValue.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace
{

const char KUsage[] =
    "usage: zu_play [--volume 0-100] [--seconds N] FILE|URL\n"
    "Plays an MP3 or Ogg Vorbis file or an http(s) stream until it ends, N seconds pass or\n"
    "Ctrl-C is pressed.\n";

struct TOptions
{
    std::string iSource;
    int iVolumePercent = 100;
    int iSeconds = 0;
};

// Pushes one SDL event of the program's own type: SDL's event queue may be written from any thread.
class CEventWakeUp : public MZuAudioWakeUp
{
public:
    explicit CEventWakeUp(Uint32 type) : iType(type) {}
    void RequestWakeUp() override
    {
        SDL_Event event;
        SDL_zero(event);
        event.type = iType;
        SDL_PushEvent(&event);
    }

private:
    Uint32 iType;
};

// Prints what changed each time the player tells of news.
class CPrinter : public MZuAudioPlayerObserver
{
public:
    void Attach(CZuAudioPlayer* player) { iPlayer = player; }
    void HandleAudioPlayerEvent(int) override
    {
        std::string title = Text(iPlayer->Title());
        if (title != iTitle && !title.empty())
            std::printf("Playing: %s\n", title.c_str());
        iTitle = title;
        // Each tag once, and again when its value changes (a radio's next title).
        int count = iPlayer->GetNumberOfMetaDataEntries();
        for (int i = 0; i < count; ++i)
        {
            CZuNameValue* tag = iPlayer->GetMetaDataEntry(i);
            std::string line = "  " + Text(tag->iName) + ": " + Text(tag->iValue);
            if (iShown.insert(line).second)
                std::printf("%s\n", line.c_str());
        }
        std::fflush(stdout);
    }

private:
    static std::string Text(const CZuString& text) { return text.IsEmpty() ? std::string() : text.PtrZ(); }

    CZuAudioPlayer* iPlayer = nullptr;
    std::string iTitle;
    std::set<std::string> iShown;
};

const char* Reason(CZuAudioPlayer::TError error)
{
    switch (error)
    {
    case CZuAudioPlayer::ENoError:
        return "no error";
    case CZuAudioPlayer::ENotFound:
        return "there is no such file";
    case CZuAudioPlayer::ENoPlugins:
        return "no decoder plug-ins were found in the plugins folder beside the program";
    case CZuAudioPlayer::EUnknownFormat:
        return "no decoder knows this data (MP3 and Ogg Vorbis are played)";
    case CZuAudioPlayer::EDecodeFailed:
        return "the data stopped being sound";
    case CZuAudioPlayer::EBadAddress:
        return "only http and https addresses are played";
    case CZuAudioPlayer::EConnectFailed:
        return "the server cannot be reached";
    case CZuAudioPlayer::ETimedOut:
        return "the server stopped answering";
    case CZuAudioPlayer::ETooManyRedirects:
        return "the server sent more than 5 redirects";
    case CZuAudioPlayer::EHttpStatus:
        return "the server answered with an error";
    case CZuAudioPlayer::EBadStream:
        return "the server's radio headers are unusable";
    case CZuAudioPlayer::ENetworkFailed:
        return "the transfer failed";
    case CZuAudioPlayer::EReadFailed:
        return "the data could not be read";
    case CZuAudioPlayer::ENoDevice:
        return "there is no sound device";
    }
    return "unknown error";
}

bool ParseNumber(const char* text, int low, int high, int& value)
{
    char* end = nullptr;
    long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

bool ParseOptions(int argc, char** argv, TOptions& options)
{
    for (int i = 1; i < argc; ++i)
    {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--volume") == 0 && hasValue)
        {
            if (!ParseNumber(argv[++i], 0, 100, options.iVolumePercent))
                return false;
        }
        else if (std::strcmp(argv[i], "--seconds") == 0 && hasValue)
        {
            if (!ParseNumber(argv[++i], 1, 24 * 3600, options.iSeconds))
                return false;
        }
        else if (argv[i][0] == '-' || !options.iSource.empty())
        {
            return false;
        }
        else
        {
            options.iSource = argv[i];
        }
    }
    return !options.iSource.empty();
}

Uint32 SDLCALL EndPlaying(Uint32, void*)
{
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    return 0;
}

// Handles the player's news until the stream ends or a quit arrives (Ctrl-C, the time limit); true when a
// quit stopped the stream.
bool RunLoop(CZuAudioPlayer& player, Uint32 wakeUpType)
{
    SDL_Event event;
    while (player.IsPlaying() && SDL_WaitEvent(&event))
    {
        if (event.type == SDL_QUIT)
        {
            player.Stop();
            std::printf("Stopped.\n");
            return true;
        }
        if (event.type == wakeUpType)
            player.HandleWakeUp();
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    TOptions options;
    if (!ParseOptions(argc, argv, options))
    {
        std::fputs(KUsage, stderr);
        return 2;
    }
    // Events and timers only; SDL's handler turns Ctrl-C into a quit event.
    if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
    {
        std::fprintf(stderr, "zu_play: %s\n", SDL_GetError());
        return 1;
    }
    Uint32 wakeUpType = SDL_RegisterEvents(1);
    CEventWakeUp wakeUp(wakeUpType);
    CPrinter printer;
    int result = 0;
    {
        CZuAudioPlayer player(&printer);
        printer.Attach(&player);
        player.SetWakeUp(&wakeUp);
        player.SetVolume(options.iVolumePercent * 0xFFFF / 100);
        if (options.iSeconds > 0)
            SDL_AddTimer(static_cast<Uint32>(options.iSeconds) * 1000, EndPlaying, nullptr);
        std::printf("Opening %s\n", options.iSource.c_str());
        bool stopped = false;
        if (player.Open(CZuString(options.iSource.c_str())))
            stopped = RunLoop(player, wakeUpType);
        // The last news may have come after the loop last looked.
        player.HandleWakeUp();
        if (player.LastError() != CZuAudioPlayer::ENoError)
        {
            std::fprintf(stderr, "zu_play: %s: %s\n", options.iSource.c_str(), Reason(player.LastError()));
            result = 1;
        }
        else if (!stopped)
        {
            std::printf("Ended.\n");
        }
        player.SetWakeUp(nullptr);
    }
    SDL_Quit();
    return result;
}
