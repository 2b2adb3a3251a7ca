// The platform's event table: every SDL event it turns into a window message,
// and what the window procedure then makes of it.
#include <gtest/gtest.h>

#include <cstring>

#include "input/input.h"
#include "platform/event_table.h"
#include "unit/fresh_shell.h"

namespace {

SDL_Event windowEvent(SDL_WindowEventID id, int data1 = 0, int data2 = 0)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = static_cast<Uint8>(id);
    e.window.data1 = data1;
    e.window.data2 = data2;
    return e;
}

SDL_Event ofType(Uint32 type)
{
    SDL_Event e{};
    e.type = type;
    return e;
}

SDL_Event motion(int x, int y)
{
    SDL_Event e = ofType(SDL_MOUSEMOTION);
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

SDL_Event button(Uint32 type, Uint8 which)
{
    SDL_Event e = ofType(type);
    e.button.button = which;
    return e;
}

SDL_Event key(Uint32 type, SDL_Keycode sym)
{
    SDL_Event e = ofType(type);
    e.key.keysym.sym = sym;
    return e;
}

class EventTableTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppGlobals(); }
    void TearDown() override { resetAppGlobals(); }

    /// Translates and hands the message to the window procedure, as a pass
    /// of the main loop does.
    WindowMessage feed(const SDL_Event& event)
    {
        const WindowMessage message = table.translate(event, geometry);
        windowProc(message, input, view);
        return message;
    }

    EventTable table;
    View view;
    Input input;
    MouseState& mouse = input.mouse;
    WindowGeometry geometry{800, 600, 800, 600};
};

} // namespace

TEST_F(EventTableTest, EachEventBecomesItsMessage)
{
    EXPECT_EQ(table.translate(ofType(SDL_QUIT), geometry).kind, MessageKind::Close);
    EXPECT_EQ(table.translate(windowEvent(SDL_WINDOWEVENT_CLOSE), geometry).kind, MessageKind::Close);
    // Only the window's own close box may be refused for unsaved work.
    EXPECT_TRUE(table.translate(windowEvent(SDL_WINDOWEVENT_CLOSE), geometry).byPlayer);
    EXPECT_FALSE(table.translate(ofType(SDL_QUIT), geometry).byPlayer);

    WindowMessage m = table.translate(key(SDL_KEYDOWN, SDLK_F1), geometry);
    EXPECT_EQ(m.kind, MessageKind::KeyDown);
    EXPECT_EQ(m.key, kVkF1);
    m = table.translate(key(SDL_KEYUP, SDLK_a), geometry);
    EXPECT_EQ(m.kind, MessageKind::KeyUp);
    EXPECT_EQ(m.key, kVkA);
    // A key the game has no code for, and buttons other than the left one.
    EXPECT_EQ(table.translate(key(SDL_KEYDOWN, SDLK_AUDIOPLAY), geometry).kind, MessageKind::Other);
    EXPECT_EQ(table.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), geometry).kind, MessageKind::LButtonDown);
    EXPECT_EQ(table.translate(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), geometry).kind, MessageKind::LButtonUp);
    EXPECT_EQ(table.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), geometry).kind, MessageKind::Other);
    // The wheel counts notches away from the player, whichever way the
    // system's natural scrolling turns them.
    SDL_Event wheel = ofType(SDL_MOUSEWHEEL);
    wheel.wheel.y = -2;
    m = table.translate(wheel, geometry);
    EXPECT_EQ(m.kind, MessageKind::MouseWheel);
    EXPECT_EQ(m.wheel, -2);
    wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(table.translate(wheel, geometry).wheel, 2);
    EXPECT_EQ(table.translate(windowEvent(SDL_WINDOWEVENT_EXPOSED), geometry).kind, MessageKind::Other);

    // Typed text comes beside its keys, its bytes in order, at most four.
    SDL_Event text = ofType(SDL_TEXTINPUT);
    std::strcpy(text.text.text, "ab\xc3\xa9!");
    m = table.translate(text, geometry);
    EXPECT_EQ(m.kind, MessageKind::TypedText);
    EXPECT_EQ(std::string(m.text), "ab\xc3\xa9");

    // A resize reports the drawable, which on a dense display is larger
    // than the window's size in points that the event carries.
    geometry = {1200, 700, 2400, 1400};
    m = table.translate(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 1200, 700), geometry);
    EXPECT_EQ(m.kind, MessageKind::Size);
    EXPECT_EQ(m.width, 2400);
    EXPECT_EQ(m.height, 1400);
}

TEST_F(EventTableTest, MousePositionsArriveAsLogicalPixelsClampedToThePicture)
{
    // Full screen at 1920 x 1080: the centre of the screen is the centre of
    // the picture.
    geometry = {1920, 1080, 1920, 1080};
    feed(motion(960, 540));
    EXPECT_EQ(mouse.x, 400);
    EXPECT_EQ(mouse.y, 300);

    // A drag that leaves the window: SDL keeps reporting the pointer beyond
    // the edge. It stops at the edge instead of wrapping to the far side.
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    feed(motion(-50, 540));
    EXPECT_EQ(mouse.x, 0);
    EXPECT_EQ(mouse.y, 300);
    const Vector2D leftEdge = mouse.world;
    feed(motion(-70000, -3));
    EXPECT_EQ(mouse.x, 0);
    EXPECT_EQ(mouse.y, 0);
    EXPECT_EQ(mouse.world.x, leftEdge.x);
    feed(motion(5000, 99999));
    EXPECT_EQ(mouse.x, 799);
    EXPECT_EQ(mouse.y, 599);
    EXPECT_TRUE(mouse.leftDown);
}

TEST_F(EventTableTest, MinimisedWindowIsInactiveWhateverTheEventOrder)
{
    // Minimised, then the focus goes (the usual order)...
    feed(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    feed(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_FALSE(windowActive);
    // ...or the focus comes back while still minimised.
    feed(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_FALSE(windowActive);
    EXPECT_TRUE(table.minimised());
    feed(windowEvent(SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(windowActive);

    // The focus lost first, then minimised.
    feed(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_TRUE(windowActive);  // behind other windows the game runs on
    feed(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_FALSE(windowActive);
    feed(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_FALSE(windowActive);

    // Hidden counts as minimised; shown or maximised again, it runs.
    feed(windowEvent(SDL_WINDOWEVENT_MAXIMIZED));
    EXPECT_TRUE(windowActive);
    feed(windowEvent(SDL_WINDOWEVENT_HIDDEN));
    feed(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_FALSE(windowActive);
    feed(windowEvent(SDL_WINDOWEVENT_SHOWN));
    EXPECT_TRUE(windowActive);
}
