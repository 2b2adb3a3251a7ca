#pragma once

#include <cstdint>

/// Millisecond tick count, wrapping like a 32-bit unsigned value.
/// The platform layer installs its source; tests install their own.
std::uint32_t tickCount();
using TickSource = std::uint32_t (*)();
void setTickSource(TickSource source);
/// The source installed now, so that a tool can wrap it.
TickSource tickSource();

/// Sleeps the calling thread; a no-op source can be installed by tests.
void sleepMs(std::uint32_t ms);
using SleepSink = void (*)(std::uint32_t);
void setSleepSink(SleepSink sink);
