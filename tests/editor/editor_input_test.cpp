#include "editor/editor_input.h"
#include "tests/editor/editor_fixture.h"
#include "toolkit/vek_pad.h"

namespace
{

void PushKeyDown(SDLKey key, SDLMod mods)
{
    SDL_Event e{};
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mods;
    SDL_PushEvent(&e);
}

SDL_Event PadButton(int button, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.button = Uint8(button);
    return e;
}

// The held keys as letters: l r u d h (Home) U D (Page Up, Page Down) i x
// (Insert, Delete).
std::string Held(const EditorInput& in)
{
    std::string s;
    for (auto [on, name] : {std::pair{in.left, 'l'},
                            {in.right, 'r'},
                            {in.up, 'u'},
                            {in.down, 'd'},
                            {in.home, 'h'},
                            {in.pageUp, 'U'},
                            {in.pageDown, 'D'},
                            {in.insert, 'i'},
                            {in.remove, 'x'},
                            {in.shift, 'S'}})
        if (on)
            s += name;
    return s;
}

// Each frame takes one event, with its modifiers, and the keys the pad
// holds: a pad's press comes as the key it stands for.
TEST_F(EditorTest, LiveInputTakesOneEventAFrameAndThePadsHeldKeys)
{
    VEK_SetPadContext(VEK_PAD_EDITOR);
    VEK_PadTranslate(PadButton(1, true));  // B: Insert held, its press queued
    PushKeyDown(SDLK_ESCAPE, KMOD_LSHIFT); // taken by the second frame
    PushKeyDown(SDLK_a, KMOD_NONE);        // no use in the editor
    PushQuitEvent();
    VEK_PadTranslate(PadButton(7, true)); // Start: P
    VEK_PadTranslate(PadButton(9, true)); // the left stick's press: undo
    VEK_PadTranslate(PadButton(0, true)); // A: Shift held
    VEK_PadTranslate(PadButton(9, false));
    VEK_PadTranslate(PadButton(9, true)); // with A: redo
    VEK_PadTranslate(PadButton(8, true)); // Guide with A: the rat's start
    const struct
    {
        EditorPress press;
        const char* held;
    } frames[] = {{EditorPress::None, "iS"},     {EditorPress::Leave, "iS"}, {EditorPress::None, "iS"},
                  {EditorPress::Close, "iS"},    {EditorPress::Leave, "iS"}, {EditorPress::Undo, "iS"},
                  {EditorPress::None, "iS"},     {EditorPress::None, "iS"},  {EditorPress::Redo, "iS"},
                  {EditorPress::RatStart, "iS"}, {EditorPress::None, "iS"}};
    for (const auto& f : frames)
    {
        EditorInput in = ReadEditorInput();
        EXPECT_EQ(in.press, f.press);
        EXPECT_EQ(Held(in), f.held);
    }
    VEK_PadReleaseAll();
    DrainEvents();
    EXPECT_EQ(Held(ReadEditorInput()), "");
}

} // namespace

namespace
{

// The editor's keys with their modifiers: Shift never changes what an old
// key does, and the letters act only as the keys they are.
TEST(EditorPressTest, KeysWithModifiersAreTheEditorsPresses)
{
    const SDLMod CTRL = KMOD_LCTRL, SHIFT = KMOD_RSHIFT, BOTH = SDLMod(KMOD_RCTRL | KMOD_LSHIFT);
    const struct
    {
        SDLKey key;
        SDLMod mods;
        EditorPress press;
    } cases[] = {
        {SDLK_p, KMOD_NONE, EditorPress::Leave},    {SDLK_ESCAPE, SHIFT, EditorPress::Leave},
        {SDLK_z, CTRL, EditorPress::Undo},          {SDLK_z, BOTH, EditorPress::Redo},
        {SDLK_z, KMOD_NONE, EditorPress::None},     {SDLK_y, CTRL, EditorPress::Redo},
        {SDLK_y, KMOD_NONE, EditorPress::None},     {SDLK_r, SHIFT, EditorPress::RatStart},
        {SDLK_t, KMOD_NONE, EditorPress::TestPlay}, {SDLK_t, SHIFT, EditorPress::TestPlayHere},
        {SDLK_t, CTRL, EditorPress::None},          {SDLK_TAB, KMOD_NONE, EditorPress::Map},
        {SDLK_F1, KMOD_NONE, EditorPress::Keys},    {SDLK_INSERT, CTRL, EditorPress::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditorPressOf(c.key, c.mods), c.press) << c.key << " with " << c.mods;
}

} // namespace
