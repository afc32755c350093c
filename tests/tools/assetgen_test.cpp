// Checks the generated assets against what the game cuts out of them: sheet
// sizes, clip contents, transparency, and the sound files' lengths.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Pixel {
    uint8_t r, g, b;
    bool Clear() const { return r == 0 && g == 255 && b == 255; }
    int Luma() const { return (r * 299 + g * 587 + b * 114) / 1000; }
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;
    const Pixel& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

std::string AssetPath(const std::string& name) { return std::string(ASSET_DIR) + "/" + name; }

std::vector<unsigned char> ReadBytes(const std::string& name) {
    std::ifstream in(AssetPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads any PNG as 8-bit RGB; alpha, if any, is dropped. The caller owns
// the file, so that nothing reaches it across libpng's longjmp.
Picture ReadPng(FILE* f) {
    Picture pic;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return Picture{};
    }
    png_init_io(png, f);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    pic.width = static_cast<int>(png_get_image_width(png, info));
    pic.height = static_cast<int>(png_get_image_height(png, info));
    std::vector<png_byte> row(png_get_rowbytes(png, info));
    for (int y = 0; y < pic.height; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < pic.width; ++x) pic.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return pic;
}

Picture LoadPng(const std::string& name) {
    FILE* f = std::fopen(AssetPath(name).c_str(), "rb");
    if (!f) return Picture{};
    Picture pic = ReadPng(f);
    std::fclose(f);
    return pic;
}

struct Clip {
    int x, y, w, h;
};

Clip GridClip(int i, int size) { return {size * (i % 4), size * (i / 4), size, size}; }
Clip RowClip(int i, int w, int h) { return {w * i, 0, w, h}; }

int OpaqueCount(const Picture& p, Clip c) {
    int n = 0;
    for (int y = c.y; y < c.y + c.h; ++y)
        for (int x = c.x; x < c.x + c.w; ++x) n += !p.At(x, y).Clear();
    return n;
}
int OpaqueInRow(const Picture& p, Clip c, int row) {
    int n = 0;
    for (int x = c.x; x < c.x + c.w; ++x) n += !p.At(x, c.y + row).Clear();
    return n;
}
double MeanLuma(const Picture& p, Clip c) {
    double sum = 0;
    int n = 0;
    for (int y = c.y; y < c.y + c.h; ++y)
        for (int x = c.x; x < c.x + c.w; ++x)
            if (!p.At(x, y).Clear()) sum += p.At(x, y).Luma(), ++n;
    return n ? sum / n : 0;
}
bool SameImages(const Picture& p, Clip a, Clip b) {
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const Pixel& l = p.At(a.x + x, a.y + y);
            const Pixel& r = p.At(b.x + x, b.y + y);
            if (l.r != r.r || l.g != r.g || l.b != r.b) return false;
        }
    return true;
}
bool MirrorImages(const Picture& p, Clip a, Clip b) {
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const Pixel& l = p.At(a.x + x, a.y + y);
            const Pixel& r = p.At(b.x + b.w - 1 - x, b.y + y);
            if (l.r != r.r || l.g != r.g || l.b != r.b) return false;
        }
    return true;
}

TEST(GeneratedPictures, SheetsHaveTheSizesTheClipTablesCut) {
    const struct {
        const char* file;
        int w, h;
    } sheets[] = {
        {"gen_bg_4gobs1.png", 640, 480},         {"sumprun_cursor.png", 32, 32},
        {"sumprun_ts_1.png", 128, 160},          {"sumprun_ts_water.png", 128, 64},
        {"sumprun_ts_cheese.png", 128, 128},     {"sumprun_ss_burger.png", 200, 50},
        {"sumprun_ss_eel.png", 150, 70},         {"sumprun_ss_scientist.png", 1800, 180},
        {"sumprun_ss_pondweed.png", 60, 30},     {"sumprun_ss_rat.png", 360, 60},
    };
    for (const auto& s : sheets) {
        Picture p = LoadPng(s.file);
        EXPECT_EQ(p.width, s.w) << s.file;
        EXPECT_EQ(p.height, s.h) << s.file;
    }
    Picture bg = LoadPng("sumprun_bg_1.png");
    EXPECT_GE(bg.width, 640);
    EXPECT_GE(bg.height, 480);
}

TEST(GeneratedPictures, EveryCharacterClipShowsSomethingAndLeavesRoomAround) {
    const struct {
        const char* file;
        int frames, w, h;
    } sheets[] = {
        {"sumprun_ss_rat.png", 9, 40, 60},          {"sumprun_ss_burger.png", 5, 40, 50},
        {"sumprun_ss_eel.png", 5, 30, 70},          {"sumprun_ss_scientist.png", 15, 120, 180},
        {"sumprun_ss_pondweed.png", 2, 30, 30},
    };
    for (const auto& s : sheets) {
        Picture p = LoadPng(s.file);
        ASSERT_EQ(p.width, s.frames * s.w) << s.file;
        for (int i = 0; i < s.frames; ++i) {
            Clip c = RowClip(i, s.w, s.h);
            int opaque = OpaqueCount(p, c);
            EXPECT_GT(opaque, s.w * s.h / 10) << s.file << " clip " << i << " nearly empty";
            EXPECT_LT(opaque, s.w * s.h) << s.file << " clip " << i << " has no transparent surround";
        }
    }
    Picture cheese = LoadPng("sumprun_ts_cheese.png");
    for (int i = 0; i < 13; ++i) EXPECT_GT(OpaqueCount(cheese, GridClip(i, 32)), 100) << "cheese clip " << i;
}

