// Drawing checks for the overlay, the bitmap-font text and the widgets,
// read back from the real window's back buffer.
#include <GL/gl.h>

#include <vector>

#include "app/globals.h"
#include "gl_fixture.h"
#include "ui/button.h"
#include "ui/text_field.h"
#include "ui/overlay.h"
#include "ui/page_holder.h"
#include "ui/text.h"

namespace {


// A font picture whose masks are all black and glyphs all white, so every
// character draws as a solid white square whatever its code.
GLuint makeSolidFont()
{
    std::vector<unsigned char> pixels(256 * 512 * 3, 0);
    // Rows are stored bottom first: the lower half of the picture (glyphs)
    // is the first 256 rows.
    for (std::size_t i = 0; i < 256u * 256u * 3u; ++i) pixels[i] = 255;
    return makeRgbTexture(256, 512, pixels);
}

bool near(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
}

// Lines on pixel edges may land on either neighbour; look around the point.
bool colourAround(int x, int y, Rgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (near(overlayPixelAt(x + dx, y + dy), colour)) return true;
    return false;
}

const Rgb kWhite{255, 255, 255};
const Rgb kBlue{0, 0, 255};
const Rgb kGrey{64, 64, 64};

class UiDrawingTest : public FontFixture {
protected:
    void SetUp() override
    {
        GlFixture::SetUp();
        useFont(makeSolidFont(), 0.25f);
    }

    static GLint projectionDepth()
    {
        GLint depth = 0;
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
        return depth;
    }

