// Plays a recorded input file through the real frame logic and prints how
// the game came out. Run it in a folder holding the assets and level files.
//
//   sumprun-replay FILE.replay [--record-expect] [--draw]
//
// Exit status: 0 when the outcome matches the file's expect line (or the
// file has none, or it was just recorded), 1 on a mismatch, 2 on an error.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include "app/startup.h"
#include "play/level_file.h"
#include "play/replay.h"
#include "play/replay_run.h"
#include "toolkit/safe_file.h"

static int Usage()
{
    std::cerr << "usage: sumprun-replay FILE.replay [--record-expect] [--draw]\n";
    return 2;
}

static bool StartHeadless()
{
    // No window is wanted; the game's drawing still needs a screen. No
    // sound is opened: the outcome does not depend on it.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (!init(false) || !load_files(false))
        return false;
    SetClips();
    SetGuyDefaults();
    return true;
}

static void StopHeadless()
{
    ClearWorld();
    FreeAssets();
    TTF_Quit();
    SDL_Quit();
}

int main(int argc, char* argv[])
{
    std::string fileName;
    bool record = false;
    bool draw = false;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--record-expect") == 0)
            record = true;
        else if (std::strcmp(argv[i], "--draw") == 0)
            draw = true;
        else if (fileName.empty() && argv[i][0] != '-')
            fileName = argv[i];
        else
            return Usage();
    }
    if (fileName.empty())
        return Usage();

    std::ifstream in(fileName, std::ios::binary);
    if (!in)
    {
        std::cerr << "cannot open " << fileName << "\n";
        return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();
    in.close();
    Replay replay;
    std::string error;
    if (!ParseReplay(text.str(), replay, &error))
    {
        std::cerr << fileName << ": " << error << "\n";
        return 2;
    }
    if (!ReplayLevelMatches(replay, &error))
    {
        std::cerr << fileName << ": " << error << "\n";
        return 2;
    }
    if (!StartHeadless())
    {
        std::cerr << "cannot start the game here: are the assets in this folder?\n";
        return 2;
    }
    ReplayOutcome outcome = RunReplay(replay, draw ? ReplayMode::Drawn : ReplayMode::Headless);
    StopHeadless();

    std::cout << "outcome: " << FormatOutcome(outcome) << "\n";
    if (record)
    {
        if (!ReplaceFileSafely(fileName, WithExpectLine(text.str(), outcome)))
        {
            std::cerr << "cannot write " << fileName << "\n";
            return 2;
        }
        std::cout << "recorded\n";
        return 0;
    }
    if (!replay.hasExpect)
        return 0;
    std::string expected = FormatOutcome(replay.expect);
    if (expected == FormatOutcome(outcome))
    {
        std::cout << "matches expect\n";
        return 0;
    }
    std::cout << "expected: " << expected << "\n";
    return 1;
}
