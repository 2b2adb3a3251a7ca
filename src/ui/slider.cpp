#include "ui/slider.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "input/input.h"
#include "audio/sound.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"
#include "ui/widget_input.h"

namespace {

constexpr float kCaptionSize = 10.0f;

} // namespace

void Slide::update(const Input& input, PageHolders holders)
{
    if (!onShownPage(alwaysVisible, holderIndex, pageIndex, holders)) return;

    changed = false;
    hover = mouseInside(input, position, static_cast<float>(width), static_cast<float>(kBarHeight));
    // A bar of no length has no place along it; dividing by its width would
    // turn the value into NaN or infinity.
    if (!hover || !input.mouse.leftDown || width <= 0) return;

    const float v = ((static_cast<float>(input.mouse.x) - position.x) / static_cast<float>(width)) * 100.0f;
    if (v != value) {
        value = v;
        changed = true;
        playSound(SoundId::SliderTick, 0.7f, panForOverlayX(static_cast<float>(input.mouse.x)));
    }
}

std::string Slide::caption() const
{
    if (!hover) return label;
    // The value truncated toward zero, without sign; a value that is not a
    // number shows as 0.
    const double shown = std::isfinite(value) ? std::fabs(std::trunc(value)) : 0.0;
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.0f", shown);
    return label + ": " + digits;
}

void Slide::draw(PageHolders holders) const
{
    if (!onShownPage(alwaysVisible, holderIndex, pageIndex, holders)) return;

    beginOverlay();
    placeAt(position.x, position.y);
    // Earlier world drawing may have left a texture bound and enabled; a bar
    // drawn through it would take the texture's colours.
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(kBarHeight);
    drawOutlineRect(w, h);
    const float marker = w * 0.01f * value;
    glBegin(GL_LINES);
    glVertex2f(marker, 0.0f);
    glVertex2f(marker, h);
    glEnd();

    placeAt(position.x, position.y - h);
    drawText(caption(), kCaptionSize);
}
