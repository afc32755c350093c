#include "bench/frame_driver.h"
#include <algorithm>
#include "world/level_format.h"

std::vector<ReplayFrame> ExpandReplay(const Replay& replay)
{
    std::vector<ReplayFrame> frames;
    ReplayFrame pending;
    for (const ReplayStep& step : replay.steps)
    {
        if (!step.press.empty())
            pending.press = step.press;
        else if (step.pause > 0)
            pending.pause += step.pause;
        for (int f = 0; f < step.frames; ++f)
        {
            ReplayFrame frame = pending;
            frame.left = step.left;
            frame.right = step.right;
            frame.up = step.up;
            frames.push_back(frame);
            pending = ReplayFrame();
        }
    }
    // Each run of the clock lines gives its extra to that many frames.
    size_t f = 0;
    for (const ClockRun& run : replay.clock)
        for (int i = 0; i < run.frames && f < frames.size(); ++i)
            frames[f++].clockExtraMs = run.extraMs;
    return frames;
}

Scenario MakeScenario(const std::string& name, const Replay& replay) { return {name, replay, ExpandReplay(replay)}; }

FrameDriver::FrameDriver(const Scenario& scenario)
    : scenario(scenario), game(new ReplayGame(scenario.replay, ReplayMode::Headless))
{
}

FrameDriver::~FrameDriver() = default;

int FrameDriver::Frames() const { return game->Frames(); }

std::optional<FrameDrawing> FrameDriver::Logic()
{
    if (over || next >= scenario.frames.size())
        return std::nullopt;
    const ReplayFrame& f = scenario.frames[next++];
    if (!f.press.empty())
        game->Press(PressFromName(f.press));
    if (f.pause > 0)
        game->Pause(f.pause);
    const int before = game->Frames();
    over = !game->Frame(f.left, f.right, f.up, f.clockExtraMs);
    if (game->Frames() == before)
        return std::nullopt;
    return LastFrameDrawing();
}

static const int DENSE_BURGERS = 100;
static const int DENSE_EELS = 99;
static const int DENSE_CHEESES = 500;

std::string DensestLevelText()
{
    std::string text;
    AppendLevelRecord(text, RecordTag(RECORD_RAT), {96, 96});
    // Enemies and cheese on cells spread evenly over the level, by a step
    // prime to the cell count so that no two share a cell.
    const int cells = TILES_WIDE * TILES_HIGH;
    auto cellX = [](int cell) { return (cell % TILES_WIDE) * TILE_WIDTH; };
    auto cellY = [](int cell) { return (cell / TILES_WIDE) * TILE_HEIGHT; };
    for (int i = 0; i < DENSE_BURGERS; ++i)
    {
        int cell = (i * 59 + 7) % cells;
        AppendLevelRecord(text, RecordTag(RECORD_BURGER), {cellX(cell), cellY(cell)});
    }
    for (int i = 0; i < DENSE_EELS; ++i)
    {
        int cell = (i * 61 + 29) % cells;
        AppendLevelRecord(text, RecordTag(RECORD_EEL), {cellX(cell), cellY(cell)});
    }
    AppendLevelRecord(text, RecordTag(RECORD_SCIENTIST), {5760, 600});
    for (int i = 0; i < DENSE_CHEESES; ++i)
    {
        int cell = (i * 11 + 3) % cells;
        AppendLevelRecord(text, RecordTag(RECORD_CHEESE), {cellX(cell), cellY(cell)});
    }
    // Every third cell water, the rest every terrain kind in turn.
    for (int row = 0; row < TILES_HIGH; ++row)
        for (int col = 0; col < TILES_WIDE; ++col)
        {
            const bool water = (col + row) % 3 == 0;
            AppendTileRecord(text, TileAt(int(TileX(col)), int(TileY(row)), water, (col + row * 5) % TERRAIN_TILES));
        }
    return text;
}

Replay DensestLevelReplay(int slot, int frames)
{
    // Forty frames right, ten jumping right, forty left, ten jumping left.
    struct Phase
    {
        int frames;
        bool left, right, up;
    };
    static const Phase PHASES[] = {
        {40, false, true, false}, {10, false, true, true}, {40, true, false, false}, {10, true, false, true}};
    Replay replay;
    replay.level = slot;
    replay.seed = 1;
    for (int done = 0, p = 0; done < frames; ++p)
    {
        const Phase& phase = PHASES[p % 4];
        ReplayStep step;
        step.frames = std::min(phase.frames, frames - done);
        step.left = phase.left;
        step.right = phase.right;
        step.up = phase.up;
        replay.steps.push_back(step);
        done += step.frames;
    }
    return replay;
}
