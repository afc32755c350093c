#pragma once
#include <string>
#include <vector>
#include "bench/frame_driver.h"

// Draws the game's screens headless through the real drawing code and
// records them: a hash of every drawn play frame of each scenario, and
// pictures (BMP) of the menus, dialogs, a play frame and the editor, so
// that two builds can be shown to draw the same pixels. Writes
// dir/hashes.txt and dir/*.bmp; prints one summary line per screen.
int WritePictures(const std::string& dir, const std::vector<Scenario>& scenarios);
