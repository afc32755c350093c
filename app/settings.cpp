#include "app/settings.h"
#include <cstdio>
#include <sstream>
#include "toolkit/printable.h"
#include "toolkit/safe_file.h"

static const char* const SCALE_KEY = "scale";

// The key of a line, and in value what follows it, trimmed.
static std::string SplitLine(const std::string& line, std::string& value)
{
    std::istringstream in(line);
    std::string key;
    in >> key;
    std::getline(in >> std::ws, value);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
        value.pop_back();
    return key;
}

std::string SettingValue(const std::string& text, const std::string& key)
{
    std::istringstream lines(text);
    std::string value;
    for (std::string line; std::getline(lines, line);)
        if (SplitLine(line, value) == key)
            return value;
    return "";
}

std::string WithSetting(const std::string& text, const std::string& key, const std::string& value)
{
    std::istringstream lines(text);
    std::ostringstream out;
    bool written = false;
    std::string ignored;
    for (std::string line; std::getline(lines, line);)
    {
        if (SplitLine(line, ignored) != key)
            out << line << "\n";
        else if (!written)
        {
            out << key << " " << value << "\n";
            written = true;
        }
    }
    if (!written)
        out << key << " " << value << "\n";
    return out.str();
}

static std::string ScaleText(const Options& options)
{
    return options.scaleAuto ? "auto" : std::to_string(options.scale);
}

void SettleScale(Options& options, const std::string& fileName)
{
    std::string text, why;
    const FileRead read = ReadFileIfRegular(fileName, text, &why);
    if (read != FileRead::Read && read != FileRead::Missing)
    {
        // Nothing is remembered in, nor written over, what is not a file
        // the game can read; the command line's scale still holds.
        std::fprintf(stderr, "sumprun: %s %s; the scale is not remembered\n", Printable(fileName).c_str(), why.c_str());
        return;
    }
    const std::string remembered = SettingValue(text, SCALE_KEY);
    if (options.scale == 0 && !options.scaleAuto)
    {
        // A value the game cannot read is left for the player to mend.
        ReadScale(remembered, options);
        return;
    }
    if (ScaleText(options) != remembered &&
        !ReplaceFileSafely(fileName, WithSetting(text, SCALE_KEY, ScaleText(options))))
        std::fprintf(stderr, "sumprun: cannot remember the scale in %s\n", fileName.c_str());
}
