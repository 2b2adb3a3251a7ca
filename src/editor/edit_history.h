#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

/// The editor's undo and redo: whole states of the editor, each as one string
/// of bytes, kept before every change. Bounded twice: by a number of steps
/// and by the bytes all kept states take together; past either bound the
/// oldest steps go first (the newest one always stays). Each state carries a
/// number, so the editor can tell whether the state it shows is the one it
/// last saved, also after going back and forth; a step that only changed
/// the selection keeps the number, as the level it shows is the same.
class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 256;
    static constexpr std::size_t kMaxBytes = std::size_t{48} << 20;

    explicit EditHistory(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes)
        : maxSteps(maxSteps), maxBytes(maxBytes)
    {
    }

    /// A change has just been made; before is the state it started from. The
    /// redo steps are dropped: they led somewhere else. A change that left
    /// the level as it was (changesLevel false) keeps the state's number.
    void record(std::string before, bool changesLevel = true);

    /// The state to go back to, given the state shown now (kept for redo);
    /// nothing when there is no step to undo.
    std::optional<std::string> undo(std::string current);
    /// The reverse of the last undo; nothing when there is none.
    std::optional<std::string> redo(std::string current);

    /// Forgets every step (a new world the author cannot go back from).
    void clear();

    std::size_t undoSteps() const { return undoStack.size(); }
    std::size_t redoSteps() const { return redoStack.size(); }
    /// Bytes held by every kept state.
    std::size_t bytes() const { return heldBytes; }

    /// The number of the state shown now; changed by record, undo and redo.
    unsigned currentState() const { return current; }

private:
    struct Step {
        std::string state;
        unsigned number = 0;
    };

    void trim();

    std::size_t maxSteps;
    std::size_t maxBytes;
    std::deque<Step> undoStack;   ///< oldest first
    std::vector<Step> redoStack;  ///< the next redo last
    std::size_t heldBytes = 0;
    unsigned current = 0;
    unsigned lastNumber = 0;
};
