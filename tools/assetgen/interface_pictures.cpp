// The editor's cursor and the riveted plate the menus are boxed in.
#include <algorithm>
#include "pictures.h"

Canvas DrawCursor(const Palette& p)
{
    const int ink = p["ink"], yellow = p["cheese"], bright = p["cheese_light"], white = p["coat"];
    Canvas c(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
        {
            int d = std::min(std::min(x, y), std::min(31 - x, 31 - y));
            if (d == 0 || d == 3)
                c.Set(x, y, ink);
            else if (d == 1)
                c.Set(x, y, (x == 1 || y == 1) ? bright : yellow);
            else if (d == 2)
                c.Set(x, y, yellow);
        }
    // White corner brackets make the frame catch the eye on any tile.
    for (int i = 1; i < 7; ++i)
    {
        c.Set(i, 1, white), c.Set(1, i, white);
        c.Set(30 - i, 1, white), c.Set(30, i, white);
        c.Set(i, 30, white), c.Set(1, 30 - i, white);
        c.Set(30 - i, 30, white), c.Set(30, 30 - i, white);
    }
    return c;
}

Canvas DrawMenuBox(const Palette& p)
{
    const int ink = p["ink"], light = p["fur_light"], metal = p["fur"], dark = p["fur_dark"], inside = p["sewer_deep"],
              insideEdge = p["sewer_dark"];
    const int n = 90, band = 6;
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            int toTopLeft = std::min(x, y), toBottomRight = std::min(n - 1 - x, n - 1 - y);
            int d = std::min(toTopLeft, toBottomRight);
            bool litSide = toTopLeft <= toBottomRight;
            int colour;
            if (d == 0)
                colour = ink;
            else if (d < band)
            {
                if (d == 1)
                    colour = litSide ? light : metal;
                else if (d == band - 1)
                    colour = litSide ? metal : dark;
                else
                    colour = litSide ? metal : (d == 2 ? metal : dark);
                if (!litSide && d == 1)
                    colour = dark;
            }
            else if (d == band)
                colour = ink;
            else if (d == band + 1 && litSide)
                colour = ink; // inner shadow under the lit rim
            else
                colour = (d == band + 1) ? insideEdge : inside;
            c.Set(x, y, colour);
        }
    // Rivets at the middle of every piece along the band, so any box size
    // built from the pieces keeps an even spacing.
    auto rivet = [&](int x, int y) {
        c.Set(x, y, light);
        c.Set(x + 1, y, metal);
        c.Set(x, y + 1, metal);
        c.Set(x + 1, y + 1, dark);
        c.Set(x + 2, y + 1, ink), c.Set(x + 1, y + 2, ink), c.Set(x + 2, y + 2, ink);
    };
    for (int k = 0; k < 3; ++k)
    {
        int m = 30 * k + 14;
        rivet(m, 2), rivet(m, n - 5), rivet(2, m), rivet(n - 5, m);
    }
    // Rounded outer corners.
    for (int x : {0, n - 1})
        for (int y : {0, n - 1})
            c.Set(x, y, Palette::kClear);
    return c;
}
