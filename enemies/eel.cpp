#include "enemies/eel.h"
#include "world/constants.h"
#include "world/sound.h"

SDL_Surface* Eel::default_ss = nullptr;
std::vector<SDL_Rect>* Eel::defaultClips = nullptr;
Mix_Chunk* Eel::kill_se = nullptr;

Eel::Eel() : upTo(0), downTo(0)
{
    SetSpriteSheet(default_ss);
    SetClips(defaultClips);
}

// No gravity and no death: the eel only ever swings between its lines.
void Eel::Update()
{
    UpdateJump();
    UpdateLocation();
    UpdateSprite();
    SetCollBoxes();
}

// Between the lines the eel speeds up in the way it is going; past one it is
// slowed until it turns, so it overshoots each line.
void Eel::UpdateJump()
{
    if (yPos > downTo)
        yVel--;
    else if (yPos < upTo)
        yVel++;
    else if (yVel > 0)
        yVel++;
    else if (yVel < 0)
        yVel--;

    if (yVel > TERMINAL_VEL)
        yVel = TERMINAL_VEL;
    if (yVel < -TERMINAL_VEL)
        yVel = -TERMINAL_VEL;
}

void Eel::UpdateSprite()
{
    if (yVel > 0)
        currentClip = 4;
    else if (yVel < 0)
    {
        if (currentClip == 4)
        {
            currentClip = 0;
            spriteTimer = 0;
        }
        else if (spriteTimer >= FRAMES_PER_SPRITE)
        {
            currentClip = (currentClip + 1) % 4;
            spriteTimer = 0;
        }
        else
            spriteTimer++;
    }
}

static bool AnyRatBoxTouched(const std::vector<CollData>& data)
{
    return Guy::RatBoxTouched(data, RAT_BOX_FEET) || Guy::RatBoxTouched(data, RAT_BOX_HEAD) ||
           Guy::RatBoxTouched(data, RAT_BOX_LEFT) || Guy::RatBoxTouched(data, RAT_BOX_RIGHT);
}

// A stomp is no defence against an eel.
void Eel::HandleRat(Rat& rat)
{
    std::vector<CollData> ratData;
    if (!TouchRat(rat, ratData) || !AnyRatBoxTouched(ratData))
        return;
    rat.Kill();
    PlaySound(kill_se, 1);
}
