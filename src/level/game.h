#pragma once

#include <functional>
#include <string>
#include <vector>

#include "level/level.h"
#include "level/level_results.h"
#include "level/par_file.h"

/// The game's data files, progress, level names and themes, and the texture
/// that level drawing uses now. The shell owns the one the game runs on; a
/// tool or test may make its own.
struct Game {
    /// A named picture that textures the level background and triangles.
    struct Theme {
        std::string name;
        unsigned int texture = 0;  ///< texture name; 0 when the picture failed to load
    };

    std::string levelsFile = "levels.txt";
    std::string themesFile = "themes.txt";
    std::string configFile = "config.txt";  ///< empty: progress is not kept this run
    /// The lists are installed, read-only data: read them without asking for
    /// write access (a game folder's lists must be writable, see readListFile).
    bool readOnlyData = false;
    int completedLevels = 0;    ///< levels finished, counted from the first in list order
    /// The progress file exists but could not be read: it is never written
    /// over this run, so whatever it holds stays for the player to mend.
    bool progressFrozen = false;
    /// Why progress could not be kept, by cause, each told to the player once.
    unsigned progressProblemsTold = 0;
    /// Lines for the player's eyes (progress that cannot be kept, files that
    /// cannot be read), oldest first; whoever draws the screen takes them.
    std::vector<std::string> notices;
    /// The player's best finishes. Its path is empty, so nothing is kept,
    /// until the game places its files.
    ResultsFile results;
    /// The fewest ropes each listed level is known to be finished with
    /// (par.txt beside the level list); an author's level has none.
    ParTable pars;
    std::vector<Level> levels;  ///< one per name in levelsFile; only the names are used
    std::vector<Theme> themes;  ///< one per name in themesFile, in file order

    /// Name of the theme made current last; empty until one is.
    std::string currentThemeName;
    /// The texture the level drawing uses for the background and the
    /// triangles: the current theme's, or the shown main-menu screen's. Null
    /// while it refers to nothing (the triangles are then drawn as outlines).
    /// It points into `themes` or into a menu screen, so those must not be
    /// resized after.
    const unsigned int* currentTexture = nullptr;
    /// The texture the balls are drawn with (of the current window; 0 for none).
    unsigned int ballTexture = 0;
};

/// Makes the theme current: `currentTexture` refers to its texture and
/// `currentThemeName` takes its name. The theme must outlive its use.
void makeThemeCurrent(Game& game, const Game::Theme& theme);

/// Makes current every theme of `game` named exactly `name` (case-sensitive);
/// the last match stays current. Returns whether any theme matched.
bool applyTheme(Game& game, const std::string& name);

/// The level's own theme textures its drawing (useLevelTheme).
void applyLevelTheme(Game& game, const Level& level);

/// The file of the listed level `name`: "levels/<name>.txt".
std::string levelFilePath(const std::string& name);

/// Makes the theme of that name current for a level's drawing; a level with
/// no theme, or one that is not in the list, is drawn with the first theme of
/// the list (never with whatever picture was current last). With no theme at
/// all nothing changes.
void useLevelTheme(Game& game, const std::string& name);

/// Loads a picture as a texture and returns its name, 0 on failure. The
/// list scanning gets it from the caller so that this library stays free of GL.
using TextureLoader = std::function<unsigned int(const std::string& path)>;
