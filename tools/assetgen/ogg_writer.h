#pragma once
#include <string>
#include <vector>

// Encodes mono samples in [-1, 1] as Ogg Vorbis. The stream serial number is
// fixed so that the same samples always give the same bytes. Throws on failure.
void WriteOggVorbis(const std::string& path, const std::vector<float>& samples, int sampleRate, float quality,
                    int serial);
