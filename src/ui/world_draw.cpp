// Drawing of a running world, back to front (depth testing is off, so what
// comes later covers what came earlier).
#include <GL/gl.h>

#include "ui/world_draw.h"

#include <cmath>

#include "level/world_marks.h"
#include "physics/simulation.h"
#include "ui/ball_mesh.h"
#include "ui/overlay.h"

namespace {

// The background covers this fixed overlay area whatever the window size.
constexpr float kBackdropWidth = 800.0f;
constexpr float kBackdropHeight = 600.0f;
// World units the camera moves for the background and the triangle texture
// to slide by one picture width: the triangles slide twice as fast.
constexpr float kBackdropTravel = 50.0f;
constexpr float kTriangleTravel = 25.0f;
constexpr float kElementLineWidth = 2.0f;
constexpr float kFieldShade = 0.5f;
constexpr float kDockHalfSize = 0.03f;
constexpr float kDockInnerRing = 0.07f;
constexpr float kDockOuterRing = 0.1f;
constexpr int kDockRingSegments = 20;

void yellow() { glColor3f(1.0f, 1.0f, 0.0f); }

void drawBackdrop(const unsigned int* currentTexture)
{
    beginOverlay();
    placeAt(0.0f, 0.0f);
    glEnable(GL_TEXTURE_2D);
    if (currentTexture) glBindTexture(GL_TEXTURE_2D, *currentTexture);
    glColor3f(1.0f, 1.0f, 1.0f);
    // Texture y grows upwards on screen; the texture repeats as it slides.
    const Vector2D o = drawingView().cameraOffset / kBackdropTravel;
    glBegin(GL_QUADS);
    glTexCoord2f(o.x, o.y);
    glVertex2f(0.0f, kBackdropHeight);
    glTexCoord2f(o.x + 1.0f, o.y);
    glVertex2f(kBackdropWidth, kBackdropHeight);
    glTexCoord2f(o.x + 1.0f, o.y + 1.0f);
    glVertex2f(kBackdropWidth, 0.0f);
    glTexCoord2f(o.x, o.y + 1.0f);
    glVertex2f(0.0f, 0.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void drawFrame(float w, float h)
{
    glColor3f(0.0f, 0.0f, 0.0f);
    placeAt(0.0f, 0.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(w, h);
    glVertex2f(w, -h);
    glVertex2f(-w, -h);
    glVertex2f(-w, h);
    glEnd();
    glLineWidth(kElementLineWidth);
}

// The play area darkened to half, then a faint green added on top.
void drawField(float w, float h)
{
    glEnable(GL_BLEND);
    drawShadeRect(-w, -h, 2.0f * w, 2.0f * h, kFieldShade);
    placeAt(0.0f, 0.0f);
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.2f, 0.0f);
    glVertex2f(w, h);
    glVertex2f(-w, h);
    glColor3f(0.1f, 0.2f, 0.1f);
    glVertex2f(-w, -h);
    glVertex2f(w, -h);
    glEnd();
    glDisable(GL_BLEND);
}

// Textured with whatever texture is bound (the theme's, or a menu screen's
// picture); red outlines when there is no current texture at all.
void drawTriangle(const Vertex& triangle, const TriangleMapping& mapping, const TriangleMarks& marks,
                  const unsigned int* currentTexture)
{
    if (currentTexture) {
        glEnable(GL_TEXTURE_2D);
        glBegin(GL_TRIANGLES);
        glColor3f(1.0f, 1.0f, 1.0f);
    } else {
        glBegin(GL_LINE_LOOP);
        glColor3f(1.0f, 0.0f, 0.0f);
    }
    const Vector2D slide = drawingView().cameraOffset / kTriangleTravel;
    for (int k = 0; k < 3; ++k) {
        if (marks.unplaced[k]) continue;
        const Vector2D t = mapping.texCoords[k] + slide;
        glTexCoord2f(t.x, t.y);
        glVertex2f(triangle.corners[k].x, triangle.corners[k].y);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);

    yellow();
    glBegin(GL_POINTS);
    for (int k = 0; k < 3; ++k)
        if (!marks.unplaced[k] && marks.selected[k]) glVertex2f(triangle.corners[k].x, triangle.corners[k].y);
    glEnd();
}

void drawExit(Vector2D position, float r)
{
    placeAt(position.x, position.y);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(r, r);
    glVertex2f(-r, r);
    glVertex2f(-r, -r);
    glVertex2f(r, -r);
    glEnd();
}

void drawLine(const Line& line, const LineMarks& marks)
{
    endOverlay();
    placeAt(0.0f, 0.0f);
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex2f(line.ends[0].x, line.ends[0].y);
    glVertex2f(line.ends[1].x, line.ends[1].y);
    glEnd();
    yellow();
    glBegin(GL_POINTS);
    for (int k = 0; k < 2; ++k)
        if (marks.selected[k]) glVertex2f(line.ends[k].x, line.ends[k].y);
    glEnd();
}

/// Where a part is drawn: between its place at the earlier update and now.
struct Between {
    const Vector2D* previous = nullptr;  ///< null: where it is
    float fraction = 1.0f;
    Vector2D at(std::size_t k, const Vector2D& now) const
    {
        if (previous == nullptr) return now;
        return previous[k] + (now - previous[k]) * fraction;
    }
};

void drawRope(const Rope& rope, const RopeMarks& marks, Between between)
{
    if (marks.selected) {
        yellow();
    } else if (marks.hovered) {
        glColor3f(0.5f, 0.5f, 0.0f);
    } else {
        glColor3f(0.0f, 0.0f, 1.0f);
    }
    endOverlay();
    placeAt(0.0f, 0.0f);
    glDisable(GL_BLEND);
    // Snapped springs are skipped, leaving a gap.
    const int count = static_cast<int>(rope.masses.size());
    glBegin(GL_LINES);
    for (const Spring& spring : rope.springs) {
        if (!spring.active) continue;
        if (spring.first < 0 || spring.first >= count || spring.second < 0 || spring.second >= count) continue;
        const Vector2D a = between.at(static_cast<std::size_t>(spring.first), rope.masses[spring.first].position);
        const Vector2D b = between.at(static_cast<std::size_t>(spring.second), rope.masses[spring.second].position);
        glVertex2f(a.x, a.y);
        glVertex2f(b.x, b.y);
    }
    glEnd();
    yellow();
    glBegin(GL_POINTS);
    for (std::size_t k = 0; k < rope.masses.size() && k < marks.masses.size(); ++k)
        if (marks.masses[k].selected) {
            const Vector2D at = between.at(k, rope.masses[k].position);
            glVertex2f(at.x, at.y);
        }
    glEnd();
}

void drawBall(const Ball& ball, Vector2D position, bool marked, Vector2D areaSize, const WorldTextures& textures)
{
    endOverlay();
    placeAt(position.x, position.y);
    glScalef(ball.radius, ball.radius, ball.radius);
    if (marked) {
        yellow();
    } else {
        glColor3f(1.0f, 1.0f, 1.0f);
    }
    ballMesh().draw(textures.ball, textures.scene, position, areaSize);
}

void circle(float radius)
{
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < kDockRingSegments; ++i) {
        const double angle = 2.0 * 3.14159265358979 * i / kDockRingSegments;
        glVertex2f(radius * static_cast<float>(std::cos(angle)), radius * static_cast<float>(std::sin(angle)));
    }
    glEnd();
}

/// Rings around a dock point's square, so that it is seen on every theme: a
/// dark one, read on light pictures, inside a light one, read on dark ones.
/// A dock point the pointer is on (its mark) gets a wide yellow ring instead.
/// Drawn opaque; the blending state of the square is given back after.
void drawDockRing(bool marked)
{
    const bool blending = glIsEnabled(GL_BLEND);
    if (blending) glDisable(GL_BLEND);
    glColor3f(0.0f, 0.0f, 0.0f);
    glLineWidth(2.0f);
    circle(kDockInnerRing);
    if (marked) {
        yellow();
        glLineWidth(3.0f);
        circle(kDockOuterRing + 0.02f);
    } else {
        glColor3f(0.95f, 0.95f, 0.85f);
        glLineWidth(1.5f);
        circle(kDockOuterRing);
    }
    glLineWidth(kElementLineWidth);
    if (blending) glEnable(GL_BLEND);
}

void drawDockPoint(const DockPoint& dock, bool marked)
{
    endOverlay();
    placeAt(dock.position.x, dock.position.y);
    // Zoomed out, a dock point keeps its size on screen, so it can be seen and hit.
    const float zoom = drawingView().zoomOut;
    if (zoom != 1.0f) glScalef(zoom, zoom, 1.0f);
    if (marked) {
        yellow();
    } else {
        glColor3f(0.0f, 1.0f, 0.0f);
    }
    if (glIsEnabled(GL_TEXTURE_2D)) glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glVertex2f(kDockHalfSize, kDockHalfSize);
    glVertex2f(-kDockHalfSize, kDockHalfSize);
    glVertex2f(-kDockHalfSize, -kDockHalfSize);
    glVertex2f(kDockHalfSize, -kDockHalfSize);
    glEnd();
    drawDockRing(marked);
}

/// The element's marks, or none for an element the marks do not reach.
template <typename Marks>
const Marks& marksAt(const std::vector<Marks>& list, std::size_t i)
{
    static const Marks none;
    return i < list.size() ? list[i] : none;
}

} // namespace

void WorldPose::capture(const Simulation& world)
{
    balls.clear();
    for (const Ball& ball : world.balls) balls.push_back(ball.position);
    ropePoints.clear();
    ropeStarts.clear();
    for (const Rope& rope : world.ropes) {
        ropeStarts.push_back(ropePoints.size());
        for (const Mass& mass : rope.masses) ropePoints.push_back(mass.position);
    }
    ropeStarts.push_back(ropePoints.size());
}

bool WorldPose::fits(const Simulation& world) const
{
    if (balls.size() != world.balls.size() || ropeStarts.size() != world.ropes.size() + 1) return false;
    for (std::size_t i = 0; i < world.ropes.size(); ++i)
        if (ropeStarts[i + 1] - ropeStarts[i] != world.ropes[i].masses.size()) return false;
    return true;
}

void drawWorld(const Simulation& world, const TriangleMappings& mappings, const WorldTextures& textures,
               const WorldMarks* marks, WorldBlend blend)
{
    const bool blended = blend.previous != nullptr && blend.fraction < 1.0f && blend.previous->fits(world);
    static const WorldMarks noMarks;
    const WorldMarks& m = marks ? *marks : noMarks;
    if (glIsEnabled(GL_BLEND)) glDisable(GL_BLEND);
    if (!world.noBackdrop) drawBackdrop(textures.scene);
    endOverlay();

    const float w = world.size.x;
    const float h = world.size.y;
    drawFrame(w, h);
    if (!world.noBackdrop) drawField(w, h);

    placeAt(0.0f, 0.0f);
    glColor3f(0.0f, 0.0f, 0.0f);
    for (std::size_t i = 0; i < world.vertices.size(); ++i)
        drawTriangle(world.vertices[i], mappingOf(mappings, i), marksAt(m.triangles, i), textures.scene);
    drawExit(world.exitPosition, world.exitRadius);
    for (std::size_t i = 0; i < world.lines.size(); ++i) drawLine(world.lines[i], marksAt(m.lines, i));
    for (std::size_t i = 0; i < world.ropes.size(); ++i) {
        Between between;
        if (blended) between = {blend.previous->ropePoints.data() + blend.previous->ropeStarts[i], blend.fraction};
        drawRope(world.ropes[i], marksAt(m.ropes, i), between);
    }
    for (std::size_t i = 0; i < world.balls.size(); ++i) {
        const Between between = blended ? Between{blend.previous->balls.data(), blend.fraction} : Between{};
        drawBall(world.balls[i], between.at(i, world.balls[i].position), m.ballSelected(i), world.size, textures);
    }
    for (std::size_t i = 0; i < world.dockPoints.size(); ++i) drawDockPoint(world.dockPoints[i], m.dockSelected(i));
}
