// The level's scrolling sewer tunnel and the title picture of the menus.
#include <algorithm>
#include <cmath>
#include "pictures.h"
#include "rng.h"

namespace
{

constexpr double kPi = 3.14159265358979;

// The level background repeats every kBgW pixels, so everything is drawn
// with x taken round that width.
constexpr int kBgW = 960, kBgH = 992, kBay = 320;
constexpr int kWalkY = 700, kWaterY = 724;

int Wrap(int x) { return ((x % kBgW) + kBgW) % kBgW; }

struct Sewer
{
    int ink, deep, dark, mid, light, moss, mossDark, waterDark, water, lamp, lampGlow;
    explicit Sewer(const Palette& p)
        : ink(p["ink"]), deep(p["sewer_deep"]), dark(p["sewer_dark"]), mid(p["sewer_mid"]), light(p["sewer_light"]),
          moss(p["moss"]), mossDark(p["moss_dark"]), waterDark(p["water_dark"]), water(p["water"]),
          lamp(p["cheese_light"]), lampGlow(p["ochre"])
    {
    }
};

// Brightness 0..1 of the back wall: lamp pools near the top of each bay.
double Lamplight(int x, int y)
{
    double best = 0;
    for (int bay = -1; bay <= 3; ++bay)
    {
        double lx = bay * kBay + 160, ly = 120;
        double d = std::hypot((x - lx) / 1.3, y - ly);
        best = std::max(best, std::max(0.0, 1 - d / 260));
    }
    return best;
}

void BackWall(Canvas& c, const Sewer& k)
{
    for (int y = 0; y < kWalkY; ++y)
        for (int x = 0; x < kBgW; ++x)
        {
            int course = y / 16, offset = (course % 2) * 16;
            bool mortar = y % 16 == 15 || (x + offset) % 32 == 0;
            double lit = Lamplight(x, y) * 0.9;
            int colour = mortar ? k.deep : Dither(k.dark, k.mid, lit * 0.8, x, y);
            if (!mortar && y % 16 == 0)
                colour = Dither(k.dark, k.mid, lit * 1.3, x, y);
            if (!mortar && Noise01((x + offset) / 32, course, 3) < 0.2)
                colour = Dither(k.deep, k.dark, 0.5 + lit, x, y);
            c.Set(x, y, colour);
        }
}

void Arch(Canvas& c, const Sewer& k, int cx)
{
    const int spring = 420, r = 118, ring = 12;
    for (int y = spring - r - ring; y < kWalkY; ++y)
        for (int dx = -(r + ring); dx <= r + ring; ++dx)
        {
            int x = Wrap(cx + dx);
            double dist = y < spring ? std::hypot(dx, y - spring) : std::abs(dx);
            if (dist < r)
            {
                // The tunnel mouth: dark, fading to black further in.
                double t = std::min(1.0, (dist / r) * 0.8 + (y < spring ? 0 : 0.1));
                c.Set(x, y, Dither(k.ink, k.deep, t * 0.9, x, y));
            }
            else if (dist < r + ring)
            {
                // Voussoir stones round the arch, joints pointing at its centre.
                double angle = y < spring ? std::atan2(y - spring, dx) : (dx < 0 ? -kPi : 0);
                bool joint = y < spring ? std::fmod(angle * 18 / kPi + 40, 1.0) < 0.12 : y % 16 == 15;
                bool inner = dist<r + 2, outer = dist> r + ring - 2;
                int colour = joint ? k.deep : (inner ? k.dark : (outer ? k.dark : k.mid));
                if (!joint && !inner && dx < 0 && y < spring - 20)
                    colour = Dither(k.mid, k.light, 0.35, x, y);
                c.Set(x, y, colour);
            }
        }
}

void Pipes(Canvas& c, const Sewer& k)
{
    // Two long pipes along the wall, with brackets and a few drops.
    const int rows[2][2] = {{236, 14}, {262, 9}};
    for (const auto& pipe : rows)
    {
        int top = pipe[0], h = pipe[1];
        for (int x = 0; x < kBgW; ++x)
        {
            for (int y = top; y < top + h; ++y)
            {
                int colour = k.mid;
                if (y == top)
                    colour = k.light;
                else if (y >= top + h - 3)
                    colour = k.dark;
                c.Set(x, y, colour);
            }
            c.Set(x, top + h, k.deep);
            if (x % 160 < 6)
            {
                for (int y = top - 2; y < top + h + 2; ++y)
                    c.Set(x, y, x % 160 == 0 ? k.light : k.dark);
            }
        }
    }
    const int drops[] = {96, 410, 700};
    for (int px : drops)
    {
        for (int y = 250; y < kWalkY; ++y)
            for (int dx = 0; dx < 10; ++dx)
                c.Set(Wrap(px + dx), y, dx < 2 ? k.light : (dx > 6 ? k.dark : k.mid));
        // Slime running down beside the pipe.
        for (int y = 276; y < 276 + 60 + (px % 50); ++y)
            c.Set(Wrap(px + 11), y, y % 9 == 0 ? k.moss : k.mossDark);
    }
}

void Lamps(Canvas& c, const Sewer& k)
{
    for (int bay = 0; bay < 3; ++bay)
    {
        int lx = bay * kBay + 160;
        c.FillRect(lx - 1, 90, 3, 18, k.ink);
        c.FillEllipse(lx + 0.5, 112, 6, 5, k.lampGlow);
        c.FillEllipse(lx + 0.5, 113, 3.5, 3, k.lamp);
        c.FillRect(lx - 7, 106, 15, 2, k.ink);
    }
}

void Walkway(Canvas& c, const Sewer& k)
{
    for (int x = 0; x < kBgW; ++x)
    {
        for (int y = kWalkY; y < kWaterY; ++y)
        {
            int colour = k.mid;
            if (y == kWalkY)
                colour = k.light;
            else if (y > kWaterY - 6)
                colour = k.dark;
            if (x % 64 == 63)
                colour = k.deep;
            c.Set(x, y, colour);
        }
        for (int y = kWaterY; y < kBgH; ++y)
        {
            double depth = (y - kWaterY) / static_cast<double>(kBgH - kWaterY);
            int colour = Dither(k.waterDark, k.deep, depth * 1.2, x, y);
            // Lamp light glinting on the surface, in short broken streaks.
            double glow = Lamplight(x, 120 + (y - kWaterY) * 0.5);
            if (y % 6 == 0 && Noise01(x / 5, y, 71) < glow * 0.8)
                colour = k.water;
            c.Set(x, y, colour);
        }
    }
}

} // namespace

