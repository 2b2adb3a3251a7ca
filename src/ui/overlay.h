#pragma once

#include "app/view.h"

/// Switching between the two drawing spaces of the game: the world, seen
/// through the perspective view and shifted by the camera, and a pixel
/// overlay for menus, widgets and text (x right, y down, from the top-left
/// corner of the client area). Every function here issues GL calls and may
/// only be called from drawing code with a current GL context.

/// The view the picture now drawn is seen through, until the next call: the
/// shell hands it over at the start of every picture. World drawing is
/// placed through its camera, the overlay spans its logical picture.
void useView(const View& view);
/// The view handed to useView last (a default View before any).
const View& drawingView();

/// True while the pixel projection is pushed on the projection stack.
bool inOverlay();

/// Pushes the pixel projection (the logical picture, y down) and
/// enters overlay mode. Calling it again while in overlay mode does nothing, so
/// callers that need pixel space just call it without ending it afterwards.
void beginOverlay();

/// Pops the pixel projection and leaves overlay mode; does nothing outside
/// overlay mode. World drawing calls it first.
void endOverlay();

/// Loads the identity model-view matrix and moves the origin to (x, y):
/// pixels in overlay mode, world units (shifted by the drawing view's
/// camera, at kCameraDepth) otherwise. Later vertices of the caller are relative to it.
void placeAt(float x, float y);

/// Draws the outline of a width x height rectangle from the current origin
/// in the current colour.
void drawOutlineRect(float width, float height);

/// Multiplies the frame inside the rectangle at (x, y) of the given width and
/// height (current units) by shade: 1 leaves it unchanged, 0 makes it black.
/// Leaves blending on, texturing off and the blend function at
/// source alpha / one.
void drawShadeRect(float x, float y, float width, float height, float shade);
