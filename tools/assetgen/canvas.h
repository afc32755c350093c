#pragma once
#include <vector>
#include "palette.h"

// A picture in palette indices; Palette::kClear marks transparent pixels.
// All drawing clips silently at the borders, so shapes may hang off the edge.
class Canvas
{
public:
    Canvas() = default;
    Canvas(int width, int height, int fill = Palette::kClear);

    int Width() const { return w_; }
    int Height() const { return h_; }
    int Get(int x, int y) const; // kClear outside
    void Set(int x, int y, int colour);
    bool Opaque(int x, int y) const { return Get(x, y) != Palette::kClear; }

    void FillRect(int x, int y, int w, int h, int colour);
    // Pixel centres inside the ellipse are painted.
    void FillEllipse(double cx, double cy, double rx, double ry, int colour);
    // Ellipse lit from the top left: light rim up-left, dark rim down-right.
    void ShadedEllipse(double cx, double cy, double rx, double ry, int dark, int base, int light);
    // Ellipse turned by `angle` radians (clockwise on screen).
    void FillRotatedEllipse(double cx, double cy, double rx, double ry, double angle, int colour);
    struct Pt
    {
        double x, y;
    };
    void FillPolygon(const std::vector<Pt>& points, int colour);
    // A line of round pen of the given radius (0.5 gives a 1-pixel line).
    void Line(double x0, double y0, double x1, double y1, double radius, int colour);
    // Quadratic curve whose pen radius goes from r0 to r1 along its length.
    void Curve(Pt a, Pt control, Pt b, double r0, double r1, int colour);

    // Gives each blob of `base` a light top-left edge and a dark bottom-right
    // edge; neighbours of any other colour count as the blob's border.
    void EdgeShade(int base, int light, int dark);
    // Paints `ink` on every clear pixel that touches a drawn pixel sideways
    // or vertically: the 1-pixel outline of the characters.
    void Outline(int ink);
    void Replace(int from, int to);

    void MirrorX();
    // A copy facing the other way: left-facing frames mirror right-facing ones.
    Canvas Mirrored() const;
    void FlipY();
    // Copies the drawn pixels of src with its top-left corner at (x, y).
    void Blit(const Canvas& src, int x, int y);
    Canvas Scaled(int factor) const;
    Canvas Crop(int x, int y, int w, int h) const;

private:
    int w_ = 0, h_ = 0;
    std::vector<int> px_;
};

// 4x4 ordered-dither threshold in [0, 1) for blending two palette colours.
double BayerThreshold(int x, int y);
// Picks `b` where the blend factor t (0..1) beats the dither threshold.
inline int Dither(int a, int b, double t, int x, int y) { return t > BayerThreshold(x, y) ? b : a; }

// The finished picture in real colours.
struct RgbImage
{
    int width = 0, height = 0;
    std::vector<Rgb> pixels; // row-major, top row first
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
RgbImage ToRgb(const Canvas& canvas, const Palette& palette);

// Lays equally sized frames out in rows of `perRow`.
Canvas Sheet(const std::vector<Canvas>& frames, int perRow);
