// The scientist's missile: a dripping clump of pond weed.
#include <vector>
#include "pictures.h"

namespace
{

Canvas DrawClump(const Palette& pal, double wobble)
{
    const int ink = pal["ink"], dark = pal["moss_dark"], weed = pal["moss"], light = pal["slime"],
              drop = pal["water_crest"];
    Canvas c(30, 30);
    // Strands trailing off the sides.
    c.Curve({6, 14}, {2, 16 + wobble}, {3, 21 - wobble}, 1.0, 0.6, dark);
    c.Curve({24, 13}, {28, 15 - wobble}, {27, 20 + wobble}, 1.0, 0.6, dark);
    // The clump itself: lumps of weed of three shades.
    c.ShadedEllipse(15, 13, 9 + wobble * 0.5, 7 - wobble * 0.5, dark, weed, light);
    c.ShadedEllipse(10 - wobble, 11 + wobble, 4.5, 4, dark, weed, light);
    c.ShadedEllipse(20 + wobble, 10, 4.5, 4.5, dark, weed, light);
    c.ShadedEllipse(15, 7 - wobble, 4, 3.5, dark, weed, light);
    c.Set(13, 12, dark), c.Set(17, 15, dark), c.Set(12, 16, dark), c.Set(20, 13, dark);
    c.Outline(ink);
    // Water dripping off it: fine lines and falling drops, no outline.
    c.Line(10, 18, 10, 19 + wobble, 0.5, drop);
    c.FillRect(9, static_cast<int>(21 + wobble * 3), 2, 2, drop);
    c.Line(18, 19, 18, 21 - wobble, 0.5, drop);
    c.FillRect(18, static_cast<int>(24 - wobble * 2), 2, 2, drop);
    c.Set(14, static_cast<int>(27 - wobble * 4), drop);
    return c;
}

} // namespace

Canvas DrawPondweedSheet(const Palette& pal) { return Sheet({DrawClump(pal, 0), DrawClump(pal, 1)}, 2); }
