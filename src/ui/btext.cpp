#include "ui/btext.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "ui/overlay.h"
#include "ui/text.h"

namespace {

// Gap kept between the text and the window edges, in pixels.
constexpr float kEdgeMargin = 10.0f;

} // namespace

void BText::update()
{
    if (delayCount < delay) {
        delayCount += 1;
        return;
    }
    if (reveal < 1.0f && !hiding) reveal += speed;
    reveal = std::clamp(reveal, 0.0f, 1.0f);
    // Typing out may take reveal below 0 here; the next update clamps it.
    if (hiding && reveal > 0.0f) reveal += speed;
}

void BText::hide()
{
    speed = -kRevealStep;
    hiding = true;
}

void BText::show()
{
    speed = kRevealStep;
    hiding = false;
    delayCount = 0;
}

std::string BText::shownText() const
{
    const std::size_t n = text.size();
    const float cut = std::trunc(static_cast<float>(n) * (1.0f - reveal));
    // Between updates reveal may stand just outside 0..1 (typing out steps
    // past 0 and is clamped only at the next update), so keep the cut inside
    // the text; anything else would read beyond its end.
    if (!(cut > 0.0f)) return text;
    if (cut >= static_cast<float>(n)) return {};
    return text.substr(static_cast<std::size_t>(cut));
}

float BText::characterSize() const
{
    const std::size_t shownLength = shownText().size();
    if (shownLength == 0) return 0.0f;
    const float m = static_cast<float>(shownLength);
    const int pictureWidth = drawingView().width;
    const float w = static_cast<float>(pictureWidth);

    float size = 0.0f;
    if (alignment == 0) {
        size = (w - kEdgeMargin - position.x) / m;
    } else if (alignment == 1) {
        // A centred line is sized by its distance to the nearer edge.
        if (position.x <= static_cast<float>(pictureWidth / 2)) {
            size = (position.x - kEdgeMargin) / (m * 0.5f);
        } else {
            size = (w - kEdgeMargin - position.x) / (m * 0.5f);
        }
    }
    size = std::min(size, maxSize);
    // A line placed inside the margin has no room at all; a negative size
    // would draw it mirrored across its position.
    return std::max(size, 0.0f);
}

void BText::draw() const
{
    beginOverlay();
    placeAt(position.x, position.y);
    const std::string shown = shownText();
    const float size = characterSize();
    if (alignment == 0) {
        drawText(shown, size);
    } else if (alignment == 1) {
        drawTextCentered(shown, position.x, position.y, size);
    }
}

BText makeBText(const BTextShadow& shadow)
{
    BText made;
    made.text = shadow.text;
    made.position = shadow.position;
    made.delay = shadow.delay;
    made.alignment = shadow.alignment;
    made.maxSize = shadow.maxSize;
    return made;
}

void appendBText(std::vector<BText>& texts, const BTextShadow& shadow)
{
    texts.push_back(makeBText(shadow));
}
