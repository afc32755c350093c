#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include "world/animated.h"

const int RAT_ACC = 2;
const int RAT_TOP_SPEED = 8;
const int RAT_GROUNDED = -1;
const int RAT_MIN_JUMP = 10;
const int RAT_MAX_JUMP = 16;
const int RAT_FALLING = 17;
const int RAT_SPRITE_TIME = 3;

// Indexes into the rat's collision boxes; their order is fixed.
const int RAT_BOX_FEET = 0;
const int RAT_BOX_HEAD = 1;
const int RAT_BOX_LEFT = 2;
const int RAT_BOX_RIGHT = 3;

class Rat : public AnimatedThing
{
public:
    Rat();
    void SetStartPos(int x, int y)
    {
        startX = x;
        startY = y;
    }
    int GetStartX() const { return startX; }
    int GetStartY() const { return startY; }
    void Left();
    void Right();
    void Friction();
    void Jump() { jumpPressed = true; }
    void Landed() { jumpState = RAT_GROUNDED; }
    void Peaked() { jumpState = RAT_FALLING; }
    void Update();
    void UpdateJump();
    void UpdateSprite();
    void SetCollBoxes();
    // Every call costs a life, dead or not.
    void Kill();
    // One step of the glide home; true once the rat is back and alive.
    bool Respawn();
    bool IsAlive() const { return alive; }
    int GetLives() const { return lives; }
    void SetLives(int l) { lives = l; }
    int GetJumpState() const { return jumpState; }
    bool GetJumpPressed() const { return jumpPressed; }

    // Gives the rat a sheet, clips, size and start point before any level
    // has, so that it can always be drawn and never collides with a
    // zero-sized box that wraps round in 16 bits.
    void SetDefaults(SDL_Surface* sheet, std::vector<SDL_Rect>* clipList);

    static Mix_Chunk* jump_se;
    static Mix_Chunk* die_se;

private:
    int startX;
    int startY;
    int jumpState;
    bool jumpPressed;
    int lives;
    bool alive;
};
