#include <gtest/gtest.h>

#include "app/view.h"

// The wheel's zoom: the world point under the pointer stays under it, the
// steps stop at the first one that shows the whole area, and at the start
// view's zoom the pointer maps exactly as it always did.
TEST(ViewZoom, KeepsThePointUnderThePointerAndStopsAtTheWholeArea)
{
    View view;
    view.cameraOffset = Vector2D(1.0f, 0.5f);
    const Vector2D before = view.toWorld(650, 120);
    EXPECT_FALSE(view.zoomBy(+1, before, 10.0f)) << "already at the start view's zoom";

    ASSERT_TRUE(view.zoomBy(-1, before, 10.0f));
    EXPECT_FLOAT_EQ(view.zoomOut, 1.5f);
    const Vector2D after = view.toWorld(650, 120);
    EXPECT_NEAR(after.x, before.x, 1e-4f);
    EXPECT_NEAR(after.y, before.y, 1e-4f);
    const Vector2D drawn = view.toPicture(before);
    EXPECT_NEAR(drawn.x, 650.0f, 0.01f);
    EXPECT_NEAR(drawn.y, 120.0f, 0.01f);

    // Needing 2.5 times the view: 3 is the widest step, however far the wheel turns.
    EXPECT_TRUE(view.zoomBy(-10, before, 2.5f));
    EXPECT_FLOAT_EQ(view.zoomOut, 3.0f);
    EXPECT_FALSE(view.zoomBy(-1, before, 2.5f));

    ASSERT_TRUE(view.zoomBy(+10, before, 2.5f));
    EXPECT_FLOAT_EQ(view.zoomOut, 1.0f);
    View fresh;
    fresh.cameraOffset = view.cameraOffset;
    EXPECT_EQ(view.toWorld(123, 456).x, fresh.toWorld(123, 456).x);
    EXPECT_EQ(view.toWorld(123, 456).y, fresh.toWorld(123, 456).y);
}
