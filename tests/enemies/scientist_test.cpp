#include <gtest/gtest.h>
#include <cstdlib>
#include <set>
#include "enemies/scientist.h"
#include "tests/enemies/enemy_world.h"
#include "world/game_random.h"

namespace {

const int FLOOR_ROW = 25;
const int SCI_X = 640;
const int SCI_Y = FLOOR_ROW * TILE_HEIGHT - SCIENTIST_HEIGHT;

// An arena floor under him; the rat waits far off.
Scientist* MakeArena(EnemyWorld& w, int floorSolidity = SOLID)
{
    w.AddTiles(10, 40, FLOOR_ROW, FLOOR_ROW, floorSolidity);
    return w.Add(new Scientist(), SCI_X, SCI_Y, SCIENTIST_WIDTH, SCIENTIST_HEIGHT, 0, 0);
}

// The rat drops onto his head in this frame: feet over him, flanks above.
void StompInAFrame(EnemyWorld& w, Scientist& s)
{
    w.PlaceRat(s.GetXPos() + 40, s.GetYPos() - RAT_HEIGHT);
    w.rat.Peaked();
    w.Frame();
}

bool Bounced(const Rat& rat)
{
    return rat.IsAlive() && rat.GetJumpPressed() && rat.GetJumpState() == RAT_GROUNDED;
}

TEST(Scientist, Stands81UpdatesWalks81FirstRightAndThrowsOnlyWhileWalking)
{
    SeedGameRandom(7);
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    Projectile& p = s->GetProjectile();
    std::vector<int> xs{SCI_X}, throwsAt;
    for (int k = 1; k <= 500; k++)
    {
        bool wasFinished = p.IsFinished();
        w.Frame();
        xs.push_back(s->GetXPos());
        ASSERT_EQ(SCI_Y, s->GetYPos()) << k;
        ASSERT_EQ((k / 81) % 2 ? SCI_WALK : SCI_STAND, s->GetAction()) << k;
        if (wasFinished && !p.IsFinished())
            throwsAt.push_back(k);
    }
    ASSERT_GE(throwsAt.size(), 6u); // again whenever it lands during a walk
    EXPECT_EQ(81, throwsAt[0]);
    for (int k : throwsAt)
        EXPECT_EQ(1, (k / 81) % 2) << "a throw at update " << k << ", standing";
    EXPECT_EQ((std::vector<int>{SCI_X, SCI_X + 3, SCI_X + 243, SCI_X + 243, SCI_X + 240, SCI_X, SCI_X, SCI_X + 3}),
              (std::vector<int>{xs[82], xs[83], xs[163], xs[244], xs[245], xs[325], xs[406], xs[407]}));
}

// Over many games: the first throw leaves from either hand, 80 pixels down,
// at 3 or 6 either way and 18 to 25 up, all drawn from the game generator.
TEST(Scientist, ThrowsFromEitherHandAtEverySpeedTheGameGeneratorPicks)
{
    std::set<int> hands, across, up;
    for (unsigned seed = 1; seed <= 80; seed++)
    {
        std::vector<std::vector<int>> runs;
        for (unsigned drawSeed : {seed, seed + 1000})
        {
            SeedGameRandom(seed);
            srand(drawSeed); // what drawing takes from rand() must not matter
            EnemyWorld w;
            Scientist* s = MakeArena(w);
            for (int k = 0; k < 81; k++)
                w.Frame();
            // Thrown while he was sunk one pixel into the floor, it has
            // already made one move under gravity.
            const Projectile& p = s->GetProjectile();
            ASSERT_FALSE(p.IsFinished());
            runs.push_back({p.GetXPos() - p.GetXVel() - SCI_X, p.GetYPos() - p.GetYVel() - SCI_Y, p.GetXVel(),
                            p.GetYVel() - 1});
        }
        ASSERT_EQ(runs[0], runs[1]) << seed;
        const std::vector<int>& seen = runs[0];
        EXPECT_EQ(81, seen[1]) << seed;
        hands.insert(seen[0]);
        across.insert(seen[2]);
        up.insert(seen[3]);
    }
    EXPECT_EQ((std::set<int>{10, 70}), hands);
    EXPECT_EQ((std::set<int>{-6, -3, 3, 6}), across);
    EXPECT_EQ((std::set<int>{-25, -24, -23, -22, -21, -20, -19, -18}), up);
}

TEST(Scientist, StompHurtsOnlyWhenHeIsVulnerable)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    s->GetProjectile().Start(); // in flight for good far off: he throws nothing
    w.AddTiles(26, 26, FLOOR_ROW - 6, FLOOR_ROW - 1, SOLID); // 93 pixels right of his box
    w.PlaceRat(SCI_X - 35, SCI_Y + 100); // his box is 20 pixels inside his picture
    w.Frame();
    StompInAFrame(w, *s);
    EXPECT_EQ(SCI_HIT_POINTS - 1, s->GetHitPoints());
    EXPECT_TRUE(Bounced(w.rat));

