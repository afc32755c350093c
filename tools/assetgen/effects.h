#pragma once
#include <map>
#include <string>
#include <vector>

// Sound effects described as layers of swept tones and filtered noise (see
// assets/sound/effects.txt). Each effect comes back at its raw level; the
// caller sets the loudness.
std::map<std::string, std::vector<float>> RenderEffectsFile(const std::string& path);
