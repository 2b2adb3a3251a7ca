// The Misc page: saving, loading and theming by the names typed into the
// editor's text fields, and the typing itself.
#include "app/game_paths.h"
#include "app/input.h"
#include "editor/editor.h"
#include "level/game.h"
#include "level/level.h"
#include "level/build_simulation.h"
#include "level/level_writer.h"

void SlideMenu::saveLevel()
{
    // The writer picks the name actually used ("output.txt", ".TXT" added)
    // and replaces the old file only once the new one is complete, so a
    // failed save leaves the previous file as it was.
    // Saves go to the player's folder, never into installed data.
    const std::string& folder = gamePaths().userDir;
    LevelSaveResult result;
    if (folder.empty())
        result.fileName = levelSaveName(inserts[kInsertSaveName].text);
    else
        result = saveLevelFile(world, themeName, inserts[kInsertSaveName].text, folder);
    if (result.written)
        saveStatus = "Saved: " + result.fileName;
    else
        saveStatus = "Unable to save " + result.fileName;
}

void SlideMenu::loadLevel()
{
    // Read into a scratch level so that a file that cannot be opened leaves
    // the edited world untouched.
    const std::string& name = inserts[kInsertLoadName].text;
    Level level;
    level.name = name;
    if (!level.load(findGameFile(name + ".txt"))) {
        loadStatus = "Unable to load";
        return;
    }
    buildSimulation(level, world);
    applyLevelTheme(game_, level);
    selectAll(false);
    loadStatus = "Level loaded";
}

void SlideMenu::applyThemeFromField()
{
    // The name is kept even when no theme matches: a later Save writes it.
    themeName = inserts[kInsertTheme].text;
    themeStatus = applyTheme(game_, themeName) ? "Theme Applyed" : "Invalid Theme";
}

void SlideMenu::editorKeyDown(int code)
{
    // Enter and the arrows belong to the camera, not to the fields.
    if (code == kVkReturn || (code >= kVkLeft && code <= kVkDown)) return;

    std::string* statuses[kEditorInsertCount] = {&themeStatus, &saveStatus, &loadStatus};
    for (int i = 0; i < static_cast<int>(inserts.size()); ++i) {
        if (!inserts[i].focused) continue;
        inserts[i].typeKey(code);
        // Any key that reaches a field clears its status, also one that
        // typed nothing (Shift, Backspace on an empty field).
        statuses[i]->clear();
    }
}
