#include "editor/editor_input.h"
#include "tests/editor/editor_fixture.h"
#include "toolkit/vek_pad.h"

namespace
{

// Each frame takes one event with its modifiers (Shift never changes what
// an old key does; the letters act only as the keys they are), and the keys
// held by the keyboard and the pad: a pad's press comes as the key it
// stands for, with the pad's Shift (button 0) and Ctrl (undo, button 9).
TEST_F(EditorTest, LiveInputTakesOneEventAFrameWithItsModifiersAndThePadsKeys)
{
    const SDLMod CTRL = KMOD_LCTRL, SHIFT = KMOD_RSHIFT, BOTH = SDLMod(KMOD_RCTRL | KMOD_LSHIFT), NONE = KMOD_NONE;
    const struct
    {
        SDLKey key;
        SDLMod mods;
        EditorPress press;
    } keys[] = {
        {SDLK_p, NONE, EditorPress::Leave},     {SDLK_ESCAPE, SHIFT, EditorPress::Leave},
        {SDLK_z, CTRL, EditorPress::Undo},      {SDLK_z, BOTH, EditorPress::Redo},
        {SDLK_z, NONE, EditorPress::None},      {SDLK_y, CTRL, EditorPress::Redo},
        {SDLK_y, NONE, EditorPress::None},      {SDLK_r, SHIFT, EditorPress::RatStart},
        {SDLK_t, NONE, EditorPress::TestPlay},  {SDLK_t, SHIFT, EditorPress::TestPlayHere},
        {SDLK_t, CTRL, EditorPress::None},      {SDLK_TAB, NONE, EditorPress::Map},
        {SDLK_F1, NONE, EditorPress::Keys},     {SDLK_RETURN, NONE, EditorPress::Confirm},
        {SDLK_INSERT, CTRL, EditorPress::None},
    };
    for (const auto& k : keys)
    {
        SDL_Event e{};
        e.key = {SDL_KEYDOWN, 0, SDL_PRESSED, {0, k.key, k.mods, 0}};
        SDL_PushEvent(&e);
    }
    for (const auto& k : keys)
        EXPECT_EQ(ReadEditorInput().press, k.press) << k.key << " with " << k.mods;

    auto Joy = [](int button, bool down) {
        SDL_Event e{};
        e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        e.jbutton.button = Uint8(button);
        return e;
    };
    VEK_SetPadContext(VEK_PAD_EDITOR);
    // B: Insert; Start; undo; A held; undo with A (redo); Guide with A.
    for (auto [button, down] : {std::pair{1, true}, {7, true}, {9, true}, {0, true}, {9, false}, {9, true}, {8, true}})
        VEK_PadTranslate(Joy(button, down));
    PushQuitEvent();
    const EditorPress frames[] = {EditorPress::None, EditorPress::Leave, EditorPress::Undo,     EditorPress::None,
                                  EditorPress::None, EditorPress::Redo,  EditorPress::RatStart, EditorPress::Close};
    for (EditorPress press : frames)
    {
        EditorInput in = ReadEditorInput();
        EXPECT_TRUE(in.press == press && in.insert && in.shift && !in.remove);
    }
    VEK_PadReleaseAll();
    DrainEvents();
    EXPECT_FALSE(ReadEditorInput().insert);
}

} // namespace
