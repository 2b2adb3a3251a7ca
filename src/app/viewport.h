#pragma once

#include "app/picture_fit.h"

/// Records the drawable size of a new or resized window and returns where
/// the logical picture lands in it; the game lays out and maps the pointer
/// for the logical picture whatever the drawable. No GL; callable anywhere.
PictureRect recordDrawableSize(int width, int height);

/// The drawable size recorded last (0 x 0 before any window).
void drawableSize(int& width, int& height);

/// How many drawable pixels the picture gives each logical pixel (1 before
/// any window).
float pictureScale();

/// Records the drawable size (pixels), points the viewport at the picture's
/// place in it (scissored there, so a clear leaves the bars alone) and sets
/// the world's perspective projection for the logical picture (45 degrees
/// vertical, near 0.1, far 100), leaving the model-view matrix selected and
/// reset. Needs a current GL context.
void resizeViewport(int width, int height);

/// Clears the bars beside or above and below the picture to black. Call at
/// the start of every frame: a swap leaves the back buffer's bars undefined.
/// Needs a current GL context; keeps the clear colour and the scissor box.
void clearPictureBars();
