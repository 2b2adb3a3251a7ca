#pragma once

#include <string>

/// What a main-menu screen, the play mode or the editor asks of the shell at
/// the end of its update. The asker changes nothing outside itself; the shell
/// carries the request out once the update is over. A new kind of request is
/// a new Kind, with whatever fields it needs added below.
struct ModeRequest {
    enum class Kind {
        None,         ///< carry on
        OpenScreen,   ///< open main-menu screen `index` (handled by the main menu itself)
        StartLevel,   ///< play level `index` of the game's level list
        EnterEditor,  ///< leave the main menu for the editor
        Leave,        ///< leave the play mode or the editor for the main menu
        Quit,         ///< end the game the orderly way
        PlayEdited,   ///< play a copy of the editor's level, then come back to the editor
        PlayFile,     ///< play the level in `file` outside the level list
        RenameLevel,  ///< ask for a new name of the author's level in `file`, called `title`
        DeleteLevel,  ///< ask, then delete the author's level in `file`, called `title`
        ResetProgress, ///< ask the player, then lock every level but the first again
    };

    Kind kind = Kind::None;
    int index = -1;  ///< OpenScreen: screen index; StartLevel: row of the level list
    std::string file;   ///< PlayFile, RenameLevel, DeleteLevel: the level file, folder included
    std::string title;  ///< PlayFile: the name shown when the level is finished; else the level's name

    static ModeRequest none() { return {}; }
    static ModeRequest openScreen(int screen) { return {Kind::OpenScreen, screen, {}, {}}; }
    static ModeRequest startLevel(int row) { return {Kind::StartLevel, row, {}, {}}; }
    static ModeRequest enterEditor() { return {Kind::EnterEditor, -1, {}, {}}; }
    static ModeRequest leave() { return {Kind::Leave, -1, {}, {}}; }
    static ModeRequest quit() { return {Kind::Quit, -1, {}, {}}; }
    static ModeRequest playEdited() { return {Kind::PlayEdited, -1, {}, {}}; }
    static ModeRequest resetProgress() { return {Kind::ResetProgress, -1, {}, {}}; }
    static ModeRequest playFile(const std::string& path, const std::string& title)
    {
        return {Kind::PlayFile, -1, path, title};
    }

    static ModeRequest renameLevel(const std::string& path, const std::string& name)
    {
        return {Kind::RenameLevel, -1, path, name};
    }
    static ModeRequest deleteLevel(const std::string& path, const std::string& name)
    {
        return {Kind::DeleteLevel, -1, path, name};
    }

    bool any() const { return kind != Kind::None; }
};
