#include "enemies/guy.h"
#include "world/constants.h"
#include "world/tile_grid.h"

Guy::Guy() : dead(false), deadTime(0), erase(false)
{
    // Creators set what they use; zero keeps an enemy that is only placed
    // (the editor's) from holding garbage.
    xPos = yPos = 0;
    xSize = ySize = 0;
    xVel = yVel = 0;
}

Guy::~Guy() = default;

void Guy::Update()
{
    Gravity();
    UpdateLocation();
    UpdateSprite();
    SetCollBoxes();
}

// Even clips face left, odd ones right; 0/1 rest, 2/3 stride. A walk starts
// in the stride pose and alternates every FRAMES_PER_SPRITE + 1 updates.
void Guy::UpdateSprite()
{
    if (xVel < 0)
    {
        if (currentClip == 0 || currentClip == 2)
        {
            if (spriteTimer >= FRAMES_PER_SPRITE)
            {
                currentClip = 2 - currentClip;
                spriteTimer = 0;
            }
            else
                spriteTimer++;
        }
        else
        {
            currentClip = 2;
            spriteTimer = 0;
        }
    }
    else if (xVel > 0)
    {
        if (currentClip == 1 || currentClip == 3)
        {
            if (spriteTimer >= FRAMES_PER_SPRITE)
            {
                currentClip = 4 - currentClip;
                spriteTimer = 0;
            }
            else
                spriteTimer++;
        }
        else
        {
            currentClip = 3;
            spriteTimer = 0;
        }
    }
    else
    {
        if (currentClip == 0 || currentClip == 1)
            spriteTimer++;
        else
        {
            currentClip = currentClip % 2 == 0 ? 0 : 1;
            spriteTimer = 0;
        }
    }
}

void Guy::Left() { xVel = -2; }

void Guy::Right() { xVel = 2; }

void Guy::Kill() { dead = true; }

bool Guy::EraseYet() { return erase; }

// Enemies fall more gently than the rat: 1 per update, not GRAVITY.
void Guy::Gravity()
{
    yVel++;
    if (yVel > TERMINAL_VEL)
        yVel = TERMINAL_VEL;
}

void Guy::SetCollBoxes()
{
    ClearBoxes();
    AddBox(xPos, yPos, xSize, ySize);
}

void Guy::HandleTiles(std::vector<Tile*>&) {}

std::string Guy::GetTag() { return "Guy"; }

void Guy::Unmute() {}

void Guy::Mute() {}

void Guy::UpdateDying()
{
    // Hangs where it died, shows the dead clip and can no longer touch
    // anything.
    xVel = 0;
    currentClip = 4;
    ClearBoxes();
    deadTime++;
    if (deadTime > DEAD_FOR)
        erase = true;
}

void Guy::LandAndTurn(std::vector<Tile*>& tiles)
{
    // Refilled by every test: kept between calls so that no tile allocates.
    static std::vector<CollData> own;
    TileWalk walk(tiles, *this);
    while (Tile* t = walk.Next())
    {
        if (t->GetSolidity() == GHOST)
            continue;
        std::vector<SDL_Rect>& tileBoxes = t->GetCollisionBoxes();
        if (!HasCollided(tileBoxes, nullptr, nullptr))
            continue;
        HasCollided(tileBoxes, &own, nullptr);
        if (own.empty())
            continue;

        // Only a top that was at or below our feet before this update's move
        // catches us; one we were already inside of is a wall.
        if (own[0].bottom && t->TopIsImp() && t->GetYPos() >= yPos + ySize - yVel)
        {
            yPos = t->GetYPos() - ySize;
            yVel = 0;
            SetCollBoxes();
            HasCollided(tileBoxes, &own, nullptr);
            if (own.empty())
                continue;
        }
        if (own[0].left && t->RightIsImp())
            Right();
        if (own[0].right && t->LeftIsImp())
            Left();
    }
}

bool Guy::TouchRat(Rat& rat, std::vector<CollData>& ratData)
{
    ratData.clear();
    std::vector<SDL_Rect>& ratBoxes = rat.GetCollisionBoxes();
    if (!HasCollided(ratBoxes, nullptr, nullptr))
        return false;
    HasCollided(ratBoxes, nullptr, &ratData);
    return true;
}

bool Guy::RatBoxTouched(const std::vector<CollData>& ratData, int box)
{
    return box >= 0 && box < static_cast<int>(ratData.size()) && ratData[box].collided;
}
