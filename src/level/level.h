#pragma once

#include <string>
#include <vector>

#include "physics/ball.h"
#include "physics/geometry.h"
#include "physics/rope.h"
#include "physics/vector2d.h"

/// The stored form of one level: what a level file holds once read, plus the
/// level's name. Nothing moves inside a Level; buildSimulation turns it into a
/// running Simulation. A plain value, copied when a list of levels grows.
struct Level {
    std::string name;               ///< from levels.txt, or the name typed into the editor
    Vector2D size;                  ///< half-extent of the play area, world units
    std::vector<Rope> ropes;        ///< the author's ropes, masses and springs
    std::vector<Ball> balls;        ///< ball 0 is the one the player brings home
    std::vector<Line> lines;        ///< solid segments
    std::vector<Vertex> vertices;   ///< filled triangles, one per element
    std::vector<DockPoint> dockPoints;
    Vector2D exitPosition;          ///< centre of the exit, world units
    float exitRadius = 0.3f;        ///< world units; same as a fresh Simulation's
    std::string description;        ///< shown while the level is played
    std::string theme;              ///< theme texturing the triangles; empty for none

    Level() = default;
    /// An entry of the game's level list: only the name is set.
    explicit Level(std::string levelName) : name(std::move(levelName)) {}

    /// Reads the level file fileName (used as given, relative to the working
    /// directory) into this level without emptying it first: lists only grow
    /// and fields are overwritten. The one file of its folder whose name
    /// differs from it at most in letter case is read (the editor saves
    /// "X.TXT" and loads "X.txt"); the folder is taken as given. Returns false, changing
    /// nothing, when no file can be opened; an empty file loads and changes
    /// nothing. Never reports a malformed file.
    bool load(const std::string& fileName);

    /// The same for a name the game looks up inside a folder (a typed name,
    /// a level of the list): the folder is taken exactly as given, and every
    /// part of name may differ in letter case from the disk.
    bool load(const std::string& folder, const std::string& name);
};
