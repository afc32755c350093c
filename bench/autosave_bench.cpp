// What the autosave costs the editor's frames on the densest legal level:
// editor frames with Insert held (a change every frame) run back to back
// on a clock that advances 20 ms a frame, so the level is handed to the
// writer every AUTOSAVE_HANDOVER_MS of that clock and the writer is busy
// writing (formatting, flushing to disk) almost all the time. Prints, for
// the whole frame (logic and drawing) without and with the autosave, and
// for the autosave's own share of the frame, the median, the 99th
// percentile and the longest, by the wall clock and by this thread's CPU
// time; then what copying the level's records and formatting them cost.
// Run it in a folder holding the game's assets; scripts/bench.sh does.
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <vector>
#include "app/globals.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "bench/frame_driver.h"
#include "editor/autosave.h"
#include "editor/editor.h"
#include "play/draw.h"
#include "play/level_file.h"
#include "toolkit/vek_clock.h"
#include "world/constants.h"

namespace
{
const Uint32 FRAME_MS = 20;
Uint32 fakeNow = 0;

struct Stamp
{
    double wall, cpu; // microseconds
};

Stamp Now()
{
    timespec w, c;
    clock_gettime(CLOCK_MONOTONIC, &w);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c);
    return {w.tv_sec * 1e6 + w.tv_nsec / 1e3, c.tv_sec * 1e6 + c.tv_nsec / 1e3};
}

struct Series
{
    std::vector<double> wall, cpu;
    void Add(const Stamp& from, const Stamp& to)
    {
        wall.push_back(to.wall - from.wall);
        cpu.push_back(to.cpu - from.cpu);
    }
};

double At(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * v.size()))];
}

void Print(const char* what, const Series& s)
{
    std::printf("%-26s %7zu %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f\n", what, s.wall.size(), At(s.wall, 0.5),
                At(s.wall, 0.99), At(s.wall, 1), At(s.cpu, 0.5), At(s.cpu, 0.99), At(s.cpu, 1));
}

// Editor frames as EditorState runs them, unpaced; the autosave's call
// timed on its own.
void RunFrames(int frames, Series& frame, Series* autosave)
{
    EditorSession session;
    // Insert held on the top-left cell: a tile replaced, the level changed,
    // in every frame.
    EditorInput input;
    input.insert = true;
    PushState(EditorState);
    for (int f = 0; f < frames; ++f)
    {
        fakeNow += FRAME_MS;
        const Stamp t0 = Now();
        EditorFrame(session, input);
        DrawGame();
        DrawEditor(session.cursor, session.mode, session.tileIndex, session.guyKind);
        const Stamp t1 = Now();
        if (autosave)
            AutosaveEditorFrame();
        const Stamp t2 = Now();
        frame.Add(t0, t2);
        if (autosave)
            autosave->Add(t1, t2);
    }
    PopState();
}
} // namespace

int main(int argc, char* argv[])
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 3000;
    if (frames <= 0 || !init() || !load_files())
    {
        std::fprintf(stderr, "usage: autosave_bench [FRAMES], in a folder holding the game's assets\n");
        return 1;
    }
    SetClips();
    SetGuyDefaults();
    VEK_SetTickSource([] { return fakeNow; });
    std::istringstream dense(DensestLevelText());
    LoadLevelFrom(dense);
    camera.SetBothSize(EDITOR_PANEL_X, SCREEN_HEIGHT);

    std::printf("# %zu tiles, %zu enemies, %zu cheese; %d frames each; microseconds\n", tile.size(), guy.size(),
                cheese.size(), frames);
    std::printf("%-26s %7s %9s %9s %9s %9s %9s %9s\n", "measure", "frames", "median", "p99", "longest", "cpu_med",
                "cpu_p99", "cpu_max");
    Series warm, without, with, share;
    RunFrames(frames / 10, warm, nullptr);
    RunFrames(frames, without, nullptr);
    BeginAutosave(false);
    RunFrames(frames, with, &share);
    FinishAutosave();
    Print("frame, no autosave", without);
    Print("frame, autosaving", with);
    Print("autosave's part of frame", share);

    Series snapshot, format;
    for (int i = 0; i < 50; ++i)
    {
        const Stamp t0 = Now();
        const LevelSnapshot level = SnapshotLevel();
        const Stamp t1 = Now();
        const std::string text = FormatLevel(level);
        const Stamp t2 = Now();
        snapshot.Add(t0, t1);
        format.Add(t1, t2);
    }
    Print("copy the records (frame)", snapshot);
    Print("format them (writer)", format);
    std::printf("# %zu bytes written per autosave\n", FormatLevel(SnapshotLevel()).size());
    clean_up();
    return 0;
}
