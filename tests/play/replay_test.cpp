#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include "app/options.h"
#include "play/game_recorder.h"
#include "play/replay.h"
#include "play/replay_run.h"
#include "tests/play/play_fixture.h"
#include "toolkit/vek_clock.h"

TEST(ReplayTextTest, ParseThenFormatGivesTheSameReplay)
{
    const std::string text = "level 2\nchecksum 0009beef\nseed 4000000000\nframecount 4294967295\nhold 120 RU\n"
                             "press escape\npause 1\nhold 30 -\npress close\nhold 1 L\n"
                             "clock 1 0*16 -3 2 0 0 0 0 0 0 0 0 0 0 0 0\nclock 5*2\n"
                             "expect lost 2345 0 37 -5 620\n";
    Replay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay("# a run\n\n" + text + "  # indented\n", replay, &error)) << error;
    EXPECT_EQ(text, FormatReplay(replay));
    ASSERT_TRUE(replay.steps.size() == 6u && replay.clock.size() == 17u);
    EXPECT_TRUE(replay.steps[0].right && replay.steps[0].up && !replay.steps[0].left);
    EXPECT_EQ((std::vector<int>{1, -5, 0x9beef, 16, -3}),
              (std::vector<int>{replay.steps[2].pause, replay.expect.ratX, int(replay.checksum), replay.clock[1].frames,
                                replay.clock[2].extraMs}));
}

TEST(ReplayTextTest, MistakesAreReportedWithTheirLine)
{
    // The mistake is on the last line of each.
    for (std::string text : {"level 3\n",
                             "seed -1\n",
                             "hold 5 X\n",
                             "hold 5 RR\n",
                             "hold 5\n",
                             "hold -5 R\n",
                             "hold 5x R\n",
                             "level 1\npress q\n",
                             "level 1\n\njump 3\n",
                             "expect won 1 2 3 4\n",
                             "expect maybe 1 2 3 4 5\n",
                             "expect won 1 2 3 4 5x\n",
                             "checksum 0000beefa\n",
                             "checksum BEEF\n",
                             "framecount -1\n",
                             "pause 0\n",
                             "level 1\nclock 0 1*0\n",
                             "clock 1*\n",
                             "clock *3\n",
                             "clock 2000000000\n"})
    {
        Replay replay;
        std::string error;
        EXPECT_FALSE(ParseReplay(text, replay, &error)) << text;
        std::string line = "line " + std::to_string(std::count(text.begin(), text.end(), '\n')) + ":";
        EXPECT_EQ(0u, error.find(line)) << text << " -> " << error;
    }
}

// What is not a replay is refused in one printable line, before anything
// is played: nothing "plays 0 frames" and reports a running game.
TEST(ReplayTextTest, WhatIsNotAReplayIsRefusedInOnePrintableLine)
{
    std::filesystem::create_directory("folder.replay");
    const std::pair<std::string, const char*> cases[] = {
        {"", "no level line: not a replay"},
        {"# nothing but\n\n   # comments\n", "no level line: not a replay"},
        {"seed 3\nhold 10 R\n", "no level line: not a replay"},
        {"level 1\nseed 3\nhold 0 R\npress p\n", "no frames to play and no expect line: not a replay"},
        {std::string("\x7f"
                     "ELF\x02\x1b]0;owned\x07\xff\\\nlevel 1\n",
                     17),
         "line 1: unknown command '\\x7fELF\\x02\\x1b]0;owned\\x07\\xff\\\\'"},
        {"folder", "is a folder, not a regular file"},
        {"level 1\nexpect running 0 5 0 0 0\n", ""},
        {"level 1\nhold 1 -\n", ""},
    };
    for (const auto& [text, refusal] : cases)
    {
        const char* file = text == "folder" ? "folder.replay" : "file.replay";
        if (text != "folder")
            WriteFile(file, text);
        Replay replay;
        std::string error;
        EXPECT_EQ(!*refusal, LoadReplay(file, replay, &error)) << text;
        EXPECT_EQ(refusal, error);
    }
    std::filesystem::remove("folder.replay");
    std::filesystem::remove("file.replay");
}

