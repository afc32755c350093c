#include <gtest/gtest.h>
#include <set>
#include "enemies/scientist.h"
#include "tests/enemies/enemy_world.h"
#include "world/game_random.h"

namespace {

const int FLOOR_ROW = 25;
const int FLOOR_Y = FLOOR_ROW * TILE_HEIGHT; // 800
const int SCI_X = 640;
const int SCI_Y = FLOOR_Y - SCIENTIST_HEIGHT;

// An arena floor; the rat waits far off on a tile of its own.
Scientist* MakeArena(EnemyWorld& w, int floorSolidity = SOLID)
{
    w.AddRow(10, 40, FLOOR_ROW, floorSolidity);
    w.AddTile(150, FLOOR_ROW, SOLID);
    w.PlaceRat(150 * TILE_WIDTH - 10, FLOOR_Y - RAT_HEIGHT);
    w.rat.SetLives(50);
    Scientist* s = w.Add(new Scientist());
    s->SetBothPos(SCI_X, SCI_Y);
    s->SetBothSize(SCIENTIST_WIDTH, SCIENTIST_HEIGHT);
    s->SetBothVel(0, 0);
    s->SetCollBoxes();
    return s;
}

void ParkRat(EnemyWorld& w)
{
    w.PlaceRat(150 * TILE_WIDTH - 10, FLOOR_Y - RAT_HEIGHT);
}

// Sends his projectile off far to the left, in flight for good, so that he
// throws nothing that could hit the rat.
void DisarmThrows(Scientist& s)
{
    Projectile& p = s.GetProjectile();
    p.SetBothPos(-10000, 0);
    p.SetBothSize(30, 30);
    p.SetBothVel(0, 0);
    p.Start();
}

// The rat drops onto his head in the next frame: feet over him, flanks above.
void DropRatOnHim(EnemyWorld& w, Scientist& s)
{
    w.PlaceRat(s.GetXPos() + 40, s.GetYPos() - RAT_HEIGHT, 0, 0);
    w.rat.Peaked();
}

TEST(ScientistPacing, FirstThrowAndFirstWalkRightInHis81stUpdate)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    SeedGameRandom(7);
    for (int k = 1; k <= 80; k++)
    {
        w.Frame();
        ASSERT_EQ(SCI_STAND, s->GetAction()) << "update " << k;
        ASSERT_TRUE(s->GetProjectile().IsFinished()) << "update " << k;
    }
    w.Frame();
    EXPECT_EQ(SCI_WALK, s->GetAction());
    EXPECT_FALSE(s->IsGoingLeft());
    EXPECT_FALSE(s->GetProjectile().IsFinished());
    w.Frame();
    EXPECT_EQ(3, s->GetXVel());
    w.Frame();
    EXPECT_EQ(SCI_X + 3, s->GetXPos());
}

TEST(ScientistPacing, Walks243PixelsRightStandsThenWalksBack)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    DisarmThrows(*s);
    std::vector<int> xs{SCI_X};
    for (int k = 1; k <= 500; k++)
    {
        w.Frame();
        ASSERT_EQ(SCI_Y, s->GetYPos()) << "update " << k;
        xs.push_back(s->GetXPos());
    }
    EXPECT_EQ(SCI_X, xs[82]);
    EXPECT_EQ(SCI_X + 3, xs[83]);
    EXPECT_EQ(SCI_X + 243, xs[163]);
    EXPECT_EQ(SCI_X + 243, xs[244]);
    EXPECT_EQ(SCI_X + 240, xs[245]);
    EXPECT_EQ(SCI_X, xs[325]);
    EXPECT_EQ(SCI_X, xs[406]);
    EXPECT_EQ(SCI_X + 3, xs[407]);
}

TEST(ScientistPacing, PressesAgainstAWallUntilTheWalkEnds)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    DisarmThrows(*s);
    const int wallCol = 26; // x 832: 93 pixels right of his box
    w.AddColumn(wallCol, FLOOR_ROW - 6, FLOOR_ROW - 1, SOLID);
    int boxRight = 0;
    for (int k = 1; k <= 163; k++)
    {
        w.Frame();
        boxRight = std::max(boxRight, s->GetXPos() + SCIENTIST_WIDTH - 20 - 1);
    }
    EXPECT_GE(boxRight, wallCol * TILE_WIDTH);
    EXPECT_LE(boxRight, wallCol * TILE_WIDTH + 3);
    EXPECT_LT(s->GetXPos() + SCIENTIST_WIDTH - 20 - 1, wallCol * TILE_WIDTH + 3);
}

