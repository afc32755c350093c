#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include "enemies/scientist.h"
#include "tests/enemies/enemy_world.h"
#include "world/game_random.h"

namespace
{

const int FLOOR_ROW = 25;
const int SCI_X = 640;
const int SCI_Y = FLOOR_ROW * TILE_HEIGHT - SCIENTIST_HEIGHT;

// An arena floor under him; the rat waits far off.
Scientist* MakeArena(EnemyWorld& w, int floorSolidity = SOLID)
{
    w.AddTiles(0, 60, FLOOR_ROW, FLOOR_ROW, floorSolidity);
    return w.Add(new Scientist(), SCI_X, SCI_Y, SCIENTIST_WIDTH, SCIENTIST_HEIGHT, 0, 0);
}

// Over many games: the first throw leaves from either hand, 80 pixels down,
// at 3 or 6 either way and 18 to 25 up, all drawn from the game generator,
// and comes down on his floor.
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
            runs.push_back(
                {p.GetXPos() - p.GetXVel() - SCI_X, p.GetYPos() - p.GetYVel() - SCI_Y, p.GetXVel(), p.GetYVel() - 1});
            for (int k = 0; k < 200 && !p.IsFinished(); k++)
                w.Frame();
            EXPECT_TRUE(p.IsFinished()) << "his solid floor ends every throw";
        }
        ASSERT_EQ(runs[0], runs[1]) << seed;
        EXPECT_EQ(81, runs[0][1]) << seed;
        hands.insert(runs[0][0]), across.insert(runs[0][2]), up.insert(runs[0][3]);
    }
    EXPECT_EQ((std::set<int>{10, 70}), hands);
    EXPECT_EQ((std::set<int>{-6, -3, 3, 6}), across);
    EXPECT_EQ((std::set<int>{-25, -24, -23, -22, -21, -20, -19, -18}), up);
}

// Stomped, he drinks for 84 updates, when a stomp only bounces the rat;
// then for 201 the potion makes a stomp deadly; then he can be hurt again.
// Anything but a stomp always kills.
TEST(Scientist, AStompHurtsHimOnlyWhenHeIsVulnerable)
{
    EnemyWorld w;
    Scientist& s = *w.Add(new Scientist(), SCI_X, SCI_Y, SCIENTIST_WIDTH, SCIENTIST_HEIGHT, 0, 0);
    // The rat's feet on his head, or its left flank against his right side.
    auto contact = [&s](bool stomp) {
        EnemyWorld fresh;
        fresh.PlaceRat(SCI_X + (stomp ? 40 : 95), SCI_Y + (stomp ? -55 : 60));
        s.HandleRat(fresh.rat);
        return std::to_string(s.GetHitPoints()) + (!fresh.rat.IsAlive() ? " killed"
                                                   : Bounced(fresh.rat) ? " bounced"
                                                                        : " missed");
    };
    std::vector<std::string> seen{contact(true)};
    int drink = 0, potion = 0;
    for (; s.GetAction() == SCI_DRINK && drink < 500; drink++, s.UpdateSprite())
        if (drink == 10)
            seen.push_back(contact(true));
    seen.push_back(contact(true));
    for (; !s.IsVulnerable() && potion < 1000; potion++)
        s.UpdateSprite();
    seen.push_back(contact(false));
    seen.push_back(contact(true));
    const std::string hp = std::to_string(SCI_HIT_POINTS - 1);
    EXPECT_EQ((std::vector<std::string>{hp + " bounced", hp + " bounced", hp + " killed", hp + " killed",
                                        std::to_string(SCI_HIT_POINTS - 2) + " bounced"}),
              seen);
    EXPECT_EQ(84, drink);
    EXPECT_EQ(SCI_POTION_TIME + 1, potion);
}

TEST(Scientist, TheFourthHurtKillsHimButNotHisProjectileInFlight)
{
    EnemyWorld w;
    Scientist* s = MakeArena(w);
    SeedGameRandom(3);
    for (int k = 0; k < 81; k++)
        w.Frame();
    for (int k = 0; k < SCI_HIT_POINTS; k++)
        s->Hurt();
    EXPECT_FALSE(s->IsDead());
    s->Hurt();
    EXPECT_TRUE(s->IsDead() && s->GetHitPoints() == 0);
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
    EXPECT_TRUE(w.rat.GetLives() == LIVES - 1 && !p.IsFinished());
    w.Frame();
    EXPECT_FALSE(w.Has(s));
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
