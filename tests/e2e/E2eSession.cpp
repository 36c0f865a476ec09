#include "E2eSession.h"

#include "TestCard.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

// Bounds of the waits: generous for a loaded machine running the sanitizer build.
const auto KStartBound = std::chrono::seconds(30);
const auto KChangeBound = std::chrono::milliseconds(1500);
// For an action known to change the picture (or the files): a loaded machine may take this long.
const auto KSureChangeBound = std::chrono::seconds(15);
const auto KSettleBound = std::chrono::seconds(10);
const auto KQuiet = std::chrono::milliseconds(350);
const auto KPoll = std::chrono::milliseconds(25);

bool Exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

// Polls done() until it holds or bound passes.
template <class TDone> bool WaitFor(TDone done, TClock::duration bound)
{
    TClock::time_point end = TClock::now() + bound;
    while (!done())
    {
        if (TClock::now() > end)
            return false;
        std::this_thread::sleep_for(KPoll);
    }
    return true;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::pair<std::string, std::string>>& env)
{
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (const auto& variable : env)
    {
        if (variable.second.empty())
            unsetenv(variable.first.c_str());
        else
            setenv(variable.first.c_str(), variable.second.c_str(), 1);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    std::_Exit(127);
}

} // namespace

bool TE2eFrame::IsCorner(int x, int y) const
{
    int dx = std::min(x, iWidth - 1 - x);
    int dy = std::min(y, iHeight - 1 - y);
    return dx < KCornerSize && dy < KCornerSize;
}

int TE2eFrame::Differences(const TE2eFrame& other, int left, int top, int right, int bottom) const
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
            count += !IsCorner(x, y) && At(x, y) != other.At(x, y) ? 1 : 0;
    }
    return count;
}

