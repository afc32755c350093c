#include "editor/editor_input.h"
#include "app/globals.h"
#include "toolkit/vek_pad.h"

EditorPress EditorPressOf(SDLKey key, SDLMod mods)
{
    const bool ctrl = (mods & KMOD_CTRL) != 0;
    const bool shift = (mods & KMOD_SHIFT) != 0;
    switch (key)
    {
    case SDLK_p:
    case SDLK_ESCAPE:
        return EditorPress::Leave;
    case SDLK_z:
        return !ctrl ? EditorPress::None : shift ? EditorPress::Redo : EditorPress::Undo;
    case SDLK_y:
        return ctrl ? EditorPress::Redo : EditorPress::None;
    case SDLK_r:
        return ctrl ? EditorPress::None : EditorPress::RatStart;
    case SDLK_t:
        return ctrl ? EditorPress::None : shift ? EditorPress::TestPlayHere : EditorPress::TestPlay;
    case SDLK_TAB:
        return EditorPress::Map;
    case SDLK_F1:
        return EditorPress::Keys;
    case SDLK_RETURN:
        return EditorPress::Confirm;
    default:
        return EditorPress::None;
    }
}

static EditorPress PressOf(const SDL_Event& e)
{
    if (e.type == SDL_QUIT)
        return EditorPress::Close;
    if (e.type != SDL_KEYDOWN)
        return EditorPress::None;
    return EditorPressOf(e.key.keysym.sym, e.key.keysym.mod);
}

EditorInput ReadEditorInput()
{
    EditorInput input;
    // Polling first brings the key state up to date with the event taken.
    if (SDL_PollEvent(&event))
        input.press = PressOf(event);
    const Uint8* keys = VEK_HeldKeys();
    input.left = keys[SDLK_LEFT] != 0;
    input.right = keys[SDLK_RIGHT] != 0;
    input.up = keys[SDLK_UP] != 0;
    input.down = keys[SDLK_DOWN] != 0;
    input.home = keys[SDLK_HOME] != 0;
    input.pageUp = keys[SDLK_PAGEUP] != 0;
    input.pageDown = keys[SDLK_PAGEDOWN] != 0;
    input.insert = keys[SDLK_INSERT] != 0;
    input.remove = keys[SDLK_DELETE] != 0;
    input.shift = keys[SDLK_LSHIFT] != 0 || keys[SDLK_RSHIFT] != 0;
    return input;
}
