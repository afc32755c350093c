#include "world/camera.h"

void Camera::Follow(int x, int y, int marginX, int marginY, SDL_Rect bounds)
{
    const int boundsLeft = bounds.x;
    const int boundsTop = bounds.y;
    const int boundsRight = boundsLeft + bounds.w;
    const int boundsBottom = boundsTop + bounds.h;

    // Each side clamps only when the view moved that way in this call, so a
    // view set outside the bounds is left alone while the point stays in
    // the dead zone.
    if (x - marginX < xPos)
    {
        xPos = x - marginX;
        if (xPos < boundsLeft)
            xPos = boundsLeft;
    }
    if (x + marginX > xPos + xSize)
    {
        xPos = x + marginX - xSize;
        if (xPos + xSize > boundsRight)
            xPos = boundsRight - xSize;
    }
    if (y - marginY < yPos)
    {
        yPos = y - marginY;
        if (yPos < boundsTop)
            yPos = boundsTop;
    }
    if (y + marginY > yPos + ySize)
    {
        yPos = y + marginY - ySize;
        if (yPos + ySize > boundsBottom)
            yPos = boundsBottom - ySize;
    }
}
