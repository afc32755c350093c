// The eel: rearing up out of the water head first, jaw snapping open.
#include <cmath>
#include <vector>
#include "pictures.h"

namespace
{

constexpr int kW = 30, kH = 70;

struct EelColours
{
    int ink, dark, body, light, belly, eye, mouth, tooth;
    explicit EelColours(const Palette& p)
        : ink(p["ink"]), dark(p["moss_dark"]), body(p["moss"]), light(p["slime"]), belly(p["ochre"]), eye(p["cheese"]),
          mouth(p["red"]), tooth(p["coat"])
    {
    }
};

// `phase` sets the wriggle, `sway` its size, `open` the jaw angle in radians.
Canvas DrawEel(const Palette& pal, double phase, double sway, double open)
{
    EelColours k(pal);
    Canvas c(kW, kH);
    auto centreX = [&](double y) { return 15 + sway * ((y - 18) / 50.0 + 0.3) * std::sin(phase + (y - 18) * 0.15); };
    // Body from the tail up, a thick wavy ribbon narrowing to the tail fin.
    for (double y = 68; y >= 18; y -= 0.5)
    {
        double w = 2.0 + 3.2 * (68 - y) / 50.0;
        c.FillEllipse(centreX(y), y, w, 1.2, k.body);
    }
    c.FillPolygon({{centreX(60) - 1, 60}, {centreX(68) - 4, 69}, {centreX(68) + 3, 69}, {centreX(60) + 1, 60}}, k.body);
    c.EdgeShade(k.body, k.light, k.dark);
    // Pale belly stripe down the body and a row of spots.
    for (double y = 22; y < 62; y += 0.5)
        c.Set(static_cast<int>(centreX(y) + 1.5), static_cast<int>(y), k.belly);
    for (int y = 24; y < 60; y += 6)
        c.Set(static_cast<int>(centreX(y) - 1.5), y, k.light);
    // Head: two jaws hinged just above the neck, open by `open`.
    const double hx = centreX(18), hy = 17;
    auto jawCentre = [&](double a, double along) {
        return Canvas::Pt{hx + std::sin(a) * along, hy - std::cos(a) * along};
    };
    Canvas::Pt tipL = jawCentre(-open, 14), tipR = jawCentre(open, 14);
    c.FillPolygon({{hx, hy + 1}, tipL, tipR}, k.mouth);
    Canvas::Pt l = jawCentre(-open - 0.12, 7), r = jawCentre(open + 0.12, 7);
    c.FillRotatedEllipse(l.x, l.y, 3.2, 8, -open - 0.12, k.body);
    c.FillRotatedEllipse(r.x, r.y, 3.2, 8, open + 0.12, k.body);
    c.FillEllipse(hx, hy + 2, 5.5, 5, k.body);
    c.EdgeShade(k.body, k.light, k.dark);
    // Teeth along the inner edges when the mouth is open.
    if (open > 0.15)
    {
        for (double t = 6; t <= 12; t += 3)
        {
            Canvas::Pt a = jawCentre(-open + 0.18, t), b = jawCentre(open - 0.18, t);
            c.Set(static_cast<int>(a.x + 1), static_cast<int>(a.y), k.tooth);
            c.Set(static_cast<int>(b.x - 1), static_cast<int>(b.y), k.tooth);
        }
    }
    // Mean yellow eyes on both sides of the head.
    for (int side : {-1, 1})
    {
        int ex = static_cast<int>(hx + side * 3.5 - (side > 0 ? 1 : 0)), ey = static_cast<int>(hy + 1);
        c.FillRect(ex, ey, 2, 2, k.eye);
        c.Set(ex + (side > 0 ? 1 : 0), ey + 1, k.ink);
    }
    c.Outline(k.ink);
    return c;
}

} // namespace

Canvas DrawEelSheet(const Palette& pal)
{
    const double kPi = 3.14159265358979;
    std::vector<Canvas> frames;
    for (int i = 0; i < 4; ++i)
        frames.push_back(DrawEel(pal, i * kPi / 2, 3.5, 0.08 + 0.16 * i));
    // Diving: straight, mouth shut, head down.
    Canvas dive = DrawEel(pal, 0, 0.6, 0.04);
    dive.FlipY();
    frames.push_back(dive);
    return Sheet(frames, static_cast<int>(frames.size()));
}
