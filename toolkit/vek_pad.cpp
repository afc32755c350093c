#include "toolkit/vek_pad.h"
#include <cstdlib>
#include <fstream>
#include <sstream>

static const int FACE_BUTTON = 0;
static const int START_BUTTON = 7;
static const int BUTTON_SLOTS = 32;
static const int HAT_DIRECTIONS = 4;
static const int STICK_AXES = 2;
// Every key the pad can hold comes from one of these slots: a button, a
// direction of the d-pad, an axis of the stick.
static const int HAT_SLOT = BUTTON_SLOTS;
static const int AXIS_SLOT = HAT_SLOT + HAT_DIRECTIONS;
static const int SLOTS = AXIS_SLOT + STICK_AXES;
// How often an open pad is looked for among the attached devices.
static const Uint32 PRESENCE_CHECK_MS = 1000;
static const char* const DEVICE_LIST = "/proc/bus/input/devices";

static VekPadContext padContext = VEK_PAD_MENU;
static SDLKey slotKey[SLOTS];
static Uint8 holders[SDLK_LAST];
static Uint8 heldCopy[SDLK_LAST];

static SDL_Joystick* pad = nullptr;
static std::string padName;
static bool padWatched = false;
static Uint32 lastPresenceCheck = 0;
static SDL_EventFilter chainedFilter = nullptr;

// The editor's own keys sit on the buttons Start leaves free: B, X, Y,
// the shoulders for the tile cycle, Back for the map, Guide for the key
// list, the sticks' presses for undo and test play. The face button is
// Shift there: with it, the arrows go eight cells, undo redoes, test play
// starts from the cursor and Guide sets the rat's start.
static const SDLKey EDITOR_KEYS[] = {SDLK_LSHIFT, SDLK_INSERT, SDLK_DELETE, SDLK_HOME, SDLK_PAGEDOWN, SDLK_PAGEUP,
                                     SDLK_TAB,    SDLK_p,      SDLK_F1,     SDLK_z,    SDLK_t};
static const int GUIDE_BUTTON = 8;
static const int UNDO_BUTTON = 9;

SDLKey VEK_PadButtonKey(int button, VekPadContext context, bool shifted)
{
    if (context == VEK_PAD_EDITOR && button >= 0 && button < static_cast<int>(sizeof EDITOR_KEYS / sizeof *EDITOR_KEYS))
        return shifted && button == GUIDE_BUTTON ? SDLK_r : EDITOR_KEYS[button];
    if (button == FACE_BUTTON)
        return context == VEK_PAD_PLAY ? SDLK_UP : context == VEK_PAD_MENU ? SDLK_RETURN : SDLK_UNKNOWN;
    if (button == START_BUTTON)
        return context == VEK_PAD_MENU ? SDLK_RETURN : SDLK_p;
    return SDLK_UNKNOWN;
}

SDLMod VEK_PadButtonMods(int button, VekPadContext context)
{
    return context == VEK_PAD_EDITOR && button == UNDO_BUTTON ? KMOD_LCTRL : KMOD_NONE;
}

SDLKey VEK_PadAxisKey(int axis, int value)
{
    if (axis >= STICK_AXES || std::abs(value) <= VEK_PAD_DEAD_ZONE)
        return SDLK_UNKNOWN;
    if (axis == 0)
        return value < 0 ? SDLK_LEFT : SDLK_RIGHT;
    return value < 0 ? SDLK_UP : SDLK_DOWN;
}

void VEK_SetPadContext(VekPadContext context) { padContext = context; }

// Whether the pad holds Shift (the editor's face button).
static bool PadShift() { return holders[SDLK_LSHIFT] > 0; }

static void QueueKey(SDLKey key, bool down, SDLMod mods)
{
    SDL_Event e = SDL_Event();
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.mod = SDLMod(mods | (PadShift() ? KMOD_LSHIFT : KMOD_NONE));
    SDL_PushEvent(&e);
}

// A key goes down with its first holder and up with its last, so that the
// d-pad and the stick held the same way make one press.
static void SetSlot(int slot, SDLKey key, SDLMod mods = KMOD_NONE)
{
    const SDLKey old = slotKey[slot];
    if (old == key)
        return;
    slotKey[slot] = key;
    if (old != SDLK_UNKNOWN && --holders[old] == 0)
        QueueKey(old, false, KMOD_NONE);
    if (key != SDLK_UNKNOWN && holders[key]++ == 0)
        QueueKey(key, true, mods);
}

