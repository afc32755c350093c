#include <sys/stat.h>
#include "app/state_stack.h"
#include "tests/editor/editor_fixture.h"

namespace fs = std::filesystem;

namespace
{
void BottomState() {}

// Enters the editor on whatever "levelmap0" now holds; true when the load
// was announced (and acknowledged).
bool EnterEditorWarned()
{
    PopAll();
    PushState(BottomState);
    PushState(EditorState);
    PreEdit();
    if (!IsTopState(PartlyReadState))
        return false;
    PushKeyPress(SDLK_RETURN);
    PartlyReadState();
    return IsTopState(EditorState);
}

// Whatever made a level only partly read, the editor says so and keeps the
// whole original as "levelmap0.partial", which neither the first save nor
// the second (when the .bak is replaced by the short level) touches.
TEST_F(EditorTest, APartlyReadLevelIsWarnedAndItsOriginalOutlivesTwoSaves)
{
    const std::string rest = "Cheese\n96 96\nTerrain\n0 0 2 4\n";
    const struct
    {
        const char* what;
        std::string original;
        const char* ratSaved; // where the first save puts the rat
    } cases[] = {
        {"a bad number", "Rat\n156 740\nCheese\n3 x4\n" + rest, "Rat\n156 740\n"},
        {"a byte-order mark", "\xEF\xBB\xBFRat\n156 740\n" + rest, "Rat\n156 740\n"},
        {"CR-only line ends", "Rat\r156 740\rCheese\r96 96\r", "Rat\n0 0\n"},
        {"an unknown tag", "Rat\n156 740\nBurgers\n10 20\n" + rest, "Rat\n156 740\n"},
        {"a trailing space", "Rat\n156 740\nBurger \n10 20\n" + rest, "Rat\n156 740\n"},
        {"another case", "Rat\n156 740\ncheese\n10 20\n" + rest, "Rat\n156 740\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        fs::remove(EDITOR_PARTIAL_FILE);
        rat.SetBothPos(0, 0);
        rat.SetStartPos(0, 0);
        WriteFile(EDITOR_LEVEL_FILE, c.original);
        ASSERT_TRUE(EnterEditorWarned());
        EXPECT_EQ(c.original, ReadFile(EDITOR_PARTIAL_FILE));
        ASSERT_TRUE(SaveEdit());
        const std::string saved = ReadFile(EDITOR_LEVEL_FILE);
        EXPECT_EQ(0u, saved.find(c.ratSaved)) << saved;
        EXPECT_EQ(c.original, ReadFile(EDITOR_BACKUP_FILE)); // the .bak as ever
        EXPECT_FALSE(EnterEditorWarned()) << "the saved level is whole";
        ASSERT_TRUE(SaveEdit());
        EXPECT_EQ(saved, ReadFile(EDITOR_BACKUP_FILE));
        EXPECT_EQ(c.original, ReadFile(EDITOR_PARTIAL_FILE));
    }
    PopAll();
}

// A save that fails says why in plain words; a folder in the level's place
// is announced as unreadable, not as partly read, and nothing is kept of it.
TEST_F(EditorTest, AFailedSaveSaysWhyAndAFolderIsNoPartlyReadLevel)
{
    const struct
    {
        const char* what;
        void (*make)();
        const char* why;
    } cases[] = {
        {"a folder", [] { fs::create_directory(EDITOR_LEVEL_FILE); }, "A Folder Is In The Way"},
        {"a FIFO", [] { mkfifo(EDITOR_LEVEL_FILE, 0666); }, "A FIFO Or Device Is In The Way"},
        {"read-only",
         [] {
             WriteFile(EDITOR_LEVEL_FILE, "Rat\n1 1\n");
             fs::permissions(EDITOR_LEVEL_FILE, fs::perms(0444));
         },
         "levelmap0 Is Read-Only"},
        {"a folder for the .bak",
         [] {
             WriteFile(EDITOR_LEVEL_FILE, "Rat\n1 1\n");
             fs::create_directory(EDITOR_BACKUP_FILE);
         },
         "A Folder Is In The Way"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        for (const char* name : {EDITOR_LEVEL_FILE, EDITOR_BACKUP_FILE, EDITOR_PARTIAL_FILE})
            fs::remove_all(name);
        c.make();
        const LevelLoad load = LoadLevel(EDITOR_LEVEL_FILE);
        const bool unreadable = fs::is_directory(EDITOR_LEVEL_FILE) || fs::is_fifo(EDITOR_LEVEL_FILE);
        EXPECT_EQ(unreadable, load.unreadable && !load.stoppedEarly);
        EXPECT_EQ(unreadable, EnterEditorWarned());
        EXPECT_FALSE(fs::exists(EDITOR_PARTIAL_FILE));
        std::string why;
        EXPECT_FALSE(SaveEditSayingWhy(why));
        EXPECT_EQ(c.why, why);
    }
    for (const char* name : {EDITOR_LEVEL_FILE, EDITOR_BACKUP_FILE})
        fs::remove_all(name);
    PopAll();
}
} // namespace
