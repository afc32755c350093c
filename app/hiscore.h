#pragma once
#include <string>

const char* const HISCORE_FILE = "hiscore";

// One int read the way a formatted stream reads it; 0 when the file is
// missing or does not begin with a number.
int ReadHiScore(const std::string& fileName = HISCORE_FILE);
// Writes the number in decimal, nothing else; failure is not reported.
void WriteHiScore(int value, const std::string& fileName = HISCORE_FILE);
