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
                            {in.remove, 'x'}})
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
    PushKeyDown(SDLK_ESCAPE, KMOD_LSHIFT); // taken by the third frame
    PushKeyDown(SDLK_a, KMOD_NONE);        // no use in the editor
    PushQuitEvent();
    VEK_PadTranslate(PadButton(7, true)); // Start: P
    const struct
    {
        EditorPress press;
        const char* held;
    } frames[] = {{EditorPress::None, "i"},  {EditorPress::Leave, "i"}, {EditorPress::None, "i"},
                  {EditorPress::Close, "i"}, {EditorPress::Leave, "i"}, {EditorPress::None, "i"}};
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
