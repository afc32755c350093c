#include <string>
#include "tests/toolkit/test_colours.h"
#include "toolkit/vek_pad.h"

namespace
{
struct PadTest : ToolkitTest
{
    void TearDown() override
    {
        VEK_PadReleaseAll();
        ResetGameState();
        VEK_SetPadContext(VEK_PAD_MENU);
        ToolkitTest::TearDown();
    }
};

// A joystick event: b<n>/B<n> button n down/up, h<value> the d-pad, x<v>/y<v>
// the stick.
SDL_Event Joy(char kind, int value)
{
    SDL_Event e = SDL_Event();
    e.type = kind == 'b'   ? SDL_JOYBUTTONDOWN
             : kind == 'B' ? SDL_JOYBUTTONUP
             : kind == 'h' ? SDL_JOYHATMOTION
                           : SDL_JOYAXISMOTION;
    if (kind == 'b' || kind == 'B')
        e.jbutton.button = Uint8(value);
    if (kind == 'h')
        e.jhat.value = Uint8(value);
    if (kind == 'x' || kind == 'y')
    {
        e.jaxis.axis = kind == 'x' ? 0 : 1;
        e.jaxis.value = Sint16(value);
    }
    return e;
}

// The queued key events as "+name" for a press and "-name" for a release.
std::string QueuedKeys()
{
    std::string text;
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP)
            text += std::string(e.type == SDL_KEYDOWN ? "+" : "-") + SDL_GetKeyName(e.key.keysym.sym) + " ";
    return text;
}

std::string HeldNames()
{
    const Uint8* held = VEK_HeldKeys();
    std::string text;
    for (int key = 0; key < SDLK_LAST; ++key)
        if (held[key])
            text += std::string(SDL_GetKeyName(SDLKey(key))) + " ";
    return text;
}

TEST(PadMapping, ButtonsAndStickStandForTheKeysOfEachContext)
{
    struct Case
    {
        int button;
        SDLKey menu, play, editor;
    };
    const SDLKey none = SDLK_UNKNOWN;
    const Case buttons[] = {
        {0, SDLK_RETURN, SDLK_UP, SDLK_LSHIFT},
        {1, none, none, SDLK_INSERT},
        {2, none, none, SDLK_DELETE},
        {3, none, none, SDLK_HOME},
        {4, none, none, SDLK_PAGEDOWN},
        {5, none, none, SDLK_PAGEUP},
        {6, none, none, SDLK_TAB},
        {7, SDLK_RETURN, SDLK_p, SDLK_p},
        {8, none, none, SDLK_F1},
        {9, none, none, SDLK_z},
        {10, none, none, SDLK_t},
        {31, none, none, none},
    };
    for (const Case& c : buttons)
        EXPECT_TRUE(c.menu == VEK_PadButtonKey(c.button, VEK_PAD_MENU) &&
                    c.play == VEK_PadButtonKey(c.button, VEK_PAD_PLAY) &&
                    c.editor == VEK_PadButtonKey(c.button, VEK_PAD_EDITOR))
            << c.button;
    struct Tilt
    {
        int axis, value;
        SDLKey key;
    };
    const Tilt tilts[] = {{0, -32768, SDLK_LEFT}, {0, 32767, SDLK_RIGHT}, {1, -8001, SDLK_UP}, {1, 8001, SDLK_DOWN},
                          {0, 8000, none},        {1, -8000, none},       {2, 32767, none}};
    for (const Tilt& t : tilts)
        EXPECT_EQ(t.key, VEK_PadAxisKey(t.axis, t.value)) << t.axis << " " << t.value;
}

TEST_F(PadTest, PadEventsBecomeTheKeyboardsPressesAndHeldKeys)
{
    struct Step
    {
        VekPadContext context;
        SDL_Event event;
        const char* queued;
        const char* held;
    };
    const Step steps[] = {
        {VEK_PAD_PLAY, Joy('b', 0), "+up ", "up "},
        // A button keeps the key it pressed, whatever the game shows next.
        {VEK_PAD_MENU, Joy('B', 0), "-up ", ""},
        {VEK_PAD_MENU, Joy('b', 7), "+return ", "return "},
        {VEK_PAD_MENU, Joy('B', 7), "-return ", ""},
        // The d-pad and the stick held the same way are one press.
        {VEK_PAD_PLAY, Joy('h', SDL_HAT_RIGHTUP), "+up +right ", "up right "},
        {VEK_PAD_PLAY, Joy('x', 20000), "", "up right "},
        {VEK_PAD_PLAY, Joy('h', SDL_HAT_CENTERED), "-up ", "right "},
        {VEK_PAD_PLAY, Joy('x', 5000), "-right ", ""},
        {VEK_PAD_PLAY, Joy('y', 30000), "+down ", "down "},
        {VEK_PAD_PLAY, Joy('y', -30000), "-down +up ", "up "},
        {VEK_PAD_EDITOR, Joy('b', 1), "+insert ", "up insert "},
    };
    for (const Step& s : steps)
    {
        VEK_SetPadContext(s.context);
        EXPECT_TRUE(VEK_PadTranslate(s.event));
        EXPECT_EQ(s.queued, QueuedKeys());
        EXPECT_EQ(s.held, HeldNames());
    }
    // A pad that is gone lets go of everything; the keyboard's keys remain.
    HoldKey(SDLK_LEFT);
    VEK_PadReleaseAll();
    EXPECT_EQ("-insert -up ", QueuedKeys());
    EXPECT_EQ("left ", HeldNames());
    EXPECT_FALSE(VEK_PadTranslate(SDL_Event()));

    const std::string devices = "I: Bus=0003\nN: Name=\"Pad One\"\nP: Phys=usb\n";
    EXPECT_TRUE(VEK_PadListed(devices, "Pad One"));
    EXPECT_FALSE(VEK_PadListed(devices, "Pad"));
}
} // namespace
