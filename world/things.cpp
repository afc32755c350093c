#include "world/things.h"

SDL_Rect MakeRect(int x, int y, int w, int h)
{
    // Boxes and views share SDL's rectangle: signed 16-bit corner, unsigned
    // 16-bit size. Values that do not fit wrap as the fields do.
    SDL_Rect r;
    r.x = static_cast<Sint16>(x);
    r.y = static_cast<Sint16>(y);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    return r;
}

SDL_Rect LocatedThing::GetRect() const { return MakeRect(xPos, yPos, xSize, ySize); }

void MobileThing::UpdateLocation()
{
    xPos += xVel;
    yPos += yVel;
}

void CollidableThing::AddBox(SDL_Rect box) { collBoxes.push_back(box); }

void CollidableThing::AddBox(int x, int y, int w, int h) { collBoxes.push_back(MakeRect(x, y, w, h)); }

void CollidableThing::ClearBoxes() { collBoxes.clear(); }

namespace
{
// Inclusive pixel edges of a box, widened so that x + w - 1 cannot wrap.
struct Edges
{
    int left, right, top, bottom;
};

Edges EdgesOf(const SDL_Rect& r)
{
    int x = r.x, y = r.y, w = r.w, h = r.h;
    return {x, x + w - 1, y, y + h - 1};
}

bool Within(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Flags only ever get set, so a record ends up the union over all partners.
void MarkSides(CollData& data, const Edges& box, const Edges& partner)
{
    data.collided = true;
    if (Within(box.left, partner.left, partner.right))
        data.left = true;
    if (Within(box.right, partner.left, partner.right))
        data.right = true;
    if (Within(box.top, partner.top, partner.bottom))
        data.top = true;
    if (Within(box.bottom, partner.top, partner.bottom))
        data.bottom = true;
}
} // namespace

bool CollidableThing::HasCollided(std::vector<SDL_Rect>& others, std::vector<CollData>* ownData,
                                  std::vector<CollData>* otherData)
{
    bool result = false;
    // Records are rebuilt on every call, so no flag of an earlier test can
    // survive into this one.
    if (ownData)
        ownData->assign(collBoxes.size(), CollData());
    if (otherData)
        otherData->assign(others.size(), CollData());

    for (size_t i = 0; i < others.size(); ++i)
    {
        Edges o = EdgesOf(others[i]);
        for (size_t j = 0; j < collBoxes.size(); ++j)
        {
            Edges t = EdgesOf(collBoxes[j]);
            if (t.right < o.left || t.left > o.right || t.bottom < o.top || t.top > o.bottom)
                continue;
            // Every pair is visited: the records need every partner.
            result = true;
            if (otherData)
                MarkSides((*otherData)[i], o, t);
            if (ownData)
                MarkSides((*ownData)[j], t, o);
        }
    }
    return result;
}
