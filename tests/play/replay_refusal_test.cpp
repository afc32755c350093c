#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include "play/replay.h"
#include "play/replay_run.h"
#include "tests/play/play_fixture.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_signals.h"

namespace fs = std::filesystem;

namespace
{
bool Printable(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f)
            return false;
    return true;
}

// What is not a replay is refused in one printable line, before anything
// is played: nothing "plays 0 frames" and reports a running game.
TEST(ReplayRefusal, WhatIsNotAReplayIsRefusedInOnePrintableLine)
{
    fs::create_directory("replay_folder");
    ASSERT_EQ(0, mkfifo("replay_fifo", 0666));
    const struct
    {
        const char* file;
        std::string text;
        const char* error; // "" when it is a replay
    } cases[] = {
        {"empty.replay", "", "no level line: not a replay"},
        {"comments.replay", "# nothing but\n\n   # comments\n", "no level line: not a replay"},
        {"nolevel.replay", "seed 3\nhold 10 R\n", "no level line: not a replay"},
        {"noframes.replay", "level 1\nseed 3\nhold 0 R\npress p\n", "no frames to play and no expect line"},
        {"binary.replay",
         std::string("\x7f"
                     "ELF\x02\x01\x1b]0;owned\x07\xff\nlevel 1\n",
                     17),
         "line 1: unknown command '\\x7fELF\\x02\\x01\\x1b]0;owned\\x07\\xff'"},
        {"replay_folder", "", "is a folder, not a regular file"},
        {"replay_fifo", "", "is a FIFO, not a regular file"},
        {"missing.replay", "", "does not exist"},
        {"expect.replay", "level 1\nexpect running 0 5 0 0 0\n", ""},
        {"frames.replay", "level 1\nhold 1 -\n", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        if (fs::path(c.file).extension() == ".replay" && std::string(c.file) != "missing.replay")
            WriteFile(c.file, c.text);
        Replay replay;
        std::string error;
        EXPECT_EQ(!*c.error, LoadReplay(c.file, replay, &error));
        EXPECT_EQ(0u, error.find(c.error)) << error;
        EXPECT_TRUE(Printable(error)) << error;
    }
}

// A replay's level must be one the game can read: a FIFO or a folder in
// its place is refused at once, where a missing level plays as empty.
TEST(ReplayRefusal, AReplaysLevelThatIsThereButCannotBeReadIsRefused)
{
    Replay replay;
    ASSERT_TRUE(ParseReplay("level 0\nhold 5 R\n", replay));
    for (const char* kind : {"missing", "FIFO", "folder"})
    {
        SCOPED_TRACE(kind);
        fs::remove_all("levelmap0");
        if (kind[1] == 'I')
            ASSERT_EQ(0, mkfifo("levelmap0", 0666));
        else if (kind[1] == 'o')
            fs::create_directory("levelmap0");
        std::string error;
        const bool missing = kind[0] == 'm';
        EXPECT_EQ(missing, ReplayLevelMatches(replay, &error));
        EXPECT_EQ(missing ? "" : std::string("levelmap0 is a ") + kind + ", not a regular file", error);
    }
    fs::remove_all("levelmap0");
}

// Watched, a recorded pause takes its time, but the window's close button
// and a termination signal end it within a frame.
using ReplayRefusalRun = PlayTest;
TEST_F(ReplayRefusalRun, AWatchedPauseStillEndsOnACloseOrASignal)
{
    VEK_CatchTerminationSignals();
    WriteFile("levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 10));
    Replay replay;
    ASSERT_TRUE(ParseReplay("level 1\npause 100000000\nhold 10 R\n", replay));
    for (bool signal : {false, true})
    {
        const Uint32 before = VEK_GetTicks();
        signal ? (void)std::raise(SIGTERM) : PushQuitEvent();
        EXPECT_EQ(0, RunReplay(replay, ReplayMode::Watched).frame);
        EXPECT_LE(VEK_GetTicks() - before, 40u) << "more than a frame or two of the pause";
        VEK_ForgetTerminationRequest();
    }
}
} // namespace