    // During the drink a stomp only bounces the rat.
    w.ParkRat();
    for (int k = 0; k < 10; k++)
        w.Frame();
    StompInAFrame(w, *s);
    EXPECT_EQ(SCI_HIT_POINTS - 1, s->GetHitPoints());
    EXPECT_TRUE(Bounced(w.rat));

    // The drink (clips 4 to 10) lasts 84 updates; while the potion works a
    // stomp kills the rat.
    w.ParkRat();
    int drinking = 11;
    for (; s->GetAction() == SCI_DRINK && drinking < 200; drinking++)
        w.Frame();
    EXPECT_EQ(84, drinking);
    StompInAFrame(w, *s);
    EXPECT_EQ(LIVES - 1, w.rat.GetLives());
    EXPECT_EQ(SCI_HIT_POINTS - 1, s->GetHitPoints());

    // It wears off 201 updates after the drink; then he can be hurt again.
    while (!w.rat.Respawn())
        ;
    w.ParkRat();
    for (int k = 0; k < 1000 && !s->IsVulnerable(); k++)
        w.Frame();
    EXPECT_EQ(SCI_POTION_TIME + 1, s->GetPotionTime());
    StompInAFrame(w, *s);
    EXPECT_EQ(SCI_HIT_POINTS - 2, s->GetHitPoints());
    EXPECT_TRUE(Bounced(w.rat));
    // Meanwhile his walk to the right ended pressed against the wall.
    EXPECT_LT(s->GetXPos() + SCIENTIST_WIDTH - 20, 26 * TILE_WIDTH + 3);
    EXPECT_GT(s->GetXPos(), SCI_X + 80);
    // Any other contact kills.
    w.PlaceRat(s->GetXPos() - 15, SCI_Y + 100);
    s->HandleRat(w.rat);
    EXPECT_EQ(LIVES - 2, w.rat.GetLives());
}

TEST(Scientist, TheFourthHurtKillsHimButNotHisProjectileInFlight)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    SeedGameRandom(3);
    s->Unmute(); // a missing drinking sound plays nothing
    for (int k = 0; k < 81; k++)
        w.Frame();
    for (int k = 0; k < SCI_HIT_POINTS; k++)
        s->Hurt();
    s->Mute();
    EXPECT_FALSE(s->IsDead());
    s->Hurt();
    EXPECT_TRUE(s->IsDead());
    EXPECT_EQ(0, s->GetHitPoints());
    Projectile& p = s->GetProjectile();
    std::set<int> projectileClips;
    for (int k = 1; k <= DEAD_FOR; k++)
    {
        int px = p.GetXPos();
        w.Frame();
        projectileClips.insert(p.GetCurrentClip());
        ASSERT_TRUE(w.Has(s));
        EXPECT_EQ(4, s->GetCurrentClip());
        EXPECT_EQ(SCI_Y, s->GetYPos());
        EXPECT_TRUE(s->GetCollisionBoxes().empty());
        EXPECT_TRUE(p.GetXPos() != px && !p.IsFinished());
    }
    EXPECT_EQ((std::set<int>{0, 1}), projectileClips);
    // His box is gone, the projectile's is not, and a hit does not end it.
    w.PlaceRat(p.GetXPos() - 5, p.GetYPos() - 20);
    s->HandleRat(w.rat);
    EXPECT_EQ(LIVES - 1, w.rat.GetLives());
    EXPECT_FALSE(p.IsFinished());
    w.Frame();
    EXPECT_FALSE(w.Has(s));
}

