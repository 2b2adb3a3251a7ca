// The Misc page: saving, loading and theming by the names typed into the
// editor's text fields, and the typing itself.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/game_paths.h"
#include "input/input.h"
#include "audio/sound.h"
#include "editor/editor.h"
#include "level/game.h"
#include "level/level.h"
#include "level/path_case.h"
#include "level/build_simulation.h"
#include "level/atomic_file.h"
#include "level/text_file.h"
#include "level/level_writer.h"
#include "ui/dialog.h"
#include "ui/text.h"

namespace {

std::string statusAbout(const std::string& verdict, const std::string& name)
{
    return verdictWithName(verdict, name, kMaxStatusCharacters);
}

}  // namespace

std::vector<LoadPlace> levelLoadPaths(const std::string& name)
{
    // Where the editor saves first, then the working folder, then the
    // shipped levels, so that a level of the game opens by its name.
    const std::string file = name + ".txt";
    std::vector<LoadPlace> places{{gamePaths().userDir, file}};
    if (joinPath(gamePaths().userDir, file) != file) places.push_back({".", file});
    if (name.find('/') == std::string::npos) places.push_back({gamePaths().dataDir, "levels/" + file});
    return places;
}

void SlideMenu::saveLevel(bool replaceConfirmed)
{
    // The writer picks the name actually used ("output.txt", ".TXT" added,
    // an existing file's own spelling) and replaces the old file only once
    // the new one is complete, so a failed save leaves it as it was.
    // Saves go to the player's folder, never into installed data.
    const std::string& folder = gamePaths().userDir;
    const std::string& typed = inserts[kInsertSaveName].text;
    if (folder.empty()) {
        saveStatus = statusAbout("Unable to save ", levelSaveName(typed));
        playSound(SoundId::SaveFailed);
        return;
    }
    const std::optional<std::string> existing = findFileIgnoringCase(folder, levelSaveName(typed));
    // Asked now, saved by the update after the player agrees; one Yes
    // answers both questions.
    auto ask = [this](std::string text, std::string yesLabel) {
        DialogQuestion question;
        question.text = std::move(text);
        question.yesLabel = std::move(yesLabel);
        question.noLabel = "Keep";
        question.onAnswer = [this](const DialogReply& reply) {
            if (reply.yes())
                answered_ = Answered::SaveOver;
            else
                saveStatus = "Not saved";
        };
        dialog_.ask(std::move(question));
    };
    // A link (in a downloaded level folder, say) would carry the save to a
    // file somewhere else, one the player never chose to replace.
    const std::string linkTarget = linkTargetOutsideFolder(existing.value_or(joinPath(folder, levelSaveName(typed))));
    if (!linkTarget.empty() && !replaceConfirmed) {
        ask(levelSaveName(typed) + " is a link to a file outside your folder:\n" + linkTarget +
                "\nSave the level there?",
            "Save there");
        return;
    }
    if (existing && !isWorldFile(*existing) && !replaceConfirmed) {
        ask(levelSaveName(typed) + " already exists and is not the level being edited.\nSave over it?", "Replace");
        return;
    }
    const LevelSaveResult result = saveLevelFile(world, themeName, typed, folder, taskText());
    if (result.written) {
        saveStatus = statusAbout("Saved: ", result.fileName);
        worldFile = joinPath(folder, result.fileName);
        if (!changeOpen) savedState = history.currentState();
    } else {
        saveStatus = statusAbout("Unable to save ", result.fileName);
    }
    playSound(result.written ? SoundId::SaveSucceeded : SoundId::SaveFailed);
}

void SlideMenu::loadLevel()
{
    // Read into a scratch level so that a file that cannot be opened leaves
    // the edited world untouched.
    beginChange();
    const std::string& name = inserts[kInsertLoadName].text;
    for (const LoadPlace& place : levelLoadPaths(name)) {
        Level level;
        level.name = name;
        if (!level.load(place.folder, place.name)) continue;
        takeLevel(level);
        loadedInChange = true;
        worldFile = findFileIgnoringCase(place.folder, place.name).value_or(joinPath(place.folder, place.name));
        loadStatus = "Level loaded";
        return;
    }
    loadStatus = "Unable to load";
}

