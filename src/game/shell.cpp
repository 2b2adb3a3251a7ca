#include "game/shell.h"

#include <GL/gl.h>

#include "app/game_paths.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/texture.h"
#include "app/viewport.h"
#include "level/list_file.h"
#include "level/progress.h"
#include "play/start_level.h"
#include "ui/overlay.h"
#include "ui/text.h"

namespace {

constexpr float kCameraStep = 0.1f;

} // namespace

void moveCameraByKeys()
{
    if (keys[kVkUp]) cameraOffset.y += kCameraStep;
    if (keys[kVkDown]) cameraOffset.y -= kCameraStep;
    if (keys[kVkRight]) cameraOffset.x += kCameraStep;
    if (keys[kVkLeft]) cameraOffset.x -= kCameraStep;
}

void Shell::start()
{
    // The data is read, and the player's files kept, where start-up decided.
    placeGameFiles(game);
    scanThemes(game, [](const std::string& path) { return static_cast<unsigned int>(loadTexture(path)); },
               stateFilePath(kThemesLog));
    // With no theme at all the game starts with no current texture
    // (triangles drawn as outlines).
    if (!game.themes.empty()) makeThemeCurrent(game, game.themes.front());
    buildGlyphTable();
    menu.read(findGameFile("menusetup.txt"));
    menu.loadPictures();
    menu.open(0, game);  // nothing without screens
    scanLevels(game, stateFilePath(kLevelsLog));
    readProgress(game);
}

void Shell::loadTextures()
{
    editor.panelTexture = loadTexture("slidemenu.bmp");
    play.panelTexture = loadTexture("ball.bmp");
    ballTexture = loadTexture("ball.bmp");  // a texture of its own for the balls
    // At the very first window there are no screens yet.
    menu.loadPictures();
    setFontTexture(loadTexture("label.bmp"));
    // The themes' pictures too: after a full-screen toggle their old names
    // would show nothing, or some other picture of the new context.
    reloadThemePictures(game, [](const std::string& path) { return static_cast<unsigned int>(loadTexture(path)); });
}

void Shell::update(float dt)
{
    switch (mode_) {
    case Mode::Menu:
        carryOut(menu.update(dt, game));
        break;
    case Mode::Play:
        moveCameraByKeys();
        carryOut(play.update(dt));
        break;
    case Mode::Editor:
        moveCameraByKeys();
        carryOut(editor.update(dt));
        break;
    }
}

void Shell::draw()
{
    clearPictureBars();
    // The clear colour set below takes effect at the next frame's clear.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (mode_ == Mode::Menu) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        menu.draw(game, worldTextures());
        return;
    }
    glClearColor(0.5f, 0.5f, 1.0f, 0.5f);
    if (mode_ == Mode::Editor)
        editor.draw(worldTextures());
    else
        play.draw(worldTextures());
}

void Shell::handleMessage(const WindowMessage& message)
{
    switch (message.kind) {
    case MessageKind::KeyDown:
        if (message.wParam < 256) editor.editorKeyDown(static_cast<int>(message.wParam));
        break;
    case MessageKind::Activate:
        // The overlay projection must not stay pushed across a switch away.
        if (highWord(message.wParam) == 0) endOverlay();
        break;
    case MessageKind::Quit:
        quit_ = true;
        break;
    default:
        break;
    }
}

void Shell::carryOut(const ModeRequest& request)
{
    switch (request.kind) {
    case ModeRequest::Kind::None:
        break;
    case ModeRequest::Kind::OpenScreen:
        menu.open(request.index, game);
        break;
    case ModeRequest::Kind::StartLevel:
        startListedLevel(request.index);
        break;
    case ModeRequest::Kind::EnterEditor:
        editor.enterEditor();
        mode_ = Mode::Editor;
        break;
    case ModeRequest::Kind::Leave:
        mode_ = Mode::Menu;
        break;
    case ModeRequest::Kind::Quit:
        quit_ = true;
        break;
    }
}

void Shell::startListedLevel(int row)
{
    if (row < 0 || row >= static_cast<int>(game.levels.size())) return;
    // The play mode moves the camera to the level's start view at its first
    // update (play/start_view.h).
    const std::string& name = game.levels[static_cast<std::size_t>(row)].name;
    playLevelFile(findGameFile(levelFilePath(name)), name, row);
}

bool Shell::playLevelFile(const std::string& file, const std::string& title, int row)
{
    const bool loaded = startLevelFile(play, file, title, row);
    mode_ = Mode::Play;
    return loaded;
}

void Shell::saveProgress() const
{
    writeProgress(game);
}
