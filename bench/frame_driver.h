#pragma once
// Runs the game's play frames one at a time with input given per frame, the
// way the state loop calls the play and respawn states, but without pacing
// or dialogs: the shared driver of the benchmark and of the tests that
// compare whole runs frame by frame.
#include <string>
#include <vector>
#include "play/replay.h"

// The keys of one frame: held arrows, and a key pressed before it.
struct FrameInput
{
    bool left = false;
    bool right = false;
    bool up = false;
    std::string press; // "p", "escape", "return" or empty
};

// One entry per frame the replay holds keys for; a press rides on the
// frame after it.
std::vector<FrameInput> ExpandReplay(const Replay& replay);

// What one frame's logic asks to be drawn.
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
    // Starts a game on a level slot the way a replay does: fixed seeds, a
    // fresh rat, a fake clock at 20 ms a frame.
    void Start(int levelSlot, unsigned seed);
    // The logic of one frame with the given keys.
    FrameDrawing Logic(const FrameInput& input);
    // Draws what Logic asked for onto the screen (never flips).
    void Draw(FrameDrawing drawing);
    // Ends the frame; false once the game is won or lost.
    bool EndFrame();
    // Restores the clock and drops the stack and the keys.
    void Finish();

    int Frames() const { return frames; }

private:
    int frames = 0;
};

// A level slot played with one input per frame.
struct Scenario
{
    std::string name;
    int slot;
    unsigned seed;
    std::vector<FrameInput> input;
};

// The densest level the loader and the editor accept: every cell of the
// level holds a tile (terrain of every kind and water), with 200 enemies
// (a scientist among them) and 500 pieces of cheese, in the level file
// format.
std::string DensestLevelText();
// A busy input for the densest level: runs and jumps both ways.
std::vector<FrameInput> DensestLevelInput(int frames);
