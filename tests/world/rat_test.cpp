#include <gtest/gtest.h>
#include <vector>
#include "tests/world/test_sheet.h"
#include "world/constants.h"
#include "world/rat.h"

namespace
{
// A rat on the ground at (200, 500), ready to take off at the given speed.
Rat GroundedRat(int xVel = 0)
{
    Rat r;
    r.SetBothSize(RAT_WIDTH, RAT_HEIGHT);
    r.SetBothPos(200, 500);
    r.SetBothVel(xVel, 0);
    r.Landed();
    return r;
}

struct Arc
{
    std::vector<int> dy; // vertical move of each frame
    int risingFrames = 0; // leading frames at full rise speed
    int rise = 0;         // pixels climbed in those frames
};

// Takes off from the ground, holding jump for heldFrames frames (the
// take-off frame counts), with no tiles to land on.
Arc Jump(int xVel, int heldFrames, int frames = 30)
{
    Rat r = GroundedRat(xVel);
    Arc arc;
    bool stillRising = true;
    for (int f = 0; f < frames; ++f)
    {
        if (f < heldFrames)
            r.Jump();
        int before = r.GetYPos();
        r.Update();
        int dy = r.GetYPos() - before;
        arc.dy.push_back(dy);
        if (stillRising && dy == -12)
        {
            ++arc.risingFrames;
            arc.rise += 12;
        }
        else
        {
            stillRising = false;
        }
    }
    return arc;
}
}

TEST(RatJump, ForcedRiseDependsOnTheSpeedAtTakeOff)
{
    struct Case
    {
        int xVel, risingFrames;
    };
    const Case cases[] = {{0, 7}, {1, 8}, {-2, 8}, {3, 9}, {-5, 10}, {6, 10}, {7, 11}, {8, 11}, {-8, 11}};
    for (const Case& c : cases)
    {
        Arc arc = Jump(c.xVel, 1);
        EXPECT_EQ(c.risingFrames, arc.risingFrames) << "xVel " << c.xVel;
        EXPECT_EQ(c.risingFrames * 12, arc.rise) << "xVel " << c.xVel;
    }
}

TEST(RatJump, ReleasedKeyDeceleratesThenFallsAtMostTwelve)
{
    Arc arc = Jump(0, 1, 20);
    std::vector<int> expected = {-12, -12, -12, -12, -12, -12, -12, -9, -6, -3, 0, 3, 6, 9, 12, 12, 12, 12, 12, 12};
    EXPECT_EQ(expected, arc.dy);
}

TEST(RatJump, HeldKeyExtendsTheRiseUpToSixFramesAndSlowsTheFall)
{
    // Held throughout: 7 forced + 6 extended frames, then the fall capped at 9.
    Arc held = Jump(0, 100, 24);
    EXPECT_EQ(13, held.risingFrames);
    std::vector<int> tail(held.dy.begin() + 13, held.dy.end());
    EXPECT_EQ((std::vector<int>{-9, -6, -3, 0, 3, 6, 9, 9, 9, 9, 9}), tail);

    // Held for 9 frames: the rise ends 2 frames into the extension.
    EXPECT_EQ(9, Jump(0, 9).risingFrames);
    // At full speed the extension still adds 6 frames.
    EXPECT_EQ(17, Jump(8, 100).risingFrames);
}

TEST(RatJump, HoldingJumpWhileFallingCapsTheFallAtNine)
{
    Rat r = GroundedRat();
    r.Peaked();
    r.SetYVel(12);
    r.Jump();
    r.UpdateJump();
    EXPECT_EQ(9, r.GetYVel());
    EXPECT_EQ(RAT_FALLING, r.GetJumpState());
    EXPECT_FALSE(r.GetJumpPressed()) << "the request is used up";
    r.UpdateJump();
    EXPECT_EQ(12, r.GetYVel());
}

TEST(RatJump, AStandingRatSinksWithoutAJumpAndTakesOffOnlyFromTheGround)
{
    Rat r = GroundedRat();
    r.UpdateJump();
    EXPECT_EQ(3, r.GetYVel());
    EXPECT_EQ(RAT_FALLING, r.GetJumpState());

    // A request while falling does not start a jump...
    r.Jump();
    r.UpdateJump();
    EXPECT_EQ(RAT_FALLING, r.GetJumpState());
    EXPECT_GT(r.GetYVel(), 0);

    // ...but a bounce (jump, then landed) takes off on the next update.
    r.Jump();
    r.Landed();
    r.UpdateJump();
    EXPECT_EQ(4, r.GetJumpState());
    EXPECT_EQ(-12, r.GetYVel());
}

