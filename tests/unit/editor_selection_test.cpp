// Selection, moving, pinning, removing and the rope selection of the editor.
#include "editor_fixture.h"
#include "physics/rope.h"

namespace {

/// Adds to the editor's world one of everything, nothing marked: a rope from
/// (0, 0) to (1, 0), a ball at (0.5, 0.5), a dock point at (-1, 1), a triangle
/// (-1, -1), (0, -1), (-1, 0) and a line from (1, 1) to (1.5, 1.5).
void populate(SlideMenu& editor)
{
    Simulation& world = editor.world;
    addRope({0, 0}, {1, 0}, world);
    world.balls.emplace_back();
    world.balls.back().position = Vector2D(0.5f, 0.5f);
    world.balls.back().radius = 0.1f;
    world.balls.back().held = true;
    world.dockPoints.emplace_back();
    world.dockPoints.back().position = Vector2D(-1, 1);
    world.vertices.emplace_back();
    world.vertices.back().corners[0] = Vector2D(-1, -1);
    world.vertices.back().corners[1] = Vector2D(0, -1);
    world.vertices.back().corners[2] = Vector2D(-1, 0);
    world.lines.emplace_back();
    world.lines.back().ends[0] = Vector2D(1, 1);
    world.lines.back().ends[1] = Vector2D(1.5f, 1.5f);
    editor.marks.fit(world);
}

/// Every point's selection mark in visiting order.
std::vector<bool> marks(const WorldMarks& marks)
{
    std::vector<bool> all;
    for (const RopeMarks& rope : marks.ropes)
        for (const PointMark& mass : rope.masses) all.push_back(mass.selected);
    for (const PointMark& ball : marks.balls) all.push_back(ball.selected);
    for (const PointMark& dock : marks.dockPoints) all.push_back(dock.selected);
    for (const TriangleMarks& triangle : marks.triangles)
        for (bool mark : triangle.selected) all.push_back(mark);
    for (const LineMarks& line : marks.lines) all.push_back(line.selected[0]);
    for (const LineMarks& line : marks.lines) all.push_back(line.selected[1]);
    return all;
}

}  // namespace

TEST_F(EditorTest, SelectAndUnselectMarkTheRectangleFromAnyCorner)
{
    populate(*ed);
    selectTool(kButtonSelect);
    // From the bottom right to the top left: the ball, the dock point and the
    // triangle's third corner lie inside, bounds included.
    dragWorld({0.5f, 0}, {-1, 1}, 2);
    EXPECT_TRUE(ed->marks.balls[0].selected);
    EXPECT_TRUE(ed->marks.dockPoints[0].selected);
    EXPECT_TRUE(ed->marks.triangles[0].selected[2]);
    EXPECT_FALSE(ed->marks.triangles[0].selected[0]);
    EXPECT_TRUE(ed->marks.ropes[0].masses[0].selected);   // (0, 0) on the edge
    EXPECT_FALSE(ed->marks.ropes[0].masses[3].selected);  // (1, 0) outside
    EXPECT_FALSE(ed->marks.lines[0].selected[0]);

    // Select adds to the selection; from the top left it catches the line's end.
    dragWorld({0.9f, 1.2f}, {1.2f, 0.9f});
    EXPECT_TRUE(ed->marks.lines[0].selected[0]);
    EXPECT_FALSE(ed->marks.lines[0].selected[1]);
    EXPECT_TRUE(ed->marks.balls[0].selected);

    // Unselect from the top right to the bottom left clears only inside.
    selectTool(kButtonUnselect);
    dragWorld({0.6f, 1.1f}, {-0.5f, 0.4f});
    EXPECT_FALSE(ed->marks.balls[0].selected);
    EXPECT_TRUE(ed->marks.dockPoints[0].selected);
    EXPECT_TRUE(ed->marks.lines[0].selected[0]);
}

TEST_F(EditorTest, ZeroSizeRectangleMarksOnlyPointsExactlyAtTheClick)
{
    populate(*ed);
    selectTool(kButtonSelect);
    clickWorld({-1, 1});
    EXPECT_TRUE(ed->marks.dockPoints[0].selected);
    clickWorld({-1, 0.999f});
    std::vector<bool> expected(marks(ed->marks).size(), false);
    expected[4 + 1 + 0] = true;  // 4 rope masses, 1 ball, then the dock point
    EXPECT_EQ(marks(ed->marks), expected);

    selectTool(kButtonUnselect);
    clickWorld({-1, 1});
    EXPECT_FALSE(ed->marks.dockPoints[0].selected);
}

