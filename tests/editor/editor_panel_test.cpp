#include "tests/editor/editor_fixture.h"
#include <vector>

namespace {

const Uint8 BACK_R = 10, BACK_G = 20, BACK_B = 30;

class Panel : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_NE(screen, nullptr);
        SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, BACK_R, BACK_G, BACK_B));
    }

    static std::vector<Uint32> Region(int x, int y, int w, int h)
    {
        std::vector<Uint32> out;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
            {
                Uint8 r, g, b;
                GetPixelRGB(screen, i, j, r, g, b);
                out.push_back(r << 16 | g << 8 | b);
            }
        return out;
    }

    static bool AllColour(int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b)
    {
        for (Uint32 p : Region(x, y, w, h))
            if (p != static_cast<Uint32>(r << 16 | g << 8 | b))
                return false;
        return true;
    }

    static bool AllYellow(int x, int y, int w, int h) { return AllColour(x, y, w, h, 255, 255, 5); }

    static void Draw(int cx, int cy, ELEMENTS mode, int type, GUYS kind)
    {
        LocatedThing cursor;
        cursor.SetBothPos(cx, cy);
        cursor.SetBothSize(32, 32);
        DrawEditor(cursor, mode, type, kind);
    }
};

const int ROW_Y[] = {32, 96, 160, 224};

TEST_F(Panel, FillsTheRightNinetySixColumnsYellowAndNothingLeftOfThem)
{
    Draw(0, 0, ELEM_TERRAIN, 0, GUY_BURGER);
    EXPECT_TRUE(AllYellow(544, 0, 96, 32));
    EXPECT_TRUE(AllYellow(544, 300, 96, 180));
    EXPECT_TRUE(AllYellow(544, 0, 32, 480));
    EXPECT_TRUE(AllColour(543, 0, 1, 480, BACK_R, BACK_G, BACK_B));
}

TEST_F(Panel, MarksTheCurrentModeOnItsRowOnly)
{
    for (int mode = ELEM_TERRAIN; mode <= ELEM_GUY; ++mode)
    {
        Draw(0, 0, static_cast<ELEMENTS>(mode), 0, GUY_BURGER);
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(AllYellow(616, ROW_Y[row], 24, 32), row != mode) << "mode " << mode << " row " << row;
    }
}

TEST_F(Panel, ShowsEveryIconAndTheSelectedEnemyKind)
{
    Draw(0, 0, ELEM_TERRAIN, 0, GUY_BURGER);
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE(AllYellow(576, ROW_Y[row], 32, 32)) << "row " << row;
    std::vector<Uint32> burger = Region(576, 224, 32, 32);
    Draw(0, 0, ELEM_TERRAIN, 0, GUY_EEL);
    EXPECT_NE(Region(576, 224, 32, 32), burger);
}

TEST_F(Panel, DrawsTheCursorWhereTheCameraShowsIt)
{
    camera.SetBothPos(320, 96);
    Draw(320 + 64, 96 + 128, ELEM_TERRAIN, 0, GUY_BURGER);
    EXPECT_FALSE(AllColour(64, 128, 32, 32, BACK_R, BACK_G, BACK_B));
    EXPECT_TRUE(AllColour(0, 0, 64, 128, BACK_R, BACK_G, BACK_B));
    EXPECT_TRUE(AllColour(96, 160, 448, 320, BACK_R, BACK_G, BACK_B));
}

TEST_F(Panel, MissingPicturesAndAnUnknownTypeDrawOnlyThePanel)
{
    SDL_Surface* kept[] = {cursor_ss, terrain_ts, water_ts, cheese_ss, burger_ss, eel_ss};
    cursor_ss = terrain_ts = water_ts = cheese_ss = burger_ss = eel_ss = nullptr;
    Draw(64, 64, ELEM_GUY, 0, GUY_EEL);
    Draw(64, 64, ELEM_TERRAIN, 0, GUY_BURGER);
    EXPECT_TRUE(AllYellow(544, 0, 96, 480));
    EXPECT_TRUE(AllColour(0, 0, 544, 480, BACK_R, BACK_G, BACK_B));
    cursor_ss = kept[0];
    terrain_ts = kept[1];
    water_ts = kept[2];
    cheese_ss = kept[3];
    burger_ss = kept[4];
    eel_ss = kept[5];

    Draw(0, 0, ELEM_TERRAIN, 99, GUY_BURGER);
    Draw(0, 0, ELEM_TERRAIN, -1, GUY_BURGER);
    EXPECT_TRUE(AllYellow(576, 32, 32, 32));

    SDL_Surface* keptScreen = screen;
    screen = nullptr;
    Draw(0, 0, ELEM_TERRAIN, 0, GUY_BURGER);
    screen = keptScreen;
}

} // namespace
