#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "canvas.h"

// 8-bit RGB PNG, no alpha: transparency is the cyan key. Throws on failure.
void WritePng(const std::string& path, const RgbImage& image);
// Uncompressed 24-bit Windows bitmap (BI_RGB, rows bottom-up, each row
// padded to four bytes). Throws on failure.
void WriteBmp(const std::string& path, const RgbImage& image);

// A picture with straight (not premultiplied) alpha, row-major.
struct RgbaImage
{
    int width = 0, height = 0;
    std::vector<uint8_t> rgba; // 4 bytes a pixel
};
// 8-bit RGBA PNG: for pictures shown outside the game, such as its icon.
void WritePngRgba(const std::string& path, const RgbaImage& image);