TEST_F(EditorTest, MoveAppliesTheDragOnceOverManyFrames)
{
    populate(*ed);
    ed->marks.balls[0].selected = true;
    ed->marks.triangles[0].selected[1] = true;
    ed->marks.lines[0].selected[1] = true;
    ed->marks.ropes[0].masses[2].selected = true;
    ed->marks.dockPoints[0].selected = true;
    const float massX = ed->world.ropes[0].masses[2].position.x;

    selectTool(kButtonMove);
    dragWorld({0, 0}, {1, 0}, 10);
    EXPECT_NEAR(ed->world.balls[0].position.x, 1.5f, 1e-5f);
    EXPECT_NEAR(ed->world.balls[0].position.y, 0.5f, 1e-5f);
    EXPECT_NEAR(ed->world.vertices[0].corners[1].x, 1.0f, 1e-5f);
    EXPECT_NEAR(ed->world.vertices[0].corners[0].x, -1.0f, 1e-5f);
    EXPECT_NEAR(ed->world.lines[0].ends[1].x, 2.5f, 1e-5f);
    EXPECT_NEAR(ed->world.lines[0].ends[0].x, 1.0f, 1e-5f);
    EXPECT_NEAR(ed->world.ropes[0].masses[2].position.x, massX + 1.0f, 1e-5f);
    EXPECT_NEAR(ed->world.dockPoints[0].position.x, 0.0f, 1e-5f);
    // The selection survives the move.
    EXPECT_TRUE(ed->marks.balls[0].selected);
}

TEST_F(EditorTest, RemoveTakesWholeElementsForOneMarkedPoint)
{
    populate(*ed);
    populate(*ed);  // a second set of everything, left unmarked
    ed->marks.ropes[0].masses[1].selected = true;
    ed->marks.lines[0].selected[1] = true;
    ed->marks.triangles[0].selected[2] = true;
    ed->marks.balls[0].selected = true;
    ed->marks.dockPoints[0].selected = true;
    ed->world.exitRadius = 0.7f;

    clickButton(kButtonRemove);
    EXPECT_EQ(ed->world.ropes.size(), 1u);
    EXPECT_EQ(ed->world.ropes[0].masses.size(), 4u);
    EXPECT_EQ(ed->world.balls.size(), 1u);
    EXPECT_EQ(ed->world.lines.size(), 1u);
    EXPECT_EQ(ed->world.vertices.size(), 1u);
    EXPECT_EQ(ed->world.dockPoints.size(), 1u);
    EXPECT_EQ(ed->world.exitRadius, 0.7f);

    // Adjacent marked elements all go: removal re-examines the next one.
    ed->selectAll(true);
    ed->removeSelected();
    EXPECT_TRUE(ed->world.ropes.empty() && ed->world.balls.empty() && ed->world.lines.empty() &&
                ed->world.vertices.empty() && ed->world.dockPoints.empty());
}

TEST_F(EditorTest, RemoveKeepsEachRemainingElementWithItsOwnMarks)
{
    populate(*ed);
    populate(*ed);
    ed->world.ropes[1].masses[0].position = Vector2D(5, 5);  // tells the copies apart
    ed->marks.ropes[0].masses[1].selected = true;  // takes rope 0 away
    ed->marks.ropes[1].selected = true;            // the rope chosen for Next, Prev and Length
    ed->marks.triangles[0].selected[0] = true;
    // Where the picture lies on each triangle goes with its triangle too.
    ed->triangleMappings.assign(2, TriangleMapping{});
    ed->triangleMappings[0].texCoords[0] = Vector2D(0.1f, 0.2f);
    ed->triangleMappings[1].texCoords[0] = Vector2D(0.7f, 0.8f);

    clickButton(kButtonRemove);
    ASSERT_EQ(ed->triangleMappings.size(), 1u);
    EXPECT_EQ(ed->triangleMappings[0].texCoords[0].x, 0.7f);
    ASSERT_EQ(ed->world.ropes.size(), 1u);
    EXPECT_EQ(ed->world.ropes[0].masses[0].position.x, 5.0f);
    ASSERT_EQ(ed->marks.ropes.size(), 1u);
    EXPECT_TRUE(ed->marks.ropes[0].selected);
    EXPECT_EQ(ed->marks.ropes[0].masses.size(), ed->world.ropes[0].masses.size());
    EXPECT_EQ(ed->marks.triangles.size(), 1u);
    EXPECT_EQ(marks(ed->marks), std::vector<bool>(marks(ed->marks).size(), false));

    // Undo brings back both ropes with the marks each had.
    ed->undo(input);
    ASSERT_EQ(ed->world.ropes.size(), 2u);
    EXPECT_TRUE(ed->marks.ropes[0].masses[1].selected);
    EXPECT_FALSE(ed->marks.ropes[0].selected);
    EXPECT_TRUE(ed->marks.ropes[1].selected);
    EXPECT_TRUE(ed->marks.triangles[0].selected[0]);
    ASSERT_EQ(ed->triangleMappings.size(), 2u);
    EXPECT_EQ(ed->triangleMappings[0].texCoords[0].y, 0.2f);
    EXPECT_EQ(ed->triangleMappings[1].texCoords[0].y, 0.8f);
}