    static void modelViewOrigin(float out[3])
    {
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        out[0] = m[12];
        out[1] = m[13];
        out[2] = m[14];
    }
};

TEST_F(UiDrawingTest, OverlayIsPushedOnceAndPoppedOnce)
{
    const GLint base = projectionDepth();
    endOverlay();
    EXPECT_EQ(projectionDepth(), base);
    beginOverlay();
    beginOverlay();
    EXPECT_TRUE(inOverlay());
    EXPECT_EQ(projectionDepth(), base + 1);
    endOverlay();
    endOverlay();
    EXPECT_FALSE(inOverlay());
    EXPECT_EQ(projectionDepth(), base);
}

TEST_F(UiDrawingTest, PlaceAtIsInPixelsInOverlayAndShiftedByTheCameraOutside)
{
    float origin[3];
    placeAt(1.0f, 2.0f);
    modelViewOrigin(origin);
    EXPECT_FLOAT_EQ(origin[0], 1.0f - drawingView().cameraOffset.x);
    EXPECT_FLOAT_EQ(origin[1], 2.0f - drawingView().cameraOffset.y);
    EXPECT_FLOAT_EQ(origin[2], kCameraDepth);

    beginOverlay();
    placeAt(1.0f, 2.0f);
    modelViewOrigin(origin);
    EXPECT_FLOAT_EQ(origin[0], 1.0f);
    EXPECT_FLOAT_EQ(origin[1], 2.0f);
    EXPECT_FLOAT_EQ(origin[2], 0.0f);
}

TEST_F(UiDrawingTest, ShadeRectangleMultipliesTheFrame)
{
    glClearColor(0.8f, 0.4f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    beginOverlay();
    drawShadeRect(100.0f, 100.0f, 50.0f, 40.0f, 0.5f);
    drawShadeRect(300.0f, 100.0f, 50.0f, 40.0f, 1.0f);
    EXPECT_TRUE(near(overlayPixelAt(125, 120), {102, 51, 128}));
    EXPECT_TRUE(near(overlayPixelAt(160, 120), {204, 102, 255}));
    EXPECT_TRUE(near(overlayPixelAt(325, 120), {204, 102, 255}));
}

TEST_F(UiDrawingTest, TextOfNCharactersAtSizeSCoversNTimesSPixels)
{
    beginOverlay();
    placeAt(100.0f, 100.0f);
    ASSERT_TRUE(drawText("ABCD", 12.0f));
    float origin[3];
    modelViewOrigin(origin);
    EXPECT_FLOAT_EQ(origin[0], 148.0f);  // left advanced past the text
    // Left for the next drawing: texturing off, additive blending on.
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint source = 0;
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE);

    EXPECT_TRUE(near(overlayPixelAt(101, 101), kWhite));
    EXPECT_TRUE(near(overlayPixelAt(146, 110), kWhite));
    EXPECT_TRUE(near(overlayPixelAt(149, 105), kGrey));
    EXPECT_TRUE(near(overlayPixelAt(120, 113), kGrey));

    ASSERT_TRUE(drawTextCentered("\xE9xy", 400.0f, 300.0f, 10.0f));
    EXPECT_TRUE(near(overlayPixelAt(386, 296), kWhite));
    EXPECT_TRUE(near(overlayPixelAt(413, 303), kWhite));
    EXPECT_TRUE(near(overlayPixelAt(383, 300), kGrey));
    EXPECT_TRUE(near(overlayPixelAt(416, 300), kGrey));
    EXPECT_TRUE(near(overlayPixelAt(400, 293), kGrey));
}

TEST_F(UiDrawingTest, EmptyTextDrawsNothingAndLeavesTheStateAlone)
{
    beginOverlay();
    placeAt(50.0f, 60.0f);
    glDisable(GL_BLEND);
    EXPECT_FALSE(drawText("", 10.0f));
    EXPECT_FALSE(drawTextCentered("", 300.0f, 300.0f, 10.0f));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    float origin[3];
    modelViewOrigin(origin);
    EXPECT_FLOAT_EQ(origin[0], 50.0f);
    EXPECT_FLOAT_EQ(origin[1], 60.0f);
}

TEST_F(UiDrawingTest, ButtonOutlineIsWhiteWhenHoveredAndBlueOtherwise)
{
    Button hovered;
    hovered.position = Vector2D(100.0f, 100.0f);
    hovered.size = Vector2D(80.0f, 30.0f);
    hovered.alwaysVisible = true;
    hovered.hover = true;
    Button idle = hovered;
    idle.position.y = 200.0f;
    idle.hover = false;

    hovered.draw();
    idle.draw();
    EXPECT_TRUE(colourAround(100, 115, kWhite));
    EXPECT_TRUE(colourAround(140, 130, kWhite));
    EXPECT_TRUE(colourAround(100, 215, kBlue));
    EXPECT_TRUE(colourAround(140, 200, kBlue));
    EXPECT_FALSE(colourAround(100, 215, kWhite));
}

TEST_F(UiDrawingTest, FocusedFieldDrawsItsLabelAndBoxWhite)
{
    std::vector<PageHolder> pageHolders(1);
    Insert field;
    field.position = Vector2D(100.0f, 300.0f);
    field.size = Vector2D(150.0f, 20.0f);
    field.label = "NAME";
    field.focused = true;
    Insert idle = field;
    idle.position.y = 400.0f;
    idle.focused = false;

    field.draw(pageHolders);
    idle.draw(pageHolders);
    EXPECT_TRUE(near(overlayPixelAt(105, 290), kWhite));  // label 15 pixels above the box
    EXPECT_TRUE(colourAround(200, 300, kWhite));
    EXPECT_TRUE(colourAround(200, 400, kBlue));
}

TEST_F(UiDrawingTest, CurrentTabIsMarkedWithABlueTriangleAddedToTheFrame)
{
    PageHolder holder;
    holder.name = "Page Holder";
    holder.position = Vector2D(5.0f, 50.0f);
    holder.size = Vector2D(190.0f, 20.0f);
    holder.addPage("Edit");
    holder.addPage("Rope");
    holder.currentPage = 1;
    holder.hoverPage = -1;
    holder.draw();
    // The strip's name leaves additive blending (source alpha, one) on and
    // the markers are drawn in it: the blue is added to the grey beneath.
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE);
    const Rgb kGreyPlusBlue{64, 64, 255};
    EXPECT_TRUE(near(overlayPixelAt(5 + 95 + 1, 60), kGreyPlusBlue));
    EXPECT_TRUE(near(overlayPixelAt(5 + 1, 60), kGrey));
}

} // namespace
