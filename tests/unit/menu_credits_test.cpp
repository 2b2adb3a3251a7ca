// The credits screen: word wrapping, the blocks, and the lines typing in.
#include <string>
#include <vector>

#include "menu/credits.h"
#include "menu_test_support.h"

namespace {

class MenuCreditsTest : public MenuTest {};

std::vector<std::string> lineTexts(const std::vector<BTextShadow>& templates)
{
    std::vector<std::string> lines;
    for (const BTextShadow& shadow : templates)
        lines.push_back(shadow.text);
    return lines;
}

const BTextShadow* findLine(const std::vector<BTextShadow>& templates, const std::string& text)
{
    for (const BTextShadow& shadow : templates) {
        if (shadow.text == text)
            return &shadow;
    }
    return nullptr;
}

TEST_F(MenuCreditsTest, TextBlockWrapsAtTheLastSpaceAndBreaksOverlongWords)
{
    std::vector<BTextShadow> templates;
    templates.emplace_back();  // one template already there: delays count on from it

    // 600 / 15 = 40 characters to a line.
    const std::string text =
        "The quick brown fox jumps over the lazy dog and keeps running "
        "until the rope runs out of slack.";
    addTextBlock(templates, Vector2D(400.0f, 50.0f), 600.0f, text, 15.0f, 1);
    ASSERT_EQ(templates.size(), 4u);
    EXPECT_EQ(lineTexts(templates)[1], "The quick brown fox jumps over the lazy");
    EXPECT_EQ(lineTexts(templates)[2], "dog and keeps running until the rope");
    EXPECT_EQ(lineTexts(templates)[3], "runs out of slack.");
    for (std::size_t k = 1; k < templates.size(); ++k) {
        EXPECT_EQ(templates[k].delay, 50 * static_cast<int>(k));
        EXPECT_FLOAT_EQ(templates[k].position.x, 400.0f);
        EXPECT_FLOAT_EQ(templates[k].position.y, 50.0f + 15.0f * static_cast<float>(k - 1));
        EXPECT_FLOAT_EQ(templates[k].maxSize, 15.0f);
        EXPECT_EQ(templates[k].alignment, 1);
    }

    // 700 / 13 is about 53.85: a line is full at 54 characters. A word longer
    // than that is broken rather than losing its characters.
    templates.clear();
    const std::string longWord(130, 'x');
    addTextBlock(templates, Vector2D(75.0f, 110.0f), 700.0f, "Tie " + longWord + " knot", 13.0f, 0);
    std::string joined;
    for (const std::string& line : lineTexts(templates)) {
        EXPECT_LE(line.size(), 54u);
        joined += line;
    }
    EXPECT_EQ(lineTexts(templates)[0], "Tie");
    EXPECT_EQ(joined, "Tie" + longWord + " knot") << "only the cut space is lost";

    // A heading is one line.
    templates.clear();
    addTextBlock(templates, Vector2D(50.0f, 90.0f), 700.0f, "Thanks To:", 13.0f, 0);
    ASSERT_EQ(templates.size(), 1u);
    EXPECT_EQ(templates[0].text, "Thanks To:");
    EXPECT_EQ(templates[0].delay, 0);
}

TEST_F(MenuCreditsTest, OnlyTheFirstScreenNamedCreditsGetsTheCredits)
{
    readScreens("(0)[0]{1}<start>(4)[0]:0;{3}<Kept>(0)[1]{1}<Credits>(4)[1]:0;{3}<Also kept>");
    ASSERT_EQ(menus.size(), 2u);
    ASSERT_EQ(menus[0].textTemplates.size(), 1u);
    ASSERT_EQ(menus[1].textTemplates.size(), 1u) << "the name must match exactly";

    menus.clear();
    readScreens("(0)[0]{1}<start>(0)[1]{1}<credits>(4)[1]:0;{3}<Dropped>"
                "(0)[2]{1}<credits>(4)[2]:0;{3}<Second credits>");
    const std::vector<BTextShadow>& credits = menus[1].textTemplates;
    EXPECT_EQ(findLine(credits, "Dropped"), nullptr);
    EXPECT_TRUE(menus[0].textTemplates.empty());
    ASSERT_EQ(menus[2].textTemplates.size(), 1u);
    EXPECT_EQ(menus[2].textTemplates[0].text, "Second credits");

    // The four headings, each one line where the layout puts it, and every
    // line starting 50 updates after the one before.
    struct Heading { const char* text; float x, y, size; int alignment; };
    const Heading headings[] = {
        {"Thanks To:", 50, 90, 13, 0},
        {"Things That I Had In Mind When I Was Making This:", 50, 245, 13, 0},
        {"Bottom Line:", 50, 410, 13, 0},
        {"(Fade To Black)", 400, 520, 15, 1},
    };
    for (const Heading& heading : headings) {
        const BTextShadow* line = findLine(credits, heading.text);
        ASSERT_NE(line, nullptr) << heading.text;
        EXPECT_FLOAT_EQ(line->position.x, heading.x);
        EXPECT_FLOAT_EQ(line->position.y, heading.y);
        EXPECT_FLOAT_EQ(line->maxSize, heading.size);
        EXPECT_EQ(line->alignment, heading.alignment);
    }
    EXPECT_FLOAT_EQ(credits.front().position.y, 50.0f);
    EXPECT_EQ(credits.front().alignment, 1);
    for (std::size_t n = 0; n < credits.size(); ++n)
        EXPECT_EQ(credits[n].delay, 50 * static_cast<int>(n));
}

TEST_F(MenuCreditsTest, CreditsLinesStayOnTheScreenAndNeverOverlap)
{
    readScreens("(0)[0]{1}<credits>");
    const std::vector<BTextShadow>& credits = menus[0].textTemplates;
    ASSERT_GE(credits.size(), 11u);
    for (std::size_t n = 1; n < credits.size(); ++n) {
        const BTextShadow& above = credits[n - 1];
        EXPECT_GE(credits[n].position.y, above.position.y + above.maxSize)
            << "line " << n << " \"" << credits[n].text << "\"";
    }
    for (const BTextShadow& line : credits) {
        EXPECT_FALSE(line.text.empty());
        EXPECT_LE(line.position.y + line.maxSize, 600.0f);
        // Each line fits at its full size between the window edges.
        BText text = makeBText(line);
        text.reveal = 1.0f;
        EXPECT_FLOAT_EQ(text.characterSize(), line.maxSize) << line.text;
    }
}

TEST_F(MenuCreditsTest, LinesTypeInOneAfterAnotherAndStartAgainOnReopening)
{
    readScreens("(0)[0]{1}<start>(0)[1]{1}<credits>");
    openScreen(1);
    std::vector<BText>& lines = menus[1].texts;
    ASSERT_EQ(lines.size(), menus[1].textTemplates.size());

    // Line n starts after 50 n updates, just as line n - 1 is complete.
    runFrames(100);
    EXPECT_NEAR(lines[0].reveal, 1.0f, 1e-4f);
    EXPECT_NEAR(lines[1].reveal, 1.0f, 1e-4f);
    EXPECT_FLOAT_EQ(lines[2].reveal, 0.0f);
    runFrames(1);
    EXPECT_GT(lines[2].reveal, 0.0f);
    EXPECT_FLOAT_EQ(lines[3].reveal, 0.0f);

    // Leaving types out what was shown and drops the lines not yet begun.
    openScreen(0);
    runFrames(2);
    EXPECT_EQ(menus[1].texts.size(), 3u);
    runFrames(60);
    EXPECT_TRUE(menus[1].texts.empty());

    // Coming back starts again from the first line.
    openScreen(1);
    ASSERT_EQ(menus[1].texts.size(), menus[1].textTemplates.size());
    runFrames(51);
    EXPECT_GT(menus[1].texts[1].reveal, 0.0f);
    EXPECT_FLOAT_EQ(menus[1].texts[2].reveal, 0.0f);
    for (const BText& line : menus[1].texts)
        EXPECT_FALSE(line.hiding);
}

}  // namespace