TEST(GeneratedPictures, WalkersStandOnTheBottomRowOfTheirCells) {
    Picture rat = LoadPng("sumprun_ss_rat.png");
    for (int i = 0; i < 9; ++i) EXPECT_GT(OpaqueInRow(rat, RowClip(i, 40, 60), 59), 0) << "rat clip " << i;
    // The rat fills most of its cell's height.
    for (int i = 0; i < 8; ++i) EXPECT_GT(OpaqueInRow(rat, RowClip(i, 40, 60), 10), 0) << "rat clip " << i;
    Picture burger = LoadPng("sumprun_ss_burger.png");
    for (int i = 0; i < 5; ++i) EXPECT_GT(OpaqueInRow(burger, RowClip(i, 40, 50), 49), 0) << "burger clip " << i;
    Picture sci = LoadPng("sumprun_ss_scientist.png");
    for (int i = 0; i < 15; ++i) {
        Clip c = RowClip(i, 120, 180);
        EXPECT_GT(OpaqueInRow(sci, c, 179), 0) << "scientist clip " << i;
        // He stays within the middle of the cell, where his hit box is.
        EXPECT_EQ(OpaqueCount(sci, {c.x, 0, 8, 180}), 0) << "scientist clip " << i;
        EXPECT_EQ(OpaqueCount(sci, {c.x + 112, 0, 8, 180}), 0) << "scientist clip " << i;
    }
}

TEST(GeneratedPictures, LeftFacingFramesMirrorRightFacingOnes) {
    Picture rat = LoadPng("sumprun_ss_rat.png");
    for (int i = 0; i < 8; i += 2)
        EXPECT_TRUE(MirrorImages(rat, RowClip(i, 40, 60), RowClip(i + 1, 40, 60))) << "rat clips " << i;
    EXPECT_FALSE(MirrorImages(rat, RowClip(1, 40, 60), RowClip(1, 40, 60))) << "the rat must not be symmetric";
    // Walking frames differ from each other and from standing.
    for (int a : {1, 3, 5, 7})
        for (int b : {1, 3, 5, 7})
            if (a < b) {
                EXPECT_FALSE(SameImages(rat, RowClip(a, 40, 60), RowClip(b, 40, 60))) << a << " vs " << b;
            }
    Picture burger = LoadPng("sumprun_ss_burger.png");
    for (int i = 0; i < 4; i += 2)
        EXPECT_TRUE(MirrorImages(burger, RowClip(i, 40, 50), RowClip(i + 1, 40, 50))) << "burger clips " << i;
}

TEST(GeneratedPictures, TerrainSolidityReadsFromThePicture) {
    Picture ts = LoadPng("sumprun_ts_1.png");
    ASSERT_EQ(ts.width, 128);
    for (int i : {4, 5, 6, 7, 9, 10, 11, 12, 13, 17})
        EXPECT_EQ(OpaqueCount(ts, GridClip(i, 32)), 32 * 32) << "solid tile " << i << " has holes";
    for (int i : {0, 1, 2, 16}) {
        Clip c = GridClip(i, 32);
        EXPECT_GE(OpaqueInRow(ts, c, 0), 30) << "platform tile " << i << " lacks a walkable top";
        EXPECT_EQ(OpaqueCount(ts, {c.x, c.y + 16, 32, 16}), 0) << "platform tile " << i << " not open below";
    }
    // Background pieces are darker than the masonry the rat stands on.
    double brick = MeanLuma(ts, GridClip(9, 32));
    for (int i : {3, 8, 14, 15}) {
        EXPECT_GT(OpaqueCount(ts, GridClip(i, 32)), 0) << "ghost tile " << i;
        EXPECT_LT(MeanLuma(ts, GridClip(i, 32)), brick) << "ghost tile " << i;
    }
}

TEST(GeneratedPictures, BrickCoursesJoinAcrossTileEdges) {
    Picture ts = LoadPng("sumprun_ts_1.png");
    Clip body = GridClip(9, 32);
    // The mortar rows sit at the same heights at both side edges.
    for (int y = 0; y < 32; ++y) {
        int left = ts.At(body.x, body.y + y).Luma(), right = ts.At(body.x + 31, body.y + y).Luma();
        bool leftMortar = left < 60, rightMortar = right < 60;
        if (y % 8 == 7) {
            EXPECT_TRUE(leftMortar && rightMortar) << "row " << y;
        }
    }
}

