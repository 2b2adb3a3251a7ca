#pragma once

#include <cstdint>

/// The game's time unit: one update stands for 10 ms of wall time.
constexpr std::uint32_t kTickUnitMs = 10;
/// Most updates one frame may run to catch up; time beyond them is dropped.
constexpr int kMaxUpdatesPerFrame = 8;

/// Game time at a fixed step: the milliseconds that pass are added up, and
/// one update is due for every 10 ms of them, whatever the frame rate; the
/// rest waits for the next frame. A gap longer than kMaxUpdatesPerFrame
/// updates (a stalled machine, a debugger stop) is dropped, never replayed
/// as a burst. Ticks wrap like 32-bit unsigned values.
class UpdateClock {
public:
    /// Counts from `now` with nothing owed: at start, and after time away
    /// (a minimised window, a new window) that the game should not replay.
    void restart(std::uint32_t now);

    /// Adds the time since the last call and returns the updates now due
    /// (0 to kMaxUpdatesPerFrame), taking them from the sum.
    int advance(std::uint32_t now);

    /// How much of the next update has already elapsed, 0 to below 1: where
    /// drawing stands between the last two updates.
    float fraction() const { return static_cast<float>(owedMs_) / static_cast<float>(kTickUnitMs); }

    /// Milliseconds counted since the first restart, and how many of them
    /// were dropped by the cap; updates handed out. Time between a restart
    /// and the call before it is not counted at all.
    std::uint64_t countedMs() const { return countedMs_; }
    std::uint64_t droppedMs() const { return droppedMs_; }
    std::uint64_t updates() const { return updates_; }

private:
    std::uint32_t last_ = 0;
    std::uint32_t owedMs_ = 0;  ///< below kTickUnitMs after every advance
    std::uint64_t countedMs_ = 0;
    std::uint64_t droppedMs_ = 0;
    std::uint64_t updates_ = 0;
};

/// Keeps frames to the display's rate where the buffer swap does not wait
/// for it. Vertical sync is asked for, but a driver may accept and still
/// return at once (a software renderer, a virtual display): then frames
/// would come as fast as they can be drawn. The pacer trusts the swap until
/// the frames show otherwise (most of the last kPeriodSamples frames closer
/// than three quarters of a refresh), then sleeps out the rest of each
/// refresh before the next frame. It never paces a swap that waits, which
/// would halve the frame rate.
class FramePacer {
public:
    static constexpr int kPeriodSamples = 16;

    /// A new window on a display of `hz` refreshes a second (60 when 0 or
    /// less, unknown): the swap is trusted again.
    void restart(int hz);

    /// Milliseconds still to wait before the next frame may start at `now`.
    std::uint32_t waitBeforeFrame(std::uint32_t now) const;

    /// A frame starts at `now`.
    void frameStarted(std::uint32_t now);

    /// Whether the game sleeps between frames (the swap was found not to wait).
    bool pacing() const { return pacing_; }
    double periodMs() const { return periodMs_; }

private:
    double periodMs_ = 1000.0 / 60.0;
    bool pacing_ = false;
    bool started_ = false;
    std::uint32_t lastStart_ = 0;
    double nextDue_ = 0.0;  ///< ticks, unwrapped from lastStart_
    std::uint32_t periods_[kPeriodSamples] = {};
    int sampled_ = 0;
};
