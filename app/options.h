#pragma once
// What the command line asks of the program. With no options every field
// keeps its default and the game behaves exactly as it always has.
#include <string>

// The largest whole enlargement of the window.
const int MAX_SCALE = 6;

struct Options
{
    bool help = false;      // --help: print usage and leave
    bool version = false;   // --version: print the version and leave
    std::string record;     // --record FILE: where the game's replay goes
    std::string watch;      // --watch FILE: play a replay in the window
    int scale = 0;          // --scale N (1..MAX_SCALE); 0 when not given
    bool scaleAuto = false; // --scale auto
};

// Reads argv into options. False (and a one-line message in error) when an
// option is unknown or its value is missing or out of range.
bool ParseOptions(int argc, char* argv[], Options& options, std::string& error);

// Reads a --scale value ("1" to "6" or "auto") into options; false when
// it is neither.
bool ReadScale(const std::string& value, Options& options);

// The usage text printed by --help (and, on stderr, after a bad option):
// the options, the keys and where the game keeps its files.
std::string UsageText();

// The options with their file names made absolute, so that they still name
// the same files after the game moves into its data folder.
Options WithAbsolutePaths(Options options);

// The line printed by --version.
std::string VersionText();

// The options the program was started with; defaults when it parsed none.
const Options& ProgramOptions();
void SetProgramOptions(const Options& options);
