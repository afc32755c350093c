#include "toolkit/vek_signals.h"
#include <csignal>

static volatile sig_atomic_t terminationRequested = 0;

// Async-signal-safe: it only sets the flag.
static void NoteTermination(int) { terminationRequested = 1; }

void VEK_CatchTerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = NoteTermination;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: a request must not make a file read or a wait
    // fail halfway.
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

bool VEK_TerminationRequested() { return terminationRequested != 0; }

void VEK_ForgetTerminationRequest() { terminationRequested = 0; }
