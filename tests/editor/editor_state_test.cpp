#include "tests/editor/editor_fixture.h"
#include <SDL_mixer.h>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include <vector>

namespace fs = std::filesystem;

namespace {

void BottomState() {}

// Queues the answer to the quit dialog: Down `downs` times, then Enter.
void PushChoice(int downs)
{
    for (int i = 0; i < downs; ++i)
        PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
}

TEST_F(EditorTest, EnteringLoadsTheLevelAndTheEditorTakesOneEventAFrame)
{
    tile.push_back(new WaterTile(0, 0, GHOST, 0, water_ts, &waterClips)); // left from before
    WriteFile(EDITOR_LEVEL_FILE, "Cheese\n32 32\n");                       // with no rat record
    rat.SetClips(nullptr);
    rat.SetSpriteSheet(nullptr);
    rat.SetBothPos(300, 400);
    SDL_Surface* sheet = rat_ss;
    rat_ss = nullptr; // a missing picture must not move the rat
    PreEdit();
    rat_ss = sheet;
    EXPECT_TRUE(rat.GetXPos() == 300 && rat.GetYPos() == 400);
    EXPECT_EQ(rat.GetClips(), &ratClips);
    PreEdit();
    EXPECT_TRUE(rat.GetSpriteSheet() == rat_ss && rat.GetClips() == &ratClips) << "the rat could not be drawn";
    EXPECT_TRUE(!music2 || Mix_PlayingMusic() == 1);

    // Each run of the editor has a second way out queued behind the one
    // tried, so that an ignored key fails the test rather than hangs it.
    PushState(BottomState);
    PushState(EditorState);
    for (int i = 0; i < 6; ++i)
        PushKeyPress(SDLK_a); // a press and a release: two quiet frames
    PushKeyPress(SDLK_ESCAPE);
    PushQuitEvent();
    HoldKey(SDLK_RIGHT);
    HoldKey(SDLK_INSERT);
    EditorState();
    EXPECT_EQ(tile.size(), 13u); // every frame moved, then placed: the Escape frame too
    EXPECT_EQ(cheese.size(), 1u);
    EXPECT_TRUE(IsTopState(QuitEditorState));
    EXPECT_EQ(camera.GetXSize(), EDITOR_PANEL_X);
    ASSERT_GT(camera.GetXPos(), 0);

    ReleaseAllKeys();
    DrainEvents();
    PushChoice(0); // "Continue Editing"
    QuitEditorState();
    PushKeyPress(SDLK_p);
    PushQuitEvent();
    HoldKey(SDLK_INSERT);
    EditorState();
    ASSERT_EQ(tile.size(), 14u);
    EXPECT_TRUE(tile.back()->GetXPos() == 0 && tile.back()->GetYPos() == 0) << "the cursor did not start afresh";
    EXPECT_TRUE(camera.GetXPos() == 0 && camera.GetYPos() == 0);
    EXPECT_TRUE(IsTopState(QuitEditorState));

    PopState();
    DrainEvents();
    PushQuitEvent(); // closing the window
    PushKeyPress(SDLK_ESCAPE);
    EditorState();
    EXPECT_TRUE(IsTopState(QuitToDosState));
}

// The screen as rows of pixels, to find what a dialog changed.
std::vector<Uint32> Screenshot()
{
    std::vector<Uint32> pixels;
    Uint8 r, g, b;
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x)
        {
            GetPixelRGB(screen, x, y, r, g, b);
            pixels.push_back(static_cast<Uint32>(r << 16 | g << 8 | b));
        }
    return pixels;
}

int FirstChangedRow(const std::vector<Uint32>& before)
{
    const std::vector<Uint32> now = Screenshot();
    for (size_t i = 0; i < now.size(); ++i)
        if (now[i] != before[i])
            return static_cast<int>(i) / SCREEN_WIDTH;
    return SCREEN_HEIGHT;
}

TEST_F(EditorTest, QuitDialogSavesOrNotAndAFailedSaveSaysSoOverTheEditor)
{
    ASSERT_NE(screen, nullptr);
    const char* const OLD = "Burger\n64 64\n";
    const struct { int downs; bool blocked; StateFunction top; size_t depth; const char* file; } cases[] = {
        {0, false, EditorState, 2, OLD},                         // "Continue Editing"
        {1, false, BottomState, 1, "Rat\n5 6\nBurger\n64 64\n"}, // "Save and Quit"
        {2, false, BottomState, 1, OLD},                         // "Quit Without Saving"
        {1, true, EditorState, 2, OLD},                          // a save that cannot be written
    };
    int dialogTop = -1;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.downs << " down, blocked " << c.blocked);
        ResetGameState();
        Load(OLD);
        if (c.blocked)
            fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0444));
        rat.SetBothPos(5, 6);
        PushState(BottomState);
        PushState(EditorState);
        PushKeyPress(SDLK_ESCAPE);
        EditorState(); // one frame drawn, then the quit dialog is pushed
        const std::vector<Uint32> editor = Screenshot();
        PushChoice(c.downs);
        if (c.blocked)
            PushKeyPress(SDLK_RETURN); // acknowledges "Could Not Save Level"
        QuitEditorState();
        SDL_Event e;
        EXPECT_EQ(SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_KEYDOWN)), 0) << "a key press left unread";
        EXPECT_TRUE(IsTopState(c.top));
        EXPECT_EQ(StateStack.size(), c.depth);
        EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), c.file);
        EXPECT_EQ(guy.size(), 1u); // the level is still in memory
        // The failure message, smaller than the quit dialog, shows over the
        // editor alone: the dialog's top lines are gone.
        if (c.downs == 0)
            dialogTop = FirstChangedRow(editor);
        if (c.blocked)
        {
            EXPECT_TRUE(FirstChangedRow(editor) > dialogTop && FirstChangedRow(editor) < SCREEN_HEIGHT / 2);
        }
    }
}

