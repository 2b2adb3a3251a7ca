// The creating tools: what a press, a drag and a release make in the world.
#include "editor_fixture.h"

TEST_F(EditorTest, VertexToolMakesATriangleInThreeClicksAndTheFourthStartsAnother)
{
    selectTool(kButtonVertex);
    clickWorld({0, 0});
    clickWorld({1, 0});
    ASSERT_EQ(ed->world.vertices.size(), 1u);
    EXPECT_TRUE(ed->marks.triangles[0].unplaced[2]);
    clickWorld({0, 1});
    const Vertex& first = ed->world.vertices[0];
    const TriangleMarks& firstMarks = ed->marks.triangles[0];
    EXPECT_FALSE(firstMarks.unplaced[0] || firstMarks.unplaced[1] || firstMarks.unplaced[2]);
    EXPECT_FLOAT_EQ(first.corners[1].x, 1.0f);
    EXPECT_FLOAT_EQ(first.corners[2].y, 1.0f);
    EXPECT_TRUE(firstMarks.selected[0] && firstMarks.selected[1] && firstMarks.selected[2]);
    // Completing the triangle gave it texture coordinates from the size (2, 2).
    ASSERT_EQ(ed->triangleMappings.size(), 1u);
    EXPECT_GE(ed->triangleMappings[0].texCoords[1].x, 1.0f / 2 + 0.5f);
    EXPECT_LT(ed->triangleMappings[0].texCoords[1].x, 1.0f / 2 + 0.5f + 0.034f);

    clickWorld({-1, -1});
    ASSERT_EQ(ed->world.vertices.size(), 2u);
    const TriangleMarks& old = ed->marks.triangles[0];
    EXPECT_FALSE(old.selected[0] || old.selected[1] || old.selected[2]);
    const TriangleMarks& freshMarks = ed->marks.triangles[1];
    EXPECT_TRUE(freshMarks.selected[0] && freshMarks.selected[1] && freshMarks.selected[2]);
    EXPECT_FALSE(freshMarks.unplaced[0]);
    EXPECT_TRUE(freshMarks.unplaced[1]);
}

TEST_F(EditorTest, VertexDragMovesTheCornerBeingPlacedUntilRelease)
{
    selectTool(kButtonVertex);
    clickWorld({0, 0});
    worldFrame({1, 1}, true);
    EXPECT_FLOAT_EQ(ed->world.vertices[0].corners[1].x, 1.0f);
    worldFrame({2, 0.5f}, true);
    EXPECT_FLOAT_EQ(ed->world.vertices[0].corners[1].x, 2.0f);
    EXPECT_TRUE(ed->marks.triangles[0].unplaced[1]);
    worldFrame({3, 3}, false);  // the release position is not taken
    EXPECT_FALSE(ed->marks.triangles[0].unplaced[1]);
    EXPECT_FLOAT_EQ(ed->world.vertices[0].corners[1].x, 2.0f);
    EXPECT_FLOAT_EQ(ed->world.vertices[0].corners[1].y, 0.5f);
    EXPECT_FLOAT_EQ(ed->world.vertices[0].corners[0].x, 0.0f);

    // Another tool in between does not abandon the unfinished triangle.
    selectTool(kButtonBall);
    clickWorld({-1, 0});
    selectTool(kButtonVertex);
    clickWorld({0, -1});
    ASSERT_EQ(ed->world.vertices.size(), 1u);
    EXPECT_FALSE(ed->marks.triangles[0].unplaced[2]);
}

TEST_F(EditorTest, VertexReleaseWithoutATriangleDoesNothing)
{
    // Start a Ball gesture, slide onto the Vertex button and release there.
    selectTool(kButtonBall);
    worldFrame({0, 0}, true);
    const Button& vertex = ed->buttons[kButtonVertex];
    frame(static_cast<int>(vertex.position.x + 5), static_cast<int>(vertex.position.y + 5), {0, 0}, true);
    frame(static_cast<int>(vertex.position.x + 5), static_cast<int>(vertex.position.y + 5), {0, 0}, false);
    EXPECT_EQ(ed->tool, kButtonVertex);
    EXPECT_TRUE(ed->world.vertices.empty());
    EXPECT_FALSE(ed->dragging);
}

TEST_F(EditorTest, BallToolTakesItsRadiusFromTheDragAndIsHeldSelectedAndHeavy)
{
    // A click makes a ball of the size a new ball has, never an invisible one.
    selectTool(kButtonBall);
    clickWorld({1, 1});
    ASSERT_EQ(ed->world.balls.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.balls[0].radius, kClickRadius);

    dragWorld({-1, 0}, {-1, 0.4f}, 4);
    ASSERT_EQ(ed->world.balls.size(), 2u);
    const Ball& ball = ed->world.balls[1];
    EXPECT_FLOAT_EQ(ball.radius, 0.4f);
    EXPECT_FLOAT_EQ(ball.position.x, -1.0f);
    EXPECT_FLOAT_EQ(ball.position.y, 0.0f);
    EXPECT_TRUE(ball.held);
    EXPECT_TRUE(ed->marks.balls[1].selected);
    EXPECT_EQ(ball.mass, 3.0f);
    // The new ball alone is selected: the press cleared the first one.
    EXPECT_FALSE(ed->marks.balls[0].selected);

    // Undock right after creation lets the new ball go; the other stays held.
    clickButton(kButtonUndock);
    EXPECT_FALSE(ed->world.balls[1].held);
    EXPECT_TRUE(ed->world.balls[0].held);
}

