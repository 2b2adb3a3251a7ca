#pragma once

/// The client size a resize records. A height of 0 (a minimised window)
/// counts as 1 so that the aspect ratio stays finite.
struct ClientSize {
    int width = 0;
    int height = 0;
};

/// Records a new client size in `windowWidth` / `windowHeight` and returns
/// it. No GL; callable anywhere.
ClientSize recordClientSize(int width, int height);

/// Records the client size (pixels) and sets the viewport and the world's
/// perspective projection (45 degrees vertical, near 0.1, far 100), leaving
/// the model-view matrix selected and reset. Needs a current GL context.
void resizeViewport(int width, int height);
