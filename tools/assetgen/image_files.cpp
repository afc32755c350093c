#include "image_files.h"
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace
{

struct FileCloser
{
    void operator()(FILE* f) const { std::fclose(f); }
};

} // namespace

namespace
{

// Writes one PNG of 8-bit channels; row(y, bytes) fills the bytes of row y.
template <typename FillRow>
void WritePngRows(const std::string& path, int width, int height, int colourType, int channels, FillRow row)
{
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot create " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        throw std::runtime_error("libpng: no write struct");
    png_infop info = png_create_info_struct(png);
    if (!info)
    {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng: no info struct");
    }
    std::vector<png_byte> bytes(static_cast<size_t>(width) * channels);
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed writing " + path);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, width, height, 8, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
    {
        row(y, bytes.data());
        png_write_row(png, bytes.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

} // namespace

void WritePng(const std::string& path, const RgbImage& image)
{
    WritePngRows(path, image.width, image.height, PNG_COLOR_TYPE_RGB, 3, [&](int y, png_byte* row) {
        for (int x = 0; x < image.width; ++x)
        {
            Rgb c = image.At(x, y);
            row[3 * x] = c.r;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.b;
        }
    });
}

void WritePngRgba(const std::string& path, const RgbaImage& image)
{
    const size_t rowBytes = static_cast<size_t>(image.width) * 4;
    WritePngRows(path, image.width, image.height, PNG_COLOR_TYPE_RGBA, 4, [&](int y, png_byte* row) {
        std::copy_n(image.rgba.begin() + static_cast<std::ptrdiff_t>(rowBytes * y), rowBytes, row);
    });
}

namespace
{

void PutLe(std::vector<unsigned char>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

} // namespace

void WriteBmp(const std::string& path, const RgbImage& image)
{
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    const uint32_t headerBytes = 14 + 40;
    std::vector<unsigned char> out;
    out.reserve(headerBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, headerBytes + pixelBytes, 4);
    PutLe(out, 0, 4); // reserved
    PutLe(out, headerBytes, 4);
    PutLe(out, 40, 4); // BITMAPINFOHEADER
    PutLe(out, static_cast<uint32_t>(image.width), 4);
    PutLe(out, static_cast<uint32_t>(image.height), 4); // positive: bottom-up
    PutLe(out, 1, 2);                                   // planes
    PutLe(out, 24, 2);                                  // bits per pixel
    PutLe(out, 0, 4);                                   // BI_RGB
    PutLe(out, pixelBytes, 4);
    PutLe(out, 2835, 4); // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = image.height - 1; y >= 0; --y)
    {
        for (int x = 0; x < image.width; ++x)
        {
            Rgb c = image.At(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}
