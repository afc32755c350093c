#include "world/rat.h"
#include <algorithm>
#include <cstdlib>
#include "world/constants.h"
#include "world/sound.h"

Mix_Chunk* Rat::jump_se = nullptr;
Mix_Chunk* Rat::die_se = nullptr;

// The rise speed of a jump, and the fall limit while the jump key is held.
static const int RAT_RISE_VEL = -12;
static const int RAT_HELD_FALL_VEL = 9;

// The glide home: within SNAP of the start point on both axes the rat is
// put there; otherwise it covers 1/SHARE of the distance plus STEP pixels
// on each axis further away than NEAR.
static const int RESPAWN_SNAP = 10;
static const int RESPAWN_SHARE = 40;
static const int RESPAWN_NEAR = 8;
static const int RESPAWN_STEP = 3;

// Where a rat that no level has placed yet stands.
static const int RAT_DEFAULT_X = 64;
static const int RAT_DEFAULT_Y = 64;

Rat::Rat() : AnimatedThing(), startX(0), startY(0), jumpState(RAT_FALLING), jumpPressed(false), lives(1), alive(true) {}

void Rat::SetDefaults(SDL_Surface* sheet, std::vector<SDL_Rect>* clipList)
{
    SetSpriteSheet(sheet);
    SetClips(clipList);
    SetBothSize(RAT_WIDTH, RAT_HEIGHT);
    SetStartPos(RAT_DEFAULT_X, RAT_DEFAULT_Y);
    SetBothPos(RAT_DEFAULT_X, RAT_DEFAULT_Y);
    SetBothVel(0, 0);
    SetCollBoxes();
}

void Rat::Left()
{
    xVel -= RAT_ACC;
    if (xVel < -RAT_TOP_SPEED)
        xVel = -RAT_TOP_SPEED;
}

void Rat::Right()
{
    xVel += RAT_ACC;
    if (xVel > RAT_TOP_SPEED)
        xVel = RAT_TOP_SPEED;
}

void Rat::Friction()
{
    if (xVel > 0)
        xVel -= 1;
    if (xVel < 0)
        xVel += 1;
}

void Rat::Update()
{
    UpdateJump();
    UpdateLocation();
    UpdateSprite();
    SetCollBoxes();
}

void Rat::UpdateJump()
{
    if (jumpState == RAT_GROUNDED && jumpPressed)
    {
        PlaySound(jump_se);
        // A faster run starts further along the count, so it rises longer.
        // Never below 0: a speed past the limit would otherwise read as
        // grounded again.
        jumpState = std::max(0, (RAT_TOP_SPEED - std::abs(xVel)) / 2);
        yVel = RAT_RISE_VEL;
    }
    else if (jumpState >= 0 && jumpState < RAT_MIN_JUMP)
    {
        jumpState += 1;
        yVel = RAT_RISE_VEL;
    }
    else if (jumpState >= RAT_MIN_JUMP && jumpState < RAT_MAX_JUMP)
    {
        jumpState += 1;
        if (jumpPressed)
            yVel = RAT_RISE_VEL;
        else
            yVel = std::min(yVel + GRAVITY, TERMINAL_VEL);
    }
    else
    {
        // Also the standing rat's every frame: it sinks and is landed again
        // by the tile pass.
        yVel = std::min(yVel + GRAVITY, jumpPressed ? RAT_HELD_FALL_VEL : TERMINAL_VEL);
        jumpState = RAT_FALLING;
    }
    jumpPressed = false;
}

void Rat::UpdateSprite()
{
    if (!alive)
    {
        currentClip = 8;
        return;
    }
    if (xVel < 0)
    {
        // Even clips face left: 0, 2, 4, 6.
        if (currentClip % 2 != 0)
        {
            currentClip = 2;
            spriteTimer = 0;
        }
        else if (spriteTimer >= RAT_SPRITE_TIME)
        {
            currentClip += 2;
            if (currentClip > 7)
                currentClip = 0;
            spriteTimer = 0;
        }
        else
        {
            spriteTimer += 1;
        }
    }
    else if (xVel > 0)
    {
        // Odd clips face right: 1, 3, 5, 7; the dead clip 8 counts as even.
        if (currentClip % 2 == 0)
        {
            currentClip = 3;
            spriteTimer = 0;
        }
        else if (spriteTimer >= RAT_SPRITE_TIME)
        {
            currentClip += 2;
            if (currentClip > 8)
                currentClip = 1;
            spriteTimer = 0;
        }
        else
        {
            spriteTimer += 1;
        }
    }
    else if (currentClip == 0 || currentClip == 1)
    {
        spriteTimer += 1;
    }
    else
    {
        currentClip = currentClip % 2 != 0 ? 1 : 0;
        spriteTimer = 0;
    }
}

void Rat::SetCollBoxes()
{
    // The order is fixed: the play state and the enemies read boxes by index.
    ClearBoxes();
    AddBox(xPos + 10, yPos + ySize - 8, xSize - 20, 8); // RAT_BOX_FEET
    AddBox(xPos + (xSize - 10) / 2, yPos, 10, 12);      // RAT_BOX_HEAD
    AddBox(xPos + 3, yPos + 10, 6, ySize - 26);         // RAT_BOX_LEFT
    AddBox(xPos + xSize - 9, yPos + 10, 6, ySize - 26); // RAT_BOX_RIGHT
}

void Rat::Kill()
{
    lives -= 1;
    PlaySound(die_se);
    alive = false;
}

bool Rat::Respawn()
{
    const int dx = xPos - startX;
    const int dy = yPos - startY;
    if (std::abs(dx) <= RESPAWN_SNAP && std::abs(dy) <= RESPAWN_SNAP)
    {
        SetBothPos(startX, startY);
        SetCollBoxes();
        alive = true;
        return true;
    }
    xPos -= dx / RESPAWN_SHARE;
    yPos -= dy / RESPAWN_SHARE;
    if (dx < -RESPAWN_NEAR)
        xPos += RESPAWN_STEP;
    if (dx > RESPAWN_NEAR)
        xPos -= RESPAWN_STEP;
    if (dy < -RESPAWN_NEAR)
        yPos += RESPAWN_STEP;
    if (dy > RESPAWN_NEAR)
        yPos -= RESPAWN_STEP;
    return false;
}
