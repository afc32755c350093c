#pragma once
#include <string>

#include "canvas.h"

// 8-bit RGB PNG, no alpha: transparency is the cyan key. Throws on failure.
void WritePng(const std::string& path, const RgbImage& image);
// Uncompressed 24-bit Windows bitmap (BI_RGB, rows bottom-up, each row
// padded to four bytes). Throws on failure.
void WriteBmp(const std::string& path, const RgbImage& image);
