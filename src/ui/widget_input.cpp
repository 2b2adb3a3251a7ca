#include "ui/widget_input.h"

#include "input/input.h"

bool mouseInside(const Vector2D& position, float width, float height)
{
    const float x = static_cast<float>(mouse.x);
    const float y = static_cast<float>(mouse.y);
    return x >= position.x && x <= position.x + width && y >= position.y &&
           y <= position.y + height;
}
