#include "canvas.h"
#include <algorithm>
#include <cmath>
#include <stdexcept>

Canvas::Canvas(int width, int height, int fill) : w_(width), h_(height), px_(static_cast<size_t>(width) * height, fill)
{
}

int Canvas::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return Palette::kClear;
    return px_[static_cast<size_t>(y) * w_ + x];
}

void Canvas::Set(int x, int y, int colour)
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return;
    px_[static_cast<size_t>(y) * w_ + x] = colour;
}

void Canvas::FillRect(int x, int y, int w, int h, int colour)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, colour);
}

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, int colour)
{
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
        for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x)
        {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                Set(x, y, colour);
        }
}

void Canvas::ShadedEllipse(double cx, double cy, double rx, double ry, int dark, int base, int light)
{
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
        for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x)
        {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy > 1.0)
                continue;
            // A rim is lit where a step towards the light leaves the shape,
            // and shaded where a step away from it does.
            auto outside = [&](double shift) {
                double sx = (x + 0.5 - cx + shift) / rx, sy = (y + 0.5 - cy + shift) / ry;
                return sx * sx + sy * sy > 1.0;
            };
            int c = base;
            if (outside(-1.6))
                c = light;
            else if (outside(2.2))
                c = dark;
            Set(x, y, c);
        }
}

void Canvas::FillRotatedEllipse(double cx, double cy, double rx, double ry, double angle, int colour)
{
    double ca = std::cos(angle), sa = std::sin(angle), reach = std::max(rx, ry);
    for (int y = static_cast<int>(std::floor(cy - reach)); y <= static_cast<int>(std::ceil(cy + reach)); ++y)
        for (int x = static_cast<int>(std::floor(cx - reach)); x <= static_cast<int>(std::ceil(cx + reach)); ++x)
        {
            double px = x + 0.5 - cx, py = y + 0.5 - cy;
            double u = (px * ca + py * sa) / rx, v = (-px * sa + py * ca) / ry;
            if (u * u + v * v <= 1.0)
                Set(x, y, colour);
        }
}

void Canvas::FillPolygon(const std::vector<Pt>& pts, int colour)
{
    if (pts.size() < 3)
        return;
    double minY = pts[0].y, maxY = pts[0].y;
    for (const Pt& p : pts)
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y)
    {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < pts.size(); ++i)
        {
            const Pt& a = pts[i];
            const Pt& b = pts[(i + 1) % pts.size()];
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 < xs[i + 1]; ++x)
                Set(x, y, colour);
    }
}

void Canvas::Line(double x0, double y0, double x1, double y1, double radius, int colour)
{
    double len = std::hypot(x1 - x0, y1 - y0);
    int steps = std::max(1, static_cast<int>(len * 3));
    for (int s = 0; s <= steps; ++s)
    {
        double t = static_cast<double>(s) / steps;
        double cx = x0 + (x1 - x0) * t, cy = y0 + (y1 - y0) * t;
        if (radius <= 0.5)
        {
            Set(static_cast<int>(std::floor(cx)), static_cast<int>(std::floor(cy)), colour);
        }
        else
        {
            FillEllipse(cx, cy, radius, radius, colour);
        }
    }
}

void Canvas::Curve(Pt a, Pt c, Pt b, double r0, double r1, int colour)
{
    const int steps = 80;
    for (int s = 0; s <= steps; ++s)
    {
        double t = static_cast<double>(s) / steps, u = 1 - t;
        double x = u * u * a.x + 2 * u * t * c.x + t * t * b.x;
        double y = u * u * a.y + 2 * u * t * c.y + t * t * b.y;
        double r = r0 + (r1 - r0) * t;
        if (r <= 0.5)
            Set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), colour);
        else
            FillEllipse(x, y, r, r, colour);
    }
}

void Canvas::EdgeShade(int base, int light, int dark)
{
    Canvas src = *this;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
        {
            if (src.Get(x, y) != base)
                continue;
            if (src.Get(x - 1, y) != base || src.Get(x, y - 1) != base)
                Set(x, y, light);
            else if (src.Get(x + 1, y) != base || src.Get(x, y + 1) != base)
                Set(x, y, dark);
        }
}

void Canvas::Outline(int ink)
{
    Canvas src = *this;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
        {
            if (src.Opaque(x, y))
                continue;
            if (src.Opaque(x - 1, y) || src.Opaque(x + 1, y) || src.Opaque(x, y - 1) || src.Opaque(x, y + 1))
                Set(x, y, ink);
        }
}

void Canvas::Replace(int from, int to)
{
    for (int& p : px_)
        if (p == from)
            p = to;
}

void Canvas::MirrorX()
{
    for (int y = 0; y < h_; ++y)
        std::reverse(px_.begin() + y * w_, px_.begin() + (y + 1) * w_);
}

Canvas Canvas::Mirrored() const
{
    Canvas copy = *this;
    copy.MirrorX();
    return copy;
}

void Canvas::FlipY()
{
    for (int y = 0; y < h_ / 2; ++y)
        std::swap_ranges(px_.begin() + y * w_, px_.begin() + (y + 1) * w_, px_.begin() + (h_ - 1 - y) * w_);
}

void Canvas::Blit(const Canvas& src, int x, int y)
{
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i)
            if (src.Opaque(i, j))
                Set(x + i, y + j, src.Get(i, j));
}

Canvas Canvas::Scaled(int f) const
{
    Canvas out(w_ * f, h_ * f);
    for (int y = 0; y < out.h_; ++y)
        for (int x = 0; x < out.w_; ++x)
            out.Set(x, y, Get(x / f, y / f));
    return out;
}

Canvas Canvas::Crop(int x, int y, int w, int h) const
{
    Canvas out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.Set(i, j, Get(x + i, y + j));
    return out;
}

double BayerThreshold(int x, int y)
{
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0;
}

RgbImage ToRgb(const Canvas& canvas, const Palette& palette)
{
    RgbImage img;
    img.width = canvas.Width();
    img.height = canvas.Height();
    img.pixels.reserve(static_cast<size_t>(img.width) * img.height);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            img.pixels.push_back(palette.Colour(canvas.Get(x, y)));
    return img;
}

Canvas Sheet(const std::vector<Canvas>& frames, int perRow)
{
    if (frames.empty())
        throw std::runtime_error("sheet without frames");
    int fw = frames[0].Width(), fh = frames[0].Height();
    int rows = (static_cast<int>(frames.size()) + perRow - 1) / perRow;
    int cols = std::min(perRow, static_cast<int>(frames.size()));
    Canvas sheet(fw * cols, fh * rows);
    for (size_t i = 0; i < frames.size(); ++i)
    {
        if (frames[i].Width() != fw || frames[i].Height() != fh)
            throw std::runtime_error("sheet frames differ in size");
        sheet.Blit(frames[i], fw * static_cast<int>(i % perRow), fh * static_cast<int>(i / perRow));
    }
    return sheet;
}
