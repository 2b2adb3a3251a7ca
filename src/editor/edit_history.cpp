#include "editor/edit_history.h"

#include <utility>

void EditHistory::record(std::string before, bool changesLevel)
{
    for (const Step& step : redoStack) heldBytes -= step.state.size();
    redoStack.clear();
    heldBytes += before.size();
    undoStack.push_back(Step{std::move(before), current});
    if (changesLevel) current = ++lastNumber;
    trim();
}

std::optional<std::string> EditHistory::undo(std::string shown)
{
    if (undoStack.empty()) return std::nullopt;
    Step back = std::move(undoStack.back());
    undoStack.pop_back();
    heldBytes -= back.state.size();
    heldBytes += shown.size();
    redoStack.push_back(Step{std::move(shown), current});
    current = back.number;
    trim();
    return std::move(back.state);
}

std::optional<std::string> EditHistory::redo(std::string shown)
{
    if (redoStack.empty()) return std::nullopt;
    Step forward = std::move(redoStack.back());
    redoStack.pop_back();
    heldBytes -= forward.state.size();
    heldBytes += shown.size();
    undoStack.push_back(Step{std::move(shown), current});
    current = forward.number;
    trim();
    return std::move(forward.state);
}

void EditHistory::clear()
{
    undoStack.clear();
    redoStack.clear();
    heldBytes = 0;
}

void EditHistory::trim()
{
    // The oldest undo steps are the least likely to be wanted; the redo steps
    // are only dropped by a new change.
    while (!undoStack.empty() &&
           (undoStack.size() > maxSteps || (heldBytes > maxBytes && undoStack.size() > 1))) {
        heldBytes -= undoStack.front().state.size();
        undoStack.pop_front();
    }
}
