// sumprun-assetgen <assets-source-dir> <output-dir>
// Draws every picture, synthesises the music and effects and copies the
// fonts the game loads, all into one folder, the same bytes on every run.
// sumprun-assetgen --icons <assets-source-dir> <output-dir>
// Draws the program's icon at every size into an icon theme folder.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>
#include "effects.h"
#include "icon.h"
#include "image_files.h"
#include "ogg_writer.h"
#include "pictures.h"
#include "song.h"
#include "synth.h"

namespace fs = std::filesystem;

namespace
{

struct PictureJob
{
    const char* file;
    std::function<Canvas(const Palette&)> draw;
    int width, height;
};

void CheckSize(const Canvas& c, const PictureJob& job)
{
    if (c.Width() != job.width || c.Height() != job.height)
        throw std::runtime_error(std::string(job.file) + ": drawn " + std::to_string(c.Width()) + "x" +
                                 std::to_string(c.Height()) + ", wanted " + std::to_string(job.width) + "x" +
                                 std::to_string(job.height));
}

void MakePictures(const Palette& pal, const fs::path& out)
{
    const std::vector<PictureJob> pngs = {
        {"gen_bg_4gobs1.png", DrawMenuBackground, 640, 480},
        {"sumprun_cursor.png", DrawCursor, 32, 32},
        {"sumprun_bg_1.png", DrawLevelBackground, 960, 992},
        {"sumprun_ts_1.png", DrawTerrainSheet, 128, 160},
        {"sumprun_ts_water.png", DrawWaterSheet, 128, 64},
        {"sumprun_ts_cheese.png", DrawCheeseSheet, 128, 128},
        {"sumprun_ss_burger.png", DrawBurgerSheet, 200, 50},
        {"sumprun_ss_eel.png", DrawEelSheet, 150, 70},
        {"sumprun_ss_scientist.png", DrawScientistSheet, 1800, 180},
        {"sumprun_ss_pondweed.png", DrawPondweedSheet, 60, 30},
        {"sumprun_ss_rat.png", DrawRatSheet, 360, 60},
    };
    for (const PictureJob& job : pngs)
    {
        Canvas c = job.draw(pal);
        CheckSize(c, job);
        WritePng((out / job.file).string(), ToRgb(c, pal));
    }
    PictureJob box{"menubox.bmp", DrawMenuBox, 90, 90};
    Canvas c = box.draw(pal);
    CheckSize(c, box);
    WriteBmp((out / box.file).string(), ToRgb(c, pal));
}

constexpr float kOggQuality = 0.35f;

void Report(const std::string& name, const std::vector<float>& s)
{
    std::printf("  %-20s %6.2f s  peak %.3f  rms %.3f\n", name.c_str(), static_cast<double>(s.size()) / kSampleRate,
                static_cast<double>(Peak(s)), static_cast<double>(Rms(s)));
}

void MakeSound(const fs::path& src, const fs::path& out)
{
    // Music: each loop of at least half a minute, peaks at a common level.
    struct Piece
    {
        const char* score;
        const char* file;
    };
    const Piece pieces[] = {{"music/srsong1.txt", "SRSong1.ogg"}, {"music/srsong2.txt", "SRSong2.ogg"}};
    float quietestRms = 1, lowestPeak = 1;
    int serial = 0x5352;
    for (const Piece& piece : pieces)
    {
        RenderedSong song = RenderSongFile((src / piece.score).string());
        if (song.seconds < 30)
            throw std::runtime_error(std::string(piece.score) + ": loop shorter than 30 s");
        float peak = Peak(song.samples);
        if (peak <= 0)
            throw std::runtime_error(std::string(piece.score) + ": silent");
        Scale(song.samples, 0.8f / peak);
        quietestRms = std::min(quietestRms, Rms(song.samples));
        lowestPeak = std::min(lowestPeak, Peak(song.samples));
        Report(piece.file, song.samples);
        WriteOggVorbis((out / piece.file).string(), song.samples, kSampleRate, kOggQuality, serial++);
    }

    // Effects: never louder than the music, neither in peak nor on average.
    const std::map<std::string, double> longest = {
        {"rat_jump_se", 0.5},   {"rat_die_se", 1.0},   {"eel_kill_se", 0.5},
        {"burger_die_se", 0.5}, {"sci_drink_se", 0.5}, {"sci_throw_se", 0.5},
    };
    auto effects = RenderEffectsFile((src / "sound/effects.txt").string());
    for (const auto& [name, limit] : longest)
    {
        auto it = effects.find(name);
        if (it == effects.end())
            throw std::runtime_error("effects.txt lacks '" + name + "'");
        std::vector<float>& s = it->second;
        double seconds = static_cast<double>(s.size()) / kSampleRate;
        if (seconds >= limit)
            throw std::runtime_error(name + " lasts " + std::to_string(seconds) + " s, too long");
        float rms = Rms(s), peak = Peak(s);
        if (rms <= 0)
            throw std::runtime_error(name + " is silent");
        Scale(s, std::min(0.9f * quietestRms / rms, 0.95f * lowestPeak / peak));
        Report(name + ".ogg", s);
        WriteOggVorbis((out / (name + ".ogg")).string(), s, kSampleRate, kOggQuality, serial++);
    }
    if (effects.size() != longest.size())
        throw std::runtime_error("effects.txt holds effects the game never plays");
}

void CopyFonts(const fs::path& out)
{
    fs::copy_file(SUMPRUN_LARGE_FONT, out / "impact.ttf", fs::copy_options::overwrite_existing);
    fs::copy_file(SUMPRUN_SMALL_FONT, out / "verdana.ttf", fs::copy_options::overwrite_existing);
}

} // namespace

int main(int argc, char** argv)
{
    const bool icons = argc == 4 && std::string(argv[1]) == "--icons";
    if (argc != 3 && !icons)
    {
        std::fprintf(stderr, "usage: %s [--icons] <assets-source-dir> <output-dir>\n", argv[0]);
        return 2;
    }
    try
    {
        fs::path src = argv[argc - 2], out = argv[argc - 1];
        if (icons)
        {
            WriteIcons(Palette::Load((src / "palette.txt").string()), out.string(), "sumprun");
            return 0;
        }
        fs::create_directories(out);
        Palette pal = Palette::Load((src / "palette.txt").string());
        MakePictures(pal, out);
        MakeSound(src, out);
        CopyFonts(out);
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "sumprun-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
