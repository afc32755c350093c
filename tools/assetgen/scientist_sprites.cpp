// The mad scientist: lab coat, wild white hair and goggles, seen from the
// front. He walks, drinks his potion and walks on glowing purple with his
// hair standing on end.
#include <cmath>
#include <vector>
#include "pictures.h"
#include "rng.h"

namespace
{

constexpr int kW = 120, kH = 180;
constexpr double kPi = 3.14159265358979;

struct Pose
{
    double leftLift = 0, rightLift = 0; // feet raised (his right is the viewer's left)
    double bob = 0;                     // whole upper body lowered
    double leftHandX = 35, leftHandY = 127;
    double rightHandX = 85, rightHandY = 127;
    bool flask = false;
    double flaskAngle = 0, flaskFill = 1; // radians from upright; 0..1 full
    double headLift = 0;                  // head tipped back to drink
    bool potion = false;                  // the glowing purple look
    bool blink = false;
};

struct Colours
{
    int ink, coat, coatShade, coatFold, trousers, shoe, skin, skinShade, skinLight, hair, hairShade, tie, glass,
        glassGlint, rim, mouth, tooth, potion, potionLight, flaskGlass;
    Colours(const Palette& p, bool potionLook)
        : ink(p["ink"]), coat(p["coat"]), coatShade(p[potionLook ? "potion_light" : "fur_light"]),
          coatFold(p[potionLook ? "potion" : "stone"]), trousers(p["sewer_mid"]), shoe(p["brick_dark"]),
          skin(p["skin"]), skinShade(p["brick_light"]), skinLight(p["cheese_light"]),
          hair(p[potionLook ? "potion_light" : "coat"]), hairShade(p[potionLook ? "potion" : "fur_light"]),
          tie(p["red"]), glass(p[potionLook ? "potion_light" : "water_crest"]), glassGlint(p["coat"]),
          rim(p["fur_dark"]), mouth(p["brick_dark"]), tooth(p["coat"]), potion(p["potion"]),
          potionLight(p["potion_light"]), flaskGlass(p["fur_light"])
    {
    }
};

void DrawLeg(Canvas& c, const Colours& k, double hipX, double footX, double lift)
{
    double footY = 175.4 - lift;
    c.Line(hipX, 140, footX, footY - 4, 5.2, k.trousers);
    c.ShadedEllipse(footX, footY, 7.5, 3.6, k.ink, k.shoe, k.skinShade);
}

void DrawArm(Canvas& c, const Colours& k, double shoulderX, double handX, double handY, double outward)
{
    double elbowX = (shoulderX + handX) / 2 + outward, elbowY = (72 + handY) / 2 + 4;
    // A sleeve with a drawn seam so it reads against the coat behind it.
    c.Line(shoulderX, 72, elbowX, elbowY, 6.0, k.coatFold);
    c.Line(elbowX, elbowY, handX, handY - 3, 5.5, k.coatFold);
    c.Line(shoulderX, 72, elbowX, elbowY, 4.8, k.coat);
    c.Line(elbowX, elbowY, handX, handY - 3, 4.3, k.coat);
    c.Line(elbowX + 3, elbowY, handX + 3, handY - 4, 1.0, k.coatShade);
    c.FillEllipse(handX, handY, 4.2, 4.2, k.skin);
}

void DrawFlask(Canvas& c, const Colours& k, double x, double y, double angle, double fill)
{
    // Bulb centred just above the hand, neck pointing along `angle`.
    double bx = x + 0.5, by = y - 5;
    double nx = std::sin(angle), ny = -std::cos(angle);
    c.Line(bx + nx * 5, by + ny * 5, bx + nx * 12, by + ny * 12, 1.8, k.flaskGlass);
    c.FillEllipse(bx, by, 6.5, 6.5, k.flaskGlass);
    // Liquid settles at the bottom of the bulb whatever the tilt.
    double level = by + 6.5 - 13 * fill;
    for (int py = static_cast<int>(level); py <= by + 7; ++py)
        for (int px = static_cast<int>(bx - 6); px <= bx + 6; ++px)
        {
            double dx = px + 0.5 - bx, dy = py + 0.5 - by;
            if (dx * dx + dy * dy <= 5.2 * 5.2)
                c.Set(px, py, py < level + 1.5 ? k.potionLight : k.potion);
        }
    c.Set(static_cast<int>(bx - 3), static_cast<int>(by - 3), k.glassGlint);
    c.FillEllipse(x, y, 4.2, 4.2, k.skin); // the fingers round the bulb
}

void DrawHair(Canvas& c, const Colours& k, double cx, double cy, bool onEnd)
{
    // Tufts fan out from the sides and back of the head; standing on end
    // after the potion.
    for (int i = 0; i < 15; ++i)
    {
        double a = kPi * (0.95 + 1.1 * i / 14.0); // round the top, ear to ear
        if (!onEnd && a > kPi * 1.3 && a < kPi * 1.7)
            continue; // bald crown
        double len = 10 + 7 * Noise01(i, 3, 77);
        if (onEnd)
        {
            len += 8;
            a = a * 0.6 + kPi * 1.5 * 0.4; // pulled towards straight up
        }
        double rx = cx + std::cos(a) * 13, ry = cy + std::sin(a) * 15;
        double tx = rx + std::cos(a) * len, ty = ry + std::sin(a) * len - (onEnd ? 0 : 4);
        double wx = -std::sin(a) * 4.5, wy = std::cos(a) * 4.5;
        c.FillPolygon({{rx + wx, ry + wy}, {tx, ty}, {rx - wx, ry - wy}}, (i % 3 == 1) ? k.hairShade : k.hair);
    }
}

void DrawHead(Canvas& c, const Colours& k, const Pose& p)
{
    double cx = 60, cy = 39 + p.bob - p.headLift;
    DrawHair(c, k, cx, cy, p.potion);
    c.FillRect(54, static_cast<int>(cy + 12), 12, 12, k.skin); // neck
    c.ShadedEllipse(cx, cy, 14, 17, k.skinShade, k.skin, k.skinLight);
    // Ears.
    c.ShadedEllipse(cx - 14.5, cy + 2, 3, 4.5, k.skinShade, k.skin, k.skinLight);
    c.ShadedEllipse(cx + 14.5, cy + 2, 3, 4.5, k.skinShade, k.skin, k.skinLight);
    // Goggles on a strap.
    c.FillRect(static_cast<int>(cx - 15), static_cast<int>(cy - 3), 31, 4, k.rim);
    for (double gx : {cx - 6.5, cx + 6.5})
    {
        c.FillEllipse(gx, cy - 1, 6.2, 5.6, k.rim);
        c.FillEllipse(gx, cy - 1, 4.4, 3.9, p.blink ? k.skinShade : k.glass);
        if (!p.blink)
        {
            c.FillRect(static_cast<int>(gx) - 1, static_cast<int>(cy - 1), 2, 2, k.ink); // pupils behind glass
            c.Set(static_cast<int>(gx - 3), static_cast<int>(cy - 4), k.glassGlint);
        }
    }
    // Bushy eyebrows and a wide mad grin.
    c.FillEllipse(cx - 7, cy - 8.5, 5, 1.6, k.hair);
    c.FillEllipse(cx + 7, cy - 8.5, 5, 1.6, k.hair);
    c.FillEllipse(cx, cy + 4.5, 2.2, 3, k.skinShade); // nose
    c.FillPolygon({{cx - 8, cy + 9}, {cx + 8, cy + 9}, {cx + 4, cy + 13}, {cx - 4, cy + 13}}, k.mouth);
    c.FillRect(static_cast<int>(cx - 6), static_cast<int>(cy + 9), 13, 2, k.tooth);
}

void DrawBody(Canvas& c, const Colours& k, const Pose& p)
{
    double b = p.bob;
    // Coat: a long white trapezoid flaring to the knees.
    c.FillPolygon({{42, 64 + b}, {78, 64 + b}, {85, 152}, {35, 152}}, k.coat);
    c.EdgeShade(k.coat, k.coat, k.coatShade);
    // Right-hand half in shade, with folds.
    for (int y = static_cast<int>(70 + b); y < 152; ++y)
    {
        int edge = 76 + (y - 64) * 9 / 88;
        for (int x = edge - 4; x <= edge; ++x)
            if (c.Get(x, y) == k.coat)
                c.Set(x, y, k.coatShade);
    }
    c.Line(47, 110, 43, 150, 0.5, k.coatFold);
    c.Line(72, 110, 76, 150, 0.5, k.coatFold);
    // Open front: shirt and red tie in a V, lapels, the coat's edge below.
    c.FillPolygon({{52, 64 + b}, {68, 64 + b}, {60, 98 + b}}, k.coat);
    c.FillPolygon({{58, 66 + b}, {62, 66 + b}, {63, 88 + b}, {60, 93 + b}, {57, 88 + b}}, k.tie);
    c.Line(52, 64 + b, 60, 98 + b, 0.5, k.coatFold);
    c.Line(68, 64 + b, 60, 98 + b, 0.5, k.coatFold);
    c.Line(60, 98 + b, 60, 151, 0.5, k.coatFold);
    // Breast pocket with pens, side pocket, buttons.
    c.FillRect(45, static_cast<int>(82 + b), 9, 1, k.coatFold);
    c.FillRect(47, static_cast<int>(78 + b), 1, 4, k.tie);
    c.FillRect(50, static_cast<int>(79 + b), 1, 3, k.potion);
    c.FillRect(65, 120, 10, 1, k.coatFold);
    for (int y : {104, 116, 128})
        c.Set(58, y, k.coatFold);
}

Canvas DrawScientist(const Palette& pal, const Pose& p)
{
    Colours k(pal, p.potion);
    Canvas c(kW, kH);
    DrawLeg(c, k, 52, 51, p.leftLift);
    DrawLeg(c, k, 68, 69, p.rightLift);
    DrawBody(c, k, p);
    DrawArm(c, k, 44, p.leftHandX, p.leftHandY, -7);
    DrawArm(c, k, 76, p.rightHandX, p.rightHandY, p.flask ? 12 : 7);
    DrawHead(c, k, p);
    if (p.flask)
        DrawFlask(c, k, p.rightHandX, p.rightHandY, p.flaskAngle, p.flaskFill);
    c.Outline(k.ink);
    if (p.potion)
    {
        // A purple glow round the outline, fading out in a dither.
        Canvas glow = c;
        glow.Outline(k.potion);
        Canvas halo = glow;
        halo.Outline(k.potionLight);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (!glow.Opaque(x, y) && halo.Opaque(x, y) && ((x + y) & 1))
                    glow.Set(x, y, k.potionLight);
        c = glow;
    }
    return c;
}

std::vector<Pose> WalkCycle(bool potion)
{
    Pose stepLeft, standA, stepRight, standB;
    stepLeft.leftLift = 6, stepLeft.bob = 1, stepLeft.leftHandX = 37, stepLeft.leftHandY = 122,
    stepLeft.rightHandX = 84, stepLeft.rightHandY = 129;
    stepRight.rightLift = 6, stepRight.bob = 1, stepRight.rightHandX = 83, stepRight.rightHandY = 122,
    stepRight.leftHandX = 36, stepRight.leftHandY = 129;
    standB.blink = true;
    std::vector<Pose> cycle = {stepLeft, standA, stepRight, standB};
    for (Pose& pose : cycle)
        pose.potion = potion;
    return cycle;
}

std::vector<Pose> Drinking()
{
    struct Step
    {
        double hx, hy, angle, fill, headLift;
    };
    const Step steps[] = {
        {86, 126, 0.0, 1.0, 0},  // flask in hand (also his defeated pose)
        {80, 100, 0.0, 1.0, 0},  // raising it
        {74, 76, -0.3, 1.0, 1},  // at the chin
        {72, 62, -0.9, 0.85, 2}, // tipped to the mouth
        {72, 58, -1.5, 0.55, 3}, // swallowing
        {71, 55, -2.0, 0.25, 4}, // nearly gone
        {79, 96, 0.2, 0.0, 1},   // empty, lowered
    };
    std::vector<Pose> poses;
    for (const Step& s : steps)
    {
        Pose p;
        p.flask = true;
        p.rightHandX = s.hx, p.rightHandY = s.hy, p.flaskAngle = s.angle, p.flaskFill = s.fill;
        p.headLift = s.headLift;
        poses.push_back(p);
    }
    poses.back().blink = true;
    return poses;
}

} // namespace

Canvas DrawScientistSheet(const Palette& pal)
{
    std::vector<Canvas> frames;
    for (const Pose& p : WalkCycle(false))
        frames.push_back(DrawScientist(pal, p));
    for (const Pose& p : Drinking())
        frames.push_back(DrawScientist(pal, p));
    for (const Pose& p : WalkCycle(true))
        frames.push_back(DrawScientist(pal, p));
    return Sheet(frames, static_cast<int>(frames.size()));
}