TEST(ScientistThrowing, ThrowsAgainDuringAWalkOnceTheProjectileHasLanded)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    for (int k = 0; k < 81; k++)
        w.Frame();
    Projectile& p = s->GetProjectile();
    ASSERT_FALSE(p.IsFinished());
    int throws = 1;
    bool wasFinished = false;
    for (int k = 0; k < 80; k++)
    {
        w.Frame();
        if (wasFinished && !p.IsFinished())
            throws++;
        wasFinished = p.IsFinished();
    }
    // Each throw lands on the solid floor well within a walk of 81 updates.
    EXPECT_GE(throws, 2);
    // Standing, he lets a landed projectile lie.
    for (int k = 0; k < 79; k++)
        w.Frame();
    ASSERT_EQ(SCI_STAND, s->GetAction());
    EXPECT_TRUE(p.IsFinished());
}

struct Throw
{
    int dx, y, xVel, yVel;
    bool operator==(const Throw& o) const
    {
        return dx == o.dx && y == o.y && xVel == o.xVel && yVel == o.yVel;
    }
};

// Where and how the first projectile left his hands: in the throwing update
// it has already made one move under gravity, and he threw it while sunk one
// pixel into the floor, before the tile pass stood him back on it.
Throw FirstThrow(unsigned seed)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    SeedGameRandom(seed);
    for (int k = 0; k < 81; k++)
        w.Frame();
    const Projectile& p = s->GetProjectile();
    return {p.GetXPos() - p.GetXVel() - s->GetXPos(), p.GetYPos() - p.GetYVel() - (s->GetYPos() + 1),
            p.GetXVel(), p.GetYVel() - 1};
}

TEST(ScientistThrowing, ThrowsFollowTheGameGeneratorInOrder)
{
    for (unsigned seed : {1u, 2u, 99u, 12345u})
    {
        SeedGameRandom(seed);
        int r1 = GameRand() % 2, r2 = GameRand() % 8, r3 = GameRand() % 2, r4 = GameRand() % 2;
        Throw expected{(r1 * SCIENTIST_WIDTH) / 2 + 10, 80, (2 * r4 - 1) * (3 * r3 + 3), -18 - r2};
        EXPECT_EQ(expected, FirstThrow(seed)) << "seed " << seed;
        EXPECT_EQ(FirstThrow(seed), FirstThrow(seed));
    }
}

TEST(ScientistThrowing, ThrowsCoverEveryStartSpeedAndDirection)
{
    std::set<int> dxs, xVels, yVels;
    for (unsigned seed = 1; seed <= 300; seed++)
    {
        Throw t = FirstThrow(seed);
        dxs.insert(t.dx);
        xVels.insert(t.xVel);
        yVels.insert(t.yVel);
    }
    EXPECT_EQ((std::set<int>{10, 70}), dxs);
    EXPECT_EQ((std::set<int>{-6, -3, 3, 6}), xVels);
    EXPECT_EQ((std::set<int>{-25, -24, -23, -22, -21, -20, -19, -18}), yVels);
}

