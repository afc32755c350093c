#include <string>
#include <vector>
#include "tests/toolkit/test_colours.h"
#include "toolkit/vek_pad.h"

namespace
{
struct PadTest : ToolkitTest
{
    void TearDown() override
    {
        VEK_PadReleaseAll();
        DrainEvents();
        ReleaseAllKeys();
        VEK_SetPadContext(VEK_PAD_MENU);
        ToolkitTest::TearDown();
    }
};

SDL_Event Button(int button, bool down)
{
    SDL_Event e = SDL_Event();
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.type = e.type;
    e.jbutton.button = Uint8(button);
    e.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return e;
}

SDL_Event Hat(Uint8 value)
{
    SDL_Event e = SDL_Event();
    e.type = e.jhat.type = SDL_JOYHATMOTION;
    e.jhat.value = value;
    return e;
}

SDL_Event Axis(int axis, int value)
{
    SDL_Event e = SDL_Event();
    e.type = e.jaxis.type = SDL_JOYAXISMOTION;
    e.jaxis.axis = Uint8(axis);
    e.jaxis.value = Sint16(value);
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
    struct Case { int button; SDLKey menu, play, editor; };
    const Case buttons[] = {
        {0, SDLK_RETURN, SDLK_UP, SDLK_UNKNOWN},   {1, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_INSERT},
        {2, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_DELETE}, {3, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_HOME},
        {4, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_PAGEDOWN}, {5, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_PAGEUP},
        {6, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_UNKNOWN}, {7, SDLK_RETURN, SDLK_p, SDLK_p},
        {31, SDLK_UNKNOWN, SDLK_UNKNOWN, SDLK_UNKNOWN},
    };
    for (const Case& c : buttons)
    {
        EXPECT_EQ(c.menu, VEK_PadButtonKey(c.button, VEK_PAD_MENU)) << c.button;
        EXPECT_EQ(c.play, VEK_PadButtonKey(c.button, VEK_PAD_PLAY)) << c.button;
        EXPECT_EQ(c.editor, VEK_PadButtonKey(c.button, VEK_PAD_EDITOR)) << c.button;
    }
    struct Tilt { int axis, value; SDLKey key; };
    const Tilt tilts[] = {
        {0, -32768, SDLK_LEFT}, {0, 32767, SDLK_RIGHT}, {1, -8001, SDLK_UP},  {1, 8001, SDLK_DOWN},
        {0, 8000, SDLK_UNKNOWN}, {1, -8000, SDLK_UNKNOWN}, {0, 0, SDLK_UNKNOWN}, {2, 32767, SDLK_UNKNOWN},
    };
    for (const Tilt& t : tilts)
        EXPECT_EQ(t.key, VEK_PadAxisKey(t.axis, t.value)) << t.axis << " " << t.value;
}

TEST_F(PadTest, PadEventsBecomeTheKeyboardsPressesAndHeldKeys)
{
    struct Step { VekPadContext context; SDL_Event event; const char* queued; const char* held; };
    const Step steps[] = {
        {VEK_PAD_PLAY, Button(0, true), "+up ", "up "},
        // A button keeps the key it pressed, whatever the game shows next.
        {VEK_PAD_MENU, Button(0, false), "-up ", ""},
        {VEK_PAD_MENU, Button(7, true), "+return ", "return "},
        {VEK_PAD_MENU, Button(7, false), "-return ", ""},
        // The d-pad and the stick held the same way are one press.
        {VEK_PAD_PLAY, Hat(SDL_HAT_RIGHTUP), "+up +right ", "up right "},
        {VEK_PAD_PLAY, Axis(0, 20000), "", "up right "},
        {VEK_PAD_PLAY, Hat(SDL_HAT_CENTERED), "-up ", "right "},
        {VEK_PAD_PLAY, Axis(0, 5000), "-right ", ""},
        {VEK_PAD_PLAY, Axis(1, 30000), "+down ", "down "},
        {VEK_PAD_PLAY, Axis(1, -30000), "-down +up ", "up "},
        {VEK_PAD_EDITOR, Button(1, true), "+insert ", "up insert "},
        {VEK_PAD_EDITOR, Button(6, true), "", "up insert "},
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

    SDL_Event key = SDL_Event();
    key.type = SDL_KEYDOWN;
    EXPECT_FALSE(VEK_PadTranslate(key));
    EXPECT_EQ("", QueuedKeys());
}

TEST(PadPresence, APadIsFoundByItsNameInTheDeviceList)
{
    const std::string devices = "I: Bus=0003\nN: Name=\"Pad One\"\nP: Phys=usb\n\nN: Name=\"Keyboard\"\n";
    EXPECT_TRUE(VEK_PadListed(devices, "Pad One"));
    EXPECT_TRUE(VEK_PadListed(devices, "Keyboard"));
    EXPECT_FALSE(VEK_PadListed(devices, "Pad"));
    EXPECT_FALSE(VEK_PadListed("", "Pad One"));
}
} // namespace
