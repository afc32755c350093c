#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "tests/world/world_test_help.h"
#include "world/constants.h"
#include "world/rat.h"

namespace
{
// The vertical move of each frame after landing with speed xVel, one frame
// per letter of frames, jump held in those marked 'J'; nothing to land on.
std::vector<int> Jump(int xVel, const std::string& frames)
{
    Rat r;
    r.SetBothVel(xVel, 0);
    r.Landed();
    std::vector<int> dy;
    for (char held : frames)
    {
        if (held == 'J')
            r.Jump();
        const int before = r.GetYPos();
        r.Update();
        dy.push_back(r.GetYPos() - before);
    }
    return dy;
}

int RisingFrames(const std::vector<int>& dy) { return std::find_if(dy.begin(), dy.end(), [](int d) { return d != -12; }) - dy.begin(); }

// The clip shown after each of frames sprite updates at speed xVel.
std::string Clips(Rat& r, int xVel, int frames)
{
    r.SetXVel(xVel);
    std::string shown;
    for (int i = 0; i < frames; ++i, shown += char('0' + r.GetCurrentClip()))
        r.UpdateSprite();
    return shown;
}
}

TEST(RatJump, AFasterTakeOffRisesLonger)
{
    // Past the top speed (only if set from outside) it rises as at 8.
    const int cases[][2] = {{0, 7}, {1, 8}, {-2, 8}, {3, 9}, {-5, 10}, {6, 10}, {7, 11}, {8, 11}, {-8, 11}, {10, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], RisingFrames(Jump(c[0], "J............"))) << "xVel " << c[0];
}

TEST(RatJump, ArcsOfAReleasedAndAHeldKey)
{
    // Standing, it sinks 3 a frame until the tile pass puts it back.
    EXPECT_EQ((std::vector<int>{3, 6}), Jump(0, ".."));
    // Released: 84 pixels up, then down at most 12 a frame. Pressed while
    // falling, it starts no jump but slows that one frame to 9.
    EXPECT_EQ((std::vector<int>{-12, -12, -12, -12, -12, -12, -12, -9, -6, -3, 0, 3, 6, 9, 12, 12, 9, 12}),
              Jump(0, "J...............J."));
    // Held: up to six frames more rise, and the fall held at 9.
    std::vector<int> held(13, -12);
    held.insert(held.end(), {-9, -6, -3, 0, 3, 6, 9, 9, 9});
    EXPECT_EQ(held, Jump(0, std::string(22, 'J')));
    EXPECT_EQ(9, RisingFrames(Jump(0, "JJJJJJJJJ....")));
    EXPECT_EQ(17, RisingFrames(Jump(8, std::string(30, 'J'))));
}

TEST(RatMove, AccelerationIsLimitedAndFrictionStepsTowardZero)
{
    struct Case { char op; int before, after; };
    const Case cases[] = {{'L', 0, -2}, {'L', -7, -8}, {'L', -8, -8}, {'L', 5, 3}, {'R', 0, 2}, {'R', 7, 8}, {'R', -1, 1},
                          {'F', 1, 0}, {'F', -1, 0}, {'F', 0, 0}, {'F', 2, 1}, {'F', -8, -7}};
    for (const Case& c : cases)
    {
        Rat r;
        r.SetXVel(c.before);
        c.op == 'L' ? r.Left() : c.op == 'R' ? r.Right() : r.Friction();
        EXPECT_EQ(c.after, r.GetXVel()) << c.op << " from " << c.before;
    }
    // Pushed and slowed once every third frame, a run settles at 7.
    Rat r;
    r.SetXVel(0);
    for (int i = 0; i < 20; ++i)
        r.Left(), r.Friction();
    EXPECT_EQ(-7, r.GetXVel());
}

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
    EXPECT_EQ(LIVES - 2, r.GetLives());
    EXPECT_FALSE(r.IsAlive());
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
    const int cases[][4] = {{10, -10, 0, 0}, {-9, 9, 0, 0}, {11, 0, 8, 0}, {-11, 0, -8, 0}, {0, -11, 0, -8}, {-40, 30, -36, 27}};
    for (const auto& c : cases)
    {
        r.SetBothPos(64 + c[0], 64 + c[1]);
        r.Kill();
        EXPECT_EQ(c[2] == 0 && c[3] == 0, r.Respawn()) << c[0] << "," << c[1];
        EXPECT_EQ((std::vector<int>{64 + c[2], 64 + c[3]}), (std::vector<int>{r.GetXPos(), r.GetYPos()})) << c[0] << "," << c[1];
    }
}

TEST(RatDefaults, AnUnplacedRatHasASizeAStartAndFourBoxesThatFollowIt)
{
    Rat r;
    r.SetDefaults(nullptr, nullptr);
    EXPECT_EQ((std::vector<int>{64, 64, 40, 60}), Fields(r.GetRect()));
    EXPECT_EQ((std::vector<int>{64, 64}), (std::vector<int>{r.GetStartX(), r.GetStartY()}));
    auto shape = [&r] {
        std::vector<std::vector<int>> boxes;
        for (const SDL_Rect& b : r.GetCollisionBoxes())
            boxes.push_back({b.x - r.GetXPos(), b.y - r.GetYPos(), b.w, b.h});
        return boxes;
    };
    // Feet, head, left flank, right flank, in that order: enemies read them by index.
    const std::vector<std::vector<int>> feetHeadLeftRight = {{10, 52, 20, 8}, {15, 0, 10, 12}, {3, 10, 6, 34}, {31, 10, 6, 34}};
    EXPECT_EQ(feetHeadLeftRight, shape());
    // One update jumps, moves, turns the picture and rebuilds the boxes.
    r.SetXVel(4);
    r.Landed();
    r.Jump();
    r.Update();
    EXPECT_EQ((std::vector<int>{68, 52, 40, 60}), Fields(r.GetRect()));
    EXPECT_EQ(3, r.GetCurrentClip());
    EXPECT_EQ(feetHeadLeftRight, shape());
}
