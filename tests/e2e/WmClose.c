/* zu_wm_close DISPLAY WINDOW: asks the window to close as a window manager's close button does
   (WM_DELETE_WINDOW), for the end-to-end tests, whose virtual display runs no window manager. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        fprintf(stderr, "usage: zu_wm_close DISPLAY WINDOW\n");
        return 2;
    }
    Display* display = XOpenDisplay(argv[1]);
    if (!display)
    {
        fprintf(stderr, "zu_wm_close: cannot open display %s\n", argv[1]);
        return 1;
    }
    Window window = (Window)strtoul(argv[2], NULL, 0);
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
