// Small X client for the end-to-end tests: asks a window to close the way a
// window manager does, with a WM_DELETE_WINDOW client message (xdotool's own
// window closing kills the client's X connection instead).
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const Window window = argc == 3 && !std::strcmp(argv[1], "close") ? std::strtoul(argv[2], nullptr, 0) : 0;
    Display* display = window ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
    {
        std::fprintf(stderr, "usage: x_window close WINDOW_ID, with a display to reach\n");
        return 2;
    }
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &message);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
