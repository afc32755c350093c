#include "app/hiscore.h"
#include <cstdio>
#include <sstream>
#include "toolkit/printable.h"
#include "toolkit/safe_file.h"

// The file the last load found unreadable, which no store may replace.
static std::string heldBack;

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

bool WriteHiScore(int value, const std::string& fileName) { return ReplaceFileSafely(fileName, FormatHiScore(value)); }

int LoadHiScore(const std::string& fileName)
{
    heldBack.clear();
    std::string text, why;
    const FileRead read = ReadFileIfRegular(fileName, text, &why);
    if (read == FileRead::Read)
        return ParseHiScore(text);
    if (read != FileRead::Missing)
    {
        heldBack = fileName;
        std::fprintf(stderr, "sumprun: the high score file %s %s; it is left as it is\n", Printable(fileName).c_str(),
                     why.c_str());
    }
    return 0;
}

bool StoreHiScore(int value, const std::string& fileName)
{
    if (fileName == heldBack)
        return false;
    if (WriteHiScore(value, fileName))
        return true;
    std::fprintf(stderr, "sumprun: could not write the high score to %s\n", Printable(fileName).c_str());
    return false;
}
