#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "play/frame_input.h"

// A played game, stored as text so that it can be read, diffed and edited
// by hand:
//
//   # comment
//   level 1              level slot to play (0, 1 or 2)
//   checksum 1a2b3c4d    the level file's checksum when recorded (optional)
//   seed 12345           seeds rand() and the game's own generator
//   framecount 5021      the frame counter at the first frame (default 0)
//   hold 120 R           hold Right for 120 frames
//   hold 8 RU            hold Right and Up for 8 frames
//   hold 30 -            hold nothing for 30 frames
//   press p              a key press for the next frame of play
//   pause 150            the game stood this many frames in a dialog
//   clock 3 0*120 -1     the level clock, frame by frame (see below)
//   expect won 2345 4 37 5510 620
//                        outcome, frame, lives, score, rat x, rat y
//
// Keys held: L (left), R (right), U (up). Keys pressed: p, escape, return,
// close (the window's close button). Frames are counted from the first
// frame of play; every frame of the run counts, respawn frames included
// (held keys and presses act only in play frames; a press waits for one).
// A dialog a press opens is closed again before the next frame; the frames
// the game stood in it live are the pause line's, which move the frame
// counter on (and with it the cadence of control and drawing) but are not
// frames of the run.
//
// The clock lines together give, for each frame in turn, how many ms more
// than 20 the level clock advanced since the frame before ("V", or "V*N"
// for N frames in a row); frames past the list advance 20 ms. The first
// frame counts from -20 ms, and the frame after the time limit restarted
// the clock counts from 0.

// The clock lines' rule, kept by the recorder and the runner alike: a
// frame's level clock reads what the frame before left it at, plus this,
// plus the frame's extra ms; before the first frame it stood at minus this.
const long long REPLAY_FRAME_MS = 20;

struct ReplayStep
{
    int frames = 0; // for a hold
    bool left = false;
    bool right = false;
    bool up = false;
    std::string press; // non-empty for a press
    int pause = 0;     // above 0 for a pause
};

// Frames in a row whose level clock advanced 20 + extraMs ms.
struct ClockRun
{
    int extraMs = 0;
    int frames = 0;
};

struct ReplayOutcome
{
    std::string result; // "won", "lost" or "running"
    int frame = 0;      // frames run when the result came
    int lives = 0;
    int score = 0;
    int ratX = 0;
    int ratY = 0;
};

struct Replay
{
    int level = 1;
    bool hasChecksum = false;
    uint32_t checksum = 0;
    unsigned seed = 1;
    uint32_t firstFrameCount = 0;
    std::vector<ReplayStep> steps;
    std::vector<ClockRun> clock;
    bool hasExpect = false;
    ReplayOutcome expect;
};

// False (and a message in error) when the text is not a replay: a line it
// cannot read, or no level line, or neither a frame to play nor an expect
// line. What the message quotes has its unprintable bytes escaped.
bool ParseReplay(const std::string& text, Replay& replay, std::string* error = nullptr);
// Parsing the text again gives the same replay.
std::string FormatReplay(const Replay& replay);
// Reads the file the one safe way (see ReadFileIfRegular): a FIFO, a device
// or a folder is refused at once, with why in error.
bool LoadReplay(const std::string& fileName, Replay& replay, std::string* error = nullptr);

// The checksum a replay keeps of a level file's bytes (FNV-1a; a missing
// file, or one that is no regular file, sums as an empty one).
uint32_t LevelChecksum(const std::string& fileName);
// False (and a one-line message) when the replay's level file in the
// working folder is not the one it was recorded on, or is there but cannot
// be read (a FIFO, a folder, no permission).
bool ReplayLevelMatches(const Replay& replay, std::string* error = nullptr);

// "won 2345 4 37 5510 620": the words of an expect line.
std::string FormatOutcome(const ReplayOutcome& outcome);
// The outcome for a person to read: "won at frame 2345, 4 lives, score 37,
// rat at 5510, 620".
std::string DescribeOutcome(const ReplayOutcome& outcome);
// The replay text with its expect line set to outcome (added at the end
// when it had none); every other line is kept as it was.
std::string WithExpectLine(const std::string& text, const ReplayOutcome& outcome);

// The words of a press line, read and written.
FramePress PressFromName(const std::string& name);
std::string PressName(FramePress press);

// The game on the state stack is over: won or lost. A recording ends then,
// and so does a run of a replay.
bool GameOver();
// How the game on the stack stands now, after frames frames: what an expect
// line records.
ReplayOutcome GameOutcome(int frames);
