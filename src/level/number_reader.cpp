#include "level/number_reader.h"

#include <climits>
#include <cmath>

namespace {

struct Digits {
    float value = 0.0f;
    bool any = false;
    bool negative = false;
};

// Accumulates every decimal digit of the text from the left into a 32-bit
// float, ignoring everything else; a '-' anywhere marks the result negative.
Digits accumulateDigits(std::string_view text)
{
    Digits d;
    for (char c : text) {
        if (c == '-') d.negative = true;
        if (c < '0' || c > '9') continue;
        d.value = d.value * 10.0f + static_cast<float>(c - '0');
        d.any = true;
    }
    return d;
}

} // namespace

float parseNumber(std::string_view text)
{
    if (text.empty()) return -1.0f;
    if (text.find('e') != std::string_view::npos) return 0.0f;

    // Decimals are counted on the raw text, before anything is removed, so a
    // trailing space or letter after the point still counts as a place.
    std::size_t point = text.find('.');
    std::size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;

    Digits d = accumulateDigits(text);
    if (!d.any) return -1.0f;
    float value = d.value;
    if (d.negative) value *= -1.0f;

    // One product per decimal place, each taken in double and rounded back to
    // a 32-bit float. Once the value is 0 (or infinite) it can no longer
    // change, so a long tail is not walked to the end.
    for (std::size_t i = 0; i < decimals; ++i) {
        if (value == 0.0f || std::isinf(value)) break;
        value = static_cast<float>(static_cast<double>(value) * 0.1);
    }
    return value;
}

int parseInteger(std::string_view text)
{
    if (text.empty()) return -1;
    Digits d = accumulateDigits(text);
    if (!d.any) return -1;
    float value = d.value;
    if (d.negative) value *= -1.0f;
    return truncateToInt(value);
}

int truncateToInt(float value)
{
    // 2^31 is exactly representable; anything at or beyond it would make the
    // conversion undefined.
    if (value >= 2147483648.0f) return INT_MAX;
    if (value <= -2147483648.0f) return INT_MIN;
    if (value != value) return 0;
    return static_cast<int>(value);
}

std::optional<int> parseCount(std::string_view text, int max)
{
    if (text.empty() || text.size() > 9) return std::nullopt;  // nine digits cannot overflow an int
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > max) return std::nullopt;
    return value;
}
