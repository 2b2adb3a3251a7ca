// Drawing a frame changes nothing the game keeps: the same frame drawn twice,
// or at another point between two updates, leaves the world, the camera and
// the play mode exactly as they were.
#include <string>

#include "app/globals.h"
#include "input/input.h"
#include "editor/world_snapshot.h"
#include "game/shell.h"
#include "gl_fixture.h"

namespace {

/// Everything of the play mode a drawing could have moved, bit for bit.
std::string playState(const Shell& shell)
{
    const PlayMenu& play = shell.play;
    // The triangles' picture mappings are left out: they are jittered at
    // random when a level is built, and no drawing writes them.
    std::string state = captureWorld(play.world, play.marks, TriangleMappings{});
    auto add = [&state](const void* bytes, std::size_t size) { state.append(static_cast<const char*>(bytes), size); };
    add(&shell.view.cameraOffset, sizeof shell.view.cameraOffset);
    add(&play.fade, sizeof play.fade);
    add(&play.introShade, sizeof play.introShade);
    add(&play.viewPending, sizeof play.viewPending);
    add(&play.placing, sizeof play.placing);
    for (const BText& text : play.introTexts) add(&text.reveal, sizeof text.reveal);
    return state;
}

}  // namespace

class FrameDrawingTest : public GlFixture {};

TEST_F(FrameDrawingTest, DrawingAFrameTwiceChangesNoGameState)
{
    auto shell = std::make_unique<Shell>();
    ASSERT_TRUE(shell->playLevelFile(std::string(TANGLOOP_SOURCE_DIR) + "/data/levels/Bridge.txt", "Bridge", -1));
    // Before the first update (the start view still to be applied), while
    // placing, and during a try with the camera following the ball.
    const std::string pending = playState(*shell);
    shell->draw(0.5f);
    shell->draw(0.5f);
    EXPECT_EQ(playState(*shell), pending);

    for (int i = 0; i < 20; ++i) shell->update(1.0f);
    shell->input.keysPressed[kVkSpace] = true;  // "Try it out"
    shell->update(1.0f);
    shell->input.seenByUpdate();
    for (int i = 0; i < 40; ++i) shell->update(1.0f);
    ASSERT_FALSE(shell->play.placing);

    const std::string trying = playState(*shell);
    shell->draw(0.25f);
    shell->draw(0.25f);
    shell->draw(1.0f);
    EXPECT_EQ(playState(*shell), trying);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
