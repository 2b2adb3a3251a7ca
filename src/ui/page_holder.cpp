#include "ui/page_holder.h"

#include <GL/gl.h>

#include "input/input.h"
#include "ui/overlay.h"
#include "ui/text.h"
#include "ui/widget_input.h"

namespace {

constexpr float kCaptionSize = 10.0f;
// Half the width of a caption character, for centring captions in tabs.
constexpr int kHalfCharacter = 5;
// The holder's name sits this far above the strip.
constexpr float kNameRise = 12.0f;
// Width of the triangle that marks each tab's left edge.
constexpr float kMarkerWidth = 5.0f;

} // namespace

void PageHolder::addPage(const std::string& pageName)
{
    pages.push_back(Page{pageName, {}});
    tabWidth = static_cast<int>(size.x / static_cast<float>(pages.size()));
    for (Page& page : pages) {
        const int x = tabWidth / 2 - static_cast<int>(page.name.size()) * kHalfCharacter;
        page.labelOffset = Vector2D(static_cast<float>(x), size.y * 0.5f - kHalfCharacter);
    }
}

void PageHolder::update(const Input& input)
{
    if (!mouseInside(input, position, size.x, size.y)) {
        hoverPage = -1;
        return;
    }
    // Later tabs win at a shared border. Right of the last tab (the remainder
    // of the integer division) no tab matches and hoverPage keeps its value.
    const float d = static_cast<float>(input.mouse.x) - position.x;
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        const float left = static_cast<float>(i * tabWidth);
        const float right = static_cast<float>((i + 1) * tabWidth);
        if (left <= d && d <= right) hoverPage = i;
    }
    if (input.mouse.leftDown) currentPage = hoverPage;
}

void PageHolder::draw() const
{
    beginOverlay();
    placeAt(position.x, position.y);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    drawOutlineRect(size.x, size.y);

    placeAt(position.x, position.y - kNameRise);
    drawText(name, kCaptionSize);

    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        const float tabLeft = position.x + static_cast<float>(i * tabWidth);
        placeAt(tabLeft, position.y);
        // The markers inherit what the text before them left: texturing off
        // and additive blending on (unless every text so far was empty), so a
        // filled marker adds its blue to the panel beneath it.
        const bool marked = i == currentPage || i == hoverPage;
        if (marked) {
            glColor3f(0.0f, 0.0f, 1.0f);
        } else {
            glColor3f(1.0f, 1.0f, 1.0f);
        }
        glBegin(marked ? GL_TRIANGLES : GL_LINE_LOOP);
        glVertex2f(0.0f, 0.0f);
        glVertex2f(kMarkerWidth, size.y * 0.5f);
        glVertex2f(0.0f, size.y);
        glEnd();

        const Page& page = pages[static_cast<std::size_t>(i)];
        placeAt(tabLeft + page.labelOffset.x, position.y + page.labelOffset.y);
        drawText(page.name, kCaptionSize);
    }
}

bool onShownPage(bool alwaysVisible, int holderIndex, int pageIndex, PageHolders holders)
{
    if (alwaysVisible) return true;
    if (holderIndex < 0 || holderIndex >= static_cast<int>(holders.size())) return false;
    return holders[static_cast<std::size_t>(holderIndex)].currentPage == pageIndex;
}
