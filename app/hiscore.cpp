#include "app/hiscore.h"
#include <fstream>

int ReadHiScore(const std::string& fileName)
{
    std::ifstream in(fileName);
    int value = 0;
    // A number too large for an int fails too: better no high score than
    // one the file never held.
    if (!(in >> value))
        return 0;
    return value;
}

void WriteHiScore(int value, const std::string& fileName)
{
    std::ofstream out(fileName, std::ios::out | std::ios::trunc);
    out << value;
}
