#pragma once
#include <string>
#include <vector>

// A played input sequence, stored as text so that it can be read, diffed and
// edited by hand:
//
//   # comment
//   level 1              level slot to play (0, 1 or 2)
//   seed 12345           seeds rand() and the game's own generator
//   hold 120 R           hold Right for 120 frames
//   hold 8 RU            hold Right and Up for 8 frames
//   hold 30 -            hold nothing for 30 frames
//   press p              queue a key press before the next frame
//   expect won 2345 4 37 5510 620
//                        outcome, frame, lives, score, rat x, rat y
//
// Keys held: L (left), R (right), U (up). Keys pressed: p, escape, return.
// Frames are counted from the first frame of play; every frame of the run
// loop counts, respawn frames included (held keys act only in play frames).

struct ReplayStep
{
    int frames = 0;          // for a hold
    bool left = false;
    bool right = false;
    bool up = false;
    std::string press;       // non-empty for a press
};

struct ReplayOutcome
{
    std::string result;      // "won", "lost" or "running"
    int frame = 0;           // frames run when the result came
    int lives = 0;
    int score = 0;
    int ratX = 0;
    int ratY = 0;
};

struct Replay
{
    int level = 1;
    unsigned seed = 1;
    std::vector<ReplayStep> steps;
    bool hasExpect = false;
    ReplayOutcome expect;
};

// False (and a message in error) when the text is not a replay.
bool ParseReplay(const std::string& text, Replay& replay, std::string* error = nullptr);
std::string FormatReplay(const Replay& replay);
bool LoadReplay(const std::string& fileName, Replay& replay, std::string* error = nullptr);

// Plays the replay headless through the real frame logic, with the game
// clock advanced 20 ms per frame, until it is won or lost or its input runs
// out (then "running"). The assets must be loaded and the level file must
// be in the working folder. Nothing is drawn unless draw is set.
ReplayOutcome RunReplay(const Replay& replay, bool draw = false);

// "won 2345 4 37 5510 620": the words of an expect line.
std::string FormatOutcome(const ReplayOutcome& outcome);
// The replay text with its expect line set to outcome (added at the end
// when it had none); every other line is kept as it was.
std::string WithExpectLine(const std::string& text, const ReplayOutcome& outcome);
