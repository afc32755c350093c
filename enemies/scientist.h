#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <vector>
#include "enemies/guy.h"
#include "enemies/projectile.h"

const int SCI_STAND = 0;
const int SCI_WALK = 1;
const int SCI_DRINK = 2;
const int SCI_HIT_POINTS = 3;
const int SCI_STOP_TIME = 80;
const int SCI_MOVE_TIME = 80;
const int SCI_POTION_TIME = 200;

// The arena's end enemy: paces, throws, drinks a potion after each of the
// first three stomps and dies on the fourth.
class Scientist : public Guy
{
public:
    Scientist();
    ~Scientist() override;
    void Hurt();
    void TryToThrow();

    void Show(SDL_Surface* screen, SDL_Rect camera) override;
    void Update() override;
    void UpdateSprite() override;
    void SetCollBoxes() override;
    void HandleRat(Rat& rat) override;
    void HandleTiles(std::vector<Tile*>& tiles) override;
    std::string GetTag() override { return RecordTag(RECORD_SCIENTIST); }
    void Unmute() override { muted = false; }
    void Mute() override { muted = true; }

    Projectile& GetProjectile() { return projectile; }
    int GetAction() const { return action; }
    int GetActionTime() const { return actionTime; }
    bool IsGoingLeft() const { return goingLeft; }
    int GetHitPoints() const { return hitPoints; }
    bool IsVulnerable() const { return vulnerable; }
    int GetPotionTime() const { return potionTime; }
    bool IsMuted() const { return muted; }

    static SDL_Surface* default_ss;
    static std::vector<SDL_Rect>* defaultClips;
    static Mix_Chunk* drink_se;
    static Mix_Chunk* throw_se;

private:
    // The decision of a contact: the rat's feet on him, or any other box.
    void StompOrTouch(Rat& rat, bool stomped);

    Projectile projectile;
    int action;
    int actionTime;
    bool goingLeft;
    int hitPoints;
    bool vulnerable;
    int potionTime;
    bool muted;
};
