#pragma once

#include <functional>
#include <string_view>

/// Where a value of the bracketed record grammar is stored. The scanner only
/// tracks these four numbers; what they mean is up to the reader (a level
/// file, the menu description).
struct RecordPosition {
    int section = 1;   ///< set by "(n)"
    int field = 1;     ///< set by "{n}"
    int index = 0;     ///< element index, set by "[n]"
    int subIndex = 0;  ///< part within an element, set by ":n;"
};

/// Called once for every value closed by '>', with the position in force at
/// that moment and the raw text collected since the last opener or closer.
using RecordCallback = std::function<void(const RecordPosition& at, std::string_view value)>;

/// Walks the record grammar: "(n)" section, "{n}" field, "[n]" index,
/// ":n;" sub-index, "<text>" value. The numbers inside the four selector pairs
/// are read with parseInteger. Text outside the pairs is ignored. Each
/// character goes through four tests in a fixed order (closer, '>', collect
/// while any pair is open, opener), so bracket characters met inside an open
/// pair become part of the token, and a closer inside a value cuts it there;
/// stored files rely on that behaviour. Starts at section 1, field 1, index 0,
/// sub-index 0. Linear in the length of the text; never fails.
void scanRecords(std::string_view text, const RecordCallback& onValue);