static void SetHat(Uint8 value)
{
    static const Uint8 bits[HAT_DIRECTIONS] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};
    static const SDLKey keys[HAT_DIRECTIONS] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (int i = 0; i < HAT_DIRECTIONS; ++i)
        SetSlot(HAT_SLOT + i, (value & bits[i]) ? keys[i] : SDLK_UNKNOWN);
}

bool VEK_PadTranslate(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        if (event.jbutton.button < BUTTON_SLOTS)
            SetSlot(event.jbutton.button,
                    event.type == SDL_JOYBUTTONDOWN ? VEK_PadButtonKey(event.jbutton.button, padContext, PadShift())
                                                    : SDLK_UNKNOWN,
                    VEK_PadButtonMods(event.jbutton.button, padContext));
        return true;
    case SDL_JOYHATMOTION:
        if (event.jhat.hat == 0)
            SetHat(event.jhat.value);
        return true;
    case SDL_JOYAXISMOTION:
        if (event.jaxis.axis < STICK_AXES)
            SetSlot(AXIS_SLOT + event.jaxis.axis, VEK_PadAxisKey(event.jaxis.axis, event.jaxis.value));
        return true;
    case SDL_JOYBALLMOTION:
        return true;
    default:
        return false;
    }
}

void VEK_PadReleaseAll()
{
    for (int slot = 0; slot < SLOTS; ++slot)
        SetSlot(slot, SDLK_UNKNOWN);
}

bool VEK_PadListed(const std::string& devices, const std::string& name)
{
    return devices.find("N: Name=\"" + name + "\"\n") != std::string::npos;
}

static bool ReadDeviceList(std::string& devices)
{
    std::ifstream in(DEVICE_LIST);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    devices = text.str();
    return true;
}

// SDL 1.2 says nothing when a pad is pulled out: its keys would stay held
// for good. So an open pad is looked for among the attached devices now
// and then, and one that is gone lets go of everything it held.
static void CheckPadPresent()
{
    if (!pad || !padWatched || SDL_GetTicks() - lastPresenceCheck < PRESENCE_CHECK_MS)
        return;
    lastPresenceCheck = SDL_GetTicks();
    std::string devices;
    if (!ReadDeviceList(devices) || VEK_PadListed(devices, padName))
        return;
    VEK_PadReleaseAll();
    VEK_ClosePad();
}

const Uint8* VEK_HeldKeys()
{
    CheckPadPresent();
    int count = 0;
    const Uint8* keyboard = SDL_GetKeyState(&count);
    for (int key = 0; key < SDLK_LAST; ++key)
        heldCopy[key] = ((key < count && keyboard[key]) || holders[key] > 0) ? 1 : 0;
    return heldCopy;
}

// Joystick events become key events as SDL collects them, so that they
// never take the place of a key in the one event a frame reads.
static int FilterPadEvents(const SDL_Event* event)
{
    if (VEK_PadTranslate(*event))
        return 0;
    return chainedFilter ? chainedFilter(event) : 1;
}

bool VEK_OpenPad()
{
    const bool wasOpen = SDL_WasInit(SDL_INIT_JOYSTICK) != 0;
    if (!wasOpen && SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0)
        return false;
    if (SDL_NumJoysticks() < 1 || !(pad = SDL_JoystickOpen(0)))
    {
        if (!wasOpen)
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    const char* name = SDL_JoystickName(0);
    padName = name ? name : "";
    std::string devices;
    // Only a pad found in the list once can be missed from it later.
    padWatched = ReadDeviceList(devices) && VEK_PadListed(devices, padName);
    lastPresenceCheck = SDL_GetTicks();
    // Whatever start-up set aside, the pad's own events must reach the filter.
    for (Uint8 type : {SDL_JOYAXISMOTION, SDL_JOYHATMOTION, SDL_JOYBUTTONDOWN, SDL_JOYBUTTONUP})
        SDL_EventState(type, SDL_ENABLE);
    chainedFilter = SDL_GetEventFilter();
    SDL_SetEventFilter(FilterPadEvents);
    SDL_JoystickEventState(SDL_ENABLE);
    return true;
}

void VEK_ClosePad()
{
    if (!pad)
        return;
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_SetEventFilter(chainedFilter);
    SDL_JoystickClose(pad);
    pad = nullptr;
}
