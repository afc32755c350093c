#include "world/camera.h"

// One axis of the follow. Each side clamps only when the view moved that way
// in this call, so a view set outside the bounds is left alone while the
// point stays in the dead zone.
static void FollowAxis(int& pos, int size, int point, int margin, int boundsStart, int boundsEnd)
{
    if (point - margin < pos)
    {
        pos = point - margin;
        if (pos < boundsStart)
            pos = boundsStart;
    }
    if (point + margin > pos + size)
    {
        pos = point + margin - size;
        if (pos + size > boundsEnd)
            pos = boundsEnd - size;
    }
}

void Camera::Follow(int x, int y, int marginX, int marginY, SDL_Rect bounds)
{
    FollowAxis(xPos, xSize, x, marginX, bounds.x, bounds.x + bounds.w);
    FollowAxis(yPos, ySize, y, marginY, bounds.y, bounds.y + bounds.h);
}