TEST(ScientistStomps, HurtDrinkPotionAndHurtAgain)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    DisarmThrows(*s);
    w.Frame();

    // A stomp while he is vulnerable hurts him and bounces the rat.
    DropRatOnHim(w, *s);
    w.Frame();
    EXPECT_EQ(SCI_HIT_POINTS - 1, s->GetHitPoints());
    EXPECT_EQ(SCI_DRINK, s->GetAction());
    EXPECT_FALSE(s->IsVulnerable());
    EXPECT_TRUE(w.rat.IsAlive());
    EXPECT_EQ(RAT_GROUNDED, w.rat.GetJumpState());
    w.Frame();
    EXPECT_EQ(-12, w.rat.GetYVel());

    // During the drink a stomp only bounces the rat.
    ParkRat(w);
    for (int k = 0; k < 10; k++)
        w.Frame();
    ASSERT_EQ(SCI_DRINK, s->GetAction());
    DropRatOnHim(w, *s);
    w.Frame();
    EXPECT_EQ(SCI_HIT_POINTS - 1, s->GetHitPoints());
    EXPECT_TRUE(w.rat.IsAlive());
    EXPECT_EQ(RAT_GROUNDED, w.rat.GetJumpState());

    // After the drink, while the potion works, a stomp kills the rat.
    ParkRat(w);
    int frames = 0;
    while (s->GetAction() == SCI_DRINK && frames < 200)
    {
        w.Frame();
        frames++;
    }
    ASSERT_EQ(SCI_STAND, s->GetAction());
    EXPECT_EQ(11, s->GetCurrentClip()); // the drink ran past clip 10
    int lives = w.rat.GetLives();
    DropRatOnHim(w, *s);
    w.Frame();
    EXPECT_FALSE(w.rat.IsAlive());
    EXPECT_EQ(lives - 1, w.rat.GetLives());
    EXPECT_EQ(SCI_HIT_POINTS - 1, s->GetHitPoints());

    // The potion wears off 201 updates after the drink.
    w.rat.Respawn();
    while (!w.rat.IsAlive())
        w.rat.Respawn();
    ParkRat(w);
    while (!s->IsVulnerable() && frames < 1000)
    {
        w.Frame();
        frames++;
    }
    ASSERT_TRUE(s->IsVulnerable());
    EXPECT_EQ(SCI_POTION_TIME + 1, s->GetPotionTime());
    DropRatOnHim(w, *s);
    w.Frame();
    EXPECT_EQ(SCI_HIT_POINTS - 2, s->GetHitPoints());
    EXPECT_TRUE(w.rat.IsAlive());
}

TEST(ScientistStomps, DrinkShowsClips4To10ThenTheStandingPotionLook)
{
    Scientist s;
    s.SetBothSize(SCIENTIST_WIDTH, SCIENTIST_HEIGHT);
    s.Hurt();
    std::vector<int> runs; // how long each clip shows
    int last = -1;
    for (int k = 0; k < 120 && s.GetAction() == SCI_DRINK; k++)
    {
        s.UpdateSprite();
        if (s.GetCurrentClip() != last)
            runs.push_back(0);
        runs.back()++;
        last = s.GetCurrentClip();
    }
    // Clip 4 and 10 hold longest; 11 is where the drink hands over.
    EXPECT_EQ((std::vector<int>{21, 8, 8, 8, 8, 8, 22, 1}), runs);
    EXPECT_EQ(SCI_STAND, s.GetAction());
    EXPECT_EQ(0, s.GetPotionTime());
    EXPECT_FALSE(s.IsVulnerable());
    for (int k = 0; k < 7; k++)
        s.UpdateSprite();
    EXPECT_EQ(12, s.GetCurrentClip());
}

TEST(ScientistStomps, FourthHurtKillsHimSilently)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    DisarmThrows(*s);
    for (int k = 0; k < SCI_HIT_POINTS; k++)
        s->Hurt();
    EXPECT_EQ(0, s->GetHitPoints());
    EXPECT_FALSE(s->IsDead());
    s->Hurt();
    EXPECT_TRUE(s->IsDead());
    EXPECT_EQ(0, s->GetHitPoints());

    int y = s->GetYPos();
    for (int k = 1; k <= DEAD_FOR; k++)
    {
        w.Frame();
        ASSERT_TRUE(w.Has(s));
        EXPECT_EQ(4, s->GetCurrentClip());
        EXPECT_EQ(y, s->GetYPos());
        EXPECT_TRUE(s->GetCollisionBoxes().empty());
    }
    w.Frame();
    EXPECT_FALSE(w.Has(s));
    EXPECT_EQ(std::vector<std::string>{"Scientist"}, w.erased);
}

TEST(ScientistStomps, FourStompsFromTheRatEndHim)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    DisarmThrows(*s);
    int stomps = 0;
    for (int frame = 0; frame < 3000 && w.Has(s); frame++)
    {
        if (s->IsVulnerable() && !s->IsDead() && w.rat.IsAlive())
        {
            DropRatOnHim(w, *s);
            stomps++;
        }
        w.Frame();
        ParkRat(w);
    }
    EXPECT_FALSE(w.Has(s));
    EXPECT_EQ(SCI_HIT_POINTS + 1, stomps);
    EXPECT_EQ(50, w.rat.GetLives());
}

