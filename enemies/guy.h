#pragma once
#include <SDL.h>
#include <string>
#include <vector>
#include "world/animated.h"
#include "world/rat.h"
#include "world/tiles.h"

// The abstract enemy. The play state drives every kind through these
// virtual operations, in this slot order, without knowing the kind.
class Guy : public AnimatedThing
{
public:
    Guy();
    ~Guy() override;

    virtual void Update();
    virtual void UpdateSprite();
    virtual void Left();
    virtual void Right();
    virtual void Kill();
    virtual bool EraseYet();
    virtual void Gravity();
    virtual void SetCollBoxes();
    virtual void HandleRat(Rat& rat) = 0;
    virtual void HandleTiles(std::vector<Tile*>& tiles);
    virtual std::string GetTag();
    virtual void Unmute();
    virtual void Mute();

    bool IsDead() const { return dead; }
    int GetDeadTime() const { return deadTime; }

    // Whether the record of one rat box (RAT_BOX_FEET ...) says it touched;
    // a list too short to hold that box says no.
    static bool RatBoxTouched(const std::vector<CollData>& ratData, int box);

protected:
    // Kill's consequence for the kinds that die: clip 4, no boxes, erased
    // after DEAD_FOR updates.
    void UpdateDying();
    // Landing on tile tops and turning at walls, shared by the walkers.
    void LandAndTurn(std::vector<Tile*>& tiles);
    // One record per rat box when this enemy's boxes touch the rat; false
    // (and no records) when they do not touch.
    bool TouchRat(Rat& rat, std::vector<CollData>& ratData);

    bool dead;
    int deadTime;
    bool erase;
};
