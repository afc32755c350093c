// Preloaded into the real game by scripts/bench-live.sh to time its frames
// from outside: every frame ends in the frame cap's SDL_Delay, so the
// moments the main thread's waits return are the frame boundaries. The
// times are kept in memory and appended to $SUMPRUN_FRAME_LOG, one
// CLOCK_MONOTONIC microsecond count a line, when SIGUSR1 arrives; a "--"
// line then closes the batch. The first batch also holds the start-up time:
// from this library's loading to the first SDL_Flip, on a "start-up" line.
#include <SDL.h>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace
{
std::vector<long long>* stamps = nullptr;
std::atomic<bool> dumpWanted{false};
long long loadedAt = 0;
long long firstFlipAt = 0;
bool startupWritten = false;

void OnDumpSignal(int) { dumpWanted = true; }

long long NowMicros()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

void Dump()
{
    const char* name = std::getenv("SUMPRUN_FRAME_LOG");
    if (FILE* f = name ? std::fopen(name, "a") : nullptr)
    {
        if (firstFlipAt && !startupWritten)
        {
            std::fprintf(f, "start-up %lld\n", firstFlipAt - loadedAt);
            startupWritten = true;
        }
        for (long long t : *stamps)
            std::fprintf(f, "%lld\n", t);
        std::fprintf(f, "--\n");
        std::fclose(f);
    }
    stamps->clear();
}

__attribute__((constructor)) void StartFrameClock()
{
    loadedAt = NowMicros();
    stamps = new std::vector<long long>();
    stamps->reserve(1 << 16);
    std::signal(SIGUSR1, OnDumpSignal);
}
} // namespace

extern "C" void SDL_Delay(Uint32 ms)
{
    using DelayFunction = void (*)(Uint32);
    static DelayFunction real = reinterpret_cast<DelayFunction>(dlsym(RTLD_NEXT, "SDL_Delay"));
    real(ms);
    // Other threads (audio) may wait too; only the game loop's waits count.
    if (syscall(SYS_gettid) != getpid())
        return;
    stamps->push_back(NowMicros());
    if (dumpWanted.exchange(false))
        Dump();
}

extern "C" int SDL_Flip(SDL_Surface* screen)
{
    using FlipFunction = int (*)(SDL_Surface*);
    static FlipFunction real = reinterpret_cast<FlipFunction>(dlsym(RTLD_NEXT, "SDL_Flip"));
    if (!firstFlipAt)
        firstFlipAt = NowMicros();
    return real(screen);
}
