#include "play/replay.h"
#include <cstdlib>
#include <fstream>
#include <sstream>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "play/draw.h"
#include "play/play_state.h"
#include "toolkit/vek_clock.h"
#include "world/game_random.h"

// A replay's game clock: 20 ms per frame, the paced frame length.
static const Uint32 REPLAY_FRAME_MS = 20;
static const Uint32 REPLAY_CLOCK_START = 1000;

static bool Fail(std::string* error, int lineNumber, const std::string& message)
{
    if (error)
        *error = "line " + std::to_string(lineNumber) + ": " + message;
    return false;
}

// A whole token as a non-negative int; nothing else accepted.
static bool ParseCount(const std::string& token, long long limit, long long& value)
{
    if (token.empty() || token.size() > 10)
        return false;
    for (char c : token)
        if (c < '0' || c > '9')
            return false;
    value = std::stoll(token);
    return value <= limit;
}

static bool ParseInt(const std::string& token, int& value)
{
    std::istringstream in(token);
    long long v = 0;
    char rest = 0;
    if (!(in >> v) || (in >> rest) || v < -2147483647LL || v > 2147483647LL)
        return false;
    value = static_cast<int>(v);
    return true;
}

static bool ParseHeldKeys(const std::string& keys, ReplayStep& step)
{
    if (keys == "-")
        return true;
    for (char c : keys)
    {
        bool* key = c == 'L' ? &step.left : c == 'R' ? &step.right : c == 'U' ? &step.up : nullptr;
        if (!key || *key)
            return false;
        *key = true;
    }
    return !keys.empty();
}

static bool IsPressKey(const std::string& key) { return key == "p" || key == "escape" || key == "return"; }

static bool ParseOutcome(const std::vector<std::string>& words, size_t first, ReplayOutcome& outcome)
{
    if (words.size() != first + 6)
        return false;
    outcome.result = words[first];
    if (outcome.result != "won" && outcome.result != "lost" && outcome.result != "running")
        return false;
    return ParseInt(words[first + 1], outcome.frame) && ParseInt(words[first + 2], outcome.lives) &&
           ParseInt(words[first + 3], outcome.score) && ParseInt(words[first + 4], outcome.ratX) &&
           ParseInt(words[first + 5], outcome.ratY);
}

bool ParseReplay(const std::string& text, Replay& replay, std::string* error)
{
    replay = Replay();
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line))
    {
        ++lineNumber;
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string w; in >> w;)
            words.push_back(w);
        if (words.empty() || words[0][0] == '#')
            continue;
        const std::string& command = words[0];
        long long value = 0;
        if (command == "level")
        {
            if (words.size() != 2 || !ParseCount(words[1], 2, value))
                return Fail(error, lineNumber, "level needs a slot 0, 1 or 2");
            replay.level = static_cast<int>(value);
        }
        else if (command == "seed")
        {
            if (words.size() != 2 || !ParseCount(words[1], 4294967295LL, value))
                return Fail(error, lineNumber, "seed needs an unsigned number");
            replay.seed = static_cast<unsigned>(value);
        }
        else if (command == "hold")
        {
            ReplayStep step;
            if (words.size() != 3 || !ParseCount(words[1], 100000000LL, value) || !ParseHeldKeys(words[2], step))
                return Fail(error, lineNumber, "hold needs a frame count and keys from L, R, U (or -)");
            step.frames = static_cast<int>(value);
            replay.steps.push_back(step);
        }
        else if (command == "press")
        {
            if (words.size() != 2 || !IsPressKey(words[1]))
                return Fail(error, lineNumber, "press needs p, escape or return");
            ReplayStep step;
            step.press = words[1];
            replay.steps.push_back(step);
        }
        else if (command == "expect")
        {
            if (!ParseOutcome(words, 1, replay.expect))
                return Fail(error, lineNumber, "expect needs won/lost/running, frame, lives, score, x, y");
            replay.hasExpect = true;
        }
        else
            return Fail(error, lineNumber, "unknown command '" + command + "'");
    }
    return true;
}

static std::string HeldKeysText(const ReplayStep& step)
{
    std::string keys;
    if (step.left)
        keys += 'L';
    if (step.right)
        keys += 'R';
    if (step.up)
        keys += 'U';
    return keys.empty() ? "-" : keys;
}

std::string FormatOutcome(const ReplayOutcome& outcome)
{
    std::ostringstream out;
    out << outcome.result << ' ' << outcome.frame << ' ' << outcome.lives << ' ' << outcome.score << ' '
        << outcome.ratX << ' ' << outcome.ratY;
    return out.str();
}

std::string FormatReplay(const Replay& replay)
{
    std::ostringstream out;
    out << "level " << replay.level << "\n";
    out << "seed " << replay.seed << "\n";
    for (const ReplayStep& step : replay.steps)
    {
        if (!step.press.empty())
            out << "press " << step.press << "\n";
        else
            out << "hold " << step.frames << ' ' << HeldKeysText(step) << "\n";
    }
    if (replay.hasExpect)
        out << "expect " << FormatOutcome(replay.expect) << "\n";
    return out.str();
}

