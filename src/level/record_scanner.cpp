#include "level/record_scanner.h"

#include <string>

#include "level/number_reader.h"

namespace {

// The five bracket pairs, in the order the flags are kept.
enum Pair { kSection, kField, kIndex, kSubIndex, kValue, kPairCount };

int closerPair(char c)
{
    switch (c) {
    case ')': return kSection;
    case '}': return kField;
    case ']': return kIndex;
    case ';': return kSubIndex;
    default: return -1;
    }
}

int openerPair(char c)
{
    switch (c) {
    case '(': return kSection;
    case '{': return kField;
    case '[': return kIndex;
    case ':': return kSubIndex;
    case '<': return kValue;
    default: return -1;
    }
}

int& selector(RecordPosition& at, int pair)
{
    switch (pair) {
    case kSection: return at.section;
    case kField: return at.field;
    case kIndex: return at.index;
    default: return at.subIndex;
    }
}

} // namespace

void scanRecords(std::string_view text, const RecordCallback& onValue)
{
    RecordPosition at;
    bool open[kPairCount] = {};
    std::string token;

    for (char c : text) {
        // A closer of a selector pair sets its number from the token.
        if (int pair = closerPair(c); pair >= 0) {
            open[pair] = false;
            selector(at, pair) = parseInteger(token);
            token.clear();
        }
        // '>' stores the token, even when no '<' was open.
        if (c == '>') {
            open[kValue] = false;
            onValue(at, token);
            token.clear();
        }
        // While any pair is still open the character is part of the token,
        // brackets included.
        bool anyOpen = false;
        for (bool o : open) anyOpen = anyOpen || o;
        if (anyOpen) token += c;
        if (int pair = openerPair(c); pair >= 0) open[pair] = true;
    }
}
