#include "app/options.h"
#include <cstdlib>
#include <cstring>

static Options programOptions;

const Options& ProgramOptions() { return programOptions; }
void SetProgramOptions(const Options& options) { programOptions = options; }

bool ReadScale(const std::string& value, Options& options)
{
    if (value == "auto")
    {
        options.scaleAuto = true;
        return true;
    }
    char* end = nullptr;
    const long n = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || n < 1 || n > MAX_SCALE)
        return false;
    options.scale = static_cast<int>(n);
    return true;
}

bool ParseOptions(int argc, char* argv[], Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--version")
            options.version = true;
        else if ((arg == "--record" || arg == "--watch" || arg == "--scale") && !hasValue)
        {
            error = "option " + arg + " needs a value";
            return false;
        }
        else if (arg == "--record")
            options.record = argv[++i];
        else if (arg == "--watch")
            options.watch = argv[++i];
        else if (arg == "--scale")
        {
            if (!ReadScale(argv[++i], options))
            {
                error = "--scale takes a whole number from 1 to 6, or auto";
                return false;
            }
        }
        else
        {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

std::string UsageText()
{
    return "Usage: sumprun [OPTION]...\n"
           "  --help          show this help and exit\n"
           "  --version       show the version and exit\n"
           "  --record FILE   write the replay of each game to FILE\n"
           "  --watch FILE    play the replay in FILE in the window, then exit\n"
           "  --scale N|auto  enlarge the window N times (1 to 6), or as far as the\n"
           "                  desktop allows; remembered in \"settings\"\n"
           "\n"
           "Game pad (when one is attached; buttons as the pad numbers them):\n"
           "  d-pad, left stick    arrow keys\n"
           "  button 0 (A)         Up (jump) in play, Return in menus\n"
           "  button 7 (Start)     P (pause) in play and the editor, Return in menus\n"
           "  buttons 1, 2, 3      Insert, Delete, Home in the editor\n"
           "  buttons 4, 5 (L, R)  Page Down, Page Up in the editor\n";
}
