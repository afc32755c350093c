#include "app/options.h"
#include <cstdlib>
#include <cstring>
#include <filesystem>

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
           "Sump Run Level: a rat runs through a sewer level; build your own in the editor.\n"
           "\n"
           "Options:\n"
           "  --help          show this help and exit\n"
           "  --version       show the version and exit\n"
           "  --record FILE   write the replay of each game to FILE (not one of the\n"
           "                  game's own files below)\n"
           "  --watch FILE    play the replay in FILE in the window, then exit\n"
           "  --scale N|auto  enlarge the window N times (1 to 6), or as far as the\n"
           "                  desktop allows; remembered in \"settings\"\n"
           "\n"
           "Keys:\n"
           "  menus    Up, Down choose; Return confirms\n"
           "  play     Left, Right run; Up jumps (hold it to jump higher); P or Escape pauses\n"
           "  editor   arrows move the cursor; Insert places; Delete removes;\n"
           "           Home cycles the mode (terrain, water, cheese, enemies);\n"
           "           Page Up, Page Down cycle the tile or the enemy; P or Escape leaves;\n"
           "           Shift+arrows move eight cells; Ctrl+Z undoes; Ctrl+Y or Ctrl+Shift+Z\n"
           "           redoes; R sets the rat's start; T plays the level, Shift+T from the\n"
           "           cursor; Tab shows the map of the level; F1 lists the editor's keys\n"
           "\n"
           "Game pad (when one is attached; buttons as the pad numbers them):\n"
           "  d-pad, left stick    arrow keys\n"
           "  button 0 (A)         Up (jump) in play, Return in menus\n"
           "  button 7 (Start)     P (pause) in play and the editor, Return in menus\n"
           "  buttons 1, 2, 3      Insert, Delete, Home in the editor\n"
           "  buttons 4, 5 (L, R)  Page Down, Page Up in the editor\n"
           "  in the editor: button 0 (A) is Shift; 6 (Back) the map; 8 (Guide) the\n"
           "  key list, with A the rat's start; 9 (left stick press) undo, with A redo;\n"
           "  10 (right stick press) test play, with A from the cursor\n"
           "\n"
           "Files:\n"
           "  Started in a folder that holds its pictures (menubox.bmp and the rest), the\n"
           "  game runs there. Started anywhere else, it runs in $XDG_DATA_HOME/sumprun\n"
           "  (~/.local/share/sumprun), made on the first start, where the installed\n"
           "  pictures, sounds, fonts and shipped levels are links. In that folder:\n"
           "  levelmap0             your own level, written by the editor\n"
           "  levelmap1, levelmap2  the shipped levels\n"
           "  hiscore               the high score\n"
           "  levelmap0.bak         your level as it was before the editor's last save\n"
           "  levelmap0.partial     a level the editor could read only in part, as it was\n"
           "  levelmap0.autosave    your unsaved edits, kept until you save; offered back\n"
           "                        when the editor is entered after the program ended\n"
           "  levelmap0.discarded   the edits last left with \"Quit Without Saving\" or\n"
           "                        refused at \"Recover Unsaved Edits?\"; copy it over\n"
           "                        levelmap0 to get them back\n"
           "  lastgame.replay       the replay of the last game played (see --watch)\n"
           "  settings              the remembered window scale\n";
}

static void MakeAbsolute(std::string& path)
{
    std::error_code ec;
    if (!path.empty())
    {
        const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
        if (!ec)
            path = absolute.string();
    }
}

Options WithAbsolutePaths(Options options)
{
    MakeAbsolute(options.record);
    MakeAbsolute(options.watch);
    return options;
}

std::string VersionText() { return std::string("sumprun (Sump Run Level) ") + SUMPRUN_VERSION + "\n"; }
