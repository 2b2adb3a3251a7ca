// The drawing of a running world, read back from the real window's back
// buffer at the pixels the camera mapping gives for world points.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/globals.h"
#include "image/texture.h"
#include "gl_fixture.h"
#include "level/world_marks.h"
#include "physics/simulation.h"
#include "ui/overlay.h"
#include "ui/world_draw.h"

namespace {

bool near(Rgb a, Rgb b, int tolerance = 2)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

std::string describe(Rgb c)
{
    std::string text(1, '(');  // appended: g++ 12 wrongly warns (-Wrestrict) on "(" + std::string
    return text.append(std::to_string(c.r)).append(", ").append(std::to_string(c.g)).append(", ")
        .append(std::to_string(c.b)).append(")");
}

// The colour at a window pixel, x right and y up (GL's own orientation).
Rgb pixelAt(int x, int y)
{
    unsigned char p[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

GLuint makeSolidTexture(Rgb c)
{
    std::vector<unsigned char> rgb;
    for (int i = 0; i < 4; ++i) {
        rgb.push_back(static_cast<unsigned char>(c.r));
        rgb.push_back(static_cast<unsigned char>(c.g));
        rgb.push_back(static_cast<unsigned char>(c.b));
    }
    return makeRgbTexture(2, 2, rgb);
}

const Rgb kTheme{200, 60, 20};
const Rgb kClear{64, 64, 64};
const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};

class WorldDrawingTest : public GlFixture {
protected:
    GLuint theme = 0;
    GLuint whiteBall = 0;
    WorldTextures textures;

    void SetUp() override
    {
        GlFixture::SetUp();
        endOverlay();
        theme = makeSolidTexture(kTheme);
        whiteBall = makeSolidTexture(kWhite);
        textures.ball = whiteBall;
        textures.scene = &theme;
        lookFrom({0.0f, 0.0f});
        glDisable(GL_DEPTH_TEST);
        glLineWidth(1.0f);
        clear();
    }

    void TearDown() override
    {
        endOverlay();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        useView(View());
        glDeleteTextures(1, &theme);
        glDeleteTextures(1, &whiteBall);
        GlFixture::TearDown();
    }

    /// The camera the next drawings are seen through.
    static void lookFrom(Vector2D camera)
    {
        View view;
        view.cameraOffset = camera;
        useView(view);
    }

    static void clear()
    {
        glClearColor(kClear.r / 255.0f, kClear.g / 255.0f, kClear.b / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void show(const Simulation& world, const WorldMarks* marks = nullptr, const TriangleMappings& mappings = {}) const
    {
        drawWorld(world, mappings, textures, marks);
        endOverlay();
        glFinish();
    }

    // The window pixel (y up) of a world point, through the matrices that
    // the drawing itself uses.
    static void toPixel(Vector2D world, int& x, int& y)
    {
        endOverlay();
        placeAt(0.0f, 0.0f);
        GLdouble model[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble wx = 0, wy = 0, wz = 0;
        gluProject(world.x, world.y, 0.0, model, projection, viewport, &wx, &wy, &wz);
        x = static_cast<int>(wx);
        y = static_cast<int>(wy);
    }

    static Rgb colourAt(Vector2D world)
    {
        int x = 0, y = 0;
        toPixel(world, x, y);
        return pixelAt(x, y);
    }

    // Thin lines may land on a neighbouring pixel; look around the point.
    static bool colourAround(Vector2D world, Rgb colour, int tolerance = 2)
    {
        int x = 0, y = 0;
        toPixel(world, x, y);
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (near(pixelAt(x + dx, y + dy), colour, tolerance)) return true;
        return false;
    }

    // A world with one of every element, away from each other.
    static Simulation showcase()
    {
        Simulation world;
        world.size = {2.0f, 1.5f};
        world.exitPosition = {1.2f, 0.8f};
        world.exitRadius = 0.3f;
        Line& line = world.lines.emplace_back();
        line.ends[0] = {-1.5f, -1.0f};
        line.ends[1] = {-0.5f, -1.0f};
        Vertex& triangle = world.vertices.emplace_back();
        triangle.corners[0] = {-0.5f, -1.4f};
        triangle.corners[1] = {0.5f, -1.4f};
        triangle.corners[2] = {0.0f, -0.6f};
        addRope({-1.5f, 0.5f}, {0.5f, 0.5f}, world);
        Ball& ball = world.balls.emplace_back();
        ball.position = {1.0f, -0.5f};
        ball.radius = 0.3f;
        DockPoint& dock = world.dockPoints.emplace_back();
        dock.position = {-1.5f, -0.3f};
        return world;
    }
};

TEST_F(WorldDrawingTest, EveryElementIsDrawnWhereTheCameraMapsIt)
{
    Simulation world = showcase();
    // Snap the second spring: it must leave a gap.
    world.ropes[0].springs[1].active = false;
    show(world);

    // The theme fills the window outside the play area.
    EXPECT_TRUE(near(pixelAt(5, 5), kTheme)) << describe(pixelAt(5, 5));
    // Inside, the field is the theme at half strength with green added.
    const Rgb field = colourAt({0.7f, 0.0f});
    EXPECT_TRUE(near(field, {113, 81, 23}, 4)) << describe(field);
    // The black frame lies under the edge of the field, whose green is added
    // onto it.
    EXPECT_TRUE(colourAround({2.0f, 0.0f}, {13, 51, 13}, 4)) << "frame";
    EXPECT_TRUE(near(colourAt({0.0f, -1.1f}), kTheme)) << "triangle " << describe(colourAt({0.0f, -1.1f}));
    EXPECT_TRUE(colourAround({1.5f, 0.8f}, kWhite)) << "exit";
    EXPECT_FALSE(near(colourAt({1.2f, 0.8f}), kWhite, 40)) << "the exit is an outline";
    EXPECT_TRUE(colourAround({-1.0f, -1.0f}, kBlack)) << "line";

    const Rope& rope = world.ropes[0];
    const Vector2D firstGap = (rope.masses[0].position + rope.masses[1].position) * 0.5f;
    const Vector2D snapped = (rope.masses[1].position + rope.masses[2].position) * 0.5f;
    EXPECT_TRUE(colourAround(firstGap, {0, 0, 255}, 60)) << "rope " << describe(colourAt(firstGap));
    EXPECT_FALSE(colourAround(snapped, {0, 0, 255}, 60)) << "snapped spring";

    // The white ball picture with the theme added at half strength stays white.
    EXPECT_TRUE(near(colourAt({1.0f, -0.5f}), kWhite)) << "ball " << describe(colourAt({1.0f, -0.5f}));
    // The dock point is added onto the field: the overlay pass left blending on.
    const Rgb dock = colourAt({-1.5f, -0.3f});
    EXPECT_GE(dock.g, 253) << "dock " << describe(dock);
    EXPECT_LT(dock.r, 160);
}

TEST_F(WorldDrawingTest, WithoutBackdropOrTextureOnlyOutlinesAndElementsAreDrawn)
{
    Simulation world = showcase();
    world.noBackdrop = true;
    WorldMarks marks;
    marks.fit(world);
    marks.balls[0].selected = true;
    marks.dockPoints[0].selected = true;
    marks.ropes[0].selected = true;
    textures.scene = nullptr;
    show(world, &marks);

    EXPECT_TRUE(near(pixelAt(5, 5), kClear)) << describe(pixelAt(5, 5));
    EXPECT_TRUE(near(colourAt({0.7f, 0.0f}), kClear)) << "no field";
    EXPECT_TRUE(colourAround({2.0f, 0.0f}, kBlack)) << "frame";
    // The triangle is a red outline around an untouched inside.
    EXPECT_TRUE(near(colourAt({0.0f, -1.1f}), kClear));
    EXPECT_TRUE(colourAround({0.0f, -1.4f}, {255, 0, 0}));
    // A selected ball is yellow, with no theme laid over it.
    EXPECT_TRUE(near(colourAt({1.0f, -0.5f}), {255, 255, 0})) << describe(colourAt({1.0f, -0.5f}));
    EXPECT_TRUE(near(colourAt({-1.5f, -0.3f}), {255, 255, 0})) << "dock";
    const Rope& rope = world.ropes[0];
    EXPECT_TRUE(colourAround((rope.masses[0].position + rope.masses[1].position) * 0.5f, {255, 255, 0}));
}

TEST_F(WorldDrawingTest, BackgroundLooksTheSameAfterTheCameraMovesFiftyUnits)
{
    // Four texels across: red, green, blue, white.
    const std::vector<unsigned char> stripes = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    GLuint striped = makeRgbTexture(4, 1, stripes);
    textures.scene = &striped;
    Simulation world;
    world.size = {0.5f, 0.5f};

    auto sample = [] {
        std::vector<Rgb> row;
        for (int x = 100; x < 800; x += 200) row.push_back(pixelAt(x, kLogicalHeight - 20));
        return row;
    };
    auto same = [](const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
        for (size_t i = 0; i < a.size(); ++i)
            if (!near(a[i], b[i])) return false;
        return true;
    };

    show(world);
    const std::vector<Rgb> start = sample();
    EXPECT_TRUE(near(start[0], {255, 0, 0}) && near(start[3], {255, 255, 255}));

    lookFrom({50.0f, 0.0f});
    clear();
    show(world);
    EXPECT_TRUE(same(start, sample()));

    lookFrom({50.0f, -50.0f});
    clear();
    show(world);
    EXPECT_TRUE(same(start, sample()));

    // Half the way slides the picture by half its width.
    lookFrom({25.0f, 0.0f});
    clear();
    show(world);
    const std::vector<Rgb> half = sample();
    EXPECT_FALSE(same(start, half));
    EXPECT_TRUE(near(half[0], start[2]));

    glDeleteTextures(1, &striped);
}

// A world drawn with a real theme picture. Set TANGLOOP_WORLD_SHOT to a file
// name to keep the frame as a binary PPM for a look by eye.
TEST_F(WorldDrawingTest, ThemePictureShowsBehindTheWorldAndThroughTheBall)
{
    GLuint picture = loadTexture("game/Themes/sky.bmp");
    if (picture == 0) picture = makeSolidTexture(kTheme);
    GLuint ballPicture = loadTexture("game/ball.bmp");
    if (ballPicture != 0) textures.ball = ballPicture;
    textures.scene = &picture;
    lookFrom({-0.3f, 0.0f});

    Simulation world = showcase();
    TriangleMappings mappings(world.vertices.size());
    for (std::size_t i = 0; i < world.vertices.size(); ++i)
        for (int k = 0; k < 3; ++k)
            mappings[i].texCoords[k] = world.vertices[i].corners[k] / 4.0f + Vector2D(0.5f, 0.5f);
    Rope& rope = world.ropes[0];
    for (size_t i = 1; i + 1 < rope.masses.size(); ++i) rope.masses[i].fixed = false;
    for (int i = 0; i < 120; ++i) world.step(1.0f / 6.0f);
    show(world, nullptr, mappings);

    const Rgb corner = pixelAt(5, 5);
    EXPECT_FALSE(near(corner, kClear)) << "the picture covers the window";

    if (const char* path = std::getenv("TANGLOOP_WORLD_SHOT")) {
        std::vector<unsigned char> rgb(static_cast<size_t>(kLogicalWidth) * kLogicalHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kLogicalWidth, kLogicalHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        if (FILE* f = std::fopen(path, "wb")) {
            std::fprintf(f, "P6\n%d %d\n255\n", kLogicalWidth, kLogicalHeight);
            for (int y = kLogicalHeight - 1; y >= 0; --y)
                std::fwrite(&rgb[static_cast<size_t>(y) * kLogicalWidth * 3], 1, static_cast<size_t>(kLogicalWidth) * 3, f);
            std::fclose(f);
        }
    }
    glDeleteTextures(1, &picture);
    if (ballPicture != 0) glDeleteTextures(1, &ballPicture);
}

} // namespace