bool SlideMenu::openFile(const std::string& path)
{
    Level level;
    if (!level.load(path)) return false;
    takeLevel(level);
    history.clear();
    changeOpen = false;
    savedState = history.currentState();
    worldFile = findFileIgnoringCase(path).value_or(path);
    std::string name = std::filesystem::path(path).filename().string();
    if (name.size() > 4 && (name.ends_with(".TXT") || name.ends_with(".txt")))
        name.resize(name.size() - 4);
    inserts[kInsertSaveName].text = name;
    loadStatus = "Level loaded";
    return true;
}

void SlideMenu::takeLevel(const Level& level)
{
    // Everything the file held comes back out of a Save: the parts, and the
    // theme, task and sizes besides them.
    buildSimulation(level, world, &triangleMappings);
    applyLevelTheme(game_, level);
    marks.clear();
    selectAll(false);
    themeName = level.theme;
    inserts[kInsertTheme].text = level.theme;
    inserts[kInsertTask].text = level.description;
    // A size beyond a slider's reach stays until the author moves it.
    slides[kSlideXSize].value = std::clamp(10.0f * level.size.x, 0.0f, 100.0f);
    slides[kSlideYSize].value = std::clamp(10.0f * level.size.y, 0.0f, 100.0f);
}

bool SlideMenu::isWorldFile(const std::string& path) const
{
    // The loaded name may differ in letter case from the file on disk.
    std::error_code error;
    return !worldFile.empty() && std::filesystem::equivalent(path, worldFile, error);
}

bool SlideMenu::mayDiscardChanges(const std::string& question, const std::string& yesLabel, Answered onYes)
{
    if (!hasUnsavedChanges()) return true;
    DialogQuestion ask;
    ask.text = "The level has changes that are not saved.\n" + question;
    ask.yesLabel = yesLabel;
    ask.noLabel = "Stay";
    ask.onAnswer = [this, onYes](const DialogReply& reply) {
        if (reply.yes()) answered_ = onYes;
    };
    dialog_.ask(std::move(ask));
    return false;
}

void SlideMenu::applyThemeFromField()
{
    // The name is kept even when no theme matches: a later Save writes it.
    themeName = inserts[kInsertTheme].text;
    themeStatus = applyTheme(game_, themeName) ? "Theme Applyed" : "Invalid Theme";
}

void SlideMenu::stepTheme()
{
    const std::vector<Game::Theme>& themes = game_.themes;
    if (themes.empty()) {
        themeStatus = "No themes installed";
        return;
    }
    // A level without a theme is shown on the first: the step goes past it.
    const std::string& shown = themeName.empty() ? game_.currentThemeName : themeName;
    std::size_t next = 0;
    for (std::size_t i = 0; i < themes.size(); ++i)
        if (equalIgnoringCase(themes[i].name, shown)) next = (i + 1) % themes.size();
    themeName = themes[next].name;
    inserts[kInsertTheme].text = themeName;
    applyTheme(game_, themeName);
    themeStatus = "Theme: " + themeName;
}

void SlideMenu::editorKeyDown(int code, const Input& input)
{
    // Enter and the arrows belong to the camera, not to the fields.
    if (code == kVkReturn || (code >= kVkLeft && code <= kVkDown)) return;
    // With Ctrl held a key is a command, never text; F12 is a command too.
    if (input.keys[kVkControl] || code == kVkF12) return;

    std::string noStatus;
    std::string* statuses[kEditorInsertCount] = {&themeStatus, &saveStatus, &loadStatus, &noStatus};
    for (int i = 0; i < static_cast<int>(inserts.size()); ++i) {
        if (!inserts[i].focused) continue;
        if (i == kInsertTask && code == kVkBack && !inserts[i].text.empty()) beginTaskTyping();
        inserts[i].typeKey(code);
        // Any key that reaches a field clears its status, also one that
        // typed nothing (Shift, Backspace on an empty field).
        statuses[i]->clear();
    }
}

void SlideMenu::typeText(char c, const Input& input)
{
    // With Ctrl held a key is a command; it types nothing anywhere.
    Insert& task = inserts[kInsertTask];
    if (input.keys[kVkControl] || !task.focused || !task.accepts(c)) return;
    beginTaskTyping();
    task.typeText(c);
}

void SlideMenu::beginTaskTyping()
{
    beginChange();
    typingTask = true;
}
