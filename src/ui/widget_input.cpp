#include "ui/widget_input.h"

#include "input/input.h"

bool mouseInside(const Input& input, const Vector2D& position, float width, float height)
{
    const float x = static_cast<float>(input.mouse.x);
    const float y = static_cast<float>(input.mouse.y);
    return x >= position.x && x <= position.x + width && y >= position.y &&
           y <= position.y + height;
}
