#include <csignal>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "tests/app/app_test.h"
#include "toolkit/vek_clock.h"
#include "toolkit/vek_signals.h"

namespace
{
int waits = 0;
int signalNumber = SIGTERM;

// The signal arrives during the first wait of a frame or a dialog. Should a
// state never end, a Return and an emptied stack make it give up, so the
// test fails instead of hanging.
void SignalOnFirstWait(Uint32 ms)
{
    AdvanceFakeClock(ms);
    if (++waits == 1)
        std::raise(signalNumber);
    if (waits == 200)
    {
        PopAll();
        PushKeyPress(SDLK_RETURN);
    }
}

TEST_F(AppTest, ASignalEmptiesTheStackWhateverIsOnIt)
{
    VEK_CatchTerminationSignals(); // for good: no other test of this program raises one
    const StateFunction stacks[][3] = {{MenuState},
                                       {MenuState, QuitToDosState},
                                       {MenuState, PauseState, QuitToMenuState},
                                       {MenuState, OptionsState},
                                       {MenuState, HelpState},
                                       {MenuState, LostState}};
    for (const auto& stack : stacks)
        for (int number : {SIGTERM, SIGINT, SIGHUP})
        {
            SCOPED_TRACE(testing::Message() << "stack " << &stack - stacks << " signal " << number);
            for (StateFunction state : stack)
                if (state)
                    PushState(state);
            signalNumber = number;
            waits = 0;
            VEK_SetDelaySink(SignalOnFirstWait);
            RunStates();
            EXPECT_TRUE(StateStack.empty());
            EXPECT_LE(waits, 2) << "more than a frame after the signal";
            VEK_ForgetTerminationRequest();
            ResetGameState();
        }
}
} // namespace
