// Plays a recorded input file through the real frame logic and prints how
// the game came out. Run it in a folder holding the assets and level files.
//
//   sumprun-replay FILE.replay [--record-expect] [--draw]
//
// Exit status: 0 when the outcome matches the file's expect line (or the
// file has none, or it was just recorded), 1 on a mismatch, 2 on an error,
// and 2 when the replay ran REPLAY_FRAME_CAP frames without ending.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include "app/startup.h"
#include "play/level_file.h"
#include "play/replay.h"
#include "play/replay_run.h"
#include "toolkit/printable.h"
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

    // Every message names the file as the shell could not show it raw.
    const std::string shownName = Printable(fileName);
    std::string text, error;
    if (ReadFileIfRegular(fileName, text, &error) != FileRead::Read)
    {
        std::cerr << shownName << ": " << error << "\n";
        return 2;
    }
    Replay replay;
    if (!ParseReplay(text, replay, &error) || !ReplayLevelMatches(replay, &error))
    {
        std::cerr << shownName << ": " << error << "\n";
        return 2;
    }
    if (!StartHeadless())
    {
        std::cerr << "cannot start the game here: are the assets in this folder?\n";
        return 2;
    }
    bool capped = false;
    ReplayOutcome outcome = RunReplay(replay, draw ? ReplayMode::Drawn : ReplayMode::Headless, &capped);
    StopHeadless();
    if (capped)
    {
        std::cerr << shownName << ": stopped after " << REPLAY_FRAME_CAP << " frames, far beyond any real game\n";
        return 2;
    }

    std::cout << "outcome: " << FormatOutcome(outcome) << "\n";
    if (record)
    {
        if (!ReplaceFileSafely(fileName, WithExpectLine(text, outcome)))
        {
            std::cerr << "cannot write " << shownName << "\n";
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
