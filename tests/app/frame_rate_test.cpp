#include <string>
#include "app/state_stack.h"
#include "tests/app/app_test.h"
#include "toolkit/vek_clock.h"

namespace
{
// A wait may end early: pacing must measure again and sleep the rest.
void WakeEarly(Uint32 ms) { AdvanceFakeClock(ms > 4 ? ms - 4 : ms); }

TEST_F(AppTest, FramesAreHeldToTwentyMillisecondsAndEverySeventhShowsItsRate)
{
    // The frame's own work, the wait that must follow, the caption's rate
    // afterwards. The first frame measures the whole start-up.
    struct Frame
    {
        Uint32 work, wait;
        const char* rate;
    };
    const Frame frames[] = {{1200, 0, "0"}, {30, 0, "0"}, {30, 0, "0"},  {30, 0, "0"}, {30, 0, "0"},
                            {30, 0, "0"},   {30, 0, "0"}, {5, 15, "50"}, {40, 0, "50"}};
    VEK_SetDelaySink(WakeEarly);
    frameCount = 0;
    for (const Frame& frame : frames)
    {
        SCOPED_TRACE(testing::Message() << "frame " << &frame - frames);
        AdvanceFakeClock(frame.work);
        const Uint32 before = VEK_GetTicks();
        CapFrameRate();
        EXPECT_EQ(frame.wait, VEK_GetTicks() - before);
        EXPECT_EQ(std::string("Now running at ") + frame.rate + " frames per second.", Caption());
    }
}

TEST(FrameRateCaption, WholeFramesPerSecondAndNoDivisionByZero)
{
    const std::pair<unsigned, const char*> table[] = {{20, "50"}, {21, "47"}, {1000, "1"}, {1001, "0"}, {0, "1000"}};
    for (auto [ms, rate] : table)
    {
        char text[64];
        FrameRateCaption(ms, text, sizeof text);
        EXPECT_EQ(std::string("Now running at ") + rate + " frames per second.", text) << ms;
    }
}
} // namespace
