#pragma once

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
    };

    Kind kind = Kind::None;
    int index = -1;  ///< OpenScreen: screen index; StartLevel: row of the level list

    static ModeRequest none() { return {}; }
    static ModeRequest openScreen(int screen) { return {Kind::OpenScreen, screen}; }
    static ModeRequest startLevel(int row) { return {Kind::StartLevel, row}; }
    static ModeRequest enterEditor() { return {Kind::EnterEditor}; }
    static ModeRequest leave() { return {Kind::Leave}; }
    static ModeRequest quit() { return {Kind::Quit}; }

    bool any() const { return kind != Kind::None; }
};
