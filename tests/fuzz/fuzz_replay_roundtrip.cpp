// Any text the replay parser accepts must write out as a replay that parses
// again to the same replay: what the game records, it can play back.
// Replays are compared through their written form, so the target holds for
// whatever a replay comes to contain.
#include <cstdint>
#include <cstdlib>
#include <string>
#include "play/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Replay first;
    if (!ParseReplay(std::string(reinterpret_cast<const char*>(data), size), first))
        return 0;
    const std::string written = FormatReplay(first);
    Replay second;
    std::string error;
    if (!ParseReplay(written, second, &error))
        abort();
    if (FormatReplay(second) != written)
        abort();
    return 0;
}
