#pragma once
// The player's remembered choices: "settings" in the working folder, one
// `key value` per line. Lines the game does not know are kept as they are.
#include <string>
#include "app/options.h"

const char* const SETTINGS_FILE = "settings";

// The value of the first line for key; "" when there is none.
std::string SettingValue(const std::string& text, const std::string& key);
// The text with key set to value: its first line replaced (later ones for
// the same key dropped), or a line added at the end.
std::string WithSetting(const std::string& text, const std::string& key, const std::string& value);

// The scale to open the window at: the one given on the command line,
// which is then remembered, or else the remembered one. A settings file
// that is there but cannot be read (a FIFO, a folder, no permission) is
// neither read nor written, and one line on stderr says so.
void SettleScale(Options& options, const std::string& fileName = SETTINGS_FILE);
