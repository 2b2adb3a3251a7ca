// Undo and redo of the author's changes. A change opens when a tool gesture
// begins, a slider moves or an action button is clicked, and closes at the
// end of the first frame after that with the mouse button up and no gesture
// running: a whole drag is one step. The state from before the change is
// then kept, unless the change left everything as it was. Only a change to
// what a save writes is an unsaved change: one that only selects is undone
// like any other but leaves the level as saved.
#include <cstdint>
#include <cstring>

#include "input/input.h"
#include "editor/editor.h"
#include "editor/world_snapshot.h"
#include "level/game.h"
#include "level/level_writer.h"

namespace {

void putText(std::string& out, const std::string& text)
{
    const auto size = static_cast<std::uint32_t>(text.size());
    out.append(reinterpret_cast<const char*>(&size), sizeof size);
    out += text;
}

bool getText(std::string_view& in, std::string& text)
{
    std::uint32_t size = 0;
    if (in.size() < sizeof size) return false;
    std::memcpy(&size, in.data(), sizeof size);
    in.remove_prefix(sizeof size);
    if (in.size() < size) return false;
    text.assign(in.substr(0, size));
    in.remove_prefix(size);
    return true;
}

}  // namespace

std::string SlideMenu::captureState() const
{
    // Besides the world: the theme a save writes, the task, the theme shown,
    // and the sliders, which show the sizes and rope length the world has.
    std::string state;
    putText(state, captureWorld(world, marks, triangleMappings));
    putText(state, themeName);
    putText(state, taskText());
    putText(state, game_.currentThemeName);
    for (const Slide& slide : slides)
        state.append(reinterpret_cast<const char*>(&slide.value), sizeof slide.value);
    return state;
}

void SlideMenu::restoreState(const std::string& state)
{
    std::string_view in = state;
    std::string worldBytes;
    std::string name;
    std::string task;
    std::string shownTheme;
    if (!getText(in, worldBytes) || !getText(in, name) || !getText(in, task) || !getText(in, shownTheme)) return;
    if (!restoreWorld(worldBytes, world, marks, triangleMappings)) return;
    // The Theme field shows the theme the level has again, unless the name
    // stayed (then what is typed there stays too).
    if (name != themeName) inserts[kInsertTheme].text = name;
    themeName = name;
    inserts[kInsertTask].text = task;
    if (shownTheme != game_.currentThemeName) applyTheme(game_, shownTheme);
    for (Slide& slide : slides) {
        if (in.size() < sizeof slide.value) break;
        std::memcpy(&slide.value, in.data(), sizeof slide.value);
        in.remove_prefix(sizeof slide.value);
    }
}

void SlideMenu::beginChange(bool changesLevel)
{
    if (changesLevel && changeOpen && !changeTouchesLevel) levelBefore = formatLevel(world, themeName, taskText());
    changeTouchesLevel = changeTouchesLevel || changesLevel;
    if (changeOpen) return;
    changeBefore = captureState();
    if (changesLevel) levelBefore = formatLevel(world, themeName, taskText());
    changeOpen = true;
}

void SlideMenu::finishChange(const Input& input)
{
    if (!changeOpen || dragging || input.mouse.leftDown) return;
    // Typing into the Task field is one change until the pointer leaves it.
    if (typingTask && inserts[kInsertTask].focused) return;
    changeOpen = false;
    typingTask = false;
    // A click that changed nothing (None with nothing selected, a failed
    // Load) leaves no step behind; one that changed what a save writes is a
    // change of the level.
    const bool levelChanged = changeTouchesLevel && formatLevel(world, themeName, taskText()) != levelBefore;
    changeTouchesLevel = false;
    if (captureState() != changeBefore) history.record(std::move(changeBefore), levelChanged || loadedInChange);
    if (loadedInChange) savedState = history.currentState();
    loadedInChange = false;
    changeBefore.clear();
}

void SlideMenu::undo(const Input& input)
{
    // Not in the middle of a drag: the gesture holds on to what it moves.
    if (dragging || input.mouse.leftDown) return;
    typingTask = false;
    finishChange(input);
    if (std::optional<std::string> state = history.undo(captureState())) restoreState(*state);
}

void SlideMenu::redo(const Input& input)
{
    if (dragging || input.mouse.leftDown) return;
    typingTask = false;
    finishChange(input);
    if (std::optional<std::string> state = history.redo(captureState())) restoreState(*state);
}

bool SlideMenu::hasUnsavedChanges() const
{
    return (changeOpen && changeTouchesLevel) || history.currentState() != savedState;
}

bool SlideMenu::commandKey(int code, const Input& input)
{
    // F12 plays the level; no field types it, so it is free on every page.
    if (code == kVkF12) {
        if (!dragging && !input.mouse.leftDown) playWanted = true;
        return true;
    }
    if (!input.keys[kVkControl]) return false;
    if (code == 'Z' && input.keys[kVkShift])
        redo(input);
    else if (code == 'Z')
        undo(input);
    else if (code == 'Y')
        redo(input);
    return true;
}
