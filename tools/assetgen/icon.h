#pragma once
#include <string>
#include <vector>
#include "image_files.h"
#include "palette.h"

// The program's icon for desktop menus: the rat on a round sewer plate with
// a piece of cheese, drawn once at 64 x 64 and resized to each size.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

RgbaImage DrawIcon(const Palette& pal, int size);

// Writes <out>/<N>x<N>/apps/<name>.png for every size in kIconSizes: the
// layout of an icon theme folder.
void WriteIcons(const Palette& pal, const std::string& out, const std::string& name);
