#include <gtest/gtest.h>

#include "app/picture_fit.h"

namespace {

void expectRect(const PictureRect& r, int x, int y, int width, int height)
{
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

WindowGeometry plain(int width, int height)
{
    return {width, height, width, height};
}

} // namespace

TEST(PictureFit, LargestCentredPictureWithItsAspectKept)
{
    expectRect(fitPicture(800, 600), 0, 0, 800, 600);
    expectRect(fitPicture(1920, 1080), 240, 0, 1440, 1080);  // scale 1.8, bars left and right
    expectRect(fitPicture(1200, 700), 133, 0, 933, 700);     // odd bar split: the extra pixel right
    expectRect(fitPicture(640, 900), 0, 210, 640, 480);      // bars above and below
    expectRect(fitPicture(1600, 1200), 0, 0, 1600, 1200);
    // Rounding never makes the picture larger than the drawable.
    expectRect(fitPicture(801, 601), 0, 0, 801, 601);
    expectRect(fitPicture(3, 1), 1, 0, 1, 1);
    // A minimised window has nothing to draw into.
    expectRect(fitPicture(0, 600), 0, 0, 0, 0);
    expectRect(fitPicture(800, -5), 0, 0, 0, 0);
}

TEST(PictureFit, WindowPointsMapToLogicalPixelsAndClampToThePictureEdge)
{
    // At the logical size the mapping is the identity.
    for (int x : {0, 1, 399, 799}) EXPECT_EQ(windowToLogical(x, 0, plain(800, 600)).x, x);
    EXPECT_EQ(windowToLogical(0, 599, plain(800, 600)).y, 599);

    // Full screen at 1920 x 1080: the picture spans x 240..1679.
    const WindowGeometry screen = plain(1920, 1080);
    EXPECT_EQ(windowToLogical(960, 540, screen).x, 400);
    EXPECT_EQ(windowToLogical(960, 540, screen).y, 300);
    EXPECT_EQ(windowToLogical(240, 0, screen).x, 0);
    EXPECT_EQ(windowToLogical(1679, 1079, screen).x, 799);
    EXPECT_EQ(windowToLogical(1679, 1079, screen).y, 599);
    // Over the bars: the nearest edge, never a position off the picture.
    EXPECT_EQ(windowToLogical(100, 540, screen).x, 0);
    EXPECT_EQ(windowToLogical(1900, 540, screen).x, 799);

    // Beyond the window altogether (a drag held outside it).
    const LogicalPoint far = windowToLogical(-50, 70000, plain(800, 600));
    EXPECT_EQ(far.x, 0);
    EXPECT_EQ(far.y, 599);

    // Bars above and below in a tall window.
    EXPECT_EQ(windowToLogical(320, 209, plain(640, 900)).y, 0);
    EXPECT_EQ(windowToLogical(320, 450, plain(640, 900)).y, 300);
    EXPECT_EQ(windowToLogical(320, 690, plain(640, 900)).y, 599);
}

TEST(PictureFit, HighDensityWindowsMapPointsThroughTheDrawable)
{
    // An 800 x 600 point window with a 1600 x 1200 pixel drawable: the
    // picture fills it at twice the size, and points map as at the logical size.
    const WindowGeometry dense{800, 600, 1600, 1200};
    EXPECT_EQ(windowToLogical(400, 300, dense).x, 400);
    EXPECT_EQ(windowToLogical(799, 599, dense).y, 599);
    // A maximised dense window with bars: 960 x 540 points, 1920 x 1080 pixels.
    const WindowGeometry wide{960, 540, 1920, 1080};
    EXPECT_EQ(windowToLogical(480, 270, wide).x, 400);
    EXPECT_EQ(windowToLogical(120, 0, wide).x, 0);
    EXPECT_EQ(windowToLogical(119, 0, wide).x, 0);
    EXPECT_EQ(windowToLogical(839, 539, wide).x, 799);
    // A window with no size yet maps everything to the corner, not to a crash.
    EXPECT_EQ(windowToLogical(5, 5, WindowGeometry{0, 0, 0, 0}).x, 0);
}
