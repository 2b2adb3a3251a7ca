#pragma once

#include <cstdint>

/// The game's time unit: one frame step is 10 ms.
constexpr std::uint32_t kTickUnitMs = 10;

/// The frame time of a frame starting at tick `now` after one that started at
/// `last` (milliseconds, wrapping like 32-bit unsigned values): the elapsed
/// milliseconds divided by 10 in unsigned integers, capped at 1.0. It is
/// therefore 0.0 (under 10 ms) or 1.0 (10 ms or more, however long).
float frameDt(std::uint32_t now, std::uint32_t last);

/// Milliseconds to sleep before a frame may start at tick `now`, so that
/// frames start no sooner than 10 ms after the previous start `last`. Without
/// it a fast display, or one with no vertical sync, would run every frame with
/// a frame time of 0 and the world would never move.
std::uint32_t framePaceWait(std::uint32_t now, std::uint32_t last);
