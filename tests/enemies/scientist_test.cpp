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
    for (int k = 1; k <= DEAD_FOR; k++)
    {
        int px = p.GetXPos();
        w.Frame();
        ASSERT_TRUE(w.Has(s) && s->GetCollisionBoxes().empty());
        EXPECT_TRUE(s->GetCurrentClip() == 4 && s->GetYPos() == SCI_Y);
        EXPECT_TRUE(p.GetXPos() != px && !p.IsFinished());
    }
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
    // One sheet for both, as their class defaults: his picture red, the
    // projectile's green.
    SDL_Surface* sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 150, 180, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_Rect green{120, 0, 30, 30};
    SDL_FillRect(sheet, nullptr, 0xff0000);
    SDL_FillRect(sheet, &green, 0x00ff00);
    std::vector<SDL_Rect> sciClips(15, SDL_Rect{0, 0, 120, 180}), projClips(2, green);
    Scientist::default_ss = Projectile::default_ss = sheet;
    Scientist::defaultClips = &sciClips;
    Projectile::defaultClips = &projClips;
    SDL_Surface* screen = SDL_ConvertSurface(sheet, sheet->format, SDL_SWSURFACE);
    Uint32* pixels = static_cast<Uint32*>(screen->pixels);
    std::vector<Uint32> seen;
    Scientist s;
    s.SetBothPos(1100, 140);
    s.GetProjectile().SetBothPos(1130, 190);
    for (bool inFlight : {false, true})
    {
        if (inFlight)
            s.GetProjectile().Start();
        SDL_FillRect(screen, nullptr, 0);
        s.Show(screen, SDL_Rect{1000, 100, 640, 480});
        seen.insert(seen.end(), {pixels[45 * screen->pitch / 4 + 105], pixels[100 * screen->pitch / 4 + 140]});
    }
    EXPECT_EQ((std::vector<Uint32>{0xff0000, 0xff0000, 0xff0000, 0x00ff00}), seen);
    Scientist::default_ss = Projectile::default_ss = nullptr;
    Scientist::defaultClips = Projectile::defaultClips = nullptr;
    SDL_FreeSurface(screen);
    SDL_FreeSurface(sheet);
}

} // namespace