std::string TE2eFrame::DifferenceBox(const TE2eFrame& other) const
{
    int left = iWidth, top = iHeight, right = -1, bottom = -1;
    for (int y = 0; y < iHeight; ++y)
    {
        for (int x = 0; x < iWidth; ++x)
        {
            if (IsCorner(x, y) || At(x, y) == other.At(x, y))
                continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return std::string();
    return std::to_string(left) + "," + std::to_string(top) + "-" + std::to_string(right) + "," +
           std::to_string(bottom);
}

CE2eDisplay::CE2eDisplay() : iPid(-1)
{
    int first = 60 + static_cast<int>(getpid() % 30);
    for (int i = 0; i < 40 && iPid < 0; ++i)
    {
        int number = 60 + (first - 60 + i) % 40;
        std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        if (Exists(lock) || Exists(socket))
            continue;
        std::string name = ":" + std::to_string(number);
        pid_t pid = Spawn({"Xvfb", name, "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset"},
                          {{"DISPLAY", ""}});
        int status = 0;
        bool up =
            WaitFor([&] { return Exists(socket) || waitpid(pid, &status, WNOHANG) == pid; }, KStartBound);
        if (up && Exists(socket) && kill(pid, 0) == 0)
        {
            iPid = pid;
            iName = name;
            break;
        }
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    if (iPid < 0)
        std::fprintf(stderr, "no Xvfb display could be started\n");
}

CE2eDisplay::~CE2eDisplay()
{
    if (iPid <= 0)
        return;
    kill(iPid, SIGTERM);
    int status = 0;
    waitpid(iPid, &status, 0);
}

CE2eProgram::CE2eProgram(const CE2eDisplay& display) : iDisplay(display), iPid(-1)
{
    for (const char* part : {"res", "dat", "course"})
        fs::copy(fs::path(ZU_TEST_OUT_DIR) / part, fs::path(iData.Path()) / part,
                 fs::copy_options::recursive);
}

CE2eProgram::~CE2eProgram()
{
    if (iPid > 0 && IsRunning())
    {
        kill(iPid, SIGKILL);
        int status = 0;
        waitpid(iPid, &status, 0);
    }
}

std::string CE2eProgram::Run(const std::string& command) const
{
    std::string line = "DISPLAY=" + iDisplay.Name() + " " + command + " 2>/dev/null";
    std::string output;
    if (std::FILE* pipe = popen(line.c_str(), "r"))
    {
        char chunk[256];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
            output.append(chunk, n);
        pclose(pipe);
    }
    return output;
}

void CE2eProgram::SetEnvironment(const std::string& name, const std::string& value)
{
    iEnvironment.emplace_back(name, value);
}

void CE2eProgram::CaptureSound()
{
    SetEnvironment("SDL_AUDIODRIVER", "disk");
    SetEnvironment("SDL_DISKAUDIOFILE", SoundFile());
}

bool CE2eProgram::SoundHeard() const
{
    // 16-bit little-endian samples; the driver writes silence (zeros) while nothing plays.
    std::vector<unsigned char> bytes = ReadFileBytes(SoundFile());
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    {
        short sample = static_cast<short>(bytes[i] | (bytes[i + 1] << 8));
        if (sample > 64 || sample < -64)
            return true;
    }
    return false;
}

void CE2eProgram::ForgetSound()
{
    // The driver goes on writing at its own offset: the bytes before it read back as zeros, silence.
    std::error_code ignored;
    fs::resize_file(SoundFile(), 0, ignored);
}

bool CE2eProgram::Start(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {ZU_TEST_OUT_DIR "/zulex", "--data-dir", iData.Path(), "--seed", "1"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::pair<std::string, std::string>> environment = {
        {"DISPLAY", iDisplay.Name()},
        {"ZULEX_FRAME_FILE", FrameFile()},
        {"SDL_VIDEODRIVER", "x11"},
        {"SDL_AUDIODRIVER", "dummy"},
        {"ZULEX_DATA_DIR", ""},
        {"LSAN_OPTIONS", "suppressions=" ZU_E2E_LSAN_SUPPRESSIONS},
        {"ZULEX_UPDATE_URL", ""}};
    // The scenario's own variables come last, so they override these.
    environment.insert(environment.end(), iEnvironment.begin(), iEnvironment.end());
    iPid = Spawn(argv, environment);
    std::string pid = std::to_string(iPid);
    bool shown = WaitFor(
        [&]
        {
            iWindow = Run("xdotool search --onlyvisible --pid " + pid);
            return !iWindow.empty() || !IsRunning();
        },
        KStartBound);
    if (!shown || iWindow.empty())
        return false;
    iWindow = iWindow.substr(0, iWindow.find('\n'));
    Run("xdotool windowfocus --sync " + iWindow);
    return WaitFor([&] { return Exists(FrameFile()); }, KStartBound);
}

void CE2eProgram::Key(const std::string& name)
{
    iFrameAtAction = ReadFileBytes(FrameFile());
    Run("xdotool key --window " + iWindow + " " + name);
}

void CE2eProgram::Click(int x, int y)
{
    iFrameAtAction = ReadFileBytes(FrameFile());
    Run("xdotool mousemove --window " + iWindow + " " + std::to_string(x) + " " + std::to_string(y) +
        " click 1");
}

void CE2eProgram::Drag(int x, int y, int toX, int toY)
{
    iFrameAtAction = ReadFileBytes(FrameFile());
    Run("xdotool mousemove --window " + iWindow + " " + std::to_string(x) + " " + std::to_string(y) +
        " mousedown 1 mousemove --window " + iWindow + " " + std::to_string((x + toX) / 2) + " " +
        std::to_string((y + toY) / 2) + " mousemove --window " + iWindow + " " + std::to_string(toX) + " " +
        std::to_string(toY) + " mouseup 1");
}

void CE2eProgram::CloseWindow()
{
    Run(std::string(ZU_E2E_WM_CLOSE) + " " + iDisplay.Name() + " " + iWindow);
}

void CE2eProgram::Signal(int signal)
{
    kill(iPid, signal);
}

bool CE2eProgram::IsRunning()
{
    int status = 0;
    return iPid > 0 && waitpid(iPid, &status, WNOHANG) == 0;
}

int CE2eProgram::WaitForExit()
{
    int status = 0;
    pid_t ended = 0;
    WaitFor([&] { return (ended = waitpid(iPid, &status, WNOHANG)) != 0; }, KStartBound);
    if (ended != iPid)
        return -1;
    iPid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TE2eFrame CE2eProgram::Frame(const std::string& name)
{
    return Settled(name, KChangeBound);
}

TE2eFrame CE2eProgram::Changed(const std::string& name)
{
    return Settled(name, KSureChangeBound);
}

bool CE2eProgram::Eventually(const std::function<bool()>& done)
{
    return WaitFor(done, KSureChangeBound);
}

TE2eFrame CE2eProgram::Settled(const std::string& name, std::chrono::milliseconds changeBound)
{
    std::vector<unsigned char> bytes;
    WaitFor([&] { return (bytes = ReadFileBytes(FrameFile())) != iFrameAtAction && !bytes.empty(); },
            changeBound);
    // Settled: the same picture for a quiet while (a slide between screens takes a few of its ticks).
    TClock::time_point end = TClock::now() + KSettleBound;
    TClock::time_point sameSince = TClock::now();
    while (TClock::now() < end && TClock::now() - sameSince < KQuiet)
    {
        std::this_thread::sleep_for(KPoll);
        std::vector<unsigned char> now = ReadFileBytes(FrameFile());
        if (now != bytes)
        {
            bytes = now;
            sameSince = TClock::now();
        }
    }
    iFrameAtAction = bytes;
    return Decode(bytes, name);
}

TE2eFrame CE2eProgram::Peek()
{
    std::vector<unsigned char> bytes = ReadFileBytes(FrameFile());
    return bytes.empty() ? TE2eFrame() : Decode(bytes, std::string());
}

TE2eFrame CE2eProgram::Decode(const std::vector<unsigned char>& bytes, const std::string& name)
{
    TE2eFrame frame;
    std::vector<unsigned char> bgra;
    std::string copy = iData.File("settled.png");
    WriteFileBytes(copy, bytes);
    if (!ReadPng(copy, bgra, frame.iWidth, frame.iHeight))
        return TE2eFrame();
    frame.iPixels.resize(static_cast<size_t>(frame.iWidth) * frame.iHeight);
    for (size_t i = 0; i < frame.iPixels.size(); ++i)
        frame.iPixels[i] = (unsigned(bgra[i * 4 + 2]) << 16) | (unsigned(bgra[i * 4 + 1]) << 8) | bgra[i * 4];
    if (!name.empty())
    {
        fs::create_directories(ZU_TEST_BINARY_DIR "/e2e");
        fs::copy_file(copy, ZU_TEST_BINARY_DIR "/e2e/" + name + ".png", fs::copy_options::overwrite_existing);
    }
    return frame;
}
