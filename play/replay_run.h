#pragma once
#include "play/frame_input.h"
#include "play/replay.h"

enum class ReplayMode
{
    Headless, // as fast as it goes, nothing drawn
    Drawn,    // as fast as it goes, drawn as the game draws
    Watched   // drawn and paced at the game's 50 frames a second, with sound
};

// A game started the way a replay's header says (level, seed, frame
// counter), run one frame at a time through the game's own play and
// respawn frames. The stack, frame counter, level and high score are put
// back when it is destroyed. The assets must be loaded and the level file
// must be in the working folder.
class ReplayGame
{
public:
    ReplayGame(const Replay& replay, ReplayMode mode);
    ~ReplayGame();
    ReplayGame(const ReplayGame&) = delete;
    ReplayGame& operator=(const ReplayGame&) = delete;

    // A press for the next frame of play.
    void Press(FramePress press);
    // The game stands in a dialog for this many frames.
    void Pause(int frames);
    // One frame of whatever game state is on top, its level clock advanced
    // 20 + clockExtraMs ms. False once the game is over, nothing of it is
    // left to run, or the watcher closed the window.
    bool Frame(bool left, bool right, bool up, int clockExtraMs = 0);

    int Frames() const { return frames; }
    ReplayOutcome Outcome() const { return GameOutcome(frames); }

private:
    void CloseDialogs();

    ReplayMode mode;
    int frames = 0;
    // The level clock as the frame before left it.
    long long clockBefore;
    std::vector<FramePress> presses;
    bool closed = false;
    // What the game had before the replay took over.
    std::vector<void (*)()> savedStack;
    Uint32 savedFrameCount;
    int savedLevel;
    int savedHiScore;
};

// The most frames a replay is run for. A real game ends long before: five
// lives of at most 400 s each at 50 frames a second are about 100,000
// frames. A hand-made replay with a frozen clock could otherwise run for
// days. A million frames is 5.5 hours of play.
const int REPLAY_FRAME_CAP = 1000000;

// Plays the whole replay until it is won or lost, its input runs out (then
// "running") or it has run REPLAY_FRAME_CAP frames (then capped is set).
ReplayOutcome RunReplay(const Replay& replay, ReplayMode mode = ReplayMode::Headless, bool* capped = nullptr);
