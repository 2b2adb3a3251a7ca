// The GL tests' entry point: GoogleTest's own main. The hidden window and its
// context are made by GlFixture (gl_fixture.h) for the first test that needs
// them and shared by all that follow.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
