#include "icon.h"
#include <algorithm>
#include <cmath>
#include <filesystem>
#include "image_files.h"
#include "pictures.h"

namespace
{

constexpr int kDrawnSize = 64;

Canvas DrawIconCanvas(const Palette& p)
{
    Canvas c(kDrawnSize, kDrawnSize);
    // A round plate in the sewer's colours, rimmed like the menu boxes.
    const double centre = (kDrawnSize - 1) / 2.0, radius = kDrawnSize / 2.0 - 0.5;
    c.FillEllipse(centre, centre, radius, radius, p["ink"]);
    c.ShadedEllipse(centre, centre, radius - 1.5, radius - 1.5, p["sewer_deep"], p["sewer_mid"], p["sewer_light"]);
    c.FillEllipse(centre, centre, radius - 4, radius - 4, p["sewer_dark"]);
    // Water along the bottom of the plate.
    for (int y = 46; y < kDrawnSize; ++y)
        for (int x = 0; x < kDrawnSize; ++x)
            if (c.Get(x, y) == p["sewer_dark"])
                c.Set(x, y, y == 46 ? p["water_crest"] : p["water"]);
    // The rat stands on the water line, a wedge of cheese beside it.
    c.Blit(DrawRatStanding(p), 6, 0);
    Canvas cheese = DrawCheeseSheet(p).Crop(0, 0, 32, 32);
    c.Blit(cheese, 34, 20);
    return c;
}

// Area-weighted resize: every output pixel averages the source pixels it
// covers, weighting colour by alpha so the clear border does not bleed in.
RgbaImage Resize(const RgbaImage& src, int size)
{
    RgbaImage out{size, size, std::vector<uint8_t>(static_cast<size_t>(size) * size * 4)};
    const double step = static_cast<double>(src.width) / size;
    for (int oy = 0; oy < size; ++oy)
        for (int ox = 0; ox < size; ++ox)
        {
            double sum[4] = {0, 0, 0, 0}, area = 0;
            const double x0 = ox * step, x1 = x0 + step, y0 = oy * step, y1 = y0 + step;
            for (int sy = static_cast<int>(y0); sy < std::ceil(y1); ++sy)
                for (int sx = static_cast<int>(x0); sx < std::ceil(x1); ++sx)
                {
                    double w = (std::min<double>(sx + 1, x1) - std::max<double>(sx, x0)) *
                               (std::min<double>(sy + 1, y1) - std::max<double>(sy, y0));
                    const uint8_t* px = &src.rgba[(static_cast<size_t>(sy) * src.width + sx) * 4];
                    double a = px[3] / 255.0 * w;
                    for (int k = 0; k < 3; ++k)
                        sum[k] += px[k] * a;
                    sum[3] += a;
                    area += w;
                }
            uint8_t* o = &out.rgba[(static_cast<size_t>(oy) * size + ox) * 4];
            for (int k = 0; k < 3; ++k)
                o[k] = static_cast<uint8_t>(sum[3] > 0 ? std::lround(sum[k] / sum[3]) : 0);
            o[3] = static_cast<uint8_t>(std::lround(255.0 * sum[3] / area));
        }
    return out;
}

RgbaImage ToRgba(const Canvas& c, const Palette& p)
{
    RgbaImage image{c.Width(), c.Height(), {}};
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
        {
            const bool opaque = c.Opaque(x, y);
            const Rgb colour = opaque ? p.Colour(c.Get(x, y)) : Rgb{};
            image.rgba.insert(image.rgba.end(), {colour.r, colour.g, colour.b, uint8_t(opaque ? 255 : 0)});
        }
    return image;
}

} // namespace

RgbaImage DrawIcon(const Palette& pal, int size)
{
    const Canvas drawn = DrawIconCanvas(pal);
    // Larger sizes keep the crisp pixels; smaller ones are averaged down.
    if (size >= kDrawnSize && size % kDrawnSize == 0)
        return ToRgba(drawn.Scaled(size / kDrawnSize), pal);
    return Resize(ToRgba(drawn, pal), size);
}

void WriteIcons(const Palette& pal, const std::string& out, const std::string& name)
{
    namespace fs = std::filesystem;
    for (int size : kIconSizes)
    {
        const std::string dims = std::to_string(size) + "x" + std::to_string(size);
        const fs::path folder = fs::path(out) / dims / "apps";
        fs::create_directories(folder);
        WritePngRgba((folder / (name + ".png")).string(), DrawIcon(pal, size));
    }
}
