#include "menu/credits.h"

#include <algorithm>

namespace {

struct CreditsBlock {
    Vector2D position;  ///< overlay pixels
    float wrapWidth;    ///< pixels; with maxSize gives the characters per line
    float maxSize;
    int alignment;      ///< 1 centres each line on position.x
    const char* text;
};

// The credits, top to bottom. The headings are short enough for one line;
// the other blocks are sized to fit their lines between the headings.
const CreditsBlock kCreditsBlocks[] = {
    {{400, 50}, 600, 15, 1, "For everyone who plays this"},
    {{50, 90}, 700, 13, 0, "Thanks To:"},
    {{75, 110}, 700, 13, 0,
     "You, the player: the thought of someone tying ropes across these gaps "
     "gave me the will to start this game, and the will to finish it."},
    {{75, 160}, 700, 13, 0,
     "The people behind SDL and Mesa, who give a small game its window, its "
     "keyboard, its mouse and a way to draw on almost any machine, freely and in "
     "the open. Without them there would be nothing here to look at."},
    {{75, 220}, 700, 13, 0, "FreeType and the DejaVu fonts, for every letter."},
    {{50, 245}, 700, 13, 0, "Things That I Had In Mind When I Was Making This:"},
    {{75, 265}, 700, 13, 0,
     "You, holding the mouse right now. I wanted a game that asks for a little "
     "patience and gives back a small, honest joy: a rope pulled tight, a ball "
     "that almost makes it, and a second try that does. Every level was built "
     "with you in mind, and every knot was tied in the hope that it would make "
     "you smile for a moment. So this game is yours: it is dedicated to you, "
     "whoever and wherever you are."},
    {{75, 375}, 700, 13, 0,
     "Once this is done, I am taking a very long holiday. Maybe two."},
    {{50, 410}, 700, 13, 0, "Bottom Line:"},
    {{75, 425}, 700, 13, 0,
     "Enjoy the game, share it with a friend, and when you put the mouse down, "
     "go and leave the world a little better than you found it, one knot at a "
     "time. Peace and love to all of you."},
    {{400, 520}, 600, 15, 1, "(Fade To Black)"},
};

}  // namespace

void addTextBlock(std::vector<BTextShadow>& templates, Vector2D position, float wrapWidth,
                  const std::string& text, float maxSize, int alignment)
{
    // A line is full once it holds wrapWidth / maxSize characters; at least
    // one character always fits, whatever the caller passes.
    const float limit = std::max(wrapWidth / maxSize, 1.0f);
    int lineNumber = 0;
    std::string line;

    auto emitLine = [&]() {
        BTextShadow shadow;
        shadow.text = line;
        shadow.position = position + Vector2D(0.0f, static_cast<float>(lineNumber) * maxSize);
        shadow.delay = kCreditsLineDelay * static_cast<int>(templates.size());
        shadow.maxSize = maxSize;
        shadow.alignment = alignment;
        templates.push_back(shadow);
        ++lineNumber;
        line.clear();
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<float>(line.size()) >= limit) {
            const std::size_t space = line.rfind(' ');
            if (space != std::string::npos) {
                // Cut at the last space and read the cut-off word again, so
                // that it starts the next line.
                const std::size_t removed = line.size() - space;
                line.erase(space);
                i -= removed;
                emitLine();
                continue;
            }
            // A word longer than a whole line: break it here.
            emitLine();
        }
        line += text[i];
    }
    emitLine();
}

void setUpCredits(std::vector<Menu>& screens)
{
    auto credits = std::find_if(screens.begin(), screens.end(),
                                [](const Menu& screen) { return screen.name == kCreditsScreenName; });
    if (credits == screens.end())
        return;

    credits->textTemplates.clear();
    for (const CreditsBlock& block : kCreditsBlocks)
        addTextBlock(credits->textTemplates, block.position, block.wrapWidth, block.text,
                     block.maxSize, block.alignment);
}
