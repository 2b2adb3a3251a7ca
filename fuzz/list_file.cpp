// Feeds arbitrary bytes to the level and theme list reader: every entry it
// returns must be text that stood between '<' and '>' in the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "level/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& entry : parseListEntries(text)) {
        if (entry.find('>') != std::string::npos) std::abort();
        total += entry.size() + 2;
    }
    if (total > text.size()) std::abort();
    return 0;
}
