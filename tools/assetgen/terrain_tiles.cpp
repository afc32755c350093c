// Terrain tiles. Platforms are ledges with open space below, background
// pieces are dark and greyed, solid pieces are full masonry. Brick courses
// run 8 pixels high with 16-pixel bricks, so neighbouring tiles join.
#include <cmath>
#include <vector>
#include "pictures.h"
#include "rng.h"

namespace
{

constexpr int kT = 32;

struct BrickColours
{
    int mortar, dark, base, light, speck;
};

void Bricks(Canvas& c, const BrickColours& k, int seed)
{
    for (int y = 0; y < kT; ++y)
    {
        int course = y / 8, yin = y % 8;
        int offset = (course % 2) * 8;
        for (int x = 0; x < kT; ++x)
        {
            int xs = (x + offset) % 16; // position inside the brick
            int brick = (x + offset) / 16;
            int colour;
            if (yin == 7 || xs == 0)
                colour = k.mortar;
            else if (yin == 0 || xs == 1)
                colour = k.light;
            else if (yin == 6 || xs == 15)
                colour = k.dark;
            else
            {
                colour = k.base;
                // A few flecks, and the odd brick a shade darker.
                if (Noise01(x, y, seed) < 0.06)
                    colour = k.speck;
                if (Noise01(brick, course, seed + 1) < 0.25 && ((x + y) & 1))
                    colour = k.dark;
            }
            c.Set(x, y, colour);
        }
    }
}

BrickColours RedBrick(const Palette& p)
{
    return {p["sewer_dark"], p["brick_dark"], p["brick"], p["brick_light"], p["brick_dark"]};
}
BrickColours DarkBrick(const Palette& p)
{
    return {p["ink"], p["sewer_dark"], p["brick_dark"], p["brick"], p["sewer_dark"]};
}

// Moss along the top edge; `left`/`right` also let it creep down that side.
void MossTop(Canvas& c, const Palette& p, bool left, bool right)
{
    const int slime = p["slime"], moss = p["moss"], dark = p["moss_dark"];
    for (int x = 0; x < kT; ++x)
    {
        int hang = 3 + static_cast<int>(Noise01(x, 0, 41) * 3.5) + (x % 7 == 3 ? 3 : 0);
        for (int y = 0; y < hang; ++y)
            c.Set(x, y, y == 0 ? slime : (y == hang - 1 ? dark : moss));
    }
    auto side = [&](int edgeX, int dir) {
        for (int i = 0; i < 3; ++i)
        {
            int x = edgeX + dir * i;
            int depth = 16 + static_cast<int>(Noise01(i, edgeX, 43) * 8) - i * 5;
            for (int y = 0; y < depth; ++y)
                c.Set(x, y, y == depth - 1 ? dark : (i == 0 && dir > 0 ? slime : moss));
        }
    };
    if (left)
        side(0, 1);
    if (right)
        side(kT - 1, -1);
}

Canvas BrickTile(const Palette& p, int seed)
{
    Canvas c(kT, kT);
    Bricks(c, RedBrick(p), seed);
    return c;
}

Canvas MossyBrick(const Palette& p, bool left, bool right)
{
    Canvas c = BrickTile(p, 7);
    MossTop(c, p, left, right);
    return c;
}

Canvas CrackedBrick(const Palette& p)
{
    Canvas c = BrickTile(p, 8);
    const std::vector<Canvas::Pt> crack = {{7, 0}, {11, 6}, {9, 11}, {16, 18}, {14, 24}, {20, 31}};
    for (size_t i = 0; i + 1 < crack.size(); ++i)
    {
        c.Line(crack[i].x + 1, crack[i].y, crack[i + 1].x + 1, crack[i + 1].y, 0.5, p["brick_light"]);
        c.Line(crack[i].x, crack[i].y, crack[i + 1].x, crack[i + 1].y, 0.5, p["ink"]);
    }
    // A chipped corner off one brick.
    c.FillPolygon({{17, 8}, {23, 8}, {17, 13}}, p["sewer_dark"]);
    c.Line(17, 13, 23, 8, 0.5, p["brick_light"]);
    return c;
}

Canvas StoneBlock(const Palette& p)
{
    const int light = p["fur_light"], base = p["stone"], dark = p["sewer_light"], seam = p["sewer_dark"];
    Canvas c(kT, kT, base);
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x)
        {
            if (x == kT - 1 || y == kT - 1)
                c.Set(x, y, seam);
            else if (x == 0 || y == 0 || (x == 1 && y < kT - 2) || (y == 1 && x < kT - 2))
                c.Set(x, y, light);
            else if (x >= kT - 3 || y >= kT - 3)
                c.Set(x, y, dark);
            else if (Noise01(x, y, 11) < 0.08)
                c.Set(x, y, dark);
            else if (Noise01(x, y, 12) < 0.03)
                c.Set(x, y, light);
        }
    return c;
}

