#include <gtest/gtest.h>
#include <algorithm>
#include "enemies/scientist.h"
#include "play/replay.h"
#include "tests/play/play_fixture.h"

TEST(ReplayTextTest, ParseThenFormatGivesTheSameReplay)
{
    const std::string text =
        "level 2\nseed 4000000000\nhold 120 RU\npress escape\nhold 30 -\nexpect lost 2345 0 37 -5 620\n";
    Replay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay("# a run\n\n" + text + "  # indented\n", replay, &error)) << error;
    EXPECT_EQ(text, FormatReplay(replay));
    ASSERT_EQ(3u, replay.steps.size());
    EXPECT_TRUE(replay.steps[0].right && replay.steps[0].up && !replay.steps[0].left);
    EXPECT_EQ(-5, replay.expect.ratX);
}

TEST(ReplayTextTest, MistakesAreReportedWithTheirLine)
{
    // The mistake is on the last line of each.
    for (std::string text : {"level 3\n", "seed -1\n", "hold 5 X\n", "hold 5 RR\n", "hold 5\n", "hold -5 R\n",
                             "hold 5x R\n", "level 1\npress q\n", "level 1\n\njump 3\n", "expect won 1 2 3 4\n",
                             "expect maybe 1 2 3 4 5\n", "expect won 1 2 3 4 5x\n"})
    {
        Replay replay;
        std::string error;
        EXPECT_FALSE(ParseReplay(text, replay, &error)) << text;
        std::string line = "line " + std::to_string(std::count(text.begin(), text.end(), '\n')) + ":";
        EXPECT_EQ(0u, error.find(line)) << text << " -> " << error;
    }
}

TEST(ReplayTextTest, RecordingTheExpectLineKeepsEverythingElse)
{
    ReplayOutcome outcome{"won", 10, 5, 1, 2, 3};
    EXPECT_EQ("# keep me\nlevel 1\nexpect won 10 5 1 2 3\nhold 3 R\n",
              WithExpectLine("# keep me\nlevel 1\nexpect lost 1 1 1 1 1\nhold 3 R\n", outcome));
    EXPECT_EQ("level 1\nhold 3 R\nexpect won 10 5 1 2 3\n", WithExpectLine("level 1\nhold 3 R", outcome));
}

using ReplayRunTest = PlayTest;

// The outcome, and where the scientist's last throw went.
static std::string Play(const std::string& text, bool draw = false)
{
    Replay replay;
    std::string error;
    EXPECT_TRUE(ParseReplay(text, replay, &error)) << error;
    std::string outcome = FormatOutcome(RunReplay(replay, draw));
    for (Guy* g : guy)
        if (Scientist* s = dynamic_cast<Scientist*>(g))
            outcome += " " + std::to_string(s->GetProjectile().GetXPos()) + "," +
                       std::to_string(s->GetProjectile().GetYPos());
    return outcome;
}

TEST_F(ReplayRunTest, SmallRunsEndAsPlayedAndLeaveTheGameAsTheyFoundIt)
{
    struct Case { const char* file; std::string level, replay, outcome; };
    const Case cases[] = {
        // Falling for ever loses all five lives.
        {"levelmap2", Rec("Rat", 300, 100), "level 2\nseed 3\nhold 2000 -\n", "lost"},
        // The scientist falls out of the world in the first frame.
        {"levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 10) + Rec("Scientist", 3000, 900),
         "level 1\nhold 100 -\n", "won " + std::to_string(1 + DEAD_FOR + 1) + " 5 0 100 740"},
        // The input runs out mid-game, a cheese collected on the way.
        {"levelmap1", Rec("Rat", 100, STANDING_Y) + Floor(FLOOR_ROW, 0, 60) + Rec("Cheese", 300, 740),
         "level 1\nhold 60 R\nhold 10 -\n", "running 70 5 1 "}};
    for (const Case& c : cases)
    {
        WriteFile(c.file, c.level);
        std::string outcome = Play(c.replay);
        EXPECT_EQ(0u, outcome.find(c.outcome)) << outcome;
        EXPECT_TRUE(StateStack.empty());
        EXPECT_EQ(0u, frameCount);
        EXPECT_EQ(1, level);
    }
}

TEST_F(ReplayRunTest, DrawingOrPausingDoesNotChangeTheOutcome)
{
    // Water animates with rand() as it is drawn; the scientist throws with
    // the game's own generator.
    WriteFile("levelmap1", Rec("Rat", 5300, STANDING_Y) + Floor(FLOOR_ROW, 160, 191) +
                               TileRec("Water", 170, FLOOR_ROW + 1, GHOST, 0) +
                               Rec("Scientist", 5700, FLOOR_Y - SCIENTIST_HEIGHT) + Rec("Cheese", 5500, 700));
    const std::string plain = Play("level 1\nseed 77\nhold 40 R\nhold 30 RU\nhold 900 L\n");
    EXPECT_EQ(plain, Play("level 1\nseed 77\nhold 40 R\nhold 30 RU\nhold 900 L\n", true));
    EXPECT_EQ(plain, Play("level 1\nseed 77\nhold 40 R\npress p\nhold 30 RU\npress escape\nhold 900 L\n"));
}
