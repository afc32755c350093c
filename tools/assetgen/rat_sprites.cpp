// The rat: upright on its hind legs, facing right as drawn; the left-facing
// frames are mirrors.
#include <vector>
#include "pictures.h"

namespace
{

constexpr int kW = 40, kH = 60;

struct RatPose
{
    double nearFootX, nearFootLift; // the leg on the viewer's side
    double farFootX, farFootLift;
    double bob; // body and head drop, pixels
    double tailTipX, tailTipY;
    double handX, handY;
};

struct RatColours
{
    int ink, dark, fur, light, pink, glint;
    explicit RatColours(const Palette& p)
        : ink(p["ink"]), dark(p["fur_dark"]), fur(p["fur"]), light(p["fur_light"]), pink(p["pink"]), glint(p["coat"])
    {
    }
};

void DrawLeg(Canvas& c, double hipX, double hipY, double footX, double lift, int legColour, int footColour)
{
    double footY = 57.2 - lift;
    c.Line(hipX, hipY, footX, footY - 1.5, 2.0, legColour);
    c.FillEllipse(footX + 2.0, footY, 4.0, 1.8, footColour);
}

Canvas DrawUpright(const Palette& pal, const RatPose& p)
{
    RatColours k(pal);
    Canvas c(kW, kH);
    double b = p.bob;

    // Tail first: it trails behind and curls up, the rat's most telling line.
    c.Curve({13, 47 + b}, {0, 54}, {p.tailTipX, p.tailTipY}, 1.7, 0.6, k.pink);

    // Far leg and ear sit behind the body, in shade.
    DrawLeg(c, 17, 46 + b, p.farFootX, p.farFootLift, k.dark, k.dark);
    c.FillEllipse(25, 9 + b, 4.2, 4.4, k.dark);
    c.FillEllipse(25.3, 9.4 + b, 2.4, 2.6, k.pink);

    // Body with a pale belly towards the front.
    c.ShadedEllipse(20, 38 + b, 9.5, 12.5, k.dark, k.fur, k.light);
    c.FillEllipse(24.5, 40 + b, 4.5, 8.5, k.light);

    DrawLeg(c, 21, 47 + b, p.nearFootX, p.nearFootLift, k.fur, k.pink);
    c.FillEllipse(21, 47 + b, 4, 3.5, k.fur); // haunch

    // Arm reaching forward.
    c.Line(24, 31 + b, p.handX, p.handY + b, 1.4, k.fur);
    c.FillEllipse(p.handX + 0.5, p.handY + b + 0.5, 1.6, 1.6, k.pink);

    // Head, pointed snout and round ear.
    c.ShadedEllipse(23, 19 + b, 8.5, 7.5, k.dark, k.fur, k.light);
    c.FillPolygon({{27, 14.5 + b}, {37.5, 21 + b}, {36.5, 23.5 + b}, {27, 25.5 + b}}, k.fur);
    c.FillPolygon({{28, 23 + b}, {36.5, 23.2 + b}, {27, 25.5 + b}}, k.dark); // underside of the snout in shade
    c.FillEllipse(37, 21.8 + b, 1.6, 1.6, k.pink);
    c.ShadedEllipse(16.5, 10 + b, 5.2, 5.4, k.dark, k.fur, k.light);
    c.FillEllipse(17, 10.5 + b, 3.0, 3.2, k.pink);

    // Eye with a glint, a tooth.
    c.FillRect(27, 16 + static_cast<int>(b), 2, 2, k.ink);
    c.Set(27, 16 + static_cast<int>(b), k.glint);
    c.Set(32, 25 + static_cast<int>(b), k.glint);

    c.Outline(k.ink);
    // Whiskers go on after the outline so they stay fine.
    int wy = 21 + static_cast<int>(b);
    c.Line(34, wy, 39.5, wy - 2, 0.5, k.light);
    c.Line(34, wy + 1, 39.5, wy + 3, 0.5, k.light);
    return c;
}

RatPose Stand() { return {23, 0, 16, 0, 0, 3, 28, 29, 36}; }

std::vector<RatPose> WalkCycle()
{
    return {
        {28, 0, 12, 1.5, 0, 2.5, 31, 27, 37},    // near leg forward
        {20, 3.0, 21, 0, -1, 3.5, 27, 29.5, 35}, // legs pass, near foot lifted
        {13, 1.5, 27, 0, 0, 2.0, 30, 31, 34},    // near leg back
    };
}

Canvas DrawDead(const Palette& pal)
{
    RatColours k(pal);
    Canvas c(kW, kH);
    // Tail flopped out behind on the ground.
    c.Curve({10, 52}, {1, 57}, {2, 47}, 1.6, 0.6, k.pink);
    // Legs sticking up (far ones darker), feet in the air.
    c.Line(14, 48, 11, 39, 1.6, k.dark);
    c.FillEllipse(11, 38.5, 1.8, 1.8, k.dark);
    c.Line(24, 47, 27, 39, 1.6, k.dark);
    c.FillEllipse(27, 38.5, 1.8, 1.8, k.dark);
    c.Line(17, 47, 17, 37, 1.8, k.fur);
    c.FillEllipse(17.5, 36.5, 2.6, 1.6, k.pink);
    c.Line(21, 47, 22, 38, 1.8, k.fur);
    c.FillEllipse(22.5, 37.5, 2.6, 1.6, k.pink);
    // Body on its back, belly up.
    c.ShadedEllipse(19, 51.5, 12, 6.5, k.dark, k.fur, k.light);
    c.FillEllipse(19, 48.5, 8, 2.8, k.light);
    // Head lolled to the right, snout up, ear on the ground side.
    c.ShadedEllipse(31, 51, 6.5, 6, k.dark, k.fur, k.light);
    c.FillPolygon({{33, 46}, {38.5, 44}, {37.5, 47}, {36, 51}}, k.fur);
    c.FillEllipse(38.2, 44.2, 1.5, 1.5, k.pink);
    c.ShadedEllipse(28, 56, 3.6, 2.8, k.dark, k.fur, k.light);
    c.FillEllipse(28, 56, 2.0, 1.4, k.pink);
    // Crossed-out eye.
    c.Set(32, 48, k.ink), c.Set(34, 50, k.ink), c.Set(33, 49, k.ink), c.Set(34, 48, k.ink), c.Set(32, 50, k.ink);
    c.Outline(k.ink);
    return c;
}

} // namespace

Canvas DrawRatStanding(const Palette& pal) { return DrawUpright(pal, Stand()); }

Canvas DrawRatSheet(const Palette& pal)
{
    Canvas standRight = DrawUpright(pal, Stand());
    std::vector<Canvas> walkRight;
    for (const RatPose& pose : WalkCycle())
        walkRight.push_back(DrawUpright(pal, pose));
    std::vector<Canvas> frames = {standRight.Mirrored(), standRight};
    for (const Canvas& w : walkRight)
    {
        frames.push_back(w.Mirrored());
        frames.push_back(w);
    }
    frames.push_back(DrawDead(pal));
    return Sheet(frames, static_cast<int>(frames.size()));
}
