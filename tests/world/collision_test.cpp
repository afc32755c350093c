#include <gtest/gtest.h>
#include <vector>
#include "world/things.h"

namespace
{
struct Flags
{
    bool collided, left, top, right, bottom;
};

bool Same(const CollData& d, const Flags& f)
{
    return d.collided == f.collided && d.left == f.left && d.top == f.top && d.right == f.right &&
           d.bottom == f.bottom;
}

std::string Show(const CollData& d)
{
    return std::string(d.collided ? "C" : "-") + (d.left ? "L" : "-") + (d.top ? "T" : "-") +
           (d.right ? "R" : "-") + (d.bottom ? "B" : "-");
}

const Flags NONE = {false, false, false, false, false};
const Flags ALL = {true, true, true, true, true};
const Flags ONLY_COLLIDED = {true, false, false, false, false};

struct PairCase
{
    const char* name;
    SDL_Rect own;
    SDL_Rect other;
    bool overlaps;
    Flags ownFlags;
    Flags otherFlags;
};

const PairCase PAIR_CASES[] = {
    {"abut side by side", {0, 0, 32, 32}, {32, 0, 32, 32}, false, NONE, NONE},
    {"abut one above the other", {0, 0, 32, 32}, {0, 32, 32, 32}, false, NONE, NONE},
    {"share one column", {0, 0, 32, 32}, {31, 0, 32, 32}, true,
     {true, false, true, true, true}, {true, true, true, false, true}},
    {"share one row", {0, 0, 32, 32}, {0, 31, 32, 32}, true,
     {true, true, false, true, true}, {true, true, true, true, false}},
    {"wholly inside", {10, 10, 5, 5}, {0, 0, 32, 32}, true, ALL, ONLY_COLLIDED},
    {"crossing the partner's left edge", {-5, 10, 10, 5}, {0, 0, 32, 32}, true,
     {true, false, true, true, true}, {true, true, false, false, false}},
    {"resting on top", {4, -20, 8, 21}, {0, 0, 32, 32}, true,
     {true, true, false, true, true}, {true, false, true, false, false}},
    {"negative coordinates", {-40, -40, 10, 10}, {-35, -35, 10, 10}, true,
     {true, false, false, true, true}, {true, true, true, false, false}},
    {"diagonal corners only touching", {0, 0, 10, 10}, {10, 10, 10, 10}, false, NONE, NONE},
};
}

TEST(Collision, PairsReportOverlapAndTheSidesInsideThePartner)
{
    for (const PairCase& c : PAIR_CASES)
    {
        CollidableThing thing;
        thing.AddBox(c.own);
        std::vector<SDL_Rect> others = {c.other};
        std::vector<CollData> own, other;
        EXPECT_EQ(c.overlaps, thing.HasCollided(others, &own, &other)) << c.name;
        ASSERT_EQ(1u, own.size()) << c.name;
        ASSERT_EQ(1u, other.size()) << c.name;
        EXPECT_TRUE(Same(own[0], c.ownFlags)) << c.name << " own " << Show(own[0]);
        EXPECT_TRUE(Same(other[0], c.otherFlags)) << c.name << " other " << Show(other[0]);
        // The yes/no form gives the same answer.
        EXPECT_EQ(c.overlaps, thing.HasCollided(others, nullptr, nullptr)) << c.name;
    }
}

TEST(Collision, OneBoxBetweenTwoPartnersGetsBothSides)
{
    CollidableThing thing;
    thing.AddBox(10, 0, 20, 10);
    std::vector<SDL_Rect> others = {MakeRect(0, 0, 15, 10), MakeRect(25, 0, 15, 10)};
    std::vector<CollData> own, other;
    EXPECT_TRUE(thing.HasCollided(others, &own, &other));
    EXPECT_TRUE(Same(own[0], ALL)) << Show(own[0]);
    EXPECT_TRUE(other[0].collided && other[0].right && !other[0].left);
    EXPECT_TRUE(other[1].collided && other[1].left && !other[1].right);
}