// A level that could not be read whole is announced before editing starts;
// its save keeps the whole old file beside the new one.
TEST_F(EditorTest, PartlyReadLevelIsAnnouncedAndItsSaveKeepsTheOldFile)
{
    const std::string partly = "Cheese\n32 32\nCheese\n3 x4\nCheese\n64 64\n";
    WriteFile(EDITOR_LEVEL_FILE, partly);
    PushState(BottomState);
    PushState(EditorState);
    PreEdit();
    EXPECT_EQ(cheese.size(), 1u);
    ASSERT_TRUE(IsTopState(PartlyReadState));
    PushKeyPress(SDLK_RETURN);
    PartlyReadState();
    EXPECT_TRUE(IsTopState(EditorState));
    ASSERT_TRUE(SaveEdit());
    EXPECT_EQ(ReadFile(EDITOR_BACKUP_FILE), partly);
    WriteFile(EDITOR_LEVEL_FILE, "Cheese\n32 32\n");
    PreEdit();
    EXPECT_TRUE(IsTopState(EditorState)) << "a whole level was announced";
}

// ---- The panel ----

const Uint32 YELLOW = 0xFFFF05, BACK = 0x0A141E;

bool All(int x, int y, int w, int h, Uint32 rgb)
{
    Uint8 r, g, b;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
        {
            GetPixelRGB(screen, i, j, r, g, b);
            if (static_cast<Uint32>(r << 16 | g << 8 | b) != rgb)
                return false;
        }
    return true;
}

// Draws the editor's overlay on a plain BACK screen.
void Draw(int cursorX, int cursorY, ELEMENTS mode, int tileIndex)
{
    if (screen)
        SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 10, 20, 30));
    EditorSession s;
    s.cursor.SetBothPos(cursorX, cursorY);
    DrawEditor(s.cursor, mode, tileIndex, GUY_EEL);
}

TEST_F(EditorTest, PanelIsYellowWithIconsTheModeMarkedAndTheCursorWhereTheCameraShowsIt)
{
    ASSERT_NE(screen, nullptr);
    camera.SetBothPos(320, 96);
    for (int mode = ELEM_TERRAIN; mode <= ELEM_GUY; ++mode)
    {
        Draw(320 + 64, 96 + 128, static_cast<ELEMENTS>(mode), 0);
        EXPECT_TRUE(All(544, 0, 32, 480, YELLOW) && All(544, 300, 96, 180, YELLOW));
        EXPECT_TRUE(!All(64, 128, 32, 32, BACK) && All(0, 0, 544, 128, BACK) && All(96, 128, 448, 352, BACK));
        for (int row = ELEM_TERRAIN; row <= ELEM_GUY; ++row)
        {
            EXPECT_FALSE(All(576, 32 + 64 * row, 32, 32, YELLOW)) << "no icon on row " << row;
            EXPECT_EQ(All(616, 32 + 64 * row, 24, 32, YELLOW), row != mode) << "mode " << mode << " row " << row;
        }
    }

    // Missing pictures, a type with no picture, or no screen: only what there is gets drawn.
    SDL_Surface* kept[] = {cursor_ss, terrain_ts, water_ts, cheese_ss, eel_ss, screen};
    cursor_ss = terrain_ts = water_ts = cheese_ss = eel_ss = nullptr;
    Draw(64, 64, ELEM_GUY, 0);
    EXPECT_TRUE(All(544, 0, 96, 480, YELLOW) && All(0, 0, 544, 480, BACK));
    cursor_ss = kept[0], terrain_ts = kept[1], water_ts = kept[2], cheese_ss = kept[3], eel_ss = kept[4];
    Draw(0, 0, ELEM_TERRAIN, 99);
    EXPECT_TRUE(All(576, 32, 32, 32, YELLOW));
    Draw(0, 0, ELEM_TERRAIN, -1);
    EXPECT_TRUE(All(576, 32, 32, 32, YELLOW));
    screen = nullptr;
    Draw(0, 0, ELEM_TERRAIN, 0);
    screen = kept[5];
}

} // namespace
