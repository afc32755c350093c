#include "play/replay.h"
#include <cstdio>
#include <sstream>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "play/level_file.h"
#include "toolkit/printable.h"
#include "toolkit/safe_file.h"
#include "world/level_format.h"

// Far beyond any real game; keeps a hand-made file from asking for the moon.
static const long long MAX_RUN_FRAMES = 100000000LL;
static const int MAX_CLOCK_EXTRA_MS = 1000000000;
static const size_t CLOCK_TOKENS_PER_LINE = 16;

static bool Fail(std::string* error, int lineNumber, const std::string& message)
{
    if (error)
        *error = "line " + std::to_string(lineNumber) + ": " + message;
    return false;
}

static bool Refuse(std::string* error, const std::string& message)
{
    if (error)
        *error = message;
    return false;
}

static bool HasFrames(const Replay& replay)
{
    for (const ReplayStep& step : replay.steps)
        if (step.frames > 0)
            return true;
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

static bool IsPressKey(const std::string& key)
{
    return key == "p" || key == "escape" || key == "return" || key == "close";
}

static bool ParseChecksum(const std::string& token, uint32_t& value)
{
    if (token.empty() || token.size() > 8)
        return false;
    for (char c : token)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    value = static_cast<uint32_t>(std::stoul(token, nullptr, 16));
    return true;
}

// "V" or "V*N": N frames (1 when not given) whose clock advanced 20 + V ms.
static bool ParseClockRun(const std::string& token, ClockRun& run)
{
    size_t star = token.find('*');
    long long frames = 1;
    if (star != std::string::npos && !ParseCount(token.substr(star + 1), MAX_RUN_FRAMES, frames))
        return false;
    if (frames < 1 || !ParseInt(token.substr(0, star), run.extraMs) || run.extraMs > MAX_CLOCK_EXTRA_MS ||
        run.extraMs < -MAX_CLOCK_EXTRA_MS)
        return false;
    run.frames = static_cast<int>(frames);
    return true;
}

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
    bool levelGiven = false;
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
            levelGiven = true;
        }
        else if (command == "checksum")
        {
            if (words.size() != 2 || !ParseChecksum(words[1], replay.checksum))
                return Fail(error, lineNumber, "checksum needs up to 8 hex digits");
            replay.hasChecksum = true;
        }
        else if (command == "framecount")
        {
            if (words.size() != 2 || !ParseCount(words[1], 4294967295LL, value))
                return Fail(error, lineNumber, "framecount needs an unsigned number");
            replay.firstFrameCount = static_cast<uint32_t>(value);
        }
        else if (command == "pause")
        {
            ReplayStep step;
            if (words.size() != 2 || !ParseCount(words[1], MAX_RUN_FRAMES, value) || value < 1)
                return Fail(error, lineNumber, "pause needs a frame count above 0");
            step.pause = static_cast<int>(value);
            replay.steps.push_back(step);
        }
        else if (command == "clock")
        {
            for (size_t i = 1; i < words.size(); ++i)
            {
                ClockRun run;
                if (!ParseClockRun(words[i], run))
                    return Fail(error, lineNumber, "clock needs ms over 20 per frame, as V or V*N");
                replay.clock.push_back(run);
            }
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
            if (words.size() != 3 || !ParseCount(words[1], MAX_RUN_FRAMES, value) || !ParseHeldKeys(words[2], step))
                return Fail(error, lineNumber, "hold needs a frame count and keys from L, R, U (or -)");
            step.frames = static_cast<int>(value);
            replay.steps.push_back(step);
        }
        else if (command == "press")
        {
            if (words.size() != 2 || !IsPressKey(words[1]))
                return Fail(error, lineNumber, "press needs p, escape, return or close");
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
            return Fail(error, lineNumber, "unknown command '" + Printable(command) + "'");
    }
    // An empty file, a file of comments or a file of some other kind would
    // otherwise "play" 0 frames of level 1 and report a running game.
    if (!levelGiven)
        return Refuse(error, "no level line: not a replay");
    if (!replay.hasExpect && !HasFrames(replay))
        return Refuse(error, "no frames to play and no expect line: not a replay");
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
    out << outcome.result << ' ' << outcome.frame << ' ' << outcome.lives << ' ' << outcome.score << ' ' << outcome.ratX
        << ' ' << outcome.ratY;
    return out.str();
}