TEST(ScientistContact, SideContactKillsTheRat)
{
    Scientist s;
    s.SetBothPos(500, 500);
    s.SetBothSize(SCIENTIST_WIDTH, SCIENTIST_HEIGHT);
    s.SetCollBoxes();
    Rat rat;
    rat.SetDefaults(nullptr, nullptr);
    rat.SetLives(3);
    // His box is 20 pixels narrower than his picture on each side.
    rat.SetBothPos(500 + 20 - 40 + 5, 600);
    rat.SetCollBoxes();
    s.HandleRat(rat);
    EXPECT_FALSE(rat.IsAlive());
    EXPECT_EQ(2, rat.GetLives());
    EXPECT_EQ(SCI_HIT_POINTS, s.GetHitPoints());

    Rat clear;
    clear.SetDefaults(nullptr, nullptr);
    clear.SetBothPos(500 - 35, 600); // overlaps his picture, not his box
    clear.SetCollBoxes();
    s.HandleRat(clear);
    EXPECT_TRUE(clear.IsAlive());
}

TEST(ScientistContact, RecordsDecideLikeAContact)
{
    Scientist s;
    Rat rat;
    rat.SetLives(5);
    std::vector<CollData> feet(4), flank(4), none(4);
    feet[RAT_BOX_FEET].collided = true;
    flank[RAT_BOX_LEFT].collided = true;
    s.HandleRatColl(rat, feet);
    EXPECT_EQ(SCI_HIT_POINTS - 1, s.GetHitPoints());
    EXPECT_EQ(RAT_GROUNDED, rat.GetJumpState());
    s.HandleRatColl(rat, flank);
    EXPECT_EQ(4, rat.GetLives());
    // Records without a stomp are a deadly contact, whatever they flag.
    s.HandleRatColl(rat, none);
    EXPECT_EQ(3, rat.GetLives());
}

TEST(ScientistSound, MutedUntilUnmuted)
{
    Scientist s;
    EXPECT_TRUE(s.IsMuted());
    s.Unmute();
    EXPECT_FALSE(s.IsMuted());
    s.Mute();
    EXPECT_TRUE(s.IsMuted());
}

TEST(Projectile, FlightKillsTheRatEvenWhileHeDies)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    SeedGameRandom(3);
    for (int k = 0; k < 81; k++)
        w.Frame();
    Projectile& p = s->GetProjectile();
    ASSERT_FALSE(p.IsFinished());
    for (int k = 0; k <= SCI_HIT_POINTS; k++)
        s->Hurt();
    ASSERT_TRUE(s->IsDead());

    int px = p.GetXPos(), py = p.GetYPos();
    s->Update();
    EXPECT_NE(px, p.GetXPos());
    EXPECT_NE(py, p.GetYPos());
    EXPECT_FALSE(p.IsFinished());
    EXPECT_TRUE(s->GetCollisionBoxes().empty());

    // The rat where the projectile is: his own box is gone, the projectile's
    // is not.
    w.rat.SetBothPos(p.GetXPos() - 5, p.GetYPos() - 20);
    w.rat.SetCollBoxes();
    int lives = w.rat.GetLives();
    s->HandleRat(w.rat);
    EXPECT_EQ(lives - 1, w.rat.GetLives());
    EXPECT_FALSE(p.IsFinished()); // a hit does not end the flight
}

TEST(Projectile, FinishedProjectileNeitherKillsNorShows)
{
    Projectile p;
    p.SetBothPos(100, 100);
    p.SetBothSize(30, 30);
    p.SetCollBoxes();
    Rat rat;
    rat.SetDefaults(nullptr, nullptr);
    rat.SetLives(3);
    rat.SetBothPos(90, 90);
    rat.SetCollBoxes();
    p.HandleRat(rat);
    EXPECT_EQ(3, rat.GetLives());
    p.Start();
    p.HandleRat(rat);
    EXPECT_EQ(2, rat.GetLives());
}

