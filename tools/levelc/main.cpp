// sumprun-levelc SOURCE OUT: turns a level map source into a level file.
#include <fstream>
#include <iostream>
#include <sstream>
#include "tools/levelc/level_map.h"

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "usage: sumprun-levelc SOURCE.map OUTFILE\n";
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in)
    {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    levelc::CompiledLevel level;
    std::string error;
    if (!levelc::CompileLevelMap(text.str(), level, error))
    {
        std::cerr << argv[1] << ": " << error << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << levelc::FormatLevelRecords(level);
    out.close();
    if (!out)
    {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
