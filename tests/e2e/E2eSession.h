#ifndef E2ESESSION_H
#define E2ESESSION_H

// The end-to-end harness: the real zulex on a virtual X display of its own (Xvfb), on a scratch copy of
// the built program's data, driven by keys and clicks as a user gives them (xdotool) and looked at
// through the pictures it paints (it writes each frame as PNG when ZULEX_FRAME_FILE is set). Scenarios of
// other screens build on CE2eProgram: start, act, take a frame, read the files the program wrote.
#include "TestFiles.h"

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// An Xvfb server on a display number no other server uses; stopped when the object goes.
class CE2eDisplay
{
public:
    CE2eDisplay();
    ~CE2eDisplay();
    // False when no server could be started (the reason is on stderr).
    bool IsRunning() const { return iPid > 0; }
    // ":N".
    const std::string& Name() const { return iName; }

private:
    CE2eDisplay(const CE2eDisplay&) = delete;
    CE2eDisplay& operator=(const CE2eDisplay&) = delete;

    pid_t iPid;
    std::string iName;
};

// A picture the program painted: 480 x 360, pixels as 0xRRGGBB. The window is a round rectangle: the few
// pixels of its corners outside the frame are not part of the picture and never count as differences.
struct TE2eFrame
{
    static const int KCornerSize = 4;

    int iWidth = 0;
    int iHeight = 0;
    std::vector<unsigned> iPixels;

    bool IsEmpty() const { return iPixels.empty(); }
    unsigned At(int x, int y) const { return iPixels[static_cast<size_t>(y) * iWidth + x]; }
    // How many pixels of rect differ from other's (rect within both).
    int Differences(const TE2eFrame& other, int left, int top, int right, int bottom) const;
    // Where the two differ, "left,top-right,bottom" (empty when nowhere), for a failure to say.
    std::string DifferenceBox(const TE2eFrame& other) const;
    bool IsCorner(int x, int y) const;
};

// The program under test: its data directory, its process and its window.
class CE2eProgram
{
public:
    // A copy of build/out's res/, dat/ and course/ for the program to run on; nothing started yet.
    explicit CE2eProgram(const CE2eDisplay& display);
    // Ends the program (SIGKILL) if it still runs.
    ~CE2eProgram();

    const std::string& DataDir() const { return iData.Path(); }
    std::string DataFile(const std::string& name) const { return iData.File(name); }

    // An environment variable for the program, set before Start (the sound driver, say).
    void SetEnvironment(const std::string& name, const std::string& value);
    // The program's sound written to a file of its data folder by SDL's disk driver instead of a device;
    // set before Start.
    void CaptureSound();
    // Whether the sound captured since the start (or the last ForgetSound) holds anything but silence.
    bool SoundHeard() const;
    // Forgets the sound captured so far: what follows is heard alone.
    void ForgetSound();
    // Starts zulex --data-dir DataDir() --seed 1 with the extra arguments and waits (within a bound) for its
    // window and its first frame. False when it did not come up.
    bool Start(const std::vector<std::string>& arguments = {});
    // A key by its X name ("F1", "Return", "Right"), pressed and released on the program's window.
    void Key(const std::string& name);
    // A click of the left button at (x, y) of the window.
    void Click(int x, int y);
    // The left button pressed at (x, y), the pointer moved to (toX, toY) and the button released there.
    void Drag(int x, int y, int toX, int toY);
    // The window's close, as a window manager's close button asks it.
    void CloseWindow();
    // A signal to the process (SIGTERM: the system asks it to end).
    void Signal(int signal);
    // Waits (within a bound) for the process to end; its exit code, or -1 when it did not end or was
    // killed by a signal.
    int WaitForExit();
    bool IsRunning();

    // The picture on the window once it has settled: after the last action it changed (or a while passed)
    // and then stayed the same for a moment. Saved as <build>/e2e/<name>.png when name is given.
    TE2eFrame Frame(const std::string& name = std::string());
    // The picture the program wrote last, at once (empty when there is none yet).
    TE2eFrame Peek();
    // The same after an action known to change the picture: waits for the change as long as a loaded
    // machine may need (15 s) before it settles.
    TE2eFrame Changed(const std::string& name = std::string());
    // Polls done (a look at the files the program writes) until it holds, within 15 s.
    static bool Eventually(const std::function<bool()>& done);

private:
    CE2eProgram(const CE2eProgram&) = delete;
    CE2eProgram& operator=(const CE2eProgram&) = delete;
    // Runs a helper (xdotool, zu_wm_close) on the display; its standard output.
    std::string Run(const std::string& command) const;
    std::string FrameFile() const { return iData.File("frame.png"); }
    std::string SoundFile() const { return iData.File("sound.raw"); }
    // A frame file's bytes as a picture, saved as <build>/e2e/<name>.png when name is given.
    TE2eFrame Decode(const std::vector<unsigned char>& bytes, const std::string& name);
    TE2eFrame Settled(const std::string& name, std::chrono::milliseconds changeBound);

    const CE2eDisplay& iDisplay;
    CTempFolder iData;
    pid_t iPid;
    std::string iWindow;
    std::vector<std::pair<std::string, std::string>> iEnvironment;
    // The frame file's content at the last action, to see the picture change.
    std::vector<unsigned char> iFrameAtAction;
};

#endif // E2ESESSION_H
