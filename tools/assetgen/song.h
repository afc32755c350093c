#pragma once
#include <string>
#include <vector>

// A piece of music written as a little tracker score (see assets/music).
// Rendering gives exactly one pass of the loop: sound that rings past the
// end is folded back onto the start, so the piece repeats without a seam.
struct RenderedSong
{
    std::vector<float> samples; // mono, kSampleRate
    double seconds = 0;
};

// Throws std::runtime_error with file and line on a malformed score.
RenderedSong RenderSongFile(const std::string& path);