Canvas DrawLevelBackground(const Palette& p)
{
    Sewer k(p);
    Canvas c(kBgW, kBgH);
    BackWall(c, k);
    for (int bay = 0; bay < 3; ++bay)
        Arch(c, k, bay * kBay + 160);
    Pipes(c, k);
    Lamps(c, k);
    Walkway(c, k);
    return c;
}

// The title picture: looking down the tunnel, the rat in silhouette at the
// left; the far end is dark and plain where the menu box goes.
Canvas DrawMenuBackground(const Palette& p)
{
    Sewer k(p);
    const int w = 640, h = 480;
    const double vx = 320, vy = 210, archR = 1.0, floorH = 1.05;
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            double dx = (x + 0.5 - vx) / 300, dy = (y + 0.5 - vy) / 300;
            // How near this bit of tunnel is: the size of the cross-section
            // that passes through the pixel (bigger = closer).
            bool floor = false;
            double s;
            if (dy < 0)
                s = std::hypot(dx, dy) / archR;
            else
            {
                s = std::abs(dx) / archR;
                if (dy / floorH > s)
                    s = dy / floorH, floor = true;
            }
            double depth = 1 / std::max(s, 1e-3);
            double light = std::clamp((s - 0.12) * 1.25, 0.0, 1.0);
            int colour;
            if (floor)
            {
                bool channel = std::abs(dx) < dy * 0.55;
                if (channel)
                {
                    colour = Dither(k.ink, k.waterDark, light * 1.4, x, y);
                    if (std::fmod(depth * 3, 1.0) < 0.08 && Noise01(x / 4, y, 5) < light)
                        colour = k.water;
                }
                else
                {
                    colour = Dither(k.ink, k.mid, light, x, y);
                    if (std::fmod(depth * 2, 1.0) < 0.06)
                        colour = k.deep;
                }
            }
            else
            {
                // Brick rings: joints every so far along, courses round the arch.
                double along = std::fmod(depth * 4, 1.0);
                double round = dy < 0 ? std::atan2(dy, dx) / kPi * 24 : dy * 24 / std::max(s, 1e-3);
                bool joint =
                    along < 0.1 || std::fmod(std::abs(round) + (static_cast<int>(depth * 4) % 2) * 0.5, 1.0) < 0.08;
                colour = Dither(k.ink, joint ? k.dark : k.mid, light, x, y);
                if (!joint && light > 0.6 && (dx < 0 && dy < 0))
                    colour = Dither(k.mid, k.light, (light - 0.6) * 1.5, x, y);
                // Slime streaks down the near walls.
                if (!joint && light > 0.4 && Noise01(static_cast<int>(round * 3), 1, 9) < 0.15 && dy > -0.1)
                    colour = Dither(colour, k.mossDark, 0.6, x, y);
            }
            c.Set(x, y, colour);
        }
    // The rat in silhouette on the walkway, lit from behind at the top left.
    Canvas rat = DrawRatStanding(p).Scaled(3);
    Canvas shape(rat.Width(), rat.Height());
    for (int y = 0; y < rat.Height(); ++y)
        for (int x = 0; x < rat.Width(); ++x)
            if (rat.Opaque(x, y))
            {
                bool rim = !rat.Opaque(x - 3, y) || !rat.Opaque(x, y - 3);
                shape.Set(x, y, rim ? k.lampGlow : k.ink);
            }
    // Its eye catches the light.
    shape.FillRect(27 * 3, 16 * 3, 4, 4, k.lamp);
    c.Blit(shape, 40, h - rat.Height() - 6);
    return c;
}