TEST(RatMove, AccelerationIsLimitedAndFrictionStepsTowardZero)
{
    struct Case
    {
        const char* op;
        int before, after;
    };
    const Case cases[] = {
        {"Left", 0, -2}, {"Left", -7, -8}, {"Left", -8, -8}, {"Left", 5, 3},
        {"Right", 0, 2}, {"Right", 7, 8}, {"Right", 8, 8}, {"Right", -1, 1},
        {"Friction", 1, 0}, {"Friction", -1, 0}, {"Friction", 0, 0}, {"Friction", 5, 4}, {"Friction", -8, -7},
    };
    for (const Case& c : cases)
    {
        Rat r;
        r.SetXVel(c.before);
        std::string op = c.op;
        if (op == "Left")
            r.Left();
        else if (op == "Right")
            r.Right();
        else
            r.Friction();
        EXPECT_EQ(c.after, r.GetXVel()) << op << " from " << c.before;
    }
}

TEST(RatMove, HoldingADirectionSettlesAtSevenAndReleasingSlowsByOneEveryThirdFrame)
{
    Rat r;
    r.SetXVel(0);
    for (int frame = 0; frame < 60; ++frame)
    {
        if (frame % 3 == 0)
        {
            r.Left();
            r.Friction();
        }
    }
    EXPECT_EQ(-7, r.GetXVel());
    for (int frame = 0; frame < 9; ++frame)
        if (frame % 3 == 0)
            r.Friction();
    EXPECT_EQ(-4, r.GetXVel());
}

namespace
{
std::vector<int> Clips(Rat& r, int frames)
{
    std::vector<int> shown;
    for (int i = 0; i < frames; ++i)
    {
        r.UpdateSprite();
        shown.push_back(r.GetCurrentClip());
    }
    return shown;
}

std::vector<int> Held(std::initializer_list<int> clips)
{
    std::vector<int> v;
    for (int c : clips)
        v.insert(v.end(), 4, c);
    return v;
}
}

TEST(RatSprite, WalkCyclesHoldEachPictureFourFrames)
{
    Rat r;
    r.SetXVel(3);
    EXPECT_EQ(Held({3, 5, 7, 1, 3}), Clips(r, 20));

    // Having stood a while, the rat steps off with the second picture.
    Rat l;
    l.SetXVel(0);
    Clips(l, 10);
    l.SetXVel(-3);
    EXPECT_EQ(Held({2, 4, 6, 0, 2}), Clips(l, 20));
}

TEST(RatSprite, TurningAndStoppingChangeThePictureAtOnce)
{
    Rat r;
    r.SetXVel(3);
    Clips(r, 6); // walking right, on clip 5
    ASSERT_EQ(5, r.GetCurrentClip());
    r.SetXVel(-1);
    r.UpdateSprite();
    EXPECT_EQ(2, r.GetCurrentClip());
    r.SetXVel(1);
    r.UpdateSprite();
    EXPECT_EQ(3, r.GetCurrentClip());
    // Stopping shows the standing picture of the last direction.
    r.SetXVel(0);
    r.UpdateSprite();
    EXPECT_EQ(1, r.GetCurrentClip());
    r.SetXVel(-1);
    Clips(r, 6);
    r.SetXVel(0);
    r.UpdateSprite();
    EXPECT_EQ(0, r.GetCurrentClip());
}

TEST(RatSprite, DeadShowsClipEightAndARevivedStandingRatStandsOnClipZero)
{
    Rat r;
    r.SetXVel(0);
    r.SetBothPos(64, 64);
    r.SetStartPos(64, 64);
    r.Kill();
    r.SetXVel(5);
    r.UpdateSprite();
    EXPECT_EQ(8, r.GetCurrentClip());

    r.SetXVel(0);
    ASSERT_TRUE(r.Respawn());
    r.UpdateSprite();
    EXPECT_EQ(0, r.GetCurrentClip());
}

TEST(RatBoxes, FourBoxesInFixedOrderFollowTheRat)
{
    Rat r = GroundedRat(4);
    r.SetCollBoxes();
    struct Box
    {
        int x, y, w, h;
    };
    auto check = [&](int x, int y) {
        const Box expected[] = {
            {x + 10, y + 52, 20, 8}, // feet
            {x + 15, y, 10, 12},     // head
            {x + 3, y + 10, 6, 34},  // left flank
            {x + 31, y + 10, 6, 34}, // right flank
        };
        std::vector<SDL_Rect>& boxes = r.GetCollisionBoxes();
        ASSERT_EQ(4u, boxes.size());
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ(expected[i].x, boxes[i].x) << "box " << i;
            EXPECT_EQ(expected[i].y, boxes[i].y) << "box " << i;
            EXPECT_EQ(expected[i].w, boxes[i].w) << "box " << i;
            EXPECT_EQ(expected[i].h, boxes[i].h) << "box " << i;
        }
    };
    check(200, 500);
    // One update jumps, moves, and rebuilds the boxes at the new place.
    r.Jump();
    r.Update();
    EXPECT_EQ(204, r.GetXPos());
    EXPECT_EQ(488, r.GetYPos());
    EXPECT_EQ(3, r.GetCurrentClip());
    check(204, 488);
}

