#include "app/clock.h"

#include <chrono>
#include <thread>

namespace {

std::uint32_t steadyTicks()
{
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

void threadSleep(std::uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TickSource gTickSource = steadyTicks;
SleepSink gSleepSink = threadSleep;

} // namespace

std::uint32_t tickCount()
{
    return gTickSource();
}

void setTickSource(TickSource source)
{
    gTickSource = source ? source : steadyTicks;
}

TickSource tickSource()
{
    return gTickSource;
}

void sleepMs(std::uint32_t ms)
{
    gSleepSink(ms);
}

void setSleepSink(SleepSink sink)
{
    gSleepSink = sink ? sink : threadSleep;
}
