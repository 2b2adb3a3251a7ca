#include "app/frame_timing.h"

float frameDt(std::uint32_t now, std::uint32_t last)
{
    // Unsigned subtraction keeps the count right across the 32-bit wrap.
    const std::uint32_t units = (now - last) / kTickUnitMs;
    float dt = static_cast<float>(units);
    if (dt > 1.0f) dt = 1.0f;
    return dt;
}

std::uint32_t framePaceWait(std::uint32_t now, std::uint32_t last)
{
    const std::uint32_t elapsed = now - last;
    return elapsed < kTickUnitMs ? kTickUnitMs - elapsed : 0;
}
