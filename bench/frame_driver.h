#pragma once
// Runs a replay's frames one at a time through the game's own replay game
// (headless), so that a frame's logic and its drawing can be timed or
// checked apart: the shared driver of the benchmark and of the tests that
// compare whole runs frame by frame.
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "play/play_state.h"
#include "play/replay.h"
#include "play/replay_run.h"

// One frame of a replay: the keys held, and what comes before it.
struct ReplayFrame
{
    bool left = false;
    bool right = false;
    bool up = false;
    std::string press; // a press taken before this frame, or empty
    int pause = 0;     // frames stood in a dialog before this one
    int clockExtraMs = 0;
};

// One entry per frame the replay holds keys for.
std::vector<ReplayFrame> ExpandReplay(const Replay& replay);

// A replay to play: its header and its frames.
struct Scenario
{
    std::string name;
    Replay replay;
    std::vector<ReplayFrame> frames;
};
Scenario MakeScenario(const std::string& name, const Replay& replay);

class FrameDriver
{
public:
    explicit FrameDriver(const Scenario& scenario);
    ~FrameDriver();
    // The logic of the next frame, and what the game draws for it (which
    // DrawFrame draws); none once the replay or the game is over and no
    // frame ran.
    std::optional<FrameDrawing> Logic();
    int Frames() const;

private:
    const Scenario& scenario;
    std::unique_ptr<ReplayGame> game;
    size_t next = 0;
    bool over = false;
};

// The densest level the loader and the editor accept: every cell of the
// level holds a tile (terrain of every kind and water), with 200 enemies
// (a scientist among them) and 500 pieces of cheese, in the level file
// format.
std::string DensestLevelText();
// A busy replay for the densest level in the given slot: runs and jumps
// both ways.
Replay DensestLevelReplay(int slot, int frames);
