#include "play/game_recorder.h"
#include <climits>
#include <cstdio>
#include <thread>
#include <utility>
#include "app/globals.h"
#include "app/options.h"
#include "play/replay.h"
#include "toolkit/safe_file.h"
#include "world/game_random.h"
#include "world/level_format.h"

const char* const LAST_GAME_REPLAY = "lastgame.replay";

namespace
{
const long long MAX_CLOCK_EXTRA_MS = 1000000000LL;

struct Recording
{
    bool going = false;
    bool firstFrameSeen = false;
    Replay replay;
    Uint32 lastFrameCount = 0;
    long long clockBefore = -REPLAY_FRAME_MS;
    int frames = 0;
};

Recording recording;

// A write still going when the program ends is waited for, never cut off.
struct Writer
{
    std::thread thread;
    ~Writer() { Join(); }
    void Join()
    {
        if (thread.joinable())
            thread.join();
    }
};
Writer writer;

bool IsHold(const ReplayStep& step) { return step.press.empty() && step.pause == 0; }

void AddHold(const FrameInput& input)
{
    std::vector<ReplayStep>& steps = recording.replay.steps;
    if (!steps.empty() && IsHold(steps.back()) && steps.back().left == input.left &&
        steps.back().right == input.right && steps.back().up == input.up)
    {
        steps.back().frames += 1;
        return;
    }
    ReplayStep step;
    step.frames = 1;
    step.left = input.left;
    step.right = input.right;
    step.up = input.up;
    steps.push_back(step);
}

void AddClock(long long extraMs)
{
    if (extraMs > MAX_CLOCK_EXTRA_MS)
        extraMs = MAX_CLOCK_EXTRA_MS;
    if (extraMs < -MAX_CLOCK_EXTRA_MS)
        extraMs = -MAX_CLOCK_EXTRA_MS;
    std::vector<ClockRun>& clock = recording.replay.clock;
    if (!clock.empty() && clock.back().extraMs == extraMs)
    {
        clock.back().frames += 1;
        return;
    }
    ClockRun run;
    run.extraMs = static_cast<int>(extraMs);
    run.frames = 1;
    clock.push_back(run);
}

void AddStep(const std::string& press, int pause)
{
    ReplayStep step;
    step.press = press;
    step.pause = pause;
    recording.replay.steps.push_back(step);
}

const char* const HEADER = "# The last game played, recorded by sumprun.\n";

Replay WithOutcomeNow(Replay replay)
{
    replay.hasExpect = true;
    replay.expect = GameOutcome(recording.frames);
    return replay;
}

// Even formatting a long game takes milliseconds; none of it is the
// frame's.
void WriteInBackground(const std::string& fileName, Replay replay)
{
    FinishRecordingWrites();
    writer.thread = std::thread([fileName, replay = std::move(replay)]() {
        if (!ReplaceFileSafely(fileName, HEADER + FormatReplay(replay)))
            std::fprintf(stderr, "sumprun: could not write the replay to %s\n", fileName.c_str());
    });
}
} // namespace

void BeginGameRecording()
{
    EndGameRecording();
    recording = Recording();
    recording.going = true;
    recording.replay.level = level;
    recording.replay.hasChecksum = true;
    recording.replay.checksum = LevelChecksum(LevelFileName(level));
    recording.replay.seed = GameRandomState();
}

void RecordGameFrame(const FrameInput& input, Uint32 levelClockAfter)
{
    if (!recording.going)
        return;
    if (!recording.firstFrameSeen)
    {
        recording.replay.firstFrameCount = frameCount;
        recording.firstFrameSeen = true;
    }
    else if (frameCount != recording.lastFrameCount + 1)
    {
        // The frames in between went by in a dialog.
        Uint32 pause = frameCount - recording.lastFrameCount - 1;
        AddStep("", pause > INT_MAX ? INT_MAX : static_cast<int>(pause));
    }
    recording.lastFrameCount = frameCount;
    if (input.press != FramePress::None)
        AddStep(PressName(input.press), 0);
    AddHold(input);
    AddClock(static_cast<long long>(input.levelClockMs) - (recording.clockBefore + REPLAY_FRAME_MS));
    recording.clockBefore = levelClockAfter;
    recording.frames += 1;
    if (GameOver())
        EndGameRecording();
}

void EndGameRecording()
{
    if (!recording.going)
        return;
    recording.going = false;
    if (!recording.firstFrameSeen)
        return;
    const std::string& chosen = ProgramOptions().record;
    WriteInBackground(chosen.empty() ? LAST_GAME_REPLAY : chosen, WithOutcomeNow(std::move(recording.replay)));
}

void FinishRecordingWrites() { writer.Join(); }
