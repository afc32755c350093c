#include "app/hiscore.h"
#include <sstream>
#include "toolkit/safe_file.h"

int ParseHiScore(const std::string& text)
{
    std::istringstream in(text);
    int value = 0;
    // A number too large for an int fails too: better no high score than
    // one the file never held.
    if (!(in >> value))
        return 0;
    return value;
}

std::string FormatHiScore(int value) { return std::to_string(value); }

int ReadHiScore(const std::string& fileName)
{
    std::string text;
    return ReadRegularFile(fileName, text) ? ParseHiScore(text) : 0;
}

bool WriteHiScore(int value, const std::string& fileName) { return ReplaceFileSafely(fileName, FormatHiScore(value)); }