TEST(ReplayTextTest, RecordingTheExpectLineKeepsEverythingElse)
{
    ReplayOutcome outcome{"won", 10, 5, 1, 2, 3};
    EXPECT_EQ("# keep me\nlevel 1\nexpect won 10 5 1 2 3\nhold 3 R\n",
              WithExpectLine("# keep me\nlevel 1\nexpect lost 1 1 1 1 1\nhold 3 R\n", outcome));
    EXPECT_EQ("level 1\nhold 3 R\nexpect won 10 5 1 2 3\n", WithExpectLine("level 1\nhold 3 R", outcome));
}

using ReplayRunTest = PlayTest;

TEST_F(ReplayRunTest, SmallRunsEndAsPlayedAndLeaveTheGameAsTheyFoundIt)
{
    struct Case
    {
        const char* file;
        std::string level, replay, outcome;
    };
    const Case cases[] = {// Falling for ever loses all five lives.
                          {"levelmap2", Rec("Rat", 300, 100), "level 2\nseed 3\nhold 2000 -\n", "lost"},
                          // The input runs out mid-game, a cheese collected on the way.
                          {"levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 60) + Rec("Cheese", 300, 740),
                           "level 1\nhold 60 R\nhold 10 -\n", "running 70 5 1 "}};
    for (const Case& c : cases)
    {
        WriteFile(c.file, c.level);
        Replay replay;
        ASSERT_TRUE(ParseReplay(c.replay, replay));
        std::string outcome = FormatOutcome(RunReplay(replay));
        EXPECT_EQ(0u, outcome.find(c.outcome)) << outcome;
        EXPECT_TRUE(StateStack.empty() && frameCount == 0u && level == 1);
    }
}

// The shipped levels as the build compiles them, each won by its stored
// replay; the whole outcome is pinned, so any change to the game's feel shows.
TEST_F(ReplayRunTest, StoredReplaysWinTheShippedLevelsWithLivesToSpare)
{
    for (int slot : {1, 2}) // as the build compiled them
        WriteFile(LevelFileName(slot), ReadFile(std::string(BINARY_DIR) + "/levels/" + LevelFileName(slot)));
    for (const auto& shipped : {std::make_pair(1, "rat_adventure"), std::make_pair(2, "eel_challenge")})
    {
        SCOPED_TRACE(shipped.second);
        Replay replay;
        std::string error;
        ASSERT_TRUE(
            LoadReplay(std::string(SOURCE_DIR) + "/levels/replays/" + shipped.second + ".replay", replay, &error))
            << error;
        EXPECT_EQ(replay.level, shipped.first);
        ASSERT_TRUE(replay.hasExpect);
        ReplayOutcome outcome = RunReplay(replay);
        EXPECT_TRUE(outcome.result == "won" && outcome.lives >= 2);
        EXPECT_EQ(FormatOutcome(outcome), FormatOutcome(replay.expect));
    }
}

// Watched, a replay takes no input: only a close request (or a signal,
// which the end-to-end tests send) ends it early.
TEST_F(ReplayRunTest, AWatchedReplayEndsEarlyOnlyWhenTheWindowCloses)
{
    WriteFile("levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 10));
    Replay replay;
    ASSERT_TRUE(ParseReplay("level 1\nhold 10 R\n", replay));
    PushKeyPress(SDLK_ESCAPE);
    EXPECT_EQ(10, RunReplay(replay, ReplayMode::Watched).frame);
    PushQuitEvent();
    EXPECT_LT(RunReplay(replay, ReplayMode::Watched).frame, 10);
    // A recorded pause, too, ends at once (it used to run its whole length).
    ASSERT_TRUE(ParseReplay("level 1\npause 100000000\nhold 10 R\n", replay));
    PushQuitEvent();
    EXPECT_EQ(0, RunReplay(replay, ReplayMode::Watched).frame);
}

// The recording goes to the --record file; one that cannot be written is
// only reported.
TEST_F(ReplayRunTest, TheRecordingGoesWhereItIsToldOrIsReported)
{
    // Where it goes by default the live game's test below shows.
    struct Case
    {
        const char* record;
        const char* written;
        bool blocked;
    };
    const Case cases[] = {{"mine.replay", "mine.replay", false}, {"", LAST_GAME_REPLAY, true}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.written);
        Options options;
        options.record = c.record;
        SetProgramOptions(options);
        std::filesystem::remove_all(c.written);
        if (c.blocked)
            std::filesystem::create_directory(c.written);
        Restart();
        StartLevel(Rec("Rat", 100, STANDING_Y));
        BeginGameRecording();
        RecordGameFrame(FrameInput(), 0);
        testing::internal::CaptureStderr();
        EndGameRecording();
        FinishRecordingWrites();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(c.blocked, said.find(c.written) != std::string::npos && std::filesystem::is_directory(c.written));
        EXPECT_EQ(!c.blocked, ReadFile(c.written).find("\nexpect running 1 5 0 100 ") != std::string::npos);
        std::filesystem::remove_all(c.written);
    }
    SetProgramOptions(Options());
}

