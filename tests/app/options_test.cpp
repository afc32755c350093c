#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/options.h"

// Each command line and what it asks for ("help version record watch scale
// auto"), or the start of the reason it is refused.
TEST(CommandLine, ParsesIntoTheOptionsOrIsRefusedWithAReason)
{
    struct Case
    {
        std::vector<const char*> args;
        const char* wanted;
    };
    const Case cases[] = {
        {{}, "0 0 - - 0 0"},
        {{"-h", "--version"}, "1 1 - - 0 0"},
        {{"--record", "a.rep", "--watch", "--help", "--scale", "6"}, "0 0 a.rep --help 6 0"},
        {{"--scale", "auto", "--help"}, "1 0 - - 0 1"},
        {{"--scale", "1"}, "0 0 - - 1 0"},
        {{"--scale", "0"}, "refused: --scale takes a whole number"},
        {{"--scale", "7"}, "refused: --scale takes a whole number"},
        {{"--scale", "2x"}, "refused: --scale takes a whole number"},
        {{"--scale", ""}, "refused: --scale takes a whole number"},
        {{"--help", "--record"}, "refused: option --record needs a value"},
        {{"--watch"}, "refused: option --watch needs a value"},
        {{"--scale"}, "refused: option --scale needs a value"},
        {{"--recordx", "a.rep"}, "refused: unknown option --recordx"},
        {{"a.rep"}, "refused: unknown option a.rep"},
    };
    for (const Case& c : cases)
    {
        std::vector<char*> argv{const_cast<char*>("sumprun")};
        for (const char* arg : c.args)
            argv.push_back(const_cast<char*>(arg));
        Options o;
        std::string error, got;
        if (ParseOptions(int(argv.size()), argv.data(), o, error))
            got = std::to_string(o.help) + " " + std::to_string(o.version) + " " + (o.record.empty() ? "-" : o.record) +
                  " " + (o.watch.empty() ? "-" : o.watch) + " " + std::to_string(o.scale) + " " +
                  std::to_string(o.scaleAuto);
        else
            got = "refused: " + error;
        EXPECT_EQ(c.wanted, got.substr(0, std::strlen(c.wanted))) << got;
        EXPECT_TRUE(got.size() == std::strlen(c.wanted) || got.rfind("refused", 0) == 0) << got;
    }
}