TEST(GeneratedPictures, WaterAndBackgroundsAreFullyOpaque) {
    Picture water = LoadPng("sumprun_ts_water.png");
    ASSERT_EQ(water.width, 128);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(OpaqueCount(water, GridClip(i, 32)), 32 * 32) << "water clip " << i;
    // Each pair is one phase of the ripple, so pairs differ from each other.
    for (int a = 0; a < 8; a += 2)
        for (int b = a + 2; b < 8; b += 2)
            EXPECT_FALSE(SameImages(water, GridClip(a, 32), GridClip(b, 32))) << a << " vs " << b;
    EXPECT_FALSE(SameImages(water, GridClip(0, 32), GridClip(1, 32)));
    for (const char* name : {"sumprun_bg_1.png", "gen_bg_4gobs1.png"}) {
        Picture bg = LoadPng(name);
        EXPECT_EQ(OpaqueCount(bg, {0, 0, bg.width, bg.height}), bg.width * bg.height) << name;
    }
    // The level background stays darker than the tiles played in front of it.
    Picture bg = LoadPng("sumprun_bg_1.png");
    Picture ts = LoadPng("sumprun_ts_1.png");
    EXPECT_LT(MeanLuma(bg, {0, 0, bg.width, bg.height}), MeanLuma(ts, GridClip(9, 32)));
}

TEST(GeneratedPictures, CursorIsAFrameWithAClearMiddle) {
    Picture cur = LoadPng("sumprun_cursor.png");
    ASSERT_EQ(cur.width, 32);
    EXPECT_EQ(OpaqueCount(cur, {6, 6, 20, 20}), 0);
    EXPECT_EQ(OpaqueInRow(cur, {0, 0, 32, 32}, 0), 32);
    EXPECT_EQ(OpaqueInRow(cur, {0, 0, 32, 32}, 31), 32);
}

uint32_t Le(const std::vector<unsigned char>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

TEST(GeneratedPictures, MenuBoxIsAPlain24BitBitmapWithADrawnInside) {
    std::vector<unsigned char> bmp = ReadBytes("menubox.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le(bmp, 18, 4), 90u);  // width
    EXPECT_EQ(Le(bmp, 22, 4), 90u);  // height, positive: bottom-up rows
    EXPECT_EQ(Le(bmp, 28, 2), 24u);
    EXPECT_EQ(Le(bmp, 30, 4), 0u);   // uncompressed
    const uint32_t rowBytes = 272, offset = Le(bmp, 10, 4);
    ASSERT_EQ(bmp.size(), offset + rowBytes * 90);
    // The whole centre piece is drawn and dark, so text over it reads.
    for (int y = 30; y < 60; ++y)
        for (int x = 30; x < 60; ++x) {
            size_t at = offset + (89 - y) * rowBytes + 3 * x;
            Pixel p{bmp[at + 2], bmp[at + 1], bmp[at]};
            EXPECT_FALSE(p.Clear()) << x << "," << y;
            EXPECT_LT(p.Luma(), 80) << x << "," << y;
        }
}

// Length of an Ogg Vorbis file in seconds, from the sample rate in its
// identification header and the granule position of its last page.
double OggSeconds(const std::string& name, uint32_t* rate = nullptr) {
    std::vector<unsigned char> b = ReadBytes(name);
    if (b.size() < 64 || b[0] != 'O' || b[1] != 'g' || b[2] != 'g' || b[3] != 'S') return -1;
    const size_t id = 28;  // first packet, after a one-segment page header
    if (std::string(b.begin() + id + 1, b.begin() + id + 7) != "vorbis") return -1;
    uint32_t sampleRate = Le(b, id + 12, 4);
    if (rate) *rate = sampleRate;
    for (size_t at = b.size() - 27; at-- > 0;)
        if (b[at] == 'O' && b[at + 1] == 'g' && b[at + 2] == 'g' && b[at + 3] == 'S') {
            uint64_t granule = static_cast<uint64_t>(Le(b, at + 10, 4)) << 32 | Le(b, at + 6, 4);
            return static_cast<double>(granule) / sampleRate;
        }
    return -1;
}

TEST(GeneratedSound, MusicLoopsAreLongAndEffectsShort) {
    for (const char* song : {"SRSong1.ogg", "SRSong2.ogg"}) {
        uint32_t rate = 0;
        EXPECT_GE(OggSeconds(song, &rate), 30.0) << song;
        EXPECT_EQ(rate, 22050u) << song;
    }
    for (const char* effect : {"rat_jump_se.ogg", "eel_kill_se.ogg", "burger_die_se.ogg", "sci_drink_se.ogg",
                               "sci_throw_se.ogg"}) {
        double s = OggSeconds(effect);
        EXPECT_GT(s, 0.03) << effect;
        EXPECT_LT(s, 0.5) << effect;
    }
    double death = OggSeconds("rat_die_se.ogg");
    EXPECT_GT(death, 0.2);
    EXPECT_LE(death, 1.0);
}

TEST(GeneratedFonts, BothFontsAreTrueTypeFiles) {
    for (const char* font : {"impact.ttf", "verdana.ttf"}) {
        std::vector<unsigned char> b = ReadBytes(font);
        ASSERT_GT(b.size(), 1000u) << font;
        EXPECT_EQ(Le(b, 0, 4), 0x00000100u) << font;  // 0x00010000 big-endian: TrueType outlines
    }
}

}  // namespace