// The live game, played through its own states on the fake clock: the
// script below holds keys, pauses, and now and then stalls the clock the
// way a loaded machine does, or by 401 seconds to spend a life on the time
// limit.
namespace
{
int scriptCalls = 0;
const Uint32 FIRST_FRAME = 1234;

void ScriptedDelay(Uint32 ms)
{
    ++scriptCalls;
    AdvanceFakeClock(ms + (scriptCalls % 7 == 0 ? 3 : 0));
    const Uint32 f = frameCount - FIRST_FRAME;
    if (f == 2)
        HoldKey(SDLK_RIGHT);
    if (f == 20 || f == 90)
        HoldKey(SDLK_UP);
    if (f == 35 || f == 100)
        HoldKey(SDLK_UP, false);
    if (f == 50)
        PushKeyPress(SDLK_p);
    if (IsTopState(PauseState) && f % 10 == 0)
        PushKeyPress(SDLK_RETURN);
    if (f == 70)
        HoldKey(SDLK_LEFT);
    if (f == 160)
        HoldKey(SDLK_LEFT, false);
    // From here on the rat runs in bursts, so where the game leaves it
    // depends on which frames were control frames.
    if (f >= 160)
        HoldKey(SDLK_RIGHT, (f / 7) % 2 == 0);
    if (f > 200 && f % 60 == 0)
        AdvanceFakeClock(401 * 1000);
}
} // namespace

TEST_F(ReplayRunTest, ALiveGameReplaysToTheEndItCameTo)
{
    // A floor with a pit in it, cheese on the way and a burger to meet.
    WriteFile("levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 12) + Floor(FLOOR_ROW, 16, 60) +
                               Rec("Cheese", 300, 740) + Rec("Burger", 900, FLOOR_Y - BURGER_HEIGHT));
    level = 1;
    frameCount = FIRST_FRAME;
    VEK_SetDelaySink(ScriptedDelay);
    PushState(MenuState);
    PushState(PlayState);
    BeginGameRecording();
    PrePlay();
    for (int guard = 0; guard < 10000 && !IsTopState(LostState) && !IsTopState(WonState); ++guard)
        StateStack.top().StatePointer();
    ASSERT_TRUE(IsTopState(LostState));
    ReplayOutcome live{"lost", 0, rat.GetLives(), score, rat.GetXPos(), rat.GetYPos()};
    FinishRecordingWrites();

    Replay replay;
    std::string error;
    ASSERT_TRUE(LoadReplay(LAST_GAME_REPLAY, replay, &error)) << error;
    const std::string text = ReadFile(LAST_GAME_REPLAY);
    for (const char* line : {"\nchecksum ", "\nframecount 1234\n", "\npress p\n", "\npause ", "\nclock "})
        EXPECT_NE(std::string::npos, text.find(line)) << line << " in\n" << text;
    // The checksum covers every byte of a level, the last one too.
    WriteFile("levelmap9", std::string(4097, 'x'));
    const uint32_t whole = LevelChecksum("levelmap9");
    WriteFile("levelmap9", std::string(4096, 'x') + "y");
    EXPECT_NE(whole, LevelChecksum("levelmap9"));
    // The last life went on the time limit, on the floor.
    EXPECT_EQ(STANDING_Y, live.ratY);
    live.frame = replay.expect.frame;
    EXPECT_EQ(FormatOutcome(live), FormatOutcome(replay.expect));
    EXPECT_EQ(FormatOutcome(replay.expect), FormatOutcome(RunReplay(replay)));
}