std::string DescribeOutcome(const ReplayOutcome& outcome)
{
    std::ostringstream out;
    out << outcome.result << " at frame " << outcome.frame << ", " << outcome.lives
        << (outcome.lives == 1 ? " life" : " lives") << ", score " << outcome.score << ", rat at " << outcome.ratX
        << ", " << outcome.ratY;
    return out.str();
}

static std::string ChecksumText(uint32_t checksum)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(checksum));
    return text;
}

static void FormatClock(std::ostream& out, const std::vector<ClockRun>& clock)
{
    for (size_t i = 0; i < clock.size(); ++i)
    {
        out << (i % CLOCK_TOKENS_PER_LINE == 0 ? "clock " : " ") << clock[i].extraMs;
        if (clock[i].frames != 1)
            out << '*' << clock[i].frames;
        if (i % CLOCK_TOKENS_PER_LINE == CLOCK_TOKENS_PER_LINE - 1 || i + 1 == clock.size())
            out << "\n";
    }
}

std::string FormatReplay(const Replay& replay)
{
    std::ostringstream out;
    out << "level " << replay.level << "\n";
    if (replay.hasChecksum)
        out << "checksum " << ChecksumText(replay.checksum) << "\n";
    out << "seed " << replay.seed << "\n";
    if (replay.firstFrameCount != 0)
        out << "framecount " << replay.firstFrameCount << "\n";
    for (const ReplayStep& step : replay.steps)
    {
        if (!step.press.empty())
            out << "press " << step.press << "\n";
        else if (step.pause > 0)
            out << "pause " << step.pause << "\n";
        else
            out << "hold " << step.frames << ' ' << HeldKeysText(step) << "\n";
    }
    FormatClock(out, replay.clock);
    if (replay.hasExpect)
        out << "expect " << FormatOutcome(replay.expect) << "\n";
    return out.str();
}

bool LoadReplay(const std::string& fileName, Replay& replay, std::string* error)
{
    std::string text, why;
    if (ReadFileIfRegular(fileName, text, &why) != FileRead::Read)
        return Refuse(error, why);
    return ParseReplay(text, replay, error);
}

static uint32_t ChecksumOf(const std::string& bytes)
{
    uint32_t hash = 2166136261u;
    for (char c : bytes)
    {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

uint32_t LevelChecksum(const std::string& fileName)
{
    std::string text;
    ReadRegularFile(fileName, text);
    return ChecksumOf(text);
}

bool ReplayLevelMatches(const Replay& replay, std::string* error)
{
    const std::string fileName = LevelFileName(replay.level);
    // A missing level plays as an empty one; anything else that cannot be
    // read is no level to play.
    std::string text, why;
    const FileRead read = ReadFileIfRegular(fileName, text, &why);
    if (read != FileRead::Read && read != FileRead::Missing)
        return Refuse(error, fileName + " " + why);
    if (!replay.hasChecksum)
        return true;
    const uint32_t found = ChecksumOf(text);
    if (found == replay.checksum)
        return true;
    if (error)
        *error = fileName + " is not the level this replay was recorded on (checksum " + ChecksumText(found) +
                 ", recorded " + ChecksumText(replay.checksum) + ")";
    return false;
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

FramePress PressFromName(const std::string& name)
{
    if (name == "p")
        return FramePress::P;
    if (name == "escape")
        return FramePress::Escape;
    if (name == "return")
        return FramePress::Return;
    if (name == "close")
        return FramePress::Close;
    return FramePress::None;
}

std::string PressName(FramePress press)
{
    switch (press)
    {
    case FramePress::P:
        return "p";
    case FramePress::Escape:
        return "escape";
    case FramePress::Return:
        return "return";
    case FramePress::Close:
        return "close";
    default:
        return "";
    }
}

bool GameOver() { return IsTopState(WonState) || IsTopState(LostState); }

ReplayOutcome GameOutcome(int frames)
{
    ReplayOutcome outcome;
    outcome.result = IsTopState(WonState) ? "won" : IsTopState(LostState) ? "lost" : "running";
    outcome.frame = frames;
    outcome.lives = rat.GetLives();
    outcome.score = score;
    outcome.ratX = rat.GetXPos();
    outcome.ratY = rat.GetYPos();
    return outcome;
}
