#include "bench/editor_bench.h"
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <sstream>
#include <vector>
#include "app/globals.h"
#include "bench/frame_driver.h"
#include "editor/editor.h"
#include "editor/test_play.h"
#include "play/level_file.h"
#include "world/constants.h"
#include "world/tile_grid.h"

namespace
{

const double STEP_BUDGET_MS = 10.0;
const double MEMORY_BUDGET_MB = 32.0;
const int TEST_PLAYS = 50;

double Ms(clockid_t clock)
{
    timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Wall-clock and thread CPU times of each run, in ms. On a busy machine the
// wall clock also counts the time other programs had the processor; the
// budget is held against the CPU time.
struct Times
{
    std::vector<double> wall, cpu;
};

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, size_t(p * v.size()))];
}

// The press's frame and the next frame's tile grid, which the drawing
// rebuilds for the changed list: what the author waits for.
template <typename Act>
void Time(Times& times, Act act)
{
    const double wall = Ms(CLOCK_MONOTONIC), cpu = Ms(CLOCK_THREAD_CPUTIME_ID);
    act();
    CheckedGridOf(tile);
    times.cpu.push_back(Ms(CLOCK_THREAD_CPUTIME_ID) - cpu);
    times.wall.push_back(Ms(CLOCK_MONOTONIC) - wall);
}

bool Report(const char* what, const Times& t, double budget)
{
    const double worst = Percentile(t.cpu, 1.0);
    std::printf("%-18s %6zu %9.3f %9.3f %9.3f %9.3f %9.3f %7.1f %s\n", what, t.cpu.size(), Percentile(t.wall, 0.5),
                Percentile(t.wall, 0.99), Percentile(t.cpu, 0.5), Percentile(t.cpu, 0.99), worst, budget,
                worst <= budget ? "ok" : "OVER");
    return worst <= budget;
}

} // namespace

int TimeEditor()
{
    std::istringstream level(DensestLevelText());
    TheEditHistory().Clear();
    LoadLevelFrom(level);
    StartEditorSession();
    CheckedGridOf(tile);
    std::printf("# The densest level: %zu tiles, %zu enemies, %zu cheese. Times in ms.\n", tile.size(), guy.size(),
                cheese.size());
    std::printf("%-18s %6s %9s %9s %9s %9s %9s %7s\n", "measure", "count", "wall_med", "wall_p99", "cpu_med", "cpu_p99",
                "cpu_max", "budget");

    // A thousand one-cell steps, each replacing a cell's tile with another
    // kind, spread over the level.
    EditorSession& s = CurrentEditorSession();
    s.mode = ELEM_TERRAIN;
    const size_t heapBefore = mallinfo2().uordblks;
    EditorInput insert, none, undo, redo;
    insert.insert = true;
    undo.press = EditorPress::Undo;
    redo.press = EditorPress::Redo;
    const int cells = TILES_WIDE * TILES_HIGH;
    for (size_t i = 0; i < EDIT_HISTORY_STEPS; ++i)
    {
        const int cell = int(i * 37 % cells);
        s.cursor.SetBothPos(cell % TILES_WIDE * TILE_WIDTH, cell / TILES_WIDE * TILE_HEIGHT);
        s.tileIndex = int(i % TERRAIN_TILES);
        EditorFrame(s, insert);
        EditorFrame(s, none);
    }
    const double heldMb = double(mallinfo2().uordblks - heapBefore) / (1024.0 * 1024.0);
    bool within = heldMb <= MEMORY_BUDGET_MB;
    std::printf("%-18s %6zu %9.2f MB of heap held by the steps, budget %.1f MB: %s\n", "steps_held",
                TheEditHistory().UndoCount(), heldMb, MEMORY_BUDGET_MB, within ? "ok" : "OVER");

    Times undos, redos;
    while (TheEditHistory().UndoCount() > 0)
        Time(undos, [&] { EditorFrame(s, undo); });
    while (TheEditHistory().RedoCount() > 0)
        Time(redos, [&] { EditorFrame(s, redo); });
    within &= Report("undo", undos, STEP_BUDGET_MS);
    within &= Report("redo", redos, STEP_BUDGET_MS);

    Times starts, returns;
    for (int i = 0; i < TEST_PLAYS; ++i)
    {
        Time(starts, [&] { BeginTestPlay(i % 2 == 1); });
        Time(returns, [] { EndTestPlay(); });
    }
    within &= Report("test_play_start", starts, STEP_BUDGET_MS);
    within &= Report("test_play_return", returns, STEP_BUDGET_MS);
    TheEditHistory().Clear();
    ClearWorld();
    return within ? 0 : 1;
}
