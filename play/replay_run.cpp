#include "play/replay_run.h"
#include <cstdlib>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "play/play_state.h"
#include "toolkit/vek_signals.h"
#include "world/game_random.h"

ReplayGame::ReplayGame(const Replay& replay, ReplayMode mode)
    : mode(mode), clockBefore(-REPLAY_FRAME_MS), savedFrameCount(frameCount), savedLevel(level), savedHiScore(hiScore)
{
    for (; !StateStack.empty(); StateStack.pop())
        savedStack.insert(savedStack.begin(), StateStack.top().StatePointer);
    // Everything a game reads that outlives a game starts as the replay
    // says, so the same replay always plays out the same.
    frameCount = replay.firstFrameCount;
    SeedGameRandom(replay.seed);
    rat = Rat();
    rat.SetDefaults(rat_ss, &ratClips);
    camera.SetBothPos(0, 0);
    level = replay.level;
    PushState(MenuState);
    PushState(PlayState);
    PrePlay();
}

ReplayGame::~ReplayGame()
{
    PopAll();
    for (StateFunction state : savedStack)
        PushState(state);
    frameCount = savedFrameCount;
    level = savedLevel;
    hiScore = savedHiScore;
}

void ReplayGame::Press(FramePress press) { presses.push_back(press); }

// The watcher's window: events are not input to a replay, only a close
// request (or SIGTERM, SIGHUP, SIGINT) ends the watching.
static bool WatchingStopped()
{
    bool closed = false;
    SDL_Event e;
    while (SDL_PollEvent(&e))
        closed = closed || e.type == SDL_QUIT;
    return closed || VEK_TerminationRequested();
}

// Presses and dialogs are the game's own; only their time goes by here.
void ReplayGame::Pause(int pauseFrames)
{
    if (mode != ReplayMode::Watched)
    {
        frameCount += static_cast<Uint32>(pauseFrames);
        return;
    }
    // Watched, the pause takes its time, but the window's close button and
    // a termination signal still end it within a frame.
    for (int i = 0; i < pauseFrames && !closed; ++i)
    {
        closed = WatchingStopped();
        CapFrameRate();
    }
}

// A dialog opened by a press was closed by the player before play went on.
void ReplayGame::CloseDialogs()
{
    while (!StateStack.empty() && !IsTopState(PlayState) && !IsTopState(RespawnState) && !IsTopState(MenuState) &&
           !GameOver())
        PopState();
}

bool ReplayGame::Frame(bool left, bool right, bool up, int clockExtraMs)
{
    CloseDialogs();
    const bool play = IsTopState(PlayState);
    if (closed || (!play && !IsTopState(RespawnState)))
        return false;
    FrameInput input;
    input.left = left;
    input.right = right;
    input.up = up;
    input.levelClockMs = static_cast<Uint32>(clockBefore + REPLAY_FRAME_MS + clockExtraMs);
    if (play && !presses.empty())
    {
        input.press = presses.front();
        presses.erase(presses.begin());
    }
    const bool draw = mode != ReplayMode::Headless;
    bool going = true;
    if (play)
        going = PlayFrame(input, draw);
    else
        RespawnFrame(input, draw);
    clockBefore = LevelClockAfterFrame();
    frames += 1;
    if (mode == ReplayMode::Watched)
    {
        closed = WatchingStopped();
        if (going)
            CapFrameRate();
    }
    else
        frameCount += 1;
    return going && !GameOver() && !closed;
}

namespace
{
// The clock lines read one frame at a time.
class ClockReader
{
public:
    explicit ClockReader(const std::vector<ClockRun>& runs) : runs(runs) {}
    int Next()
    {
        while (run < runs.size() && used == runs[run].frames)
        {
            ++run;
            used = 0;
        }
        if (run == runs.size())
            return 0;
        ++used;
        return runs[run].extraMs;
    }

private:
    const std::vector<ClockRun>& runs;
    size_t run = 0;
    int used = 0;
};
} // namespace

ReplayOutcome RunReplay(const Replay& replay, ReplayMode mode, bool* capped)
{
    ReplayGame game(replay, mode);
    ClockReader clock(replay.clock);
    bool going = true;
    if (capped)
        *capped = false;
    for (size_t i = 0; going && i < replay.steps.size(); ++i)
    {
        const ReplayStep& step = replay.steps[i];
        if (!step.press.empty())
            game.Press(PressFromName(step.press));
        else if (step.pause > 0)
            game.Pause(step.pause);
        for (int f = 0; going && f < step.frames; ++f)
        {
            if (game.Frames() >= REPLAY_FRAME_CAP)
            {
                if (capped)
                    *capped = true;
                return game.Outcome();
            }
            going = game.Frame(step.left, step.right, step.up, clock.Next());
        }
    }
    return game.Outcome();
}
