// Checks the generated assets against what the game cuts out of them and
// how it treats them: sheet sizes, clip contents, transparency, the terrain
// pictures against the solidity table, and the sounds' lengths.
#include <SDL_image.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <vector>
#include "tests/support/test_env.h"
#include "world/tiles.h"

namespace
{
using Picture = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Picture Load(const std::string& name)
{
    Picture picture(IMG_Load((std::string(ASSET_DIR) + "/" + name).c_str()), SDL_FreeSurface);
    EXPECT_TRUE(picture) << name;
    return picture;
}

struct Area
{
    int x, y, w, h;
};

Area Cell(int i, int size) { return {size * (i % 4), size * (i / 4), size, size}; }

// Pixels not in cyan, the transparent colour; their mean brightness in luma.
int Opaque(SDL_Surface* s, Area a, double* luma = nullptr)
{
    int n = 0;
    double sum = 0;
    for (int y = a.y; y < a.y + a.h; ++y)
        for (int x = a.x; x < a.x + a.w; ++x)
            if (const Uint32 rgb = PixelRGB(s, x, y); rgb != 0x00FFFF)
                ++n, sum += (299 * (rgb >> 16) + 587 * (rgb >> 8 & 255) + 114 * (rgb & 255)) / 1000.0;
    if (luma)
        *luma = n ? sum / n : 0;
    return n;
}

// True when area b shows area a, mirrored left to right when asked.
bool Shows(SDL_Surface* s, Area a, Area b, bool mirrored)
{
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            if (PixelRGB(s, a.x + x, a.y + y) != PixelRGB(s, mirrored ? b.x + b.w - 1 - x : b.x + x, b.y + y))
                return false;
    return true;
}

TEST(GeneratedPictures, CharacterSheetsHoldTheirClipsInARow)
{
    // mirrored: how many (right, left) facing pairs lead the sheet; walks:
    // whether its feet reach the bottom row of every clip.
    const struct
    {
        const char* file;
        int frames, w, h, mirrored;
        bool walks;
    } sheets[] = {
        {"sumprun_ss_rat.png", 9, 40, 60, 4, true},       {"sumprun_ss_burger.png", 5, 40, 50, 2, true},
        {"sumprun_ss_eel.png", 5, 30, 70, 0, false},      {"sumprun_ss_scientist.png", 15, 120, 180, 0, true},
        {"sumprun_ss_pondweed.png", 2, 30, 30, 0, false},
    };
    for (const auto& s : sheets)
    {
        SCOPED_TRACE(s.file);
        Picture p = Load(s.file);
        ASSERT_TRUE(p && p->w == s.frames * s.w && p->h == s.h);
        for (int i = 0; i < s.frames; ++i)
        {
            const Area clip = {i * s.w, 0, s.w, s.h};
            const int opaque = Opaque(p.get(), clip);
            EXPECT_TRUE(opaque > s.w * s.h / 10 && opaque < s.w * s.h) << "clip " << i << ": " << opaque;
            EXPECT_TRUE(!s.walks || Opaque(p.get(), {clip.x, s.h - 1, s.w, 1}) > 0) << "clip " << i;
            const bool mirrors = Shows(p.get(), clip, {clip.x + s.w, 0, s.w, s.h}, true);
            EXPECT_TRUE(i >= 2 * s.mirrored || i % 2 || mirrors) << "clip " << i;
        }
    }
    // The scientist stays in the middle of his cell, where his hit box is.
    Picture scientist = Load("sumprun_ss_scientist.png");
    for (int x = 0; x < 15 * 120; x += 120)
        EXPECT_EQ(0, Opaque(scientist.get(), {x, 0, 8, 180}) + Opaque(scientist.get(), {x + 112, 0, 8, 180})) << x;
}

TEST(GeneratedPictures, TerrainPicturesMatchTheSolidityTable)
{
    Picture terrain = Load("sumprun_ts_1.png");
    ASSERT_TRUE(terrain && terrain->w == 128 && terrain->h >= 32 * ((TERRAIN_TILES + 3) / 4));
    double brick = 0;
    Opaque(terrain.get(), Cell(9, 32), &brick);
    for (int type = 0; type < TERRAIN_TILES; ++type)
    {
        SCOPED_TRACE(type);
        const Area c = Cell(type, 32);
        double luma = 0;
        const int opaque = Opaque(terrain.get(), c, &luma);
        if (TERRAIN_SOL[type] == SOLID)
            EXPECT_EQ(32 * 32, opaque);
        else if (TERRAIN_SOL[type] == PLATFORM) // a walkable top, open below
            EXPECT_TRUE(Opaque(terrain.get(), {c.x, c.y, 32, 1}) >= 30 &&
                        Opaque(terrain.get(), {c.x, c.y + 16, 32, 16}) == 0);
        else // background, darker than the masonry the rat stands on
            EXPECT_TRUE(opaque > 0 && luma < brick);
    }
    Picture water = Load("sumprun_ts_water.png"), cheese = Load("sumprun_ts_cheese.png");
    ASSERT_TRUE(water && cheese && water->w == 128 && water->h == 64 && cheese->w == 128 && cheese->h == 128);
    for (int i = 0; i < 8; ++i) // four ripples, each a pair of clips
    {
        EXPECT_EQ(32 * 32, Opaque(water.get(), Cell(i, 32))) << "water " << i;
        EXPECT_TRUE(i < 2 || !Shows(water.get(), Cell(i, 32), Cell(i % 2 ? i - 1 : i - 2, 32), false)) << "water " << i;
    }
    for (int i = 0; i < 13; ++i)
        EXPECT_GT(Opaque(cheese.get(), Cell(i, 32)), 100) << "cheese " << i;
    for (const char* name : {"sumprun_bg_1.png", "gen_bg_4gobs1.png"})
    {
        Picture bg = Load(name);
        double luma = 0;
        ASSERT_TRUE(bg && bg->w >= 640 && bg->h >= 480) << name;
        EXPECT_EQ(bg->w * bg->h, Opaque(bg.get(), {0, 0, bg->w, bg->h}, &luma)) << name;
        EXPECT_TRUE(name[7] != 'b' || luma < brick) << "the level background is darker than the tiles";
    }
}

// Length of an Ogg Vorbis file in seconds, from the sample rate in its
// identification header and the granule position of its last page.
double OggSeconds(const std::string& name, Uint32* rate = nullptr)
{
    const std::string b = ReadFile(std::string(ASSET_DIR) + "/" + name);
    auto le = [&b](size_t at) {
        return Uint32(Uint8(b[at]) | Uint8(b[at + 1]) << 8 | Uint8(b[at + 2]) << 16 | Uint32(Uint8(b[at + 3])) << 24);
    };
    if (b.size() < 64 || b.compare(0, 4, "OggS") != 0 || b.compare(29, 6, "vorbis") != 0)
        return -1;
    if (rate)
        *rate = le(40); // in the first packet, after a one-segment page header
    const size_t last = b.rfind("OggS");
    return (static_cast<uint64_t>(le(last + 10)) << 32 | le(last + 6)) / double(le(40));
}

TEST(GeneratedSound, MusicLoopsAreLongAndEffectsShort)
{
    // Each file with the shortest and longest it may last, in seconds.
    const std::tuple<const char*, double, double> sounds[] = {
        {"SRSong1.ogg", 30, 1e9},        {"SRSong2.ogg", 30, 1e9},         {"rat_jump_se.ogg", 0.03, 0.5},
        {"eel_kill_se.ogg", 0.03, 0.5},  {"burger_die_se.ogg", 0.03, 0.5}, {"sci_drink_se.ogg", 0.03, 0.5},
        {"sci_throw_se.ogg", 0.03, 0.5}, {"rat_die_se.ogg", 0.2, 1.0}};
    for (auto [name, shortest, longest] : sounds)
    {
        Uint32 rate = 0;
        const double seconds = OggSeconds(name, &rate);
        EXPECT_TRUE(seconds >= shortest && seconds <= longest && rate == 22050)
            << name << " " << seconds << " " << rate;
    }
}
} // namespace