bool LoadReplay(const std::string& fileName, Replay& replay, std::string* error)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
    {
        if (error)
            *error = "cannot open " + fileName;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseReplay(text.str(), replay, error);
}

std::string WithExpectLine(const std::string& text, const ReplayOutcome& outcome)
{
    std::istringstream lines(text);
    std::ostringstream out;
    std::string line;
    bool replaced = false;
    while (std::getline(lines, line))
    {
        std::istringstream in(line);
        std::string first;
        in >> first;
        if (first == "expect")
        {
            if (!replaced)
                out << "expect " << FormatOutcome(outcome) << "\n";
            replaced = true;
            continue;
        }
        out << line << "\n";
    }
    if (!replaced)
        out << "expect " << FormatOutcome(outcome) << "\n";
    return out.str();
}

// The replay's own clock, read by the game timer through VEK_GetTicks.
static Uint32 replayNow = REPLAY_CLOCK_START;
static Uint32 ReplayTicks() { return replayNow; }
static void ReplayDelay(Uint32 ms) { replayNow += ms; }

static void PushPress(const std::string& name)
{
    SDLKey key = name == "p" ? SDLK_p : name == "escape" ? SDLK_ESCAPE : SDLK_RETURN;
    SDL_Event e = SDL_Event();
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

static void HoldKeys(bool left, bool right, bool up)
{
    Uint8* keys = SDL_GetKeyState(NULL);
    keys[SDLK_LEFT] = left;
    keys[SDLK_RIGHT] = right;
    keys[SDLK_UP] = up;
}

static void DropEvents()
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
    {
    }
}

namespace
{
// Runs frames the way the state loop would call the play and respawn
// states, without pacing or dialogs.
class ReplayRun
{
public:
    explicit ReplayRun(bool draw) : draw(draw) {}

    // One frame of whatever game state is on top; false once the game is
    // over or nothing of the game is left to run.
    bool Frame()
    {
        // The pause menu, dismissed at once: it pauses the clock and resumes
        // it with no time passed in between, so only the stack changes.
        if (IsTopState(PauseState))
        {
            gameTimer.Pause();
            PopState();
            gameTimer.Resume();
        }
        if (IsTopState(PlayState))
        {
            bool going = PlayFrame();
            if (going && draw && frameCount % 2 == 0)
            {
                DrawGame();
                DrawHUD();
            }
        }
        else if (IsTopState(RespawnState))
        {
            RespawnFrame();
            if (draw)
            {
                DrawGame();
                DrawHUDLives();
            }
        }
        else
            return false;
        frames += 1;
        frameCount += 1;
        replayNow += REPLAY_FRAME_MS;
        return !Over();
    }

    static bool Over() { return IsTopState(WonState) || IsTopState(LostState); }

    int frames = 0;

private:
    bool draw;
};
} // namespace

ReplayOutcome RunReplay(const Replay& replay, bool draw)
{
    std::stack<StateStruct, std::deque<StateStruct> > savedStack = StateStack;
    Uint32 savedFrameCount = frameCount;
    int savedLevel = level;
    int savedHiScore = hiScore;

    // Everything a game reads that outlives a game starts the same way on
    // every run, so the same replay always plays out the same.
    while (!StateStack.empty())
        StateStack.pop();
    DropEvents();
    HoldKeys(false, false, false);
    frameCount = 0;
    replayNow = REPLAY_CLOCK_START;
    VEK_SetTickSource(ReplayTicks);
    VEK_SetDelaySink(ReplayDelay);
    srand(replay.seed);
    SeedGameRandom(replay.seed);
    rat = Rat();
    rat.SetDefaults(rat_ss, &ratClips);
    camera.SetBothPos(0, 0);
    level = replay.level;

    PushState(MenuState);
    PushState(PlayState);
    PrePlay();

    ReplayRun run(draw);
    bool going = true;
    for (size_t i = 0; going && i < replay.steps.size(); ++i)
    {
        const ReplayStep& step = replay.steps[i];
        if (!step.press.empty())
        {
            PushPress(step.press);
            continue;
        }
        HoldKeys(step.left, step.right, step.up);
        for (int f = 0; going && f < step.frames; ++f)
            going = run.Frame();
    }

    ReplayOutcome outcome;
    outcome.result = IsTopState(WonState) ? "won" : IsTopState(LostState) ? "lost" : "running";
    outcome.frame = run.frames;
    outcome.lives = rat.GetLives();
    outcome.score = score;
    outcome.ratX = rat.GetXPos();
    outcome.ratY = rat.GetYPos();

    HoldKeys(false, false, false);
    DropEvents();
    VEK_SetTickSource(nullptr);
    VEK_SetDelaySink(nullptr);
    StateStack = savedStack;
    frameCount = savedFrameCount;
    level = savedLevel;
    hiScore = savedHiScore;
    return outcome;
}
