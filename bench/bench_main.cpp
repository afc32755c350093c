// The frame benchmark: plays the densest legal level and both shipped levels
// with their replays headless, timing every frame's logic and drawing, and
// prints median and 99th percentile per frame against the 20 ms budget.
//
//   sumprun-bench [--runs N] [--dense-frames N] [--replays DIR]
//   sumprun-bench --count SCENARIO logic|draw FRAMES   (under callgrind)
//   sumprun-bench --pictures DIR                       (reference pictures)
//   sumprun-bench --editor                             (undo, redo, test play)
//
// Run it in a folder holding the game's assets and level files;
// scripts/bench.sh prepares one.
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "bench/editor_bench.h"
#include "bench/frame_driver.h"
#include "bench/pictures.h"
#include "play/level_file.h"
#include "play/replay.h"

static const double FRAME_BUDGET_US = 20000.0;
static const int DENSE_SLOT = 7;

static bool LoadScenarios(const std::string& replayDir, int denseFrames, std::vector<Scenario>& scenarios)
{
    std::ofstream(LevelFileName(DENSE_SLOT)) << DensestLevelText();
    scenarios.push_back(MakeScenario("densest", DensestLevelReplay(DENSE_SLOT, denseFrames)));
    for (const char* name : {"rat_adventure", "eel_challenge"})
    {
        Replay replay;
        std::string error;
        if (!LoadReplay(replayDir + "/" + name + ".replay", replay, &error))
        {
            std::fprintf(stderr, "sumprun-bench: %s: %s\n", name, error.c_str());
            return false;
        }
        scenarios.push_back(MakeScenario(name, replay));
    }
    return true;
}

static const Scenario* Find(const std::vector<Scenario>& scenarios, const std::string& name)
{
    for (const Scenario& s : scenarios)
        if (s.name == name)
            return &s;
    return nullptr;
}

// Each measure twice: by the wall clock, and by the CPU time of this
// thread, which leaves out the time the thread waited for a core (on a
// busy machine the wall clock's tail is mostly other programs).
struct Series
{
    std::vector<double> wall;
    std::vector<double> cpu;
};

struct Samples
{
    Series logic; // every frame
    Series draw;  // drawn frames only
    Series drawn; // logic + drawing of drawn frames
};

struct Stamp
{
    double wall, cpu; // microseconds
};

static Stamp Now()
{
    timespec w, c;
    clock_gettime(CLOCK_MONOTONIC, &w);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c);
    return {w.tv_sec * 1e6 + w.tv_nsec / 1e3, c.tv_sec * 1e6 + c.tv_nsec / 1e3};
}

static void Add(Series& series, const Stamp& from, const Stamp& to)
{
    series.wall.push_back(to.wall - from.wall);
    series.cpu.push_back(to.cpu - from.cpu);
}

static void TimeRun(const Scenario& s, Samples* samples)
{
    FrameDriver driver(s);
    for (;;)
    {
        Stamp t0 = Now();
        FrameDrawing drawing = driver.Logic();
        Stamp t1 = Now();
        if (drawing == FrameDrawing::Ended)
            break;
        driver.Draw(drawing);
        Stamp t2 = Now();
        if (samples)
        {
            Add(samples->logic, t0, t1);
            if (drawing != FrameDrawing::Nothing)
            {
                Add(samples->draw, t1, t2);
                Add(samples->drawn, t0, t2);
            }
        }
    }
}

static double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    size_t rank = static_cast<size_t>(std::ceil(p * v.size()));
    return v[std::min(v.size(), std::max<size_t>(rank, 1)) - 1];
}

