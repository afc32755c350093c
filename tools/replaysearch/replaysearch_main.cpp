// sumprun-replaysearch LEVEL SEED OUT.replay [MAX_FRAMES [START.replay]]
//
// Searches held-key sequences that win a level, run in a folder holding the
// assets and the level files. The game lives in globals, so a state is
// copied by fork(): each candidate runs in a child process from the current
// state and reports a score through a pipe. No sound is opened, so no other
// thread is running when a child is made. The search is greedy with a
// two-macro lookahead; when every choice dies it backs up a few macros and
// bans the one it took there. The found sequence is checked with RunReplay
// and written with its expect line.
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/startup.h"
#include "app/state_stack.h"
#include "enemies/guy.h"
#include "enemies/scientist.h"
#include "play/play_state.h"
#include "play/replay.h"
#include "play/replay_run.h"
#include "toolkit/printable.h"
#include "toolkit/safe_file.h"

namespace
{

struct Macro
{
    bool left, right, up;
    int frames;
};

const std::vector<Macro> MACROS = {
    {false, true, false, 8},   {false, true, true, 8},  {false, true, true, 16},  {false, false, false, 8},
    {true, false, false, 8},   {true, false, true, 12}, {false, false, true, 12}, {false, true, false, 3},
    {false, false, false, 24}, {false, true, true, 26}, {true, false, false, 3},  {true, false, true, 4},
};
const std::vector<Macro> ESCAPES = {
    {false, false, false, 24}, {false, true, false, 24}, {false, true, true, 24},
    {true, false, false, 24},  {true, false, true, 24},
};

// The game being searched, run through the replays' own frame loop.
ReplayGame* game = nullptr;
// Steps played before the search starts (a partial run to resume from).
std::vector<ReplayStep> prefix;

int FramesRun() { return game ? game->Frames() : 0; }

bool Frame(const Macro& m) { return game->Frame(m.left, m.right, m.up); }

// Only ever in a child process, which exits with the game still going.
void StartRun(int slot, unsigned seed)
{
    Replay start;
    start.level = slot;
    start.seed = seed;
    game = new ReplayGame(start, ReplayMode::Headless);
}

// Runs a macro; false when the game ended or a life was lost on the way.
bool RunMacro(const Macro& m, bool stopOnDeath)
{
    int lives = rat.GetLives();
    for (int f = 0; f < m.frames; ++f)
    {
        if (!Frame(m))
            return false;
        if (stopOnDeath && rat.GetLives() < lives)
            return false;
    }
    return true;
}

Scientist* FindScientist()
{
    for (Guy* g : guy)
        if (g->GetTag() == RecordTag(RECORD_SCIENTIST))
            return static_cast<Scientist*>(g);
    return nullptr;
}

// Stomps that counted: three hurts, then the one that kills.
int Hits(Scientist* s)
{
    if (!s)
        return 4;
    return (3 - s->GetHitPoints()) + (s->IsDead() ? 1 : 0);
}

bool InArena() { return rat.GetXPos() > 5472 && rat.GetYPos() > 400; }

// Is there anything to stand on below the rat, near where it is?
bool SupportBelow()
{
    int left = rat.GetXPos() - 48, right = rat.GetXPos() + rat.GetXSize() + 48;
    int bottom = rat.GetYPos() + rat.GetYSize();
    for (Tile* t : tile)
        if (t->TopIsImp() && t->GetYPos() >= bottom - 4 && t->GetXPos() + 32 > left && t->GetXPos() < right)
            return true;
    return false;
}

double Score(int startLives)
{
    if (IsTopState(WonState))
        return 1e12 - FramesRun();
    if (rat.GetLives() < startLives || !rat.IsAlive())
        return -1e9;
    double score = 0;
    if (!SupportBelow())
        score -= 1e6;
    Scientist* s = FindScientist();
    if (!InArena())
        return score + rat.GetXPos() * 10.0 + ::score * 15.0;
    score += 1e6 + Hits(s) * 1e5;
    if (!s)
        return score;
    int ratCx = rat.GetXPos() + 20, sciCx = s->GetXPos() + 60;
    int ratBottom = rat.GetYPos() + 60;
    int dx = std::abs(ratCx - sciCx);
    if (s->IsVulnerable() && s->GetAction() != SCI_DRINK)
        score += -dx * 4 - (ratBottom > s->GetYPos() ? 600 : 0) - std::max(0, ratBottom - 600);
    else
        score += std::min(dx, 260) * 4 - std::max(0, ratBottom - 600) * 2;
    return score;
}

// Forks, runs body in the child, and reads back the double it reports.
template <class Body>
double InChild(Body body)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1e18;
    pid_t pid = fork();
    if (pid < 0)
    {
        std::perror("sumprun-replaysearch: fork");
        close(fds[0]);
        close(fds[1]);
        return -1e18;
    }
    if (pid == 0)
    {
        close(fds[0]);
        double value = body();
        if (write(fds[1], &value, sizeof value) != sizeof value)
            _exit(1);
        _exit(0);
    }
    close(fds[1]);
    double value = -1e18;
    if (read(fds[0], &value, sizeof value) != sizeof value)
        value = -1e18;
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return value;
}

