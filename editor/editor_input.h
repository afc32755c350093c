#pragma once
#include <SDL.h>

// The one key event an editor frame acts on, reduced to what the editor
// knows.
enum class EditorPress
{
    None,
    Leave,        // P or Escape: the leave dialog
    Close,        // the window's close button
    Undo,         // Ctrl+Z
    Redo,         // Ctrl+Y, Ctrl+Shift+Z
    RatStart,     // R
    TestPlay,     // T: from the rat's start
    TestPlayHere, // Shift+T: from the cursor's cell
    Map,          // Tab
    Keys,         // F1
    Confirm       // Return: closes the map
};

// Everything a frame of the editor reads from outside it: the keys held,
// keyboard or pad, and the press it takes. The live editor fills it from
// SDL; tests fill it themselves.
struct EditorInput
{
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    bool home = false;
    bool pageUp = false;
    bool pageDown = false;
    bool insert = false;
    bool remove = false; // Delete
    bool shift = false;  // either Shift: the arrows go eight cells
    EditorPress press = EditorPress::None;
};

// The press a key with its modifiers stands for in the editor.
EditorPress EditorPressOf(SDLKey key, SDLMod mods);

// The live editor's input for one frame: at most one event, left in the
// shared `event` as the dialogs expect, then the held keys of the keyboard
// and the pad. Events the editor has no use for are taken all the same,
// one a frame.
EditorInput ReadEditorInput();
