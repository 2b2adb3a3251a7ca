#pragma once

// Process-wide services of the platform layer: the clock, sleep and message
// boxes it installs, and its orderly end.

/// Installs the platform's tick count, sleep and message boxes, and turns
/// SIGTERM and SIGINT into the window's close request so that the game ends
/// the orderly way. Call once, first thing in the entry point.
void installPlatformServices();

/// Shuts the platform down; call last, after the window is destroyed.
void shutdownPlatform();
