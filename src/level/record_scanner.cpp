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

bool isRecordStructureCharacter(char c)
{
    return closerPair(c) >= 0 || openerPair(c) >= 0 || c == '>';
}

std::vector<StructureFault> findMisreadStructure(std::string_view text)
{
    // A pair is open from its opener to its own closer; the grammar allows
    // nothing structural in between, and no closer outside a pair.
    std::vector<StructureFault> found;
    char closer = 0;
    StructureFault pair;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!isRecordStructureCharacter(c)) continue;
        if (closer != 0) {
            if (c == closer) {
                closer = 0;
                if (pair.at != StructureFault::kNone) found.push_back(pair);
            } else if (pair.at == StructureFault::kNone) {
                pair.at = i;
            }
            continue;
        }
        pair = StructureFault{i, StructureFault::kNone};
        switch (c) {
        case '(': closer = ')'; break;
        case '{': closer = '}'; break;
        case '[': closer = ']'; break;
        case ':': closer = ';'; break;
        case '<': closer = '>'; break;
        default: found.push_back(StructureFault{StructureFault::kNone, i}); break;  // a closer with no opener
        }
    }
    // A pair never closed swallowed the rest of the text.
    if (closer != 0) found.push_back(pair);
    return found;
}