TEST(Projectile, OnlySolidTilesEndItsFlightAndOnlyItsFlightKills)
{
    for (int solidity : {GHOST, PLATFORM, SOLID})
    {
        EnemyWorld w;
        w.AddTiles(3, 3, 3, 3, solidity);
        w.tiles.push_back(new WaterTile(128, 96, GHOST, 0, nullptr, nullptr));
        Projectile* p = w.Add(new Projectile(), 100, 90, 30, 30, 0, 0);
        p->Start();
        p->HandleTiles(w.tiles);
        EXPECT_EQ(solidity == SOLID, p->IsFinished()) << solidity;
        w.PlaceRat(90, 90);
        p->HandleRat(w.rat);
        EXPECT_EQ(p->IsFinished() ? LIVES : LIVES - 1, w.rat.GetLives());
    }
}

TEST(Projectile, OneLostBelowTheWorldNeverComesBackAndHeThrowsNoMore)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w, PLATFORM); // carries him, lets it through
    SeedGameRandom(11);
    Projectile& p = s->GetProjectile();
    for (int frame = 1; frame <= 20000; frame++)
    {
        w.Frame();
        w.ParkRat();
        ASSERT_EQ(frame <= 80, p.IsFinished()) << frame;
        for (const SDL_Rect& box : p.GetCollisionBoxes())
            ASSERT_TRUE(p.GetYPos() < LEVEL_HEIGHT || box.y >= LEVEL_HEIGHT) << frame;
    }
    EXPECT_GT(p.GetYPos(), LEVEL_HEIGHT);
    EXPECT_TRUE(w.rat.IsAlive() && w.Has(s));
}

TEST(Scientist, ShowDrawsTheProjectileOverHimOnlyInFlight)
{
    // One sheet for both, as their class defaults: his red picture, then the
    // projectile's green one.
    SDL_Surface* screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_Surface* sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 150, 180, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_Rect green{120, 0, 30, 30};
    SDL_FillRect(sheet, nullptr, 0xff0000);
    SDL_FillRect(sheet, &green, 0x00ff00);
    std::vector<SDL_Rect> sciClips(15, SDL_Rect{0, 0, 120, 180}), projClips(2, green);
    Scientist::default_ss = Projectile::default_ss = sheet;
    Scientist::defaultClips = &sciClips;
    Projectile::defaultClips = &projClips;
    auto pixel = [&](int x, int y) { return static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x]; };
    {
        Scientist s;
        s.SetBothPos(1100, 340);
        s.GetProjectile().SetBothPos(1130, 390);
        SDL_Rect camera{1000, 300, 640, 480};
        s.Show(screen, camera);
        EXPECT_EQ(0xff0000u, pixel(140, 100));
        s.GetProjectile().Start();
        s.Show(screen, camera);
        EXPECT_EQ(0xff0000u, pixel(105, 45));
        EXPECT_EQ(0x00ff00u, pixel(140, 100));
    }
    Scientist::default_ss = Projectile::default_ss = nullptr;
    Scientist::defaultClips = Projectile::defaultClips = nullptr;
    SDL_FreeSurface(screen);
    SDL_FreeSurface(sheet);
}

} // namespace
