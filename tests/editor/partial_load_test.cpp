#include "app/state_stack.h"
#include "tests/editor/editor_fixture.h"

namespace fs = std::filesystem;

namespace
{
void BottomState() {}

// Enters the editor on whatever "levelmap0" holds; true when the load was
// announced (and acknowledged).
bool EnterEditorWarned()
{
    PopAll();
    PushState(BottomState);
    PushState(EditorState);
    PreEdit();
    const bool warned = IsTopState(PartlyReadState);
    PushKeyPress(SDLK_RETURN);
    if (warned)
        PartlyReadState();
    DrainEvents();
    return warned && IsTopState(EditorState);
}

// Whatever made a level only partly read, the editor says so and keeps the
// whole original as "levelmap0.partial", which neither the first save nor
// the second (when the .bak takes the short level) touches.
TEST_F(EditorTest, APartlyReadLevelIsWarnedAndItsOriginalOutlivesTwoSaves)
{
    const std::string ratRecord = "Rat\n156 740\n", rest = "Cheese\n96 96\nTerrain\n0 0 2 4\n";
    const std::string cases[] = {
        ratRecord + "Cheese\n3 x4\n" + rest, // a bad number
        "\xEF\xBB\xBF" + ratRecord + rest,   // a byte-order mark, skipped: the rat is read
        "Rat\r156 740\rCheese\r96 96\r",     // CR-only line ends
    };
    for (const std::string& original : cases)
    {
        SCOPED_TRACE(original);
        fs::remove(EDITOR_PARTIAL_FILE);
        rat.SetStartPos(0, 0);
        rat.SetBothPos(0, 0);
        WriteFile(EDITOR_LEVEL_FILE, original);
        ASSERT_TRUE(EnterEditorWarned());
        ASSERT_TRUE(SaveEdit());
        const std::string saved = ReadFile(EDITOR_LEVEL_FILE);
        const bool crOnly = original.find('\n') == std::string::npos; // nothing read
        EXPECT_EQ(0u, saved.find(crOnly ? "Rat\n0 0\n" : ratRecord)) << saved;
        EXPECT_EQ(original, ReadFile(EDITOR_BACKUP_FILE)); // the .bak as ever
        EXPECT_FALSE(EnterEditorWarned()) << "the saved level is whole";
        ASSERT_TRUE(SaveEdit());
        EXPECT_EQ(saved + original, ReadFile(EDITOR_BACKUP_FILE) + ReadFile(EDITOR_PARTIAL_FILE));
    }
}

} // namespace
