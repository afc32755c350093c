#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/globals.h"
#include "app/state_stack.h"
#include "tests/support/test_env.h"
#include "toolkit/vek_clock.h"

namespace
{
std::string Caption()
{
    char* caption = nullptr;
    SDL_WM_GetCaption(&caption, NULL);
    return caption ? caption : "";
}

class FrameRateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartGame());
        InstallFakeClock(2000);
        frameTimer.Start();
        lastFrame = 0;
        frameCount = 0;
        SDL_WM_SetCaption("untouched", NULL);
    }
    void TearDown() override
    {
        RemoveFakeClock();
        frameTimer.Start();
    }

    // One paced frame whose own work took workMs.
    void Frame(Uint32 workMs)
    {
        AdvanceFakeClock(workMs);
        CapFrameRate();
    }
};

TEST_F(FrameRateTest, ShortFrameSleepsUpToTwentyMilliseconds)
{
    lastFrame = frameTimer.GetTicks();
    const Uint32 start = VEK_GetTicks();
    Frame(5);
    EXPECT_EQ(start + 20, VEK_GetTicks());
    EXPECT_EQ(20u, lastFrame);
    EXPECT_EQ(1u, frameCount);
    EXPECT_EQ("Now running at 50 frames per second.", Caption());
}

TEST_F(FrameRateTest, LongFrameIsNotDelayedAndShowsItsRate)
{
    lastFrame = frameTimer.GetTicks();
    const Uint32 start = VEK_GetTicks();
    Frame(40);
    EXPECT_EQ(start + 40, VEK_GetTicks());
    EXPECT_EQ(40u, lastFrame);
    EXPECT_EQ("Now running at 25 frames per second.", Caption());
}

TEST_F(FrameRateTest, CaptionChangesOnlyEverySeventhFrame)
{
    lastFrame = frameTimer.GetTicks();
    Frame(0); // frame 0
    EXPECT_EQ("Now running at 50 frames per second.", Caption());
    for (int i = 1; i < 7; ++i)
    {
        Frame(30); // frames 1..6: 33 per second, never shown
        EXPECT_EQ("Now running at 50 frames per second.", Caption()) << "frame " << i;
    }
    EXPECT_EQ(7u, frameCount);
    Frame(30); // frame 7
    EXPECT_EQ("Now running at 33 frames per second.", Caption());
    EXPECT_EQ(8u, frameCount);
}

TEST_F(FrameRateTest, FirstFrameMeasuresTheWholeStartUp)
{
    AdvanceFakeClock(1200); // lastFrame is still 0
    CapFrameRate();
    EXPECT_EQ("Now running at 0 frames per second.", Caption());
}

// A wait may end early; pacing must measure again and sleep the rest.
std::vector<Uint32> requested;
Uint32 fakeNow = 0;
Uint32 ShortSleeperTicks() { return fakeNow; }
void ShortSleeper(Uint32 ms)
{
    requested.push_back(ms);
    fakeNow += ms > 4 ? ms - 4 : ms;
}

TEST_F(FrameRateTest, EarlyWakeUpSleepsAgainForTheRest)
{
    fakeNow = 500;
    requested.clear();
    VEK_SetTickSource(ShortSleeperTicks);
    VEK_SetDelaySink(ShortSleeper);
    frameTimer.Start();
    lastFrame = 0;
    fakeNow += 5;
    CapFrameRate();
    EXPECT_EQ((std::vector<Uint32>{15, 4}), requested);
    EXPECT_EQ(500u + 5 + 11 + 4, fakeNow);
    EXPECT_EQ("Now running at 50 frames per second.", Caption());
}

struct CaptionCase
{
    unsigned ms;
    const char* text;
};

TEST(FrameRateCaptionText, WholeFramesPerSecond)
{
    const CaptionCase table[] = {{20, "Now running at 50 frames per second."},
                                 {21, "Now running at 47 frames per second."},
                                 {1000, "Now running at 1 frames per second."},
                                 {1001, "Now running at 0 frames per second."},
                                 {0, "Now running at 1000 frames per second."}};
    for (const CaptionCase& c : table)
    {
        char text[64];
        FrameRateCaption(c.ms, text, sizeof text);
        EXPECT_STREQ(c.text, text) << c.ms;
    }
}
} // namespace
