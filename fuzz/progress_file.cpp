// Feeds arbitrary bytes to the progress reader: the count is never negative,
// whatever the file holds, and a count written back reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "level/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int count = parseProgress(text);
    if (count < 0) std::abort();
    // Counts up to 2^24 survive the float reader exactly.
    if (count <= (1 << 24) && parseProgress(formatProgress(count)) != count) std::abort();
    return 0;
}
