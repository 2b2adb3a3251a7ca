#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

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

/// The ten characters the record grammar reads as structure: ( ) { } [ ] : ; < >.
/// A text meant to be read back as written (a level's task, a theme name, a
/// menu line, the notes between records) may hold none of them; an entry
/// field for such a text refuses them as they are typed.
bool isRecordStructureCharacter(char c);

/// One place where a text in the record grammar does not read as written.
struct StructureFault {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    /// Offset of the opener of the pair the fault is in; kNone for a closer
    /// met outside every pair.
    std::size_t opener = kNone;
    /// Offset of the first structure character met inside that pair (the
    /// scanner cuts the text there), or of the closer outside every pair;
    /// kNone for a pair that is never closed and holds none.
    std::size_t at = kNone;
    bool operator==(const StructureFault&) const = default;
};

/// Where a text in the record grammar does not read as its author wrote it:
/// one fault per pair that holds a structure character (a ';' inside a
/// task, or a ':' in the notes that opens a pair swallowing what follows),
/// per closer outside every pair, and for a pair never closed. A well-formed
/// file gives none. Linear; pure.
std::vector<StructureFault> findMisreadStructure(std::string_view text);
