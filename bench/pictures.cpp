#include "bench/pictures.h"
#include <SDL.h>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include "app/globals.h"
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "editor/editor.h"
#include "play/level_file.h"
#include "toolkit/vek_clock.h"

static uint64_t ScreenHash()
{
    // FNV-1a over the visible bytes of every row.
    uint64_t h = 1469598103934665603ull;
    SDL_LockSurface(screen);
    const Uint8* pixels = static_cast<const Uint8*>(screen->pixels);
    const int rowBytes = screen->w * screen->format->BytesPerPixel;
    for (int y = 0; y < screen->h; ++y)
        for (int x = 0; x < rowBytes; ++x)
        {
            h ^= pixels[y * screen->pitch + x];
            h *= 1099511628211ull;
        }
    SDL_UnlockSurface(screen);
    return h;
}

static Uint32 picturesNow = 1000;
static Uint32 PictureTicks() { return picturesNow; }
static void PictureDelay(Uint32 ms) { picturesNow += ms; }

static void PushKey(SDLKey key)
{
    for (Uint8 type : {Uint8(SDL_KEYDOWN), Uint8(SDL_KEYUP)})
    {
        SDL_Event e = SDL_Event();
        e.type = type;
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }
}

namespace
{
struct Recorder
{
    std::string dir;
    std::ofstream hashes;

    void Screen(const std::string& name)
    {
        uint64_t h = ScreenHash();
        hashes << name << ' ' << std::hex << h << std::dec << '\n';
        std::printf("%-28s %016llx\n", name.c_str(), static_cast<unsigned long long>(h));
        SDL_SaveBMP(screen, (dir + "/" + name + ".bmp").c_str());
    }
};
} // namespace

static void RecordScenario(Recorder& rec, const Scenario& s)
{
    FrameDriver driver(s);
    uint64_t all = 1469598103934665603ull;
    int drawn = 0;
    for (;;)
    {
        FrameDrawing drawing = driver.Logic();
        if (drawing == FrameDrawing::Ended)
            break;
        if (drawing != FrameDrawing::Nothing)
        {
            driver.Draw(drawing);
            uint64_t h = ScreenHash();
            rec.hashes << s.name << " frame " << driver.Frames() << ' ' << std::hex << h << std::dec << '\n';
            all = (all ^ h) * 1099511628211ull;
            if (++drawn == 300)
                SDL_SaveBMP(screen, (rec.dir + "/play_" + s.name + ".bmp").c_str());
        }
    }
    std::printf("%-28s %016llx (%d drawn frames)\n", (s.name + " play").c_str(), static_cast<unsigned long long>(all),
                drawn);
    // A game that ended leaves its message over the last picture of play.
    bool won = IsTopState(WonState);
    bool lost = IsTopState(LostState);
    if (won || lost)
    {
        PushKey(SDLK_RETURN);
        won ? WonState() : LostState();
        rec.Screen(s.name + "_end_message");
    }
}

static void RecordMenus(Recorder& rec)
{
    // Down to "Quit" and choose it: five pictures of the main menu, the
    // last with Quit lit.
    PushState(MenuState);
    for (int i = 0; i < 4; ++i)
        PushKey(SDLK_DOWN);
    PushKey(SDLK_RETURN);
    MenuState();
    rec.Screen("main_menu");
    PushKey(SDLK_DOWN);
    PushKey(SDLK_UP);
    PushKey(SDLK_RETURN);
    QuitToDosState();
    rec.Screen("quit_dialog");
    PushState(OptionsState);
    PushKey(SDLK_DOWN);
    PushKey(SDLK_UP);
    PushKey(SDLK_RETURN);
    OptionsState();
    rec.Screen("options_menu");
    PushState(HelpState);
    PushKey(SDLK_RETURN);
    HelpState();
    rec.Screen("help");
}

static void RecordEditor(Recorder& rec)
{
    std::ifstream shipped(LevelFileName(1));
    std::ofstream(EDITOR_LEVEL_FILE) << shipped.rdbuf();
    PushState(EditorState);
    PreEdit();
    // One frame with the right arrow held, then the leave dialog.
    PushKey(SDLK_ESCAPE);
    RunEditor([] {
        EditorInput input = ReadEditorInput();
        input.right = true;
        return input;
    });
    rec.Screen("editor");
    PushKey(SDLK_RETURN);
    QuitEditorState();
    rec.Screen("quit_editor");
    PopAll();
    ClearWorld();
}

int WritePictures(const std::string& dir, const std::vector<Scenario>& scenarios)
{
    Recorder rec;
    rec.dir = dir;
    rec.hashes.open(dir + "/hashes.txt");
    if (!rec.hashes)
    {
        std::fprintf(stderr, "sumprun-bench: cannot write in %s\n", dir.c_str());
        return 1;
    }
    for (const Scenario& s : scenarios)
        RecordScenario(rec, s);
    VEK_SetTickSource(PictureTicks);
    VEK_SetDelaySink(PictureDelay);
    RecordMenus(rec);
    RecordEditor(rec);
    VEK_SetTickSource(nullptr);
    VEK_SetDelaySink(nullptr);
    return 0;
}
