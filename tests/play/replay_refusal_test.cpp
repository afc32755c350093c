#include <filesystem>
#include <gtest/gtest.h>
#include "play/replay.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

// What is not a replay is refused in one printable line, before anything
// is played: nothing "plays 0 frames" and reports a running game.
TEST(ReplayRefusal, WhatIsNotAReplayIsRefusedInOnePrintableLine)
{
    fs::create_directory("folder.replay");
    const std::pair<std::string, const char*> cases[] = {
        {"", "no level line: not a replay"},
        {"# nothing but\n\n   # comments\n", "no level line: not a replay"},
        {"seed 3\nhold 10 R\n", "no level line: not a replay"},
        {"level 1\nseed 3\nhold 0 R\npress p\n", "no frames to play and no expect line: not a replay"},
        {std::string("\x7f"
                     "ELF\x02\x1b]0;owned\x07\xff\\\nlevel 1\n",
                     17),
         "line 1: unknown command '\\x7fELF\\x02\\x1b]0;owned\\x07\\xff\\\\'"},
        {"folder", "is a folder, not a regular file"},
        {"level 1\nexpect running 0 5 0 0 0\n", ""},
        {"level 1\nhold 1 -\n", ""},
    };
    for (const auto& [text, refusal] : cases)
    {
        const char* file = text == "folder" ? "folder.replay" : "file.replay";
        if (text != "folder")
            WriteFile(file, text);
        Replay replay;
        std::string error;
        EXPECT_EQ(!*refusal, LoadReplay(file, replay, &error)) << text;
        EXPECT_EQ(refusal, error);
    }
    fs::remove("folder.replay");
    fs::remove("file.replay");
}
