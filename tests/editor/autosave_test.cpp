#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include "app/state_stack.h"
#include "editor/autosave.h"
#include "editor/recovery.h"
#include "tests/editor/editor_fixture.h"
#include "toolkit/vek_signals.h"

namespace
{
const char* const AUTOSAVE = EDITOR_AUTOSAVE_FILE;
const char* const LEVEL = "Rat\n0 900\nCheese\n32 32\n";
const char* const EDITED = "Rat\n0 900\nCheese\n32 32\nTerrain\n0 30 1 0\n";
const char* const PARTLY = "Rat\n0 900\nCheese\n32";

// What a name is, without opening it (a FIFO would block a read).
std::string Kind(const char* name)
{
    struct stat st;
    return lstat(name, &st) != 0 ? "none" : std::to_string(st.st_mode) + "/" + std::to_string(st.st_size);
}

std::vector<StateFunction> EnterEditor()
{
    PushState(EditorState);
    PreEdit();
    std::vector<StateFunction> shown;
    for (; !IsTopState(EditorState); PopState())
        shown.push_back(StateStack.top().StatePointer);
    return shown;
}

// A session with one change, handed over and written before it ends.
void AutosaveOneChange(bool keepFile)
{
    BeginAutosave(keepFile);
    NoteLevelChanged();
    AutosaveEditorFrame();
    FinishAutosave();
}

// Entering the editor shows, top first, the dialogs of each case and
// touches neither file.
TEST_F(EditorTest, RecoveryIsOfferedOnlyForAWholeAutosaveOfAnotherLevelAndBeforeThePartlyReadWarning)
{
    const StateFunction offer = RecoverEditsState, unreadable = UnreadableAutosaveState, partly = PartlyReadState;
    auto text = [](const char* t) { return [t] { WriteFile(AUTOSAVE, t); }; };
    const struct
    {
        const char* what;
        const char* level;
        std::function<void()> autosave;
        std::vector<StateFunction> shown;
    } cases[] = {
        {"no autosave", LEVEL, [] {}, {}},
        {"a link to nothing", LEVEL, [] { std::filesystem::create_symlink("gone", AUTOSAVE); }, {}},
        {"the same bytes", LEVEL, text(LEVEL), {}},
        {"the same level written otherwise", "Cheese\r\n32 32\r\nRat\r\n0 900\r\n", text(LEVEL), {}},
        {"another level", LEVEL, text(EDITED), {offer}},
        {"another level, no levelmap0", nullptr, text(EDITED), {offer}},
        {"cut inside a record", LEVEL, text("Rat\n0 900\nTerrain\n0 30"), {unreadable}},
        {"empty", LEVEL, text(""), {unreadable}},
        {"a folder", LEVEL, [] { mkdir(AUTOSAVE, 0755); }, {unreadable}},
        {"a FIFO", LEVEL, [] { mkfifo(AUTOSAVE, 0644); }, {unreadable}},
        {"another level, levelmap0 partly read", PARTLY, text(EDITED), {offer, partly}},
        {"no autosave, levelmap0 partly read", PARTLY, [] {}, {partly}},
        {"unreadable, levelmap0 partly read", PARTLY, text(""), {unreadable, partly}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(AUTOSAVE);
        std::filesystem::remove(EDITOR_LEVEL_FILE);
        if (c.level)
            WriteFile(EDITOR_LEVEL_FILE, c.level);
        c.autosave();
        const std::string before = Kind(AUTOSAVE);
        EXPECT_EQ(EnterEditor(), c.shown);
        EXPECT_EQ(Kind(AUTOSAVE), before);
        EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), c.level ? c.level : "");
        ResetGameState();
    }
}

