// The burger: bun, lettuce, patty and bun on two little legs, facing right
// as drawn; the left-facing frames are mirrors.
#include <vector>
#include "pictures.h"

namespace
{

constexpr int kW = 40, kH = 50;

struct BurgerColours
{
    int ink, bunDark, bun, bunLight, seed, patty, pattyLight, lettuce, lettuceDark, cheese, leg, shoe, eyeWhite;
    explicit BurgerColours(const Palette& p)
        : ink(p["ink"]), bunDark(p["brick_light"]), bun(p["ochre"]), bunLight(p["cheese_light"]), seed(p["coat"]),
          patty(p["brick_dark"]), pattyLight(p["brick"]), lettuce(p["moss"]), lettuceDark(p["moss_dark"]),
          cheese(p["cheese"]), leg(p["fur_dark"]), shoe(p["red"]), eyeWhite(p["coat"])
    {
    }
};

// The stack from the bottom bun up; `top` is the y of the bottom bun's middle.
void DrawStack(Canvas& c, const BurgerColours& k, double top, double squash)
{
    double s = squash; // 1 = normal height, smaller = flattened
    double bottomY = top + 0.5, pattyY = top - 5 * s, lettuceY = top - 9.5 * s, domeY = top - 11 * s;
    // Top bun first: its lower half is covered by the layers below it.
    c.ShadedEllipse(20, domeY, 16.5, 14 * s, k.bunDark, k.bun, k.bunLight);
    const int seeds[][2] = {{13, -9}, {19, -11}, {25, -9}, {16, -6}, {28, -5}, {10, -4}};
    for (const auto& sd : seeds)
    {
        int y = static_cast<int>(domeY + sd[1] * s);
        c.FillRect(sd[0], y, 2, 1, k.seed);
    }
    // Patty with cheese dripping over it, lettuce frill on top.
    c.ShadedEllipse(20, pattyY, 17, 4.2 * s, k.ink, k.patty, k.pattyLight);
    c.FillPolygon({{6, pattyY - 2 * s}, {12, pattyY - 2 * s}, {8.5, pattyY + 3.5 * s}}, k.cheese);
    c.FillPolygon({{25, pattyY - 2 * s}, {32, pattyY - 2 * s}, {29, pattyY + 4.5 * s}}, k.cheese);
    c.FillEllipse(20, lettuceY, 18, 2.2 * s, k.lettuce);
    for (int x = 3; x <= 37; x += 4)
        c.FillEllipse(x, lettuceY + 1.5 * s, 2.2, 1.6 * s, k.lettuce);
    for (int x = 5; x <= 35; x += 4)
        c.Set(x, static_cast<int>(lettuceY + 2 * s), k.lettuceDark);
    // Bottom bun.
    c.ShadedEllipse(20, bottomY, 15.5, 4 * s, k.bunDark, k.bun, k.bunLight);
}

Canvas DrawUpright(const Palette& pal, double nearFoot, double farFoot, double lift, double bob)
{
    BurgerColours k(pal);
    Canvas c(kW, kH);
    // Legs and shoes under the bun.
    auto leg = [&](double hipX, double footX, double footLift) {
        double footY = 46.6 - footLift;
        c.Line(hipX, 40 + bob, footX, footY - 1, 1.2, k.leg);
        c.FillEllipse(footX + 1.5, footY, 3.6, 2.0, k.shoe);
    };
    leg(14, farFoot, 0);
    leg(25, nearFoot, lift);
    DrawStack(c, k, 37 + bob, 1.0);
    // Angry eyes looking ahead (to the right).
    int ey = static_cast<int>(16 + bob);
    for (int ex : {22, 29})
    {
        c.FillEllipse(ex + 0.5, ey + 0.5, 2.6, 3.0, k.eyeWhite);
        c.FillRect(ex + 1, ey, 2, 2, k.ink);
    }
    c.Line(19.5, ey - 4, 24.5, ey - 2, 0.7, k.ink);
    c.Line(27, ey - 2, 32, ey - 4, 0.7, k.ink);
    c.Outline(k.ink);
    return c;
}

Canvas DrawSquashed(const Palette& pal)
{
    BurgerColours k(pal);
    Canvas c(kW, kH);
    c.FillEllipse(5, 47, 3.5, 2, k.shoe);
    c.FillEllipse(35, 47, 3.5, 2, k.shoe);
    DrawStack(c, k, 45, 0.45);
    // Eyes crossed out.
    for (int ex : {15, 24})
    {
        c.Line(ex, 38, ex + 3, 41, 0.5, k.ink);
        c.Line(ex + 3, 38, ex, 41, 0.5, k.ink);
    }
    c.Outline(k.ink);
    return c;
}

} // namespace

Canvas DrawBurgerSheet(const Palette& pal)
{
    Canvas rest = DrawUpright(pal, 24, 12, 0, 0);
    Canvas stride = DrawUpright(pal, 29, 7, 1.5, -1);
    std::vector<Canvas> frames = {rest.Mirrored(), rest, stride.Mirrored(), stride, DrawSquashed(pal)};
    return Sheet(frames, static_cast<int>(frames.size()));
}