TEST(Projectile, OnlySolidTilesEndItsFlight)
{
    for (int solidity : {GHOST, PLATFORM, SOLID})
    {
        std::vector<Tile*> tiles{new InanimateTile(96, 96, solidity, 0, nullptr, nullptr),
                                 new WaterTile(128, 96, GHOST, 0, nullptr, nullptr)};
        Projectile p;
        p.SetBothPos(100, 90);
        p.SetBothSize(30, 30);
        p.SetCollBoxes();
        p.Start();
        p.HandleTiles(tiles);
        EXPECT_EQ(solidity == SOLID, p.IsFinished()) << "solidity " << solidity;
        for (Tile* t : tiles)
            delete t;
    }
}

TEST(Projectile, AlternatesItsTwoClips)
{
    Projectile p;
    std::vector<int> clips;
    for (int k = 0; k < 21; k++)
    {
        p.UpdateSprite();
        clips.push_back(p.GetCurrentClip());
    }
    std::vector<int> expected(6, 0);
    expected.insert(expected.end(), 7, 1);
    expected.insert(expected.end(), 7, 0);
    expected.push_back(1);
    EXPECT_EQ(expected, clips);
}

TEST(Projectile, OneLostBelowTheWorldNeverComesBack)
{
    EnemyWorld w;
    // Platforms carry him but let the projectile through.
    Scientist* s = MakeArena(w, PLATFORM);
    SeedGameRandom(11);
    Projectile& p = s->GetProjectile();
    bool thrown = false, lost = false;
    for (int frame = 1; frame <= 20000; frame++)
    {
        w.Frame();
        if (!thrown && !p.IsFinished())
            thrown = true;
        if (!thrown)
            continue;
        ASSERT_FALSE(p.IsFinished()) << "frame " << frame;
        if (p.GetYPos() > LEVEL_HEIGHT)
            lost = true;
        if (!lost)
            continue;
        for (const SDL_Rect& box : p.GetCollisionBoxes())
        {
            ASSERT_GT(box.y, LEVEL_HEIGHT) << "frame " << frame;
        }
    }
    EXPECT_TRUE(thrown);
    EXPECT_TRUE(lost);
    EXPECT_TRUE(w.rat.IsAlive());
    EXPECT_TRUE(w.Has(s));
}

} // namespace

namespace {

SDL_Surface* SolidSurface(int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
}

Uint32 PixelAt(SDL_Surface* s, int x, int y)
{
    return static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x];
}

TEST(ScientistDrawing, ProjectileInFlightIsDrawnOverHimAndOnlyThen)
{
    SDL_Surface* screen = SolidSurface(640, 480, 0, 0, 0);
    SDL_Surface* sciSheet = SolidSurface(SCIENTIST_WIDTH, SCIENTIST_HEIGHT, 255, 0, 0);
    SDL_Surface* projSheet = SolidSurface(30, 30, 0, 255, 0);
    ASSERT_TRUE(screen && sciSheet && projSheet);
    std::vector<SDL_Rect> sciClips(15, SDL_Rect{0, 0, SCIENTIST_WIDTH, SCIENTIST_HEIGHT});
    std::vector<SDL_Rect> projClips(2, SDL_Rect{0, 0, 30, 30});
    const Uint32 red = SDL_MapRGB(screen->format, 255, 0, 0);
    const Uint32 green = SDL_MapRGB(screen->format, 0, 255, 0);
    {
        Scientist s;
        s.SetSpriteSheet(sciSheet);
        s.SetClips(&sciClips);
        s.SetBothPos(1100, 340);
        s.SetBothSize(SCIENTIST_WIDTH, SCIENTIST_HEIGHT);
        Projectile& p = s.GetProjectile();
        p.SetSpriteSheet(projSheet);
        p.SetClips(&projClips);
        p.SetBothPos(1130, 390);
        p.SetBothSize(30, 30);
        SDL_Rect camera{1000, 300, 640, 480};

        s.Show(screen, camera); // finished: only he is drawn
        EXPECT_EQ(red, PixelAt(screen, 105, 45));
        EXPECT_EQ(red, PixelAt(screen, 140, 100));

        p.Start();
        s.Show(screen, camera);
        EXPECT_EQ(red, PixelAt(screen, 105, 45));
        EXPECT_EQ(green, PixelAt(screen, 140, 100));
    }
    SDL_FreeSurface(screen);
    SDL_FreeSurface(sciSheet);
    SDL_FreeSurface(projSheet);
}

} // namespace
