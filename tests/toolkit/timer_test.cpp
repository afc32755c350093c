#include <gtest/gtest.h>
#include <iterator>
#include "tests/support/test_env.h"
#include "toolkit/vek_timer.h"

TEST(TimerTest, PausedTimeIsLeftOutAndNeedlessPauseOrResumeChangesNothing)
{
    // An operation, then the clock moves on by advance; then what the timer reads.
    struct Step
    {
        void (VekTimer::*op)();
        Uint32 advance, ticks;
        bool paused;
    };
    const auto start = &VekTimer::Start, stop = &VekTimer::Stop;
    const auto pause = &VekTimer::Pause, resume = &VekTimer::Resume;
    const Step script[] = {
        {pause, 100, 0, false}, {resume, 0, 0, false},   // a stopped timer ignores both
        {start, 40, 40, false}, {resume, 10, 50, false}, // a running one ignores Resume
        {pause, 30, 50, true},  {pause, 30, 50, true},   // a second Pause must not take the time again
        {resume, 7, 57, false}, {pause, 500, 57, true},  {resume, 200, 257, false},
        {pause, 0, 257, true},  {start, 15, 15, false}, // Start begins at zero, even when paused
        {stop, 15, 0, false},
    };
    // Just before the tick counter wraps: the arithmetic must survive it.
    InstallFakeClock(0xFFFFFF90u);
    VekTimer timer;
    for (size_t i = 0; i < std::size(script); ++i)
    {
        SCOPED_TRACE(testing::Message() << "step " << i);
        (timer.*script[i].op)();
        AdvanceFakeClock(script[i].advance);
        EXPECT_EQ(script[i].ticks, timer.GetTicks());
        EXPECT_EQ(script[i].paused, timer.IsPaused());
    }
    RemoveFakeClock();
}