Canvas PipeOutlet(const Palette& p)
{
    Canvas c = BrickTile(p, 9);
    c.FillEllipse(16, 15, 11, 11, p["sewer_dark"]); // mortar ring round the pipe
    c.ShadedEllipse(16, 15, 10, 10, p["sewer_mid"], p["stone"], p["fur_light"]);
    c.FillEllipse(16.5, 15.5, 7, 7, p["ink"]);
    c.FillEllipse(17.5, 16.5, 5.5, 5.5, p["sewer_deep"]);
    // Slime trickling out over the lip and down the wall.
    c.FillRect(13, 21, 6, 2, p["moss"]);
    for (int y = 22; y < kT; ++y)
    {
        int x = 15 + static_cast<int>(std::lround(std::sin(y * 0.6)));
        c.Set(x, y, p["slime"]);
        c.Set(x + 1, y, p["moss"]);
    }
    return c;
}

Canvas LabMetal(const Palette& p)
{
    const int light = p["fur_light"], base = p["fur"], dark = p["fur_dark"], ink = p["ink"];
    Canvas c(kT, kT, base);
    for (int i = 0; i < kT; ++i)
    {
        c.Set(i, 0, light), c.Set(0, i, light);
        c.Set(i, kT - 1, ink), c.Set(kT - 1, i, ink);
        c.Set(i, kT - 2, dark), c.Set(kT - 2, i, dark);
    }
    // Brushed streaks and an inset panel.
    for (int y = 4; y < kT - 4; y += 3)
        c.Line(5, y, 26, y, 0.5, Noise01(y, 1, 5) < 0.5 ? dark : base);
    for (int i = 7; i < 25; ++i)
        c.Set(i, 7, dark), c.Set(7, i, dark), c.Set(i, 25, light), c.Set(25, i, light);
    for (int rx : {3, 27})
        for (int ry : {3, 27})
        {
            c.FillRect(rx, ry, 2, 2, light);
            c.Set(rx + 1, ry + 1, dark);
            c.Set(rx + 2, ry + 1, ink), c.Set(rx + 1, ry + 2, ink), c.Set(rx + 2, ry + 2, ink);
        }
    return c;
}

// A stone ledge in the top 11 rows; the rest is open space.
Canvas Ledge(const Palette& p, bool leftEnd, bool rightEnd)
{
    const int slime = p["slime"], moss = p["moss"], light = p["fur_light"], stone = p["stone"], face = p["sewer_light"],
              under = p["sewer_dark"], ink = p["ink"];
    Canvas c(kT, kT);
    for (int x = 0; x < kT; ++x)
    {
        c.Set(x, 0, slime);
        c.Set(x, 1, Noise01(x, 1, 21) < 0.4 ? moss : light);
        c.Set(x, 2, light);
        for (int y = 3; y < 9; ++y)
            c.Set(x, y, Noise01(x, y, 22) < 0.1 ? face : stone);
        c.Set(x, 9, face);
        c.Set(x, 10, under);
        if (x % 16 == 15)
            for (int y = 3; y < 10; ++y)
                c.Set(x, y, under); // joints between slabs
        if (x % 11 == 4)
            c.Set(x, 11, moss); // drips of slime
        if (x % 11 == 4 && x % 2 == 0)
            c.Set(x, 12, moss);
    }
    auto cap = [&](int edge, int dir) {
        // Bevelled end: lit on the left end's face, shaded on the right end's.
        for (int y = 1; y < 10; ++y)
            c.Set(edge, y, dir > 0 ? light : under);
        c.Set(edge, 10, Palette::kClear);
        c.Set(edge, 9, Palette::kClear);
        c.Set(edge + dir, 10, Palette::kClear);
        c.Set(edge, 11, Palette::kClear);
        c.Set(edge + dir, 9, ink);
    };
    if (leftEnd)
        cap(0, 1);
    if (rightEnd)
        cap(kT - 1, -1);
    return c;
}

