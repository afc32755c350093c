#include <gtest/gtest.h>
#include "play/replay.h"
#include "tests/play/play_fixture.h"

TEST(ReplayTextTest, FormatThenParseGivesTheSameReplay)
{
    Replay replay;
    replay.level = 2;
    replay.seed = 4000000000u;
    ReplayStep hold;
    hold.frames = 120;
    hold.right = true;
    hold.up = true;
    replay.steps.push_back(hold);
    ReplayStep press;
    press.press = "escape";
    replay.steps.push_back(press);
    ReplayStep idle;
    idle.frames = 30;
    replay.steps.push_back(idle);
    replay.hasExpect = true;
    replay.expect = ReplayOutcome{"lost", 2345, 0, 37, -5, 620};

    std::string text = FormatReplay(replay);
    EXPECT_EQ("level 2\nseed 4000000000\nhold 120 RU\npress escape\nhold 30 -\nexpect lost 2345 0 37 -5 620\n", text);
    Replay back;
    std::string error;
    ASSERT_TRUE(ParseReplay(text, back, &error)) << error;
    EXPECT_EQ(text, FormatReplay(back));
    EXPECT_EQ(2, back.level);
    EXPECT_EQ(4000000000u, back.seed);
    ASSERT_EQ(3u, back.steps.size());
    EXPECT_TRUE(back.steps[0].right && back.steps[0].up && !back.steps[0].left);
    EXPECT_EQ("escape", back.steps[1].press);
}

TEST(ReplayTextTest, CommentsAndBlankLinesAreIgnored)
{
    Replay replay;
    ASSERT_TRUE(ParseReplay("# a run\n\nlevel 0\n  # indented\nhold 5 LRU\n", replay));
    EXPECT_EQ(0, replay.level);
    ASSERT_EQ(1u, replay.steps.size());
    EXPECT_TRUE(replay.steps[0].left);
    EXPECT_FALSE(replay.hasExpect);
}

TEST(ReplayTextTest, MistakesAreReportedWithTheirLine)
{
    struct Case
    {
        const char* text;
        const char* line;
    } cases[] = {{"level 3\n", "line 1"},           {"seed -1\n", "line 1"},
                 {"hold 5 X\n", "line 1"},          {"hold 5 RR\n", "line 1"},
                 {"hold 5\n", "line 1"},            {"hold -5 R\n", "line 1"},
                 {"level 1\npress q\n", "line 2"},  {"level 1\n\njump 3\n", "line 3"},
                 {"expect won 1 2 3 4\n", "line 1"}, {"expect maybe 1 2 3 4 5\n", "line 1"},
                 {"hold 5x R\n", "line 1"},         {"expect won 1 2 3 4 5x\n", "line 1"}};
    for (const Case& c : cases)
    {
        Replay replay;
        std::string error;
        EXPECT_FALSE(ParseReplay(c.text, replay, &error)) << c.text;
        EXPECT_EQ(0u, error.find(c.line)) << c.text << " -> " << error;
    }
}

TEST(ReplayTextTest, RecordingTheExpectLineKeepsEverythingElse)
{
    ReplayOutcome outcome{"won", 10, 5, 1, 2, 3};
    EXPECT_EQ("# keep me\nlevel 1\nexpect won 10 5 1 2 3\nhold 3 R\n",
              WithExpectLine("# keep me\nlevel 1\nexpect lost 1 1 1 1 1\nhold 3 R\n", outcome));
    EXPECT_EQ("level 1\nhold 3 R\nexpect won 10 5 1 2 3\n", WithExpectLine("level 1\nhold 3 R", outcome));
}

class ReplayRunTest : public PlayTest
{
protected:
    static Replay Make(const std::string& text)
    {
        Replay replay;
        std::string error;
        EXPECT_TRUE(ParseReplay(text, replay, &error)) << error;
        return replay;
    }
};

TEST_F(ReplayRunTest, FallingForEverLosesAllFiveLives)
{
    WriteFile("levelmap2", Rec("Rat", 300, 100));
    ReplayOutcome outcome = RunReplay(Make("level 2\nseed 3\nhold 2000 -\n"));
    EXPECT_EQ("lost", outcome.result);
    EXPECT_EQ(0, outcome.lives);
    EXPECT_LT(outcome.frame, 2000);
    // The run leaves the game as it found it.
    EXPECT_TRUE(StateStack.empty());
    EXPECT_EQ(0u, frameCount);
    EXPECT_EQ(1, level);
}

TEST_F(ReplayRunTest, InputRunningOutLeavesTheGameRunning)
{
    WriteFile("levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 60) + Rec("Cheese", 300, 740));
    ReplayOutcome outcome = RunReplay(Make("level 1\nhold 60 R\nhold 10 -\n"));
    EXPECT_EQ("running", outcome.result);
    EXPECT_EQ(70, outcome.frame);
    EXPECT_EQ(LIVES, outcome.lives);
    EXPECT_EQ(1, outcome.score);
    EXPECT_GT(outcome.ratX, 300);
    EXPECT_EQ(STANDING_Y, outcome.ratY);
}

TEST_F(ReplayRunTest, TheScientistsFallWinsTheLevel)
{
    WriteFile("levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 10) + Rec("Scientist", 3000, 900));
    ReplayOutcome outcome = RunReplay(Make("level 1\nhold 100 -\n"));
    EXPECT_EQ("won", outcome.result);
    // Killed in the first frame, removed in the one his death lasts 19.
    EXPECT_EQ(1 + DEAD_FOR + 1, outcome.frame);
    EXPECT_EQ(0, hiScore);
}

TEST_F(ReplayRunTest, SameReplayGivesTheSameOutcomeDrawnOrNot)
{
    WriteFile("levelmap1", Rec("Rat", 5300, STANDING_Y) + Floor(FLOOR_ROW, 160, 191) +
                               TileRec("Water", 170, FLOOR_ROW + 1, GHOST, 0) +
                               Rec("Scientist", 5700, FLOOR_Y - SCIENTIST_HEIGHT) + Rec("Cheese", 5500, 700));
    Replay replay = Make("level 1\nseed 77\nhold 40 R\nhold 30 RU\npress p\nhold 900 L\n");
    ReplayOutcome plain = RunReplay(replay);
    srand(1);
    ReplayOutcome drawn = RunReplay(replay, true);
    EXPECT_EQ(FormatOutcome(plain), FormatOutcome(drawn));
    EXPECT_EQ(FormatOutcome(plain), FormatOutcome(RunReplay(replay)));
}

TEST_F(ReplayRunTest, APauseCostsNeitherFramesNorClockTime)
{
    WriteFile("levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 60));
    ReplayOutcome straight = RunReplay(Make("level 1\nhold 20 R\nhold 20 RU\nhold 20 -\n"));
    ReplayOutcome paused = RunReplay(Make("level 1\nhold 20 R\npress p\nhold 20 RU\npress escape\nhold 20 -\n"));
    EXPECT_EQ(FormatOutcome(straight), FormatOutcome(paused));
    EXPECT_EQ(60, paused.frame);
}