double EvaluateCandidate(int first, int second)
{
    return InChild([&]() {
        int lives = rat.GetLives();
        bool going = RunMacro(MACROS[first], true) && RunMacro(MACROS[second], true);
        if (IsTopState(WonState))
            return 1e12 - FramesRun();
        if (!going || rat.GetLives() < lives)
            return -1e9 + FramesRun();
        return Score(lives);
    });
}

// After the candidate, some way to live on for a while must be left.
bool LeavesAWayOut(int first, int second)
{
    return InChild([&]() {
               int lives = rat.GetLives();
               RunMacro(MACROS[first], true);
               RunMacro(MACROS[second], true);
               for (const Macro& escape : ESCAPES)
               {
                   double after = InChild([&]() {
                       // Safe means: landed somewhere and still alive a while later.
                       bool ok = RunMacro(escape, true);
                       Macro drift = {escape.left, escape.right, false, 1};
                       for (int f = 0; ok && f < 60 && rat.GetJumpState() != RAT_GROUNDED; ++f)
                           ok = RunMacro(drift, true);
                       ok = ok && rat.GetJumpState() == RAT_GROUNDED && RunMacro({false, false, false, 12}, true);
                       if (IsTopState(WonState))
                           return 1.0;
                       return ok && rat.GetLives() == lives ? 1.0 : 0.0;
                   });
                   if (after > 0)
                       return 1.0;
               }
               return 0.0;
           }) > 0;
}

// How one search attempt ended.
enum class Result
{
    Won,
    Stuck,
    TooLong
};

Replay ToReplay(int slot, unsigned seed, const std::vector<int>& steps);
std::string partialName;

