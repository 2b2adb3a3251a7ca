// The editor's panel, pages, tool selection and entering and leaving.
#include "editor_fixture.h"

TEST_F(EditorTest, ToolButtonsAreExactlyTheNineToolIndices)
{
    ASSERT_EQ(ed->buttons.size(), 23u);
    ASSERT_EQ(ed->inserts.size(), 4u);
    ASSERT_EQ(ed->slides.size(), 3u);
    std::vector<int> tools;
    for (int i = 0; i < kEditorButtonCount; ++i)
        if (isToolButton(i)) tools.push_back(i);
    EXPECT_EQ(tools, (std::vector<int>{0, 1, 2, 5, 6, 9, 16, 19, 20}));
    EXPECT_EQ(ed->buttons[kButtonDockPoint].label, "Dock point");
    EXPECT_TRUE(ed->buttons[kButtonBack].alwaysVisible);
    EXPECT_EQ(ed->pageHolders[0].tabWidth, 63);
    EXPECT_EQ(ed->pageHolders[0].pages[2].name, "Misc");
}

TEST_F(EditorTest, PanelOpensByTwentyPixelsAndReachesTwoHundredInTenFrames)
{
    ed->enterEditor();
    EXPECT_EQ(ed->panelWidth, 0);
    for (int i = 1; i <= 10; ++i) {
        frame(150, 300, {0, 0}, false);
        EXPECT_EQ(ed->panelWidth, 20 * i);
        // The panel covers the mouse once its width reaches the mouse's x.
        EXPECT_EQ(ed->mouseOverPanel, 20 * i >= 150);
    }
    frame(150, 300, {0, 0}, false);
    EXPECT_EQ(ed->panelWidth, 200);
}

TEST_F(EditorTest, EnteringAgainKeepsWorldToolPageAndFields)
{
    selectTool(kButtonBall);
    dragWorld({1, 1}, {1.5f, 1});
    focusField(kInsertSaveName);
    type("HILL");
    ed->saveStatus = "kept";
    clickButton(kButtonBack);
    EXPECT_EQ(shell->mode(), Mode::Menu);

    shell->carryOut(ModeRequest::enterEditor());
    EXPECT_EQ(shell->mode(), Mode::Editor);
    EXPECT_EQ(ed->panelWidth, 0);
    EXPECT_EQ(ed->tool, kButtonBall);
    EXPECT_EQ(page(), kPageMisc);
    ASSERT_EQ(ed->world.balls.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.balls[0].radius, 0.5f);
    EXPECT_EQ(ed->inserts[kInsertSaveName].text, "HILL");
    EXPECT_EQ(ed->saveStatus, "kept");
}

TEST_F(EditorTest, PressBeyondHalfOpenPanelBeginsGestureAndClicksButtonUnderIt)
{
    ed->enterEditor();
    for (int i = 0; i < 4; ++i) frame(500, 300, {0, 0}, false);
    // The fifth frame opens the panel to 100; the press at x 150 is over
    // the Ball button and outside the panel.
    frame(150, 140, {-1, 1}, true);
    EXPECT_EQ(ed->panelWidth, 100);
    EXPECT_FALSE(ed->mouseOverPanel);
    EXPECT_TRUE(ed->dragging);
    EXPECT_EQ(ed->world.vertices.size(), 1u);  // the Vertex tool began a triangle

    frame(150, 140, {-1, 1}, false);
    EXPECT_FALSE(ed->dragging);
    EXPECT_EQ(ed->tool, kButtonBall);
    // The gesture ended with the new tool, which does nothing on release.
    EXPECT_TRUE(ed->marks.triangles[0].unplaced[0]);
}

TEST_F(EditorTest, ActionButtonsKeepTheToolAndTabsSwitchPagesInTheSameFrame)
{
    selectTool(kButtonSelect);
    EXPECT_EQ(ed->tool, kButtonSelect);
    clickButton(kButtonAll);
    clickButton(kButtonRemove);
    EXPECT_EQ(ed->tool, kButtonSelect);

    // Press on the Rope tab: the Next button of that page is live at once.
    page() = kPageEdit;
    frame(5 + 63 + 30, 60, {0, 0}, true);
    EXPECT_EQ(page(), kPageRope);
    // Vertex (Edit page) sits where Next (Rope page) is: only Next reacts.
    frame(20, 110, {0, 0}, true);
    frame(20, 110, {0, 0}, false);
    EXPECT_TRUE(ed->buttons[kButtonNext].clicked);
    EXPECT_EQ(ed->tool, kButtonSelect);
}

TEST_F(EditorTest, BackReturnsToMenuAndTheGestureStillEndsThatFrame)
{
    selectTool(kButtonRope);
    worldFrame({-1, 0}, true);
    worldFrame({1, 0}, true);
    // Held onto Back and released there: the button acts, and the rope is
    // still built from the last position outside the panel.
    frame(100, 570, {5, 5}, true);
    frame(100, 570, {5, 5}, false);
    EXPECT_EQ(shell->mode(), Mode::Menu);
    ASSERT_EQ(ed->world.ropes.size(), 1u);
    EXPECT_FLOAT_EQ(ed->world.ropes[0].masses.back().position.x, 1.0f);
}

TEST_F(EditorTest, WorldStepsOnlyWhatIsNotPinned)
{
    selectTool(kButtonBall);
    dragWorld({0, 0}, {0.2f, 0});
    clickButton(kButtonUndock);
    selectTool(kButtonBall);
    dragWorld({1, 0}, {1.2f, 0});
    for (int i = 0; i < 20; ++i) frame(500, 300, {0, 0}, false, 1.0f);
    EXPECT_LT(ed->world.balls[0].position.y, 0.0f);   // freed: it falls
    EXPECT_EQ(ed->world.balls[1].position.y, 0.0f);   // held: it stays
}

TEST_F(EditorTest, SliderChangeIsAppliedOnceEvenWhenItsPageIsHiddenNextFrame)
{
    // A triangle, so that the size sliders' texture work is visible.
    selectTool(kButtonVertex);
    for (Vector2D corner : {Vector2D(0, 0), Vector2D(1, 0), Vector2D(0, 1)}) clickWorld(corner);
    ASSERT_EQ(ed->world.vertices.size(), 1u);

    // Press on X size, then slide straight onto the Misc tab with the button
    // held: the slider's page hides in the frame after its change.
    page() = kPageEdit;
    frame(100, 405, {0, 0}, true);
    const float sized = ed->world.size.x;
    EXPECT_NEAR(sized, 0.1f * 50.0f, 0.05f);
    frame(5 + 126 + 30, 60, {0, 0}, true);
    ASSERT_EQ(page(), kPageMisc);

    // Whatever changes the size afterwards (a load, say) stays, and the
    // triangle's jittered texture coordinates are not drawn again each frame.
    ed->world.size.x = 7.0f;
    ASSERT_EQ(ed->triangleMappings.size(), 1u);
    const TriangleMapping before = ed->triangleMappings[0];
    for (int i = 0; i < 5; ++i) frame(kWorldX, kWorldY, {0, 0}, false);
    EXPECT_EQ(ed->world.size.x, 7.0f);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(ed->triangleMappings[0].texCoords[c].x, before.texCoords[c].x);
        EXPECT_EQ(ed->triangleMappings[0].texCoords[c].y, before.texCoords[c].y);
    }
}
