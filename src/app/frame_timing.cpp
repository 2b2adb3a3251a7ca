#include "app/frame_timing.h"

#include <cmath>

void UpdateClock::restart(std::uint32_t now)
{
    last_ = now;
    owedMs_ = 0;
}

int UpdateClock::advance(std::uint32_t now)
{
    // Unsigned subtraction keeps the count right across the 32-bit wrap.
    const std::uint32_t elapsed = now - last_;
    last_ = now;
    countedMs_ += elapsed;
    const std::uint64_t owed = static_cast<std::uint64_t>(owedMs_) + elapsed;
    std::uint64_t due = owed / kTickUnitMs;
    owedMs_ = static_cast<std::uint32_t>(owed % kTickUnitMs);
    if (due > static_cast<std::uint64_t>(kMaxUpdatesPerFrame)) {
        droppedMs_ += (due - kMaxUpdatesPerFrame) * kTickUnitMs;
        due = kMaxUpdatesPerFrame;
    }
    updates_ += due;
    return static_cast<int>(due);
}

void FramePacer::restart(int hz)
{
    *this = FramePacer();
    periodMs_ = 1000.0 / (hz > 0 ? hz : 60);
}

std::uint32_t FramePacer::waitBeforeFrame(std::uint32_t now) const
{
    if (!pacing_) return 0;
    const double left = nextDue_ - static_cast<double>(now - lastStart_);
    return left > 0.0 ? static_cast<std::uint32_t>(std::ceil(left)) : 0;
}

void FramePacer::frameStarted(std::uint32_t now)
{
    const std::uint32_t period = now - lastStart_;
    const bool first = !started_;
    started_ = true;
    lastStart_ = now;
    if (first) return;

    if (pacing_) {
        // Due one refresh after the last due time, so the rate holds on
        // average; after a frame later than a whole refresh, one from now.
        const double late = static_cast<double>(period) - nextDue_;
        nextDue_ = late > periodMs_ ? periodMs_ : periodMs_ - late;
        return;
    }
    periods_[sampled_ % kPeriodSamples] = period;
    ++sampled_;
    if (sampled_ < kPeriodSamples) return;
    int quick = 0;
    for (std::uint32_t p : periods_) quick += static_cast<double>(p) < 0.75 * periodMs_ ? 1 : 0;
    if (quick > kPeriodSamples / 2) {
        pacing_ = true;
        nextDue_ = periodMs_;
    }
}
