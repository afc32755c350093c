#include <gtest/gtest.h>
#include "world/camera.h"
#include "world/constants.h"

namespace
{
struct FollowCase
{
    const char* name;
    int viewX, viewY, viewW, viewH;
    int pointX, pointY;
    int expectX, expectY;
};

// Play view 640 x 480 with margins 224 / 192 unless stated.
const FollowCase FOLLOW_CASES[] = {
    {"point in the dead zone", 0, 0, 640, 480, 300, 240, 0, 0},
    {"scrolls right by exactly what is needed", 0, 0, 640, 480, 500, 240, 84, 0},
    {"point exactly at the left margin", 84, 0, 640, 480, 308, 240, 84, 0},
    {"one past the left margin scrolls one", 84, 0, 640, 480, 307, 240, 83, 0},
    {"clamped at the level's right end", 5000, 0, 640, 480, 6100, 240, 5504, 0},
    {"clamped at the bottom", 0, 0, 640, 480, 300, 980, 0, 512},
    {"clamped at the left edge", 500, 0, 640, 480, 100, 240, 0, 0},
    {"scrolls up", 0, 400, 640, 480, 300, 500, 0, 308},
    {"clamped at the top", 0, 300, 640, 480, 300, 100, 0, 0},
    {"left outside the bounds while the point is at rest", -50, -30, 640, 480, 300, 240, -50, -30},
    {"left past the far corner while the point is at rest", 5600, 600, 640, 480, 5900, 840, 5600, 600},
    {"editor view beside the panel", 0, 0, 544, 480, 500, 240, 180, 0},
};
}

TEST(Camera, FollowKeepsThePointInsideTheMarginsWithinTheLevel)
{
    for (const FollowCase& c : FOLLOW_CASES)
    {
        Camera cam;
        cam.SetBothPos(c.viewX, c.viewY);
        cam.SetBothSize(c.viewW, c.viewH);
        cam.Follow(c.pointX, c.pointY, CAMERA_TIGHTNESS_X, CAMERA_TIGHTNESS_Y, LEVEL_RECT);
        EXPECT_EQ(c.expectX, cam.GetXPos()) << c.name;
        EXPECT_EQ(c.expectY, cam.GetYPos()) << c.name;
        EXPECT_EQ(c.viewW, cam.GetXSize()) << c.name;
        EXPECT_EQ(c.viewH, cam.GetYSize()) << c.name;
    }
}

TEST(Camera, ClampsToBoundsThatDoNotStartAtTheOrigin)
{
    Camera cam;
    cam.SetBothPos(300, 300);
    cam.SetBothSize(100, 100);
    SDL_Rect bounds = {100, 150, 400, 300};
    cam.Follow(120, 160, 30, 30, bounds);
    EXPECT_EQ(100, cam.GetXPos());
    EXPECT_EQ(150, cam.GetYPos());
    cam.Follow(490, 440, 30, 30, bounds);
    EXPECT_EQ(400, cam.GetXPos());
    EXPECT_EQ(350, cam.GetYPos());
}