Canvas Grating(const Palette& p)
{
    const int light = p["fur_light"], base = p["fur"], dark = p["fur_dark"], ink = p["ink"];
    Canvas c(kT, kT);
    for (int x = 0; x < kT; ++x)
    {
        c.Set(x, 0, light), c.Set(x, 1, base), c.Set(x, 2, dark);
        c.Set(x, 8, base), c.Set(x, 9, dark), c.Set(x, 10, ink);
        if (x % 4 == 0 || x % 4 == 1)
            for (int y = 3; y < 8; ++y)
                c.Set(x, y, x % 4 == 0 ? base : dark);
    }
    return c;
}

// Background pieces: greyed sewer colours only, so they sit behind play.
Canvas PipeBehind(const Palette& p)
{
    const int hi = p["sewer_light"], mid = p["sewer_mid"], lo = p["sewer_dark"], deep = p["sewer_deep"];
    Canvas c(kT, kT);
    for (int x = 0; x < kT; ++x)
    {
        bool flange = x >= 25 && x <= 28;
        int top = flange ? 8 : 10, bottom = flange ? 24 : 22;
        for (int y = top; y < bottom; ++y)
        {
            int colour = mid;
            if (y <= top + 1)
                colour = hi;
            else if (y >= bottom - 3)
                colour = lo;
            if (y == bottom - 1)
                colour = deep;
            if (flange && (x == 25))
                colour = (y < bottom - 2) ? hi : lo;
            c.Set(x, y, colour);
        }
    }
    return c;
}

Canvas DrainGrate(const Palette& p)
{
    const int hi = p["sewer_light"], mid = p["sewer_mid"], lo = p["sewer_dark"], deep = p["sewer_deep"];
    Canvas c(kT, kT);
    c.FillRect(2, 4, 28, 24, mid);
    c.FillRect(2, 4, 28, 1, hi);
    c.FillRect(2, 4, 1, 24, hi);
    c.FillRect(4, 6, 24, 20, deep);
    for (int y = 8; y < 25; y += 4)
    {
        c.FillRect(4, y, 24, 2, lo);
        c.FillRect(4, y, 24, 1, mid);
    }
    c.FillRect(4, 26, 24, 1, lo);
    c.FillRect(29, 4, 1, 24, lo);
    return c;
}

Canvas PipeVertical(const Palette& p)
{
    const int hi = p["sewer_light"], mid = p["sewer_mid"], lo = p["sewer_dark"], deep = p["sewer_deep"];
    Canvas c(kT, kT);
    for (int y = 0; y < kT; ++y)
    {
        bool ring = y >= 12 && y <= 15;
        int left = ring ? 8 : 10, right = ring ? 23 : 21;
        for (int x = left; x <= right; ++x)
        {
            int colour = mid;
            if (x <= left + 1)
                colour = hi;
            else if (x >= right - 2)
                colour = lo;
            if (x == right)
                colour = deep;
            if (ring && y == 15)
                colour = lo;
            c.Set(x, y, colour);
        }
    }
    return c;
}

Canvas HangingMoss(const Palette& p)
{
    const int dark = p["moss_dark"], mid = p["sewer_mid"], deep = p["water_dark"];
    Canvas c(kT, kT);
    for (int x = 0; x < kT; ++x)
    {
        int len = 4 + static_cast<int>(Noise01(x, 0, 61) * 10);
        if (x % 5 == 2)
            len += 10 + static_cast<int>(Noise01(x, 1, 62) * 8);
        for (int y = 0; y < len && y < kT; ++y)
            c.Set(x, y, (y < 2 || (x + y) % 7 == 0) ? mid : (y > len - 3 ? deep : dark));
        if (x % 5 == 2 && len + 2 < kT)
            c.Set(x, len + 1, mid); // a drop about to fall
    }
    return c;
}

} // namespace

Canvas DrawTerrainSheet(const Palette& p)
{
    Canvas darkBrick(kT, kT);
    Bricks(darkBrick, DarkBrick(p), 13);
    std::vector<Canvas> tiles = {
        Ledge(p, true, false),       // 0 ledge, left end
        Ledge(p, false, false),      // 1 ledge
        Ledge(p, false, true),       // 2 ledge, right end
        PipeBehind(p),               // 3
        MossyBrick(p, true, false),  // 4
        MossyBrick(p, false, false), // 5
        MossyBrick(p, false, true),  // 6
        MossyBrick(p, true, true),   // 7
        DrainGrate(p),               // 8
        BrickTile(p, 10),            // 9
        CrackedBrick(p),             // 10
        StoneBlock(p),               // 11
        PipeOutlet(p),               // 12
        darkBrick,                   // 13
        PipeVertical(p),             // 14
        HangingMoss(p),              // 15
        Grating(p),                  // 16
        LabMetal(p),                 // 17
    };
    return Sheet(tiles, 4);
}
