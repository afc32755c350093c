#include "toolkit/vek_desktop.h"
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <vector>
#include "toolkit/safe_file.h"

bool VEK_OnSdl2()
{
    const SDL_version* linked = SDL_Linked_Version();
    return linked->major == 1 && linked->minor == 2 && linked->patch >= 50;
}

namespace
{
bool WindowInfo(SDL_SysWMinfo& info)
{
    SDL_VERSION(&info.version);
    return SDL_GetWMInfo(&info) == 1 && info.subsystem == SDL_SYSWM_X11 && info.info.x11.display;
}

// The window a property of the window holds, or None.
Window WindowProperty(Display* display, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    Window found = None;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format, &count, &left, &data) ==
            Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        found = *reinterpret_cast<Window*>(data);
    if (data)
        XFree(data);
    return found;
}

int IgnoreError(Display*, XErrorEvent*) { return 0; }
} // namespace

// A running window manager names a window of its own on the root window, and
// that window names itself back; a manager that has gone leaves the first
// name behind but not its window.
bool VEK_WindowManagerRunning()
{
    SDL_SysWMinfo info;
    if (!WindowInfo(info))
        return false;
    Display* display = info.info.x11.display;
    if (info.info.x11.lock_func)
        info.info.x11.lock_func();
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const Window manager = WindowProperty(display, DefaultRootWindow(display), check);
    bool running = false;
    if (manager != None)
    {
        // Asking a window that is gone is an X error, fatal by default: it
        // is caught here and means no manager.
        XSync(display, False);
        int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(IgnoreError);
        running = WindowProperty(display, manager, check) == manager;
        XSync(display, False);
        XSetErrorHandler(previous);
    }
    if (info.info.x11.unlock_func)
        info.info.x11.unlock_func();
    return running;
}

void VEK_MoveWindowToOrigin()
{
    SDL_SysWMinfo info;
    if (!WindowInfo(info))
        return;
    if (info.info.x11.lock_func)
        info.info.x11.lock_func();
    // sdl12-compat names only the one window SDL2 made.
    const Window window = info.info.x11.wmwindow ? info.info.x11.wmwindow : info.info.x11.window;
    XMoveWindow(info.info.x11.display, window, 0, 0);
    XFlush(info.info.x11.display);
    if (info.info.x11.unlock_func)
        info.info.x11.unlock_func();
}

bool VEK_SetWindowIcon(const char* fileName)
{
    // Opening a FIFO by name would wait for a writer for ever.
    SDL_Surface* loaded = IsRegularFile(fileName) ? IMG_Load(fileName) : nullptr;
    if (!loaded)
        return false;
    // One pixel format to read the alpha from, whatever the file held.
    SDL_Surface* icon =
        SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000);
    bool set = false;
    if (icon)
    {
        SDL_SetAlpha(loaded, 0, SDL_ALPHA_OPAQUE);
        SDL_BlitSurface(loaded, nullptr, icon, nullptr);
        // SDL 1.2 takes the icon's shape as a mask of one bit a pixel, rows
        // padded to whole bytes, the leftmost pixel in the highest bit.
        const int rowBytes = (icon->w + 7) / 8;
        std::vector<Uint8> mask(static_cast<size_t>(rowBytes) * icon->h, 0);
        SDL_LockSurface(icon);
        for (int y = 0; y < icon->h; ++y)
        {
            const Uint32* row = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(icon->pixels) + y * icon->pitch);
            for (int x = 0; x < icon->w; ++x)
                if ((row[x] >> 24) >= 128)
                    mask[y * rowBytes + x / 8] |= static_cast<Uint8>(0x80 >> (x % 8));
        }
        SDL_UnlockSurface(icon);
        SDL_WM_SetIcon(icon, mask.data());
        SDL_FreeSurface(icon);
        set = true;
    }
    SDL_FreeSurface(loaded);
    return set;
}