// The answers: "Yes" opens the autosave's level, unsaved; "No" sets the
// autosave aside and opens "levelmap0"; an autosave that cannot be set
// aside is kept, and said so; a request to end the program answers nothing.
TEST_F(EditorTest, RecoveryAnswersOpenTheEditsOrSetThemAsideAndNeverWriteTheLevel)
{
    VEK_CatchTerminationSignals();
    const struct
    {
        const char* what;
        std::vector<SDLKey> keys;
        bool folderInTheWay, terminate;
        const char *editing, *autosave, *discarded;
    } cases[] = {
        {"Yes", {SDLK_RETURN}, false, false, EDITED, EDITED, ""},
        {"No", {SDLK_DOWN, SDLK_RETURN}, false, false, LEVEL, "", EDITED},
        {"No, a folder at the discarded name", {SDLK_DOWN, SDLK_RETURN, SDLK_RETURN}, true, false, LEVEL, EDITED, ""},
        {"a termination request", {SDLK_RETURN}, false, true, LEVEL, EDITED, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(EDITOR_DISCARDED_FILE);
        WriteFile(EDITOR_LEVEL_FILE, LEVEL);
        WriteFile(AUTOSAVE, EDITED);
        if (c.folderInTheWay)
            mkdir(EDITOR_DISCARDED_FILE, 0755);
        PushState(EditorState);
        PreEdit();
        ASSERT_TRUE(IsTopState(RecoverEditsState));
        for (SDLKey key : c.keys)
            PushKeyPress(key);
        if (c.terminate)
            std::raise(SIGTERM);
        RecoverEditsState();
        VEK_ForgetTerminationRequest();
        SDL_Event e;
        // The Return behind a termination request only keeps a fault from hanging the test.
        EXPECT_TRUE(c.terminate || SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_KEYDOWN)) == 0);
        EXPECT_TRUE(IsTopState(EditorState));
        EXPECT_EQ(LevelFileText(), c.editing);
        EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), LEVEL);
        EXPECT_EQ(ReadFile(AUTOSAVE), c.autosave);
        EXPECT_EQ(ReadFile(EDITOR_DISCARDED_FILE), c.discarded);
        DrainEvents();
        ResetGameState();
    }
}

// Edits go through a link at "levelmap0.autosave": the first change at
// once, the next no sooner than the handover wait unless the editor leaves
// the top; saving removes the file the link leads to. A failed write is
// told once, and a link to "levelmap0" is never written through; an
// autosave kept as unreadable is never written.
TEST_F(EditorTest, AutosaveIsSpacedWrittenThroughALinkToldOnceWhenItFailsAndRemovedBySaving)
{
    WriteFile(EDITOR_LEVEL_FILE, LEVEL);
    std::filesystem::create_symlink("elsewhere", AUTOSAVE);
    EnterEditor();
    EditorSession s;
    for (int x : {0, 32})
    {
        s.cursor.SetBothPos(x, 0);
        FrameHolding(s, &EditorInput::insert);
        AutosaveEditorFrame();
        AdvanceFakeClock(AUTOSAVE_HANDOVER_MS - 1);
    }
    FinishAutosave();
    EXPECT_EQ(ReadFile("elsewhere"), EDITED);
    BeginAutosave(false);
    NoteLevelChanged();
    AutosaveEditorFrame();
    PopState(); // the editor leaves the top: the next change goes at once
    s.cursor.SetBothPos(64, 0);
    FrameHolding(s, &EditorInput::insert);
    AutosaveEditorFrame();
    FinishAutosave();
    EXPECT_EQ(ReadFile("elsewhere"), LevelFileText());
    BeginAutosave(false);
    EndAutosaveSaved();
    EXPECT_TRUE(!FileExists("elsewhere") && std::filesystem::is_symlink(AUTOSAVE));

    std::filesystem::remove(AUTOSAVE);
    testing::internal::CaptureStderr();
    for (auto bad :
         {+[] { mkdir(AUTOSAVE, 0755); }, +[] { std::filesystem::create_symlink(EDITOR_LEVEL_FILE, AUTOSAVE); }})
    {
        bad();
        AutosaveOneChange(false);
        std::filesystem::remove(AUTOSAVE);
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_EQ(ReadFile(EDITOR_LEVEL_FILE), LEVEL);
    AutosaveOneChange(true);
    EXPECT_FALSE(FileExists(AUTOSAVE));
}
} // namespace
