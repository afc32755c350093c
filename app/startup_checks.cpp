#include "app/startup_checks.h"
#include <SDL.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include "app/data_folder.h"
#include "toolkit/safe_file.h"

namespace
{
bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] != '\0';
}

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string WorkingFolder()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : ".";
}
} // namespace

bool StartFailed(const std::string& what)
{
    std::fprintf(stderr, "sumprun: %s\n", what.c_str());
    return false;
}

bool SubsystemFailed(const char* what) { return StartFailed(std::string(what) + ": " + SDL_GetError()); }

bool AssetFailed(const char* file)
{
    // The file system says "missing" or "not allowed" plainly. SDL's error
    // text is not used: the other assets load in between, so it may be
    // about another file.
    std::string why;
    if (access(file, R_OK) != 0)
        why = std::strerror(errno);
    else if (IsRegularFile(file, &why))
        why = "it is damaged or not a file of its kind";
    return StartFailed(std::string("cannot load ") + file + " in " + WorkingFolder() + ": " + why);
}

bool HasDisplay() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("SDL_VIDEODRIVER"); }

bool LacksSoundDevice()
{
    if (Exists("/dev/snd") || IsSet("PULSE_SERVER"))
        return false;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime)
        return true;
    const std::string folder = runtime;
    return !Exists(folder + "/pulse/native") && !Exists(folder + "/pipewire-0");
}

bool PrepareToStart()
{
    if (!HasDisplay())
        return StartFailed("there is no display to open the window on (DISPLAY is not set); "
                           "start the game from a desktop, or in a virtual display with: xvfb-run sumprun");
    std::string error;
    if (!EnterGameFolder(error))
        return StartFailed(error);
    // The game cannot start without an audio device; with none at all it
    // plays silently rather than not at all. A chosen driver is respected.
    if (!IsSet("SDL_AUDIODRIVER") && LacksSoundDevice())
    {
        std::fputs("sumprun: no sound device found: the game plays silently\n", stderr);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    return true;
}
