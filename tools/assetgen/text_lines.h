#pragma once
#include <string>

// Source files take comments from a '#' that starts a word to the end of the
// line; a '#' inside a word (a sharp, as in "F#4") is kept.
inline std::string StripComment(const std::string& line)
{
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    return line;
}
