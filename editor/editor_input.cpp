#include "editor/editor_input.h"
#include "app/globals.h"
#include "toolkit/vek_pad.h"

EditorPress EditorPressOf(SDLKey key, SDLMod)
{
    if (key == SDLK_p || key == SDLK_ESCAPE)
        return EditorPress::Leave;
    return EditorPress::None;
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
    return input;
}
