#pragma once

// Process-wide services of the platform layer (app/platform_services.cpp).

/// Installs the platform's tick count, sleep and message boxes, and turns
/// SIGTERM and SIGINT into the window's close request so that the game ends
/// the orderly way. Call once, first thing in the entry point.
void installPlatformServices();

/// Shuts the platform down; call last, after the window is destroyed.
void shutdownPlatform();

/// Marks a termination request as if a signal had arrived; the next message
/// taken is the close request. Async-signal-safe.
void requestTermination();
