#include "ui/btext.h"

#include "ui_test_support.h"

namespace {

class BTextTest : public UiTest {};

TEST_F(BTextTest, RevealShowsTheEndOfTheTextFirst)
{
    BText line;
    line.text = "abcdefghijklmnopqrst";
    line.reveal = 0.5f;
    EXPECT_EQ(line.shownText(), "klmnopqrst");
    line.reveal = 0.0f;
    EXPECT_EQ(line.shownText(), "");
    line.reveal = 1.0f;
    EXPECT_EQ(line.shownText(), line.text);
    // Typing out steps just below 0 before the next update clamps it.
    line.reveal = -0.02f;
    EXPECT_EQ(line.shownText(), "");
    line.reveal = 1.02f;
    EXPECT_EQ(line.shownText(), line.text);
}

TEST_F(BTextTest, DelayHoldsTheRevealBackThenItTypesInWithinFiftyUpdates)
{
    BText line;
    line.text = "Hello";
    line.delay = 3;
    for (int i = 0; i < 3; ++i) line.update();
    EXPECT_EQ(line.delayCount, 3);
    EXPECT_FLOAT_EQ(line.reveal, 0.0f);

    line.update();
    EXPECT_FLOAT_EQ(line.reveal, 0.02f);
    for (int i = 0; i < 60; ++i) line.update();
    EXPECT_FLOAT_EQ(line.reveal, 1.0f);
}

TEST_F(BTextTest, HideTypesOutAndShowTypesInAgainAfterTheDelay)
{
    BText line;
    line.text = "Hello";
    line.reveal = 1.0f;
    line.delay = 2;
    line.delayCount = 2;

    line.hide();
    EXPECT_TRUE(line.hiding);
    EXPECT_FLOAT_EQ(line.speed, -0.02f);
    line.update();
    EXPECT_FLOAT_EQ(line.reveal, 0.98f);
    for (int i = 0; i < 60; ++i) {
        line.update();
        EXPECT_GE(line.reveal, -0.02f);
        line.shownText();
    }
    EXPECT_LE(line.reveal, 0.0f);
    EXPECT_EQ(line.shownText(), "");

    line.reveal = 0.5f;
    line.show();
    EXPECT_FALSE(line.hiding);
    EXPECT_EQ(line.delayCount, 0);
    line.update();
    line.update();
    EXPECT_FLOAT_EQ(line.reveal, 0.5f);
    line.update();
    EXPECT_FLOAT_EQ(line.reveal, 0.52f);
}

TEST_F(BTextTest, CharactersAreSizedToFitBetweenTheWindowEdges)
{
    BText line;
    line.text = "0123456789";
    line.reveal = 1.0f;
    line.maxSize = 100.0f;

    line.position = Vector2D(100.0f, 50.0f);
    EXPECT_FLOAT_EQ(line.characterSize(), 69.0f);  // (800 - 10 - 100) / 10
    line.maxSize = 15.0f;
    EXPECT_FLOAT_EQ(line.characterSize(), 15.0f);

    line.maxSize = 100.0f;
    line.alignment = 1;
    EXPECT_FLOAT_EQ(line.characterSize(), 18.0f);  // by the left edge
    line.position.x = 700.0f;
    EXPECT_FLOAT_EQ(line.characterSize(), 18.0f);  // by the right edge
    line.position.x = 400.0f;
    EXPECT_FLOAT_EQ(line.characterSize(), 78.0f);  // the middle counts as the left half

    View wide;
    wide.width = 1024;
    useView(wide);
    line.position.x = 1004.0f;
    EXPECT_FLOAT_EQ(line.characterSize(), 2.0f);
    line.position.x = 1020.0f;  // inside the margin: no room, never a mirrored size
    EXPECT_FLOAT_EQ(line.characterSize(), 0.0f);

    line.reveal = 0.0f;
    EXPECT_FLOAT_EQ(line.characterSize(), 0.0f);
}

TEST_F(BTextTest, MadeFromAShadowStartsHiddenWithTheShadowsLayout)
{
    BTextShadow shadow;
    EXPECT_FLOAT_EQ(shadow.maxSize, 15.0f);
    shadow.delay = 40;
    shadow.text = "Level one";
    shadow.position = Vector2D(400.0f, 120.0f);
    shadow.alignment = 1;
    shadow.maxSize = 30.0f;

    std::vector<BText> texts;
    appendBText(texts, shadow);
    ASSERT_EQ(texts.size(), 1u);
    const BText& made = texts.back();
    EXPECT_EQ(made.text, "Level one");
    EXPECT_EQ(made.delay, 40);
    EXPECT_EQ(made.delayCount, 0);
    EXPECT_EQ(made.alignment, 1);
    EXPECT_FLOAT_EQ(made.position.x, 400.0f);
    EXPECT_FLOAT_EQ(made.position.y, 120.0f);
    EXPECT_FLOAT_EQ(made.maxSize, 30.0f);
    EXPECT_FLOAT_EQ(made.reveal, 0.0f);
    EXPECT_FLOAT_EQ(made.speed, 0.02f);
    EXPECT_FALSE(made.hiding);
}

} // namespace
