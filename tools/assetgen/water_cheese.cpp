// Animated tiles: the sewer water and the cheese.
#include <cmath>
#include <vector>
#include "pictures.h"
#include "rng.h"

namespace
{

constexpr int kT = 32;
constexpr double kPi = 3.14159265358979;

// One water tile. The crest repeats every 32 pixels so tiles join sideways.
Canvas WaterTile(const Palette& p, double phase, int variant)
{
    const int crest = p["water_crest"], water = p["water"], dark = p["water_dark"], deep = p["sewer_dark"];
    Canvas c(kT, kT, water);
    for (int x = 0; x < kT; ++x)
    {
        double wave = std::sin(2 * kPi * x / kT + phase) + 0.4 * std::sin(4 * kPi * x / kT - phase * 2);
        int top = 3 + static_cast<int>(std::lround(1.3 * wave));
        for (int y = 0; y < kT; ++y)
        {
            int colour;
            if (y < top)
                colour = Dither(water, crest, 0.3, x, y);
            else if (y == top)
                colour = crest;
            else if (y == top + 1)
                colour = Dither(water, crest, 0.45, x, y);
            else
            {
                double depth = (y - 8) / 24.0; // darker further down
                colour = depth < 0 ? water : Dither(water, dark, depth * 1.4, x, y);
                if (depth > 0.75)
                    colour = Dither(dark, deep, (depth - 0.75) * 2, x, y);
            }
            c.Set(x, y, colour);
        }
    }
    // Glints and drifting specks differ between the two variants of a phase.
    for (int i = 0; i < 5; ++i)
    {
        int x = static_cast<int>(Noise01(i, variant, 91) * kT);
        int y = 8 + static_cast<int>(Noise01(i, variant, 92) * 20);
        int shift = static_cast<int>(phase * 2);
        c.Set((x + shift) % kT, y, i < 2 ? crest : water);
        if (i < 2)
            c.Set((x + shift + 1) % kT, y, crest);
    }
    return c;
}

// The cheese wedge, bobbing by `bob`, with a shine band at `shine` (-1: none).
Canvas CheeseFrame(const Palette& p, int bob, double shine, int sparkle)
{
    const int ink = p["ink"], dark = p["cheese_dark"], base = p["cheese"], light = p["cheese_light"], rind = p["ochre"],
              glint = p["coat"];
    Canvas c(kT, kT);
    const double b = bob;
    // Side face (the cut face with its holes), rind at the back, top face.
    c.FillPolygon({{3, 21 + b}, {25, 10 + b}, {25, 27 + b}, {3, 27 + b}}, base);
    c.FillPolygon({{25, 10 + b}, {29, 8 + b}, {29, 24 + b}, {25, 27 + b}}, rind);
    c.FillPolygon({{3, 21 + b}, {25, 10 + b}, {29, 8 + b}, {8, 19 + b}}, light);
    c.Line(25, 11 + b, 25, 27 + b, 0.5, dark);
    // Holes: dark pits lit on their lower right rim.
    const double holes[][3] = {{9, 24, 1.8}, {15, 19.5, 2.4}, {21, 24, 2.0}, {20.5, 14.5, 1.4}, {27, 17, 1.2}};
    for (const auto& h : holes)
    {
        c.FillEllipse(h[0], h[1] + b, h[2], h[2], dark);
        c.FillEllipse(h[0] - 0.6, h[1] - 0.6 + b, h[2] * 0.7, h[2] * 0.7, rind);
    }
    // A bite out of the bottom edge.
    c.FillEllipse(13, 27.5 + b, 2, 1.6, Palette::kClear);
    if (shine >= 0)
    {
        for (int y = 0; y < kT; ++y)
            for (int x = 0; x < kT; ++x)
            {
                double d = x + (kT - y) * 0.5 - shine;
                if (d >= 0 && d < 2.5 && c.Get(x, y) == base)
                    c.Set(x, y, light);
            }
    }
    c.Outline(ink);
    if (sparkle > 0)
    {
        // A four-pointed glint at the tip of the rind.
        const int sx = 28, sy = 8 + bob;
        c.Set(sx, sy, glint);
        for (int r = 1; r <= sparkle; ++r)
        {
            int col = r == sparkle ? light : glint;
            c.Set(sx + r, sy, col), c.Set(sx - r, sy, col), c.Set(sx, sy + r, col), c.Set(sx, sy - r, col);
        }
    }
    return c;
}

} // namespace

Canvas DrawWaterSheet(const Palette& p)
{
    std::vector<Canvas> tiles;
    for (int phase = 0; phase < 4; ++phase)
        for (int variant = 0; variant < 2; ++variant)
            tiles.push_back(WaterTile(p, phase * kPi / 2, variant + 2 * phase));
    return Sheet(tiles, 4);
}

Canvas DrawCheeseSheet(const Palette& p)
{
    std::vector<Canvas> frames;
    const int sparkles[13] = {0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 2, 1, 0};
    for (int i = 0; i < 13; ++i)
    {
        int bob = static_cast<int>(std::lround(1.4 * std::sin(2 * kPi * i / 13)));
        double shine = i < 7 ? -2 + i * 6.0 : -1;
        frames.push_back(CheeseFrame(p, -bob, shine, sparkles[i]));
    }
    return Sheet(frames, 4);
}
