// Whatever a "hiscore" file holds, the score read from it writes out as a
// file that reads back as the same score.
#include <cstdint>
#include <cstdlib>
#include <string>
#include "app/hiscore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int score = ParseHiScore(std::string(reinterpret_cast<const char*>(data), size));
    if (ParseHiScore(FormatHiScore(score)) != score)
        abort();
    return 0;
}