// One search attempt from the start with a given prefix: whether it won,
// found no way on, or ran out of frames or lives; the macros it took are
// left in steps.
Result Attempt(int slot, unsigned seed, std::vector<int>& steps, const std::set<std::pair<size_t, int>>& bans,
               int maxFrames)
{
    int fds[2];
    if (pipe(fds) != 0)
        return Result::Stuck;
    pid_t pid = fork();
    if (pid < 0)
    {
        std::perror("sumprun-replaysearch: fork");
        close(fds[0]);
        close(fds[1]);
        return Result::Stuck;
    }
    if (pid == 0)
    {
        close(fds[0]);
        StartRun(slot, seed);
        for (const ReplayStep& p : prefix)
            RunMacro({p.left, p.right, p.up, p.frames}, false);
        for (int m : steps)
            RunMacro(MACROS[m], false);
        Result result = Result::Stuck;
        while (true)
        {
            if (IsTopState(WonState))
            {
                result = Result::Won;
                break;
            }
            if (FramesRun() > maxFrames || GameOver())
            {
                result = Result::TooLong;
                break;
            }
            struct Candidate
            {
                double value;
                int first, second;
            };
            std::vector<Candidate> candidates;
            for (size_t a = 0; a < MACROS.size(); ++a)
            {
                if (bans.count({steps.size(), static_cast<int>(a)}))
                    continue;
                for (size_t b = 0; b < MACROS.size(); ++b)
                    candidates.push_back({EvaluateCandidate(static_cast<int>(a), static_cast<int>(b)),
                                          static_cast<int>(a), static_cast<int>(b)});
            }
            std::stable_sort(candidates.begin(), candidates.end(),
                             [](const Candidate& x, const Candidate& y) { return x.value > y.value; });
            int bestMacro = -1;
            for (size_t i = 0; i < candidates.size(); ++i)
            {
                if (candidates[i].value < -1e8)
                    break;
                if (candidates[i].value > 1e11 || LeavesAWayOut(candidates[i].first, candidates[i].second))
                {
                    bestMacro = candidates[i].first;
                    break;
                }
            }
            if (bestMacro < 0)
            {
                std::fprintf(stderr, "  no way on at frame %d x %d y %d\n", FramesRun(), rat.GetXPos(), rat.GetYPos());
                break;
            }
            steps.push_back(bestMacro);
            RunMacro(MACROS[bestMacro], false);
            if (steps.size() % 10 == 0)
            {
                // Progress only: a failed write loses nothing the search needs.
                ReplaceFileSafely(partialName, FormatReplay(ToReplay(slot, seed, steps)));
                Scientist* s = FindScientist();
                std::fprintf(stderr, "  frame %d x %d y %d lives %d score %d hits %d sci x %d action %d%s\n",
                             FramesRun(), rat.GetXPos(), rat.GetYPos(), rat.GetLives(), score, Hits(s),
                             s ? s->GetXPos() : -1, s ? s->GetAction() : -1,
                             s && s->IsVulnerable() ? " vulnerable" : "");
            }
        }
        int count = static_cast<int>(steps.size());
        int code = static_cast<int>(result);
        if (write(fds[1], &code, sizeof code) < 0 || write(fds[1], &count, sizeof count) < 0 ||
            write(fds[1], steps.data(), sizeof(int) * steps.size()) < 0)
            _exit(1);
        _exit(0);
    }
    close(fds[1]);
    int code = 1, count = 0;
    if (read(fds[0], &code, sizeof code) != sizeof code || read(fds[0], &count, sizeof count) != sizeof count)
        code = 1;
    steps.resize(count);
    size_t got = 0;
    while (got < sizeof(int) * count)
    {
        ssize_t n = read(fds[0], reinterpret_cast<char*>(steps.data()) + got, sizeof(int) * count - got);
        if (n <= 0)
            break;
        got += n;
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return static_cast<Result>(code);
}

Replay ToReplay(int slot, unsigned seed, const std::vector<int>& steps)
{
    Replay replay;
    replay.level = slot;
    replay.seed = seed;
    replay.steps = prefix;
    for (int m : steps)
    {
        const Macro& macro = MACROS[m];
        ReplayStep step;
        step.left = macro.left;
        step.right = macro.right;
        step.up = macro.up;
        step.frames = macro.frames;
        // Runs of the same keys make one line.
        if (!replay.steps.empty() && replay.steps.back().left == step.left && replay.steps.back().right == step.right &&
            replay.steps.back().up == step.up)
            replay.steps.back().frames += step.frames;
        else
            replay.steps.push_back(step);
    }
    return replay;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        std::cerr << "usage: sumprun-replaysearch LEVEL SEED OUT.replay [MAX_FRAMES [START.replay]]\n";
        return 1;
    }
    int slot = std::atoi(argv[1]);
    unsigned seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    std::string outName = argv[3];
    int maxFrames = argc > 4 ? std::atoi(argv[4]) : 6000;
    partialName = outName + ".partial";
    if (argc > 5)
    {
        Replay start;
        std::string error;
        if (!LoadReplay(argv[5], start, &error))
        {
            std::cerr << Printable(argv[5]) << ": " << error << "\n";
            return 1;
        }
        prefix = start.steps;
    }
    // No sound at all: a child forked while an audio thread holds its lock
    // could wait on it for ever.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (!init(false) || !load_files(false))
    {
        std::cerr << "the game could not start here (assets missing?)\n";
        return 1;
    }
    SetClips();
    SetGuyDefaults();

    std::vector<int> steps;
    std::set<std::pair<size_t, int>> bans;
    int backOff = 2;
    for (int attempt = 0; attempt < 60; ++attempt)
    {
        Result result = Attempt(slot, seed, steps, bans, maxFrames);
        if (result == Result::Won)
            break;
        std::fprintf(stderr, "attempt %d stuck after %zu macros; backing up %d\n", attempt, steps.size(), backOff);
        size_t keep = steps.size() > static_cast<size_t>(backOff) ? steps.size() - backOff : 0;
        if (keep < steps.size())
            bans.insert({keep, steps[keep]});
        steps.resize(keep);
        backOff = std::min(backOff + 1, 12);
    }

    Replay replay = ToReplay(slot, seed, steps);
    ReplayOutcome outcome = RunReplay(replay);
    replay.hasExpect = true;
    replay.expect = outcome;
    if (!ReplaceFileSafely(outName, "# Found by sumprun-replaysearch: a run through the whole level and the\n"
                                    "# scientist's four stomps.\n" +
                                        FormatReplay(replay)))
    {
        std::perror(outName.c_str());
        return 1;
    }
    std::cout << FormatOutcome(outcome) << "\n";
    return outcome.result == "won" ? 0 : 2;
}