static void PrintRow(const std::string& scenario, const char* measure, const Series& s)
{
    double median = Percentile(s.wall, 0.5);
    double p99 = Percentile(s.wall, 0.99);
    double cpuMedian = Percentile(s.cpu, 0.5);
    double cpuP99 = Percentile(s.cpu, 0.99);
    std::printf("%-14s %-12s %7zu %10.1f %10.1f %9.2f%% %9.2f%% %10.1f %10.1f %9.2f%%\n", scenario.c_str(), measure,
                s.wall.size(), median, p99, 100 * median / FRAME_BUDGET_US, 100 * p99 / FRAME_BUDGET_US, cpuMedian,
                cpuP99, 100 * cpuP99 / FRAME_BUDGET_US);
    std::fflush(stdout);
}

static int TimeAll(const std::vector<Scenario>& scenarios, int runs)
{
    std::printf("%-14s %-12s %7s %10s %10s %10s %10s %10s %10s %10s\n", "level", "measure", "frames", "median_us",
                "p99_us", "median/20ms", "p99/20ms", "cpu_median", "cpu_p99", "cpu_p99/20ms");
    for (const Scenario& s : scenarios)
    {
        TimeRun(s, nullptr); // warm-up: caches, allocator, first-use costs
        Samples samples;
        for (int r = 0; r < runs; ++r)
            TimeRun(s, &samples);
        PrintRow(s.name, "logic", samples.logic);
        PrintRow(s.name, "draw", samples.draw);
        PrintRow(s.name, "drawn_frame", samples.drawn);
    }
    return 0;
}

// Only the chosen part of every frame is counted by callgrind, which runs
// with collection off until the first toggle.
static int Count(const Scenario& s, bool logic, int frames)
{
    FrameDriver driver(s);
    int counted = 0;
    while (counted < frames)
    {
        if (logic)
            CALLGRIND_TOGGLE_COLLECT;
        FrameDrawing drawing = driver.Logic();
        if (logic)
            CALLGRIND_TOGGLE_COLLECT;
        if (drawing == FrameDrawing::Ended)
            break;
        if (!logic && drawing != FrameDrawing::Nothing)
        {
            CALLGRIND_TOGGLE_COLLECT;
            driver.Draw(drawing);
            CALLGRIND_TOGGLE_COLLECT;
        }
        if (logic || drawing != FrameDrawing::Nothing)
            ++counted;
    }
    std::printf("counted %d\n", counted);
    return 0;
}

int main(int argc, char* argv[])
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    int runs = 5;
    int denseFrames = 3000;
    std::string replayDir = "replays";
    std::string countScenario, countPart, picturesDir;
    int countFrames = 0;
    bool editor = false;
    for (int i = 1; i < argc; ++i)
    {
        std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (a == "--dense-frames" && i + 1 < argc)
            denseFrames = std::atoi(argv[++i]);
        else if (a == "--replays" && i + 1 < argc)
            replayDir = argv[++i];
        else if (a == "--count" && i + 3 < argc)
        {
            countScenario = argv[++i];
            countPart = argv[++i];
            countFrames = std::atoi(argv[++i]);
        }
        else if (a == "--pictures" && i + 1 < argc)
            picturesDir = argv[++i];
        else if (a == "--editor")
            editor = true;
        else
        {
            std::fprintf(stderr, "sumprun-bench: unknown argument %s\n", a.c_str());
            return 2;
        }
    }

    if (!init() || !load_files())
    {
        std::fprintf(stderr, "sumprun-bench: the game could not start here (assets missing?)\n");
        return 1;
    }
    SetClips();
    SetGuyDefaults();
    frameTimer.Start();

    std::vector<Scenario> scenarios;
    if (!LoadScenarios(replayDir, denseFrames, scenarios))
        return 1;

    int status = 0;
    if (editor)
        status = TimeEditor();
    else if (!picturesDir.empty())
        status = WritePictures(picturesDir, scenarios);
    else if (!countScenario.empty())
    {
        const Scenario* s = Find(scenarios, countScenario);
        status = s ? Count(*s, countPart == "logic", countFrames) : 2;
    }
    else
        status = TimeAll(scenarios, runs);

    clean_up();
    return status;
}
