#include "app/assets.h"
#include <sys/stat.h>
#include "app/globals.h"
#include "app/startup_checks.h"
#include "enemies/burger.h"
#include "enemies/eel.h"
#include "enemies/projectile.h"
#include "enemies/scientist.h"
#include "play/draw.h"
#include "toolkit/safe_file.h"
#include "toolkit/vek_clips.h"
#include "toolkit/vek_surface.h"
#include "world/cheese.h"
#include "world/constants.h"
#include "world/rat.h"
#include "world/tiles.h"

namespace
{
enum AssetNeed
{
    Optional,
    Required
};

// One row of the asset table: of the globals, only the one of its kind is
// set; a sheet also has its clips and how they are cut.
struct AssetRow
{
    const char* file = nullptr;
    bool required = false;
    SDL_Surface** image = nullptr;
    Mix_Music** music = nullptr;
    Mix_Chunk** effect = nullptr;
    TTF_Font** font = nullptr;
    int points = 0;
    const char* builtWith = "";
    std::vector<SDL_Rect>* clips = nullptr;
    int count = 0, columns = 0, width = 0, height = 0;
    SDL_Surface** sheetUser = nullptr;
    std::vector<SDL_Rect>** clipsUser = nullptr;
    Mix_Chunk** effectUser = nullptr;
};

AssetRow Row(const char* file, AssetNeed need)
{
    AssetRow row;
    row.file = file;
    row.required = need == Required;
    return row;
}

AssetRow Image(SDL_Surface** global, const char* file, AssetNeed need)
{
    AssetRow row = Row(file, need);
    row.image = global;
    return row;
}

AssetRow Sheet(SDL_Surface** global, const char* file, AssetNeed need, std::vector<SDL_Rect>* clips, int count,
               int columns, int width, int height, SDL_Surface** sheetUser, std::vector<SDL_Rect>** clipsUser)
{
    AssetRow row = Image(global, file, need);
    row.clips = clips;
    row.count = count;
    row.columns = columns;
    row.width = width;
    row.height = height;
    row.sheetUser = sheetUser;
    row.clipsUser = clipsUser;
    return row;
}

AssetRow Music(Mix_Music** global, const char* file, AssetNeed need)
{
    AssetRow row = Row(file, need);
    row.music = global;
    return row;
}

AssetRow Effect(Mix_Chunk** global, const char* file, AssetNeed need, Mix_Chunk** user)
{
    AssetRow row = Row(file, need);
    row.effect = global;
    row.effectUser = user;
    return row;
}

AssetRow Font(TTF_Font** global, const char* file, int points, AssetNeed need, const char* builtWith)
{
    AssetRow row = Row(file, need);
    row.font = global;
    row.points = points;
    row.builtWith = builtWith;
    return row;
}

#define SUMPRUN_IMAGE_ROW(global, file, need) Image(&global, file, need),
#define SUMPRUN_SHEET_ROW(global, file, need, clips, count, columns, width, height, sheetUser, clipsUser)              \
    Sheet(&global, file, need, &clips, count, columns, width, height, sheetUser, clipsUser),
#define SUMPRUN_MUSIC_ROW(global, file, need) Music(&global, file, need),
#define SUMPRUN_EFFECT_ROW(global, file, need, user) Effect(&global, file, need, user),
#define SUMPRUN_FONT_ROW(global, file, points, need, builtWith) Font(&global, file, points, need, builtWith),
const AssetRow ASSETS[] = {
    SUMPRUN_ASSETS(SUMPRUN_IMAGE_ROW, SUMPRUN_SHEET_ROW, SUMPRUN_MUSIC_ROW, SUMPRUN_EFFECT_ROW, SUMPRUN_FONT_ROW)};

static bool LeadsNowhere(const char* fileName)
{
    struct stat link;
    struct stat target;
    return lstat(fileName, &link) == 0 && S_ISLNK(link.st_mode) && stat(fileName, &target) != 0;
}

// The file an asset is read from: a font whose link leads nowhere (a
// staged install) is read from the one the game was built with.
const char* SourceOf(const AssetRow& a)
{
    return a.font && a.builtWith[0] != '\0' && LeadsNowhere(a.file) ? a.builtWith : a.file;
}

Mix_Chunk* LoadEffect(const char* fileName)
{
    SDL_RWops* stream = SDL_RWFromFile(fileName, "rb");
    if (!stream)
        return nullptr;
    return Mix_LoadWAV_RW(stream, 1);
}

bool IsSound(const AssetRow& a) { return a.music || a.effect; }

bool Loaded(const AssetRow& a)
{
    return (a.image && *a.image) || (a.music && *a.music) || (a.effect && *a.effect) || (a.font && *a.font);
}

// Clip i of a sheet laid out as a grid of cells, columns wide.
void CutGrid(std::vector<SDL_Rect>& clips, int count, int columns, int w, int h)
{
    clips.clear();
    for (int i = 0; i < count; ++i)
    {
        SDL_Rect r;
        r.x = static_cast<Sint16>(w * (i % columns));
        r.y = static_cast<Sint16>(h * (i / columns));
        r.w = static_cast<Uint16>(w);
        r.h = static_cast<Uint16>(h);
        clips.push_back(r);
    }
}

// The class statics only borrow the assets, so they are handed out again
// whenever the assets change hands.
void ShareAssets()
{
    for (const AssetRow& a : ASSETS)
    {
        if (a.sheetUser)
            *a.sheetUser = *a.image;
        if (a.clipsUser)
            *a.clipsUser = a.clips;
        if (a.effectUser)
            *a.effectUser = *a.effect;
    }
}

template <typename T>
void Release(T** asset, void (*free)(T*))
{
    if (!asset)
        return;
    if (*asset)
        free(*asset);
    *asset = nullptr;
}
} // namespace

// Every file is loaded before any is judged; only the required ones stop
// the start.
bool LoadAssets(bool withAudio)
{
    for (const AssetRow& a : ASSETS)
    {
        // The loaders open files by name, and opening a FIFO waits for a
        // writer for ever: only regular files are handed to them.
        const char* source = SourceOf(a);
        if (!IsRegularFile(source))
            continue;
        if (a.image)
            *a.image = VEK_LoadImage(source);
        if (a.music && withAudio)
            *a.music = Mix_LoadMUS(source);
        if (a.effect && withAudio)
            *a.effect = LoadEffect(source);
        if (a.font)
            *a.font = TTF_OpenFont(source, a.points);
    }
    for (const AssetRow& a : ASSETS)
        if (a.required && !Loaded(a) && (withAudio || !IsSound(a)))
            return AssetFailed(a.file);
    return true;
}

void SetClips()
{
    // Every clip drawn in play gets a surface of its own (same pixels).
    VEK_ForgetAllClips();
    for (const AssetRow& a : ASSETS)
        if (a.clips)
        {
            CutGrid(*a.clips, a.count, a.columns, a.width, a.height);
            VEK_CutClips(*a.image, *a.clips);
        }
}

void SetGuyDefaults()
{
    ShareAssets();
    rat.SetDefaults(rat_ss, &ratClips);
}

void FreeAssets()
{
    VEK_ForgetAllClips();
    ReleaseDrawCaches();
    for (const AssetRow& a : ASSETS)
    {
        Release(a.image, SDL_FreeSurface);
        Release(a.music, Mix_FreeMusic);
        Release(a.effect, Mix_FreeChunk);
        Release(a.font, TTF_CloseFont);
    }
    // Nothing may keep pointing at what was just freed.
    ShareAssets();
    rat.SetSpriteSheet(nullptr);
}