TEST(Collision, EveryPairIsTestedAndRecordsRunParallelToBoxes)
{
    // Own box 0 meets only other box 1, own box 2 only other box 0; own box 1
    // and other box 2 meet nothing.
    CollidableThing thing;
    thing.AddBox(100, 0, 10, 10);
    thing.AddBox(500, 500, 10, 10);
    thing.AddBox(0, 0, 10, 10);
    std::vector<SDL_Rect> others = {MakeRect(5, 5, 10, 10), MakeRect(105, 0, 10, 10), MakeRect(300, 0, 5, 5)};
    std::vector<CollData> own, other;
    EXPECT_TRUE(thing.HasCollided(others, &own, &other));
    ASSERT_EQ(3u, own.size());
    ASSERT_EQ(3u, other.size());
    EXPECT_TRUE(own[0].collided);
    EXPECT_FALSE(own[1].collided);
    EXPECT_TRUE(own[2].collided);
    EXPECT_TRUE(other[0].collided);
    EXPECT_TRUE(other[1].collided);
    EXPECT_TRUE(Same(other[2], NONE));
}

TEST(Collision, EmptySidesGiveFalseAndAllFalseRecords)
{
    CollidableThing empty;
    std::vector<SDL_Rect> two = {MakeRect(0, 0, 5, 5), MakeRect(2, 2, 5, 5)};
    std::vector<CollData> own(4, CollData()), other;
    EXPECT_FALSE(empty.HasCollided(two, &own, &other));
    EXPECT_TRUE(own.empty());
    ASSERT_EQ(2u, other.size());
    EXPECT_TRUE(Same(other[0], NONE) && Same(other[1], NONE));

    CollidableThing boxed;
    boxed.AddBox(0, 0, 5, 5);
    std::vector<SDL_Rect> none;
    EXPECT_FALSE(boxed.HasCollided(none, &own, &other));
    ASSERT_EQ(1u, own.size());
    EXPECT_TRUE(Same(own[0], NONE));
    EXPECT_TRUE(other.empty());
}

TEST(Collision, EarlierFlagsNeverSurviveALaterCall)
{
    CollidableThing thing;
    thing.AddBox(10, 10, 5, 5);
    std::vector<SDL_Rect> touching = {MakeRect(0, 0, 32, 32)};
    std::vector<SDL_Rect> far = {MakeRect(1000, 1000, 32, 32)};
    std::vector<CollData> own, other;
    ASSERT_TRUE(thing.HasCollided(touching, &own, &other));
    ASSERT_TRUE(own[0].collided && other[0].collided);

    EXPECT_FALSE(thing.HasCollided(far, &own, &other));
    ASSERT_EQ(1u, own.size());
    ASSERT_EQ(1u, other.size());
    EXPECT_TRUE(Same(own[0], NONE)) << Show(own[0]);
    EXPECT_TRUE(Same(other[0], NONE)) << Show(other[0]);
}

TEST(Things, BoxesAndRectanglesNarrowToSixteenBitFields)
{
    CollidableThing thing;
    thing.AddBox(-5, -7, -1, 70000);
    SDL_Rect b = thing.GetCollisionBoxes().at(0);
    EXPECT_EQ(-5, b.x);
    EXPECT_EQ(-7, b.y);
    EXPECT_EQ(65535, b.w);
    EXPECT_EQ(70000 - 65536, b.h);

    LocatedThing view;
    view.SetBothPos(40000, -3);
    view.SetBothSize(640, 480);
    SDL_Rect r = view.GetRect();
    EXPECT_EQ(40000 - 65536, r.x);
    EXPECT_EQ(-3, r.y);
    EXPECT_EQ(640, r.w);
    EXPECT_EQ(480, r.h);

    thing.ClearBoxes();
    EXPECT_TRUE(thing.GetCollisionBoxes().empty());
}

TEST(Things, UpdateLocationAddsVelocityWithoutBounds)
{
    MobileThing m;
    m.SetBothPos(10, 10);
    m.SetBothVel(-20, 5);
    m.UpdateLocation();
    EXPECT_EQ(-10, m.GetXPos());
    EXPECT_EQ(15, m.GetYPos());
    EXPECT_EQ(-20, m.GetXVel());
    EXPECT_EQ(5, m.GetYVel());
}
