#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/world/world_test_help.h"
#include "world/constants.h"
#include "world/rat.h"

namespace
{
// The clip shown after each of frames sprite updates at speed xVel.
std::string Clips(Rat& r, int xVel, int frames)
{
    r.SetXVel(xVel);
    std::string shown;
    for (int i = 0; i < frames; ++i, shown += char('0' + r.GetCurrentClip()))
        r.UpdateSprite();
    return shown;
}
} // namespace

TEST(RatSprite, WalkCyclesHoldEachPictureFourFramesAndTurnAtOnce)
{
    Rat r;
    EXPECT_EQ("333355557777111133", Clips(r, 3, 18));
    EXPECT_EQ("2", Clips(r, -1, 1));
    EXPECT_EQ("0000", Clips(r, 0, 4));
    // Having stood a while, it steps off with the second picture.
    EXPECT_EQ("22224", Clips(r, -3, 5));
    EXPECT_EQ("3", Clips(r, 1, 1));
    EXPECT_EQ("1", Clips(r, 0, 1));
}

TEST(RatLife, TwoKillsCostTwoLivesAndTheRespawnGlidesHome)
{
    Rat r;
    r.SetStartPos(64, 64);
    r.SetBothPos(464, -36);
    r.SetBothVel(5, 7);
    r.SetLives(LIVES);
    r.Kill();
    r.Kill(); // in the same frame
    EXPECT_EQ("8", Clips(r, 5, 1));
    EXPECT_FALSE(r.Respawn());
    EXPECT_EQ((std::vector<int>{464 - 13, -36 + 5}), (std::vector<int>{r.GetXPos(), r.GetYPos()}));
    for (int steps = 1; !r.Respawn(); ++steps)
        ASSERT_LT(steps, 500) << "the glide never arrives";
    EXPECT_EQ((std::vector<int>{64, 64, 5, 7, LIVES - 2, 1}),
              (std::vector<int>{r.GetXPos(), r.GetYPos(), r.GetXVel(), r.GetYVel(), r.GetLives(), r.IsAlive()}));
    EXPECT_EQ(74, r.GetCollisionBoxes().at(RAT_BOX_FEET).x);
    EXPECT_EQ("0", Clips(r, 0, 1)) << "standing, it is back on its feet at once";

    // From each offset, where one step leaves it: home when within 10 pixels on both axes.
    const int cases[][4] = {{10, -10, 0, 0}, {-9, 9, 0, 0},   {11, 0, 8, 0},
                            {-11, 0, -8, 0}, {0, -11, 0, -8}, {-40, 30, -36, 27}};
    for (const auto& c : cases)
    {
        r.SetBothPos(64 + c[0], 64 + c[1]);
        r.Kill();
        EXPECT_EQ(c[2] == 0 && c[3] == 0, r.Respawn()) << c[0] << "," << c[1];
        EXPECT_EQ((std::vector<int>{64 + c[2], 64 + c[3]}), (std::vector<int>{r.GetXPos(), r.GetYPos()}))
            << c[0] << "," << c[1];
    }
}
