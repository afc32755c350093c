#include "enemies/scientist.h"
#include "world/game_random.h"
#include "world/sound.h"

SDL_Surface* Scientist::default_ss = nullptr;
std::vector<SDL_Rect>* Scientist::defaultClips = nullptr;
Mix_Chunk* Scientist::drink_se = nullptr;
Mix_Chunk* Scientist::throw_se = nullptr;

// The drinking clips run 4 .. 10; the first and last are held longest.
static const int DRINK_FIRST_CLIP = 4;
static const int DRINK_LAST_CLIP = 10;
static const int DRINK_LONG_HOLD = 20;
static const int DRINK_SHORT_HOLD = 6;
// Walking cycles of the normal look and of the potion look.
static const int WALK_FIRST_CLIP = 0;
static const int WALK_LAST_CLIP = 3;
static const int POTION_WALK_FIRST_CLIP = 11;
static const int POTION_WALK_LAST_CLIP = 14;
static const int SCI_WALK_SPEED = 3;

Scientist::Scientist()
    : action(SCI_STAND), actionTime(0), goingLeft(true), hitPoints(SCI_HIT_POINTS), vulnerable(true), potionTime(0),
      muted(true)
{
    SetSpriteSheet(default_ss);
    SetClips(defaultClips);
}

Scientist::~Scientist() = default;

// The projectile is drawn over him, and only while in flight.
void Scientist::Show(SDL_Surface* screen, SDL_Rect camera)
{
    AnimatedThing::Show(screen, camera);
    if (!projectile.IsFinished())
        projectile.Show(screen, camera);
}

void Scientist::Update()
{
    if (!dead)
    {
        Gravity();
        UpdateLocation();
        UpdateSprite();
        SetCollBoxes();
        TryToThrow();
    }
    else
        UpdateDying();
    // A projectile in flight keeps flying, even while he dies.
    projectile.Update();
}

static void StepCycle(int& clip, int& timer, int first, int last)
{
    if (clip < first || clip > last)
        clip = first;
    if (timer >= FRAMES_PER_SPRITE)
    {
        clip = clip == last ? first : clip + 1;
        timer = 0;
    }
    else
        timer++;
}

// His behaviour as well as his picture: it sets his walking speed.
void Scientist::UpdateSprite()
{
    if (!vulnerable && action != SCI_DRINK)
    {
        potionTime++;
        if (potionTime > SCI_POTION_TIME)
            vulnerable = true;
    }

    if (action == SCI_STAND)
    {
        xVel = 0;
        if (spriteTimer >= FRAMES_PER_SPRITE)
        {
            if (vulnerable)
                currentClip = currentClip == 1 ? 3 : 1;
            else
                currentClip = currentClip == 12 ? 14 : 12;
            spriteTimer = 0;
        }
        else
            spriteTimer++;

        if (actionTime >= SCI_STOP_TIME)
        {
            action = SCI_WALK;
            actionTime = 0;
            goingLeft = !goingLeft;
        }
        else
            actionTime++;
    }
    else if (action == SCI_WALK)
    {
        xVel = goingLeft ? -SCI_WALK_SPEED : SCI_WALK_SPEED;
        if (vulnerable)
            StepCycle(currentClip, spriteTimer, WALK_FIRST_CLIP, WALK_LAST_CLIP);
        else
            StepCycle(currentClip, spriteTimer, POTION_WALK_FIRST_CLIP, POTION_WALK_LAST_CLIP);

        if (actionTime >= SCI_MOVE_TIME)
        {
            action = SCI_STAND;
            actionTime = 0;
        }
        else
            actionTime++;
    }
    else if (action == SCI_DRINK)
    {
        xVel = 0;
        if (currentClip < DRINK_FIRST_CLIP || currentClip > DRINK_LAST_CLIP)
        {
            currentClip = DRINK_FIRST_CLIP;
            spriteTimer = 0;
        }
        int hold =
            (currentClip == DRINK_FIRST_CLIP || currentClip == DRINK_LAST_CLIP) ? DRINK_LONG_HOLD : DRINK_SHORT_HOLD;
        if (spriteTimer > hold)
        {
            currentClip++;
            spriteTimer = 0;
            if (currentClip > DRINK_LAST_CLIP)
            {
                action = SCI_STAND;
                actionTime = 0;
                potionTime = 0;
            }
        }
        else
            spriteTimer++;
    }
}

void Scientist::SetCollBoxes()
{
    ClearBoxes();
    AddBox(xPos + 20, yPos, xSize - 40, ySize);
}

// Throws in the update a walk begins, and again whenever the last projectile
// has landed during a walk. GameRand, not rand, so that drawing (the water
// draws rand) cannot change where he throws.
void Scientist::TryToThrow()
{
    if (!projectile.IsFinished() || action != SCI_WALK)
        return;
    if (!muted)
        PlaySound(throw_se);
    int r1 = GameRand() % 2;
    int r2 = GameRand() % 8;
    int r3 = GameRand() % 2;
    int r4 = GameRand() % 2;
    projectile.SetBothPos(xPos + (r1 * xSize) / 2 + 10, yPos + 80);
    projectile.SetBothVel((2 * r4 - 1) * (3 * r3 + 3), -18 - r2);
    projectile.SetBothSize(30, 30);
    projectile.Start();
}

void Scientist::Hurt()
{
    action = SCI_DRINK;
    actionTime = 0;
    vulnerable = false;
    if (hitPoints > 0)
    {
        if (!muted)
            PlaySound(drink_se);
        hitPoints--;
    }
    else
        dead = true;
}

void Scientist::StompOrTouch(Rat& rat, bool stomped)
{
    if (!stomped)
        rat.Kill();
    else if (vulnerable)
    {
        Hurt();
        rat.Jump();
        rat.Landed();
    }
    else if (action == SCI_DRINK)
    {
        rat.Jump();
        rat.Landed();
    }
    else
        rat.Kill();
}

void Scientist::HandleRat(Rat& rat)
{
    std::vector<CollData> ratData;
    if (TouchRat(rat, ratData))
        StompOrTouch(rat, RatBoxTouched(ratData, RAT_BOX_FEET));
    projectile.HandleRat(rat);
}

void Scientist::HandleTiles(std::vector<Tile*>& tiles)
{
    LandAndTurn(tiles);
    projectile.HandleTiles(tiles);
}
