// Small X client for the end-to-end tests: asks a window to close the way a
// window manager does, with a WM_DELETE_WINDOW client message (xdotool's own
// window closing kills the client's X connection instead).
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static int Usage()
{
    std::fprintf(stderr, "usage: x_window close WINDOW_ID\n");
    return 2;
}

static int Close(Display* display, Window window)
{
    XEvent message;
    std::memset(&message, 0, sizeof message);
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(display, window, False, NoEventMask, &message))
        return 1;
    XSync(display, False);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "close") != 0)
        return Usage();
    char* end = nullptr;
    unsigned long id = std::strtoul(argv[2], &end, 0);
    if (!end || *end || id == 0)
        return Usage();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_window: cannot open display\n");
        return 1;
    }
    int result = Close(display, static_cast<Window>(id));
    XCloseDisplay(display);
    return result;
}
