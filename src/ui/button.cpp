#include "ui/button.h"

#include <GL/gl.h>

#include "input/input.h"
#include "audio/sound.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"
#include "ui/widget_input.h"

namespace {

constexpr float kLabelSize = 10.0f;

} // namespace

void Button::update(const Input& input, PageHolders holders)
{
    if (!onShownPage(alwaysVisible, holderIndex, pageIndex, holders)) return;

    hover = mouseInside(input, position, size.x, size.y);
    if (hover && input.mouse.leftDown) pressed = true;
    if (!hover) pressed = false;
    // Release while still over the button after holding it there.
    if (pressed && !input.mouse.leftDown) {
        pressed = false;
        clicked = true;
        playSound(SoundId::ButtonClick, 1.0f, panForOverlayX(position.x + size.x * 0.5f));
        return;
    }
    clicked = false;
}

void Button::draw(PageHolders holders) const
{
    if (!onShownPage(alwaysVisible, holderIndex, pageIndex, holders)) return;

    beginOverlay();
    placeAt(position.x, position.y);
    if (hover) {
        glColor3f(1.0f, 1.0f, 1.0f);
    } else {
        glColor3f(0.0f, 0.0f, 1.0f);
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    drawOutlineRect(size.x, size.y);

    drawTextCentered(label, position.x + size.x * 0.5f, position.y + size.y * 0.5f, kLabelSize);
}
