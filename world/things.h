#pragma once
#include <SDL.h>
#include <vector>

// A rectangle in level pixels: origin top-left of the level, y downwards.
class LocatedThing
{
public:
    int GetXPos() const { return xPos; }
    int GetYPos() const { return yPos; }
    int GetXSize() const { return xSize; }
    int GetYSize() const { return ySize; }
    void SetXPos(int x) { xPos = x; }
    void SetYPos(int y) { yPos = y; }
    void SetBothPos(int x, int y)
    {
        xPos = x;
        yPos = y;
    }
    void SetBothSize(int w, int h)
    {
        xSize = w;
        ySize = h;
    }
    // Narrowed to SDL's 16-bit rectangle fields.
    SDL_Rect GetRect() const;

protected:
    // Left unset by the constructor: globals start at zero, every other
    // creator sets position and size before use.
    int xPos;
    int yPos;
    int xSize;
    int ySize;
};

class MobileThing : public LocatedThing
{
public:
    int GetXVel() const { return xVel; }
    int GetYVel() const { return yVel; }
    void SetXVel(int v) { xVel = v; }
    void SetYVel(int v) { yVel = v; }
    void SetBothVel(int xv, int yv)
    {
        xVel = xv;
        yVel = yv;
    }
    // Moves by one frame's velocity; callers clamp and resolve afterwards.
    void UpdateLocation();

protected:
    int xVel;
    int yVel;
};

// Which edges of a box lie inside the boxes it overlapped.
struct CollData
{
    bool collided = false;
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

// A list of collision boxes in absolute level coordinates. A box covers the
// columns x .. x + w - 1 and rows y .. y + h - 1, both ends included.
class CollidableThing
{
public:
    void AddBox(SDL_Rect box);
    void AddBox(int x, int y, int w, int h);
    void ClearBoxes();
    std::vector<SDL_Rect>& GetCollisionBoxes() { return collBoxes; }
    // True when any own box overlaps any of others. A given data list is
    // refilled with one record per box of its side.
    bool HasCollided(std::vector<SDL_Rect>& others, std::vector<CollData>* ownData, std::vector<CollData>* otherData);

protected:
    std::vector<SDL_Rect> collBoxes;
};

// SDL_Rect built with 16-bit narrowing of each field.
SDL_Rect MakeRect(int x, int y, int w, int h);
