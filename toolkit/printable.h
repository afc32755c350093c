#pragma once
#include <string>

// Text from a file or a command line made safe to print in a one-line
// message: every byte outside printable ASCII (control bytes, DEL, and
// every byte above 127, since some terminals act on UTF-8 controls too) is
// written as \xNN, and a backslash as \\. A binary file quoted in an error
// can then never move the cursor, change colours or retitle the terminal.
std::string Printable(const std::string& text);