TEST(RatLife, EveryKillCostsALifeEvenInTheSameFrame)
{
    Rat r;
    EXPECT_EQ(1, r.GetLives());
    EXPECT_TRUE(r.IsAlive());
    r.SetLives(LIVES);
    r.Kill();
    r.Kill();
    EXPECT_EQ(LIVES - 2, r.GetLives());
    EXPECT_FALSE(r.IsAlive());
}

TEST(RatLife, RespawnGlidesHomeAndComesBackAlive)
{
    Rat r;
    r.SetBothSize(RAT_WIDTH, RAT_HEIGHT);
    r.SetStartPos(64, 64);
    r.SetBothPos(464, -36);
    r.SetBothVel(5, 7);
    r.SetLives(3);
    r.Kill();

    EXPECT_FALSE(r.Respawn());
    EXPECT_EQ(464 - 13, r.GetXPos());
    EXPECT_EQ(-36 + 5, r.GetYPos());

    int steps = 1;
    while (!r.Respawn())
    {
        ASSERT_LT(++steps, 500) << "the glide never arrives";
        EXPECT_FALSE(r.IsAlive());
    }
    EXPECT_TRUE(r.IsAlive());
    EXPECT_EQ(64, r.GetXPos());
    EXPECT_EQ(64, r.GetYPos());
    EXPECT_EQ(2, r.GetLives());
    EXPECT_EQ(5, r.GetXVel()) << "the glide leaves the velocity alone";
    EXPECT_EQ(7, r.GetYVel());
    ASSERT_EQ(4u, r.GetCollisionBoxes().size());
    EXPECT_EQ(74, r.GetCollisionBoxes()[RAT_BOX_FEET].x);
}

TEST(RatLife, RespawnSnapsOnlyWithinTenPixelsOnBothAxes)
{
    struct Case
    {
        int dx, dy;
        bool snaps;
        int stepX, stepY; // the move when it does not snap
    };
    const Case cases[] = {
        {10, -10, true, 0, 0}, {-10, 10, true, 0, 0}, {0, 0, true, 0, 0},
        {11, 0, false, -3, 0}, {0, -11, false, 0, 3}, {-9, 9, true, 0, 0},
        {-40, 30, false, 1 + 3, -3}, {-500, 800, false, 12 + 3, -20 - 3},
    };
    for (const Case& c : cases)
    {
        Rat r;
        r.SetBothSize(RAT_WIDTH, RAT_HEIGHT);
        r.SetStartPos(300, 300);
        r.SetBothPos(300 + c.dx, 300 + c.dy);
        r.Kill();
        EXPECT_EQ(c.snaps, r.Respawn()) << c.dx << "," << c.dy;
        EXPECT_EQ(c.snaps, r.IsAlive()) << c.dx << "," << c.dy;
        int x = c.snaps ? 300 : 300 + c.dx + c.stepX;
        int y = c.snaps ? 300 : 300 + c.dy + c.stepY;
        EXPECT_EQ(x, r.GetXPos()) << c.dx << "," << c.dy;
        EXPECT_EQ(y, r.GetYPos()) << c.dx << "," << c.dy;
    }
}

TEST(RatDefaults, AnUnplacedRatHasASheetClipsSizeAndSaneBoxes)
{
    TestSheet sheet(9, 10);
    Rat r;
    r.SetDefaults(sheet.surface, &sheet.clips);
    EXPECT_EQ(sheet.surface, r.GetSpriteSheet());
    EXPECT_EQ(&sheet.clips, r.GetClips());
    EXPECT_EQ(RAT_WIDTH, r.GetXSize());
    EXPECT_EQ(RAT_HEIGHT, r.GetYSize());
    EXPECT_EQ(r.GetStartX(), r.GetXPos());
    EXPECT_EQ(r.GetStartY(), r.GetYPos());
    EXPECT_GE(r.GetXPos(), 0);
    EXPECT_LE(r.GetXPos() + RAT_WIDTH, LEVEL_WIDTH);
    EXPECT_GE(r.GetYPos(), 0);
    EXPECT_LE(r.GetYPos() + RAT_HEIGHT, LEVEL_HEIGHT);
    EXPECT_EQ(0, r.GetXVel());
    EXPECT_EQ(0, r.GetYVel());
    ASSERT_EQ(4u, r.GetCollisionBoxes().size());
    for (const SDL_Rect& b : r.GetCollisionBoxes())
    {
        EXPECT_GT(b.w, 0);
        EXPECT_LE(b.w, RAT_WIDTH);
        EXPECT_GT(b.h, 0);
        EXPECT_LE(b.h, RAT_HEIGHT);
    }
}