TEST_F(EditorTest, RopeToolBuildsOnlyBeyondATenthWithFixedSelectedInnerMasses)
{
    selectTool(kButtonRope);
    dragWorld({0, 0}, {0.1f, 0});
    EXPECT_TRUE(ed->world.ropes.empty());
    clickWorld({0, 0});
    EXPECT_TRUE(ed->world.ropes.empty());

    dragWorld({0, 0}, {1, 0}, 3);
    ASSERT_EQ(ed->world.ropes.size(), 1u);
    const Rope& rope = ed->world.ropes[0];
    ASSERT_EQ(rope.masses.size(), 4u);
    for (const Mass& mass : rope.masses) EXPECT_TRUE(mass.fixed);
    const std::vector<PointMark>& points = ed->marks.ropes[0].masses;
    ASSERT_EQ(points.size(), 4u);
    EXPECT_FALSE(points[0].selected);
    EXPECT_TRUE(points[1].selected && points[2].selected);
    EXPECT_FALSE(points[3].selected);

    // Undock frees the inside of the new rope; its ends keep their pins.
    clickButton(kButtonUndock);
    EXPECT_TRUE(ed->world.ropes[0].masses[0].fixed);
    EXPECT_FALSE(ed->world.ropes[0].masses[1].fixed);
    EXPECT_TRUE(ed->world.ropes[0].masses[3].fixed);
}

TEST_F(EditorTest, ExitPointTakesPositionFromPressAndRadiusFromDrag)
{
    selectTool(kButtonExitPoint);
    dragWorld({1, 1}, {1.3f, 1.4f}, 2);
    EXPECT_FLOAT_EQ(ed->world.exitPosition.x, 1.0f);
    EXPECT_FLOAT_EQ(ed->world.exitRadius, 0.5f);
    clickWorld({-1, 0.5f});
    EXPECT_FLOAT_EQ(ed->world.exitPosition.x, -1.0f);
    EXPECT_FLOAT_EQ(ed->world.exitPosition.y, 0.5f);
    EXPECT_FLOAT_EQ(ed->world.exitRadius, kClickRadius);
}

TEST_F(EditorTest, NoLineOrTriangleTooSmallToSeeIsKeptAndShiftSnapsToTheQuarterGrid)
{
    selectTool(kButtonLine);
    dragWorld({0, 0}, {0.04f, 0});
    EXPECT_TRUE(ed->world.lines.empty() && ed->marks.lines.empty());
    selectTool(kButtonVertex);
    for (Vector2D at : {Vector2D(0, 0), Vector2D(1, 1), Vector2D(2, 2.0005f)}) clickWorld(at);
    EXPECT_TRUE(ed->world.vertices.empty() && ed->triangleMappings.empty());

    keys[kVkShift] = true;
    selectTool(kButtonDockPoint);
    clickWorld({0.3f, -0.62f});
    EXPECT_FLOAT_EQ(ed->world.dockPoints[0].position.x, 0.25f);
    EXPECT_FLOAT_EQ(ed->world.dockPoints[0].position.y, -0.5f);
}

TEST_F(EditorTest, LineAndDockPointFollowTheDragAndStartUnmarked)
{
    selectTool(kButtonBall);
    clickWorld({0, 0});  // something selected that the next tools must clear

    selectTool(kButtonLine);
    dragWorld({-1, -1}, {1, -0.5f}, 3);
    ASSERT_EQ(ed->world.lines.size(), 1u);
    const Line& line = ed->world.lines[0];
    EXPECT_FLOAT_EQ(line.ends[0].x, -1.0f);
    EXPECT_FLOAT_EQ(line.ends[1].x, 1.0f);
    EXPECT_FLOAT_EQ(line.ends[1].y, -0.5f);
    EXPECT_FALSE(ed->marks.lines[0].selected[0] || ed->marks.lines[0].selected[1]);
    EXPECT_FALSE(ed->marks.balls[0].selected);

    selectTool(kButtonDockPoint);
    dragWorld({0.5f, 0.5f}, {0.7f, 0.9f}, 2);
    ASSERT_EQ(ed->world.dockPoints.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.dockPoints[0].position.x, 0.7f);
    EXPECT_FLOAT_EQ(ed->world.dockPoints[0].position.y, 0.9f);
    EXPECT_FALSE(ed->marks.dockPoints[0].selected);
}

TEST_F(EditorTest, GestureIsHeldOverThePanelAndBeginsWhereTheMouseLeavesIt)
{
    selectTool(kButtonLine);
    // Press over the panel: no gesture until the mouse is outside.
    frame(100, 500, {-4, 0}, true);
    EXPECT_FALSE(ed->dragging);
    EXPECT_TRUE(ed->world.lines.empty());
    worldFrame({-1, 0}, true);
    EXPECT_TRUE(ed->dragging);
    worldFrame({0, 0}, true);
    // Back over the panel: the line keeps its last end from outside.
    frame(100, 500, {-4, 0}, true);
    frame(100, 500, {-4, 0}, false);
    EXPECT_FALSE(ed->dragging);
    ASSERT_EQ(ed->world.lines.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.lines[0].ends[0].x, -1.0f);
    EXPECT_FLOAT_EQ(ed->world.lines[0].ends[1].x, 0.0f);
}