TEST_F(EditorTest, NextAndPrevWrapAndShowTheRopeLength)
{
    clickButton(kButtonNext);  // no rope: nothing to select, nothing breaks
    addRope({0, 0}, {1, 0}, ed->world);    // rest length 0.25
    addRope({0, 1}, {0.5f, 1}, ed->world);
    addRope({0, -1}, {2, -1}, ed->world);
    ed->world.ropes[1].springs[0].restLength = 0.4f;

    clickButton(kButtonPrev);  // none selected: Prev also starts at rope 0
    EXPECT_TRUE(ed->marks.ropes[0].selected);
    EXPECT_FLOAT_EQ(ed->slides[kSlideLength].value, 25.0f);
    clickButton(kButtonPrev);
    EXPECT_FALSE(ed->marks.ropes[0].selected);
    EXPECT_TRUE(ed->marks.ropes[2].selected);
    clickButton(kButtonNext);
    EXPECT_TRUE(ed->marks.ropes[0].selected);
    EXPECT_FALSE(ed->marks.ropes[2].selected);
    clickButton(kButtonNext);
    EXPECT_TRUE(ed->marks.ropes[1].selected);
    EXPECT_FLOAT_EQ(ed->slides[kSlideLength].value, 40.0f);
    // Showing the length is not a change of the slider: the rope keeps it.
    frame(500, 300, {0, 0}, false);
    EXPECT_FLOAT_EQ(ed->world.ropes[1].springs[0].restLength, 0.4f);

    // A rope without springs (read from a file) leaves the slider alone.
    ed->world.ropes[2].springs.clear();
    clickButton(kButtonNext);
    EXPECT_TRUE(ed->marks.ropes[2].selected);
    EXPECT_FLOAT_EQ(ed->slides[kSlideLength].value, 40.0f);
}

TEST_F(EditorTest, LengthSliderSetsEverySpringOfTheSelectedRopesOnly)
{
    addRope({0, 0}, {1, 0}, ed->world);
    addRope({0, 1}, {1, 1}, ed->world);
    clickButton(kButtonNext);
    // A press at the slider's right end sets the value to 100.
    const Slide& length = ed->slides[kSlideLength];
    frame(static_cast<int>(length.position.x) + length.width, static_cast<int>(length.position.y) + 5,
          {0, 0}, true);
    frame(500, 300, {0, 0}, false);
    for (const Spring& spring : ed->world.ropes[0].springs) EXPECT_FLOAT_EQ(spring.restLength, 1.0f);
    for (const Spring& spring : ed->world.ropes[1].springs) EXPECT_FLOAT_EQ(spring.restLength, 0.25f);
}

TEST_F(EditorTest, SizeSlidersResizeTheWorldOnlyWhenMoved)
{
    ed->world.size = Vector2D(3, 3);
    frame(500, 300, {0, 0}, false);
    EXPECT_EQ(ed->world.size.x, 3.0f);  // initial values are not applied

    const Slide& xSize = ed->slides[kSlideXSize];
    frame(static_cast<int>(xSize.position.x) + 90, static_cast<int>(xSize.position.y) + 5, {0, 0}, true);
    EXPECT_FLOAT_EQ(ed->world.size.x, 5.0f);
    EXPECT_EQ(ed->world.size.y, 3.0f);
}

TEST_F(EditorTest, AllNoneAndInvLeaveTheExitAndTheRopesOwnFlags)
{
    populate(*ed);
    ed->marks.ropes[0].selected = true;
    ed->world.exitPosition = Vector2D(1, -1);
    ed->world.exitRadius = 0.2f;

    clickButton(kButtonAll);
    EXPECT_EQ(marks(ed->marks), std::vector<bool>(marks(ed->marks).size(), true));
    clickButton(kButtonNone);
    EXPECT_EQ(marks(ed->marks), std::vector<bool>(marks(ed->marks).size(), false));
    ed->marks.balls[0].selected = true;
    clickButton(kButtonInv);
    std::vector<bool> inverted = marks(ed->marks);
    EXPECT_FALSE(inverted[4]);
    EXPECT_EQ(std::count(inverted.begin(), inverted.end(), true),
              static_cast<long>(inverted.size()) - 1);

    EXPECT_TRUE(ed->marks.ropes[0].selected);
    EXPECT_FLOAT_EQ(ed->world.exitPosition.x, 1.0f);
    EXPECT_FLOAT_EQ(ed->world.exitRadius, 0.2f);
}

TEST_F(EditorTest, DockAndUndockPinOnlySelectedMassesAndBalls)
{
    populate(*ed);
    ed->world.balls[0].held = false;
    ed->world.balls.emplace_back();
    ed->world.balls.back().held = false;
    ed->world.balls.back().mass = 1.0f;
    ed->selectAll(true);
    ed->marks.balls[1].selected = false;
    const std::vector<bool> before = marks(ed->marks);

    clickButton(kButtonUndock);
    for (const Mass& mass : ed->world.ropes[0].masses) EXPECT_FALSE(mass.fixed);
    clickButton(kButtonDock);
    for (const Mass& mass : ed->world.ropes[0].masses) EXPECT_TRUE(mass.fixed);
    EXPECT_TRUE(ed->world.balls[0].held);
    EXPECT_FALSE(ed->world.balls[1].held);  // not selected: untouched
    // Marks and the other elements are as they were.
    EXPECT_EQ(marks(ed->marks), before);
    EXPECT_EQ(ed->world.dockPoints.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.lines[0].ends[1].x, 1.5f);
}
