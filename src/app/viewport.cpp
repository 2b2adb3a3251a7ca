#include "app/viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>


namespace {

int gDrawableWidth = 0;
int gDrawableHeight = 0;
PictureRect gPicture;

/// A rectangle from the top-left corner turned into GL's bottom-left one.
void scissorTo(int x, int y, int width, int height)
{
    glScissor(x, gDrawableHeight - y - height, width, height);
}

} // namespace

PictureRect recordDrawableSize(int width, int height)
{
    gDrawableWidth = width > 0 ? width : 0;
    gDrawableHeight = height > 0 ? height : 0;
    gPicture = fitPicture(gDrawableWidth, gDrawableHeight);
    return gPicture;
}

void drawableSize(int& width, int& height)
{
    width = gDrawableWidth;
    height = gDrawableHeight;
}

float pictureScale()
{
    if (gPicture.width <= 0) return 1.0f;
    return static_cast<float>(gPicture.width) / static_cast<float>(kLogicalWidth);
}

void resizeViewport(int width, int height)
{
    const PictureRect rect = recordDrawableSize(width, height);
    glViewport(rect.x, gDrawableHeight - rect.y - rect.height, rect.width, rect.height);
    scissorTo(rect.x, rect.y, rect.width, rect.height);
    glEnable(GL_SCISSOR_TEST);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(kLogicalWidth) / static_cast<double>(kLogicalHeight), 0.1, 100.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void clearPictureBars()
{
    const PictureRect& rect = gPicture;
    const bool sideBars = rect.width < gDrawableWidth;
    const bool topBars = rect.height < gDrawableHeight;
    if (!sideBars && !topBars) return;

    GLfloat clearColour[4] = {0, 0, 0, 0};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    if (sideBars) {
        scissorTo(0, 0, rect.x, gDrawableHeight);
        glClear(GL_COLOR_BUFFER_BIT);
        const int right = rect.x + rect.width;
        scissorTo(right, 0, gDrawableWidth - right, gDrawableHeight);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (topBars) {
        scissorTo(0, 0, gDrawableWidth, rect.y);
        glClear(GL_COLOR_BUFFER_BIT);
        const int bottom = rect.y + rect.height;
        scissorTo(0, bottom, gDrawableWidth, gDrawableHeight - bottom);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
    scissorTo(rect.x, rect.y, rect.width, rect.height);
}
