#include <SDL_mixer.h>
#include <algorithm>
#include <vector>
#include "app/menu_states.h"
#include "app/state_stack.h"
#include "tests/editor/editor_fixture.h"

namespace fs = std::filesystem;

namespace
{

void BottomState() {}

// The live input, with Insert and, when asked, Right held as well.
bool holdRight = false;
EditorInput LiveInput()
{
    EditorInput input = ReadEditorInput();
    input.right |= holdRight;
    input.insert = true;
    return input;
}

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
    WriteFile(EDITOR_LEVEL_FILE, "Cheese\n32 32\n");                      // with no rat record
    rat.SetClips(nullptr);
    rat.SetSpriteSheet(nullptr);
    rat.SetBothPos(300, 400);
    PreEdit();
    EXPECT_TRUE(rat.GetXPos() == 300 && rat.GetYPos() == 400);
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
    holdRight = true;
    RunEditor(LiveInput);
    // Every frame moved, then placed: the Escape frame too.
    EXPECT_TRUE(tile.size() == 13u && cheese.size() == 1u && IsTopState(QuitEditorState));
    ASSERT_TRUE(camera.GetXSize() == EDITOR_PANEL_X && camera.GetXPos() > 0);

    DrainEvents();
    PushChoice(0); // "Continue Editing"
    QuitEditorState();
    PushKeyPress(SDLK_p);
    PushQuitEvent();
    holdRight = false;
    RunEditor(LiveInput);
    ASSERT_EQ(tile.size(), 14u);
    EXPECT_TRUE(tile.back()->GetXPos() == 0 && tile.back()->GetYPos() == 0) << "the cursor did not start afresh";
    EXPECT_TRUE(camera.GetXPos() == 0 && camera.GetYPos() == 0 && IsTopState(QuitEditorState));
    EXPECT_EQ(TheEditHistory().UndoCount(), 2u) << "the steps did not live through Continue Editing";

    PopState();
    DrainEvents();
    PushQuitEvent(); // closing the window
    PushKeyPress(SDLK_ESCAPE);
    RunEditor(ReadEditorInput);
    EXPECT_TRUE(IsTopState(QuitToDosState));
}

// The first row that differs, and how many of its bytes do: a box's edge
// changes a run of them.
std::pair<int, int> FirstChangedRow(const std::vector<Uint8>& was)
{
    const std::vector<Uint8> now = SurfaceBytes(screen);
    const int row = int(std::mismatch(was.begin(), was.end(), now.begin()).first - was.begin()) / screen->pitch;
    int changed = 0;
    for (int i = row * screen->pitch; i < (row + 1) * screen->pitch && i < int(now.size()); ++i)
        changed += now[i] != was[i];
    return {row, changed};
}

TEST_F(EditorTest, QuitDialogSavesOrNotAndAFailedSaveSaysSoOverTheEditor)
{
    ASSERT_NE(screen, nullptr);
    const char* const OLD = "Burger\n64 64\n";
    const struct
    {
        int downs;
        bool blocked;
        StateFunction top;
        size_t depth;
        const char* file;
    } cases[] = {
        {0, false, EditorState, 2, OLD},                                            // "Continue Editing"
        {1, false, BottomState, 1, "Rat\n5 6\nBurger\n64 64\nTerrain\n0 30 1 0\n"}, // "Save and Quit"
        {2, false, BottomState, 1, OLD},                                            // "Quit Without Saving"
        {1, true, EditorState, 2, OLD},                                             // a save that cannot be written
    };
    int dialogTop = -1;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.downs << " down, blocked " << c.blocked);
        ResetGameState();
        Load(OLD);
        EditorSession s;
        Play(s, "i ."); // a step, kept until the editor is left
        if (c.blocked)
            fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0444));
        rat.SetBothPos(5, 6);
        PushState(BottomState);
        PushState(EditorState);
        PushKeyPress(SDLK_ESCAPE);
        RunEditor(ReadEditorInput); // one frame drawn, then the quit dialog is pushed
        const std::vector<Uint8> editor = SurfaceBytes(screen);
        PushChoice(c.downs);
        if (c.blocked)
            PushKeyPress(SDLK_RETURN); // acknowledges "Could Not Save Level"
        QuitEditorState();
        SDL_Event e;
        EXPECT_EQ(SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_KEYDOWN)), 0) << "a key press left unread";
        EXPECT_TRUE(IsTopState(c.top) && StateStack.size() == c.depth);
        EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), c.file);
        EXPECT_TRUE(guy.size() == 1u && tile.size() == 1u); // the level is still in memory
        EXPECT_EQ(TheEditHistory().UndoCount(), c.top == BottomState ? 0u : 1u);
        // The failure message, smaller than the quit dialog, shows boxed over
        // the editor alone: the dialog's top lines are gone, the box's edge
        // is its first changed row.
        if (c.downs == 0)
            dialogTop = FirstChangedRow(editor).first;
        const auto [top, changed] = FirstChangedRow(editor);
        const int boxEdge = 100 * screen->format->BytesPerPixel;
        EXPECT_TRUE(!c.blocked || (top > dialogTop && top < SCREEN_HEIGHT / 2 && changed >= boxEdge)) << top;
    }
}

// ---- The panel ----

const Uint32 YELLOW = 0xFFFF05, BACK = 0x0A141E;

bool All(int x, int y, int w, int h, Uint32 rgb)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (PixelRGB(screen, i, j) != rgb)
                return false;
    return true;
}

TEST_F(EditorTest, PanelIsYellowWithIconsTheModeMarkedAndTheCursorWhereTheCameraShowsIt)
{
    camera.SetBothPos(320, 96);
    for (int mode = ELEM_TERRAIN; mode <= ELEM_GUY; ++mode)
    {
        SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 10, 20, 30)); // BACK
        DrawEditor(SessionAt(320 + 64, 96 + 128, ELEM_TERRAIN).cursor, static_cast<ELEMENTS>(mode), 0, GUY_EEL);
        EXPECT_TRUE(All(544, 0, 32, 480, YELLOW) && All(544, 300, 96, 180, YELLOW));
        EXPECT_TRUE(!All(64, 128, 32, 32, BACK) && All(0, 0, 544, 128, BACK) && All(96, 128, 448, 352, BACK));
        for (int row = ELEM_TERRAIN; row <= ELEM_GUY; ++row)
        {
            EXPECT_FALSE(All(576, 32 + 64 * row, 32, 32, YELLOW)) << "no icon on row " << row;
            EXPECT_EQ(All(616, 32 + 64 * row, 24, 32, YELLOW), row != mode) << "mode " << mode << " row " << row;
        }
    }
}

} // namespace
