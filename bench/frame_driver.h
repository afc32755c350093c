#pragma once
// Runs a replay's frames one at a time through the game's own replay game
// (headless), so that a frame's logic and its drawing can be timed or
// checked apart: the shared driver of the benchmark and of the tests that
// compare whole runs frame by frame.
#include <memory>
#include <string>
#include <vector>
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

// What a frame's logic asks to be drawn.
enum class FrameDrawing
{
    Nothing, // a play frame that is not redrawn (every other one)
    Play,    // the world and the whole HUD
    Respawn, // the world and the lives
    Ended    // no game state left to run: nothing ran
};

class FrameDriver
{
public:
    explicit FrameDriver(const Scenario& scenario);
    ~FrameDriver();
    // The logic of the next frame; Ended once the replay or the game is
    // over.
    FrameDrawing Logic();
    // Draws what Logic asked for onto the screen, as the frame would have
    // (never flips).
    void Draw(FrameDrawing drawing);
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
