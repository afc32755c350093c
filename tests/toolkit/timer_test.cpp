#include <gtest/gtest.h>
#include "tests/support/test_env.h"
#include "toolkit/vek_timer.h"

namespace
{
class TimerTest : public ::testing::Test
{
protected:
    void SetUp() override { InstallFakeClock(5000); }
    void TearDown() override { RemoveFakeClock(); }
};

TEST_F(TimerTest, NewTimerReadsZeroAndIgnoresPauseAndResume)
{
    VekTimer timer;
    AdvanceFakeClock(100);
    timer.Pause();
    EXPECT_FALSE(timer.IsPaused());
    timer.Resume();
    EXPECT_EQ(0u, timer.GetTicks());
    EXPECT_FALSE(timer.IsStarted());
}

TEST_F(TimerTest, PausedIntervalIsLeftOut)
{
    VekTimer timer;
    timer.Start();
    AdvanceFakeClock(300);
    timer.Pause();
    EXPECT_EQ(300u, timer.GetTicks());
    AdvanceFakeClock(500);
    EXPECT_EQ(300u, timer.GetTicks());
    timer.Resume();
    AdvanceFakeClock(200);
    EXPECT_EQ(500u, timer.GetTicks());
}

TEST_F(TimerTest, SecondPauseOrResumeChangesNothing)
{
    VekTimer timer;
    timer.Start();
    AdvanceFakeClock(40);
    timer.Resume(); // already running
    AdvanceFakeClock(10);
    EXPECT_EQ(50u, timer.GetTicks());
    timer.Pause();
    AdvanceFakeClock(30);
    timer.Pause(); // already paused: must not take the elapsed time again
    AdvanceFakeClock(30);
    EXPECT_EQ(50u, timer.GetTicks());
    timer.Resume();
    AdvanceFakeClock(7);
    EXPECT_EQ(57u, timer.GetTicks());
}

TEST_F(TimerTest, StartRestartsFromZeroAndStopClears)
{
    VekTimer timer;
    timer.Start();
    AdvanceFakeClock(70);
    timer.Pause();
    timer.Start();
    EXPECT_FALSE(timer.IsPaused());
    AdvanceFakeClock(15);
    EXPECT_EQ(15u, timer.GetTicks());
    timer.Stop();
    AdvanceFakeClock(15);
    EXPECT_EQ(0u, timer.GetTicks());
    EXPECT_FALSE(timer.IsStarted());
}

TEST(TimerClock, ArithmeticSurvivesTheTickCounterWrapping)
{
    InstallFakeClock(0xFFFFFF00u);
    VekTimer timer;
    timer.Start();
    AdvanceFakeClock(0x200);
    EXPECT_EQ(0x200u, timer.GetTicks());
    timer.Pause();
    AdvanceFakeClock(1000);
    timer.Resume();
    AdvanceFakeClock(1);
    EXPECT_EQ(0x201u, timer.GetTicks());
    RemoveFakeClock();
}
} // namespace
