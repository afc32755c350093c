#pragma once
#include <SDL.h>
#include <string>

// A game pad drives the game through the keyboard's own keys: its moves
// become key presses and releases queued like the keyboard's, and the keys
// it holds join the keyboard's held keys. Buttons are numbered as the pad
// reports them, in the common layout (0 the first face button, 7 Start).
enum VekPadContext
{
    VEK_PAD_MENU,
    VEK_PAD_PLAY,
    VEK_PAD_EDITOR
};

// Stick travel, out of 32767, that is still read as the stick at rest.
const int VEK_PAD_DEAD_ZONE = 8000;

// The key a button stands for in a context, the pad's Shift held or not;
// SDLK_UNKNOWN when none.
SDLKey VEK_PadButtonKey(int button, VekPadContext context, bool shifted = false);
// The modifiers its press carries besides the pad's Shift: Ctrl for undo.
SDLMod VEK_PadButtonMods(int button, VekPadContext context);
// The arrow key a position of the left stick (axis 0 across, axis 1 down)
// stands for; SDLK_UNKNOWN inside the dead zone or for any other axis.
SDLKey VEK_PadAxisKey(int axis, int value);

// What the game is showing decides what a button press means; a held
// button keeps the key it pressed until it is let go.
void VEK_SetPadContext(VekPadContext context);

// Turns a joystick event into the key presses and releases it stands for,
// queued as keyboard events. False (and nothing done) for any other event.
bool VEK_PadTranslate(const SDL_Event& event);
// Lets go of every key the pad holds, as a pad that is gone would.
void VEK_PadReleaseAll();

// The keys held now, keyboard or pad, indexed by SDLKey: a copy, valid
// until the next call.
const Uint8* VEK_HeldKeys();

// Opens the first pad when one is attached and routes its events through
// the translation; false, with nothing changed, when there is none.
bool VEK_OpenPad();
void VEK_ClosePad();

// Whether the input device list (Linux's /proc/bus/input/devices) names
// a device called name.
bool VEK_PadListed(const std::string& devices, const std::string& name);
