// Whole screens drawn into the real window: a main-menu screen's tiled
// picture, and the editor's panel with the words of its status lines.
#include <GL/gl.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "editor/editor.h"
#include "input/input.h"
#include "ui/dialog.h"
#include "gl_fixture.h"
#include "level/game.h"
#include "menu/menu.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"
#include "ui/world_draw.h"

namespace {

::testing::AssertionResult near(Rgb got, Rgb want)
{
    if (std::abs(got.r - want.r) <= 2 && std::abs(got.g - want.g) <= 2 && std::abs(got.b - want.b) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << got.r << ", " << got.g << ", " << got.b << ") instead of ("
                                         << want.r << ", " << want.g << ", " << want.b << ")";
}

// A font whose masks are black and whose glyph for code c is one flat colour
// (c, 85, 170): text drawn with it can be read back pixel by pixel.
GLuint makeCodeFont()
{
    std::vector<unsigned char> pixels(256 * 512 * 3, 0);
    // Rows are stored bottom first: the glyphs are the first 256 rows.
    for (int row = 0; row < 256; ++row) {
        for (int column = 0; column < 256; ++column) {
            const int cellFromTop = 15 - row / 16;
            const int code = cellFromTop * 16 + column / 16;
            unsigned char* p = &pixels[(static_cast<std::size_t>(row) * 256 + column) * 3];
            p[0] = static_cast<unsigned char>(code);
            p[1] = 85;
            p[2] = 170;
        }
    }
    return makeRgbTexture(256, 512, pixels);
}

// The text drawn centred at (x, y) with characters of size 10, read from the
// centre of each character cell.
std::string readTextCentredAt(int x, int y, std::size_t length)
{
    std::string text;
    const int left = x - static_cast<int>(length) * 5;
    for (std::size_t k = 0; k < length; ++k) {
        const Rgb p = overlayPixelAt(left + static_cast<int>(k) * 10 + 5, y);
        if (std::abs(p.g - 85) > 2 || std::abs(p.b - 170) > 2) return text + "?";
        text += static_cast<char>(p.r);
    }
    return text;
}

class ScreenDrawingTest : public FontFixture {
protected:
    void SetUp() override
    {
        GlFixture::SetUp();
        useFont(makeCodeFont(), 0.0f);
    }

    Game game;
};

TEST_F(ScreenDrawingTest, MenuPictureFillsTheWindowUprightTintedAndFadedByItsScreen)
{
    // Upper half of the picture white, lower half black (rows bottom first).
    const GLuint picture = makeRgbTexture(2, 2, {0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255});
    Menu screen;
    screen.texture = picture;
    screen.color[0] = 1.0f;
    screen.color[1] = 0.5f;
    screen.color[2] = 0.25f;
    screen.active = false;
    screen.fade = 1.0f;
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    screen.draw(game, {});
    EXPECT_TRUE(near(overlayPixelAt(360, 90), {255, 128, 64}));
    EXPECT_TRUE(near(overlayPixelAt(360, 510), {0, 0, 0}));

    // Half faded: the colour is added at half strength, tiles turned a little.
    glClear(GL_COLOR_BUFFER_BIT);
    screen.fade = 0.5f;
    screen.draw(game, {});
    EXPECT_TRUE(near(overlayPixelAt(360, 90), {128, 64, 32}));

    // Closed and faded out: nothing at all.
    glClear(GL_COLOR_BUFFER_BIT);
    screen.fade = 0.0f;
    screen.draw(game, {});
    EXPECT_TRUE(near(overlayPixelAt(360, 90), {0, 0, 0}));
    glDeleteTextures(1, &picture);
}

TEST_F(ScreenDrawingTest, EditorPanelSlidesInGreyAndShowsTheStatusWordsOfPageMisc)
{
    const GLuint panel = makeRgbTexture(1, 1, {200, 100, 50});
    // A black theme behind the world.
    const GLuint black = makeRgbTexture(1, 1, {0, 0, 0});
    Input input;
    Dialog dialog(input);
    SlideMenu editor{game, dialog};
    game.currentTexture = &black;
    editor.panelTexture = panel;
    editor.panelWidth = 200;
    editor.mouseOverPanel = false;
    editor.pageHolders[0].currentPage = kPageMisc;
    editor.pageHolders[0].hoverPage = -1;
    editor.saveStatus = "Saved: HILL.TXT";
    editor.loadStatus = "Unable to load";
    editor.themeStatus = "Invalid Theme";
    editor.draw(View());

    // Open: the panel's own colours, nothing drawn over this corner.
    EXPECT_TRUE(near(overlayPixelAt(150, 20), {200, 100, 50}));
    EXPECT_TRUE(near(overlayPixelAt(210, 20), {0, 0, 0})) << "the panel ends at its width";
    EXPECT_EQ(readTextCentredAt(100, 340, 15), "Saved: HILL.TXT");
    EXPECT_EQ(readTextCentredAt(100, 240, 14), "Unable to load");
    EXPECT_EQ(readTextCentredAt(100, 460, 13), "Invalid Theme");

    // Half open it is half as bright; under the mouse it turns cyan.
    glClear(GL_COLOR_BUFFER_BIT);
    editor.panelWidth = 100;
    editor.draw(View());
    EXPECT_TRUE(near(overlayPixelAt(50, 20), {100, 50, 25}));
    EXPECT_TRUE(near(overlayPixelAt(150, 20), {0, 0, 0}));
    glClear(GL_COLOR_BUFFER_BIT);
    editor.panelWidth = 200;
    editor.mouseOverPanel = true;
    editor.draw(View());
    EXPECT_TRUE(near(overlayPixelAt(150, 20), {100, 100, 50}));
    game.currentTexture = nullptr;
    glDeleteTextures(1, &panel);
    glDeleteTextures(1, &black);
}

} // namespace
