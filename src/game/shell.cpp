#include "game/shell.h"

#include <GL/gl.h>

#include <algorithm>
#include <filesystem>

#include "app/game_paths.h"
#include "input/input.h"
#include "audio/sound_control.h"
#include "image/texture.h"
#include "app/viewport.h"
#include "level/author_levels.h"
#include "level/level_writer.h"
#include "level/list_file.h"
#include "level/progress.h"
#include "play/start_level.h"
#include "ui/overlay.h"
#include "ui/text.h"

namespace {

constexpr float kCameraStep = 0.1f;
/// Room beyond the edited level's edges that the widest zoom takes in, world units.
constexpr float kEditorViewMargin = 1.0f;

} // namespace

void moveCameraByKeys(const Input& input, View& view)
{
    if (input.keys[kVkUp]) view.cameraOffset.y += kCameraStep;
    if (input.keys[kVkDown]) view.cameraOffset.y -= kCameraStep;
    if (input.keys[kVkRight]) view.cameraOffset.x += kCameraStep;
    if (input.keys[kVkLeft]) view.cameraOffset.x -= kCameraStep;
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
    loadResults(game.results);
    game.pars = loadPars(findGameFile(kParFileName));
    if (startFile.empty()) return;
    if (startInEditor)
        editLevelFile(startFile);
    else
        playLevelFile(startFile, levelTitleOf(startFile), -1);
}

void Shell::loadTextures()
{
    editor.panelTexture = loadTexture("slidemenu.bmp");
    play.panelTexture = loadTexture("ball.bmp");
    game.ballTexture = loadTexture("ball.bmp");  // a texture of its own for the balls
    // At the very first window there are no screens yet.
    menu.loadPictures();
    setFontTexture(loadTexture("label.bmp"));
    setLargeFontTexture(loadTexture("label2x.bmp"));
    // The themes' pictures too: after a full-screen toggle their old names
    // would show nothing, or some other picture of the new context.
    reloadThemePictures(game, [](const std::string& path) { return static_cast<unsigned int>(loadTexture(path)); });
}

void Shell::update(float dt)
{
    for (const std::string& line : game.notices) notice.show(line);
    game.notices.clear();
    // Counted in updates of game time, as every animation of the game.
    if (dt > 0.0f) notice.update();
    noticeSoundChange();
    // The question in front takes the input; nothing behind it moves.
    if (dialog.holdsInput()) {
        dialog.update();
        view.previousCamera = view.cameraOffset;
        return;
    }
    const Mode before = mode_;
    const Vector2D camera = view.cameraOffset;
    const float zoom = view.zoomOut;
    if (mode_ != Mode::Menu) moveCameraByKeys(input, view);
    if (mode_ == Mode::Editor) zoomEditorByWheel();
    carryOut(current().update(input, dt));
    // The pointer stands over another world point once the zoom has changed.
    if (view.zoomOut != zoom) input.mouse.world = view.toWorld(input.mouse.x, input.mouse.y);
    // The play mode's camera is drawn between the last two updates, except
    // across a jump or a change of mode.
    const bool jumped = mode_ != before || (mode_ == Mode::Play && play.viewJumped);
    view.previousCamera = jumped ? view.cameraOffset : camera;
}

View Shell::pictureView(float blend) const
{
    View picture = view;
    if (mode_ == Mode::Play)
        picture.cameraOffset = play.viewPending ? play.viewCamera()
                                                : view.previousCamera + (view.cameraOffset - view.previousCamera) * blend;
    picture.drawnCameraShift = Vector2D();
    picture.blend = blend;
    return picture;
}

void Shell::draw(float blend)
{
    const View picture = pictureView(blend);
    // The pointer maps through the picture the player sees.
    view.drawnCameraShift = picture.cameraOffset - view.cameraOffset;
    useView(picture);
    clearPictureBars();
    chooseFontForScale(pictureScale());
    // The clear colour set below takes effect at the next frame's clear.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (mode_ == Mode::Menu)
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    else
        glClearColor(0.5f, 0.5f, 1.0f, 0.5f);
    current().draw(picture);
    // The corner line under a question, which covers everything.
    notice.draw();
    dialog.draw();
}

void Shell::handleMessage(const WindowMessage& message)
{
    switch (message.kind) {
    case MessageKind::KeyDown: {
        if (message.key < 0 || message.key >= 256) break;
        const int code = message.key;
        // A key the dialog takes goes nowhere else.
        if (dialog.isOpen()) {
            dialog.keyDown(code);
            break;
        }
        // The shown mode's commands (the editor's Ctrl keys and F12; a key
        // with Ctrl held is never the sound's nor a field's).
        current().keyDown(code, input);
        // M, + and - (the keypad's and the main row's) are the sound's,
        // except where a text field types them; with Ctrl held a key is a command, never these.
        // A key-down that set no fresh press is a held key's repeat.
        if (!input.keys[kVkControl] && !current().wantsKeyboard() && soundKeyDown(code, !input.keysPressed[code])) {
            soundKeyTaken_ = true;
            break;
        }
        editor.editorKeyDown(code, input);
        break;
    }
    case MessageKind::TypedText:
        // The characters themselves, for the editor's field of real text;
        // their keys came as KeyDown. An open question takes none.
        if (mode_ == Mode::Editor && !dialog.isOpen())
            for (int i = 0; i < 4 && message.text[i] != '\0'; ++i) editor.typeText(message.text[i], input);
        break;
    case MessageKind::Activate:
        // The overlay projection must not stay pushed across a switch away.
        if (!message.minimised) endOverlay();
        break;
    case MessageKind::Close:
        // The window procedure has posted the quit already. With the
        // editor's work unsaved it is taken back and the player asked; a
        // Quit ends the game then.
        if (message.byPlayer && editor.hasUnsavedChanges()) {
            WindowMessage dropped;
            takeQuitMessage(dropped);
            if (closeAsked_) break;  // asked already, still open
            closeAsked_ = true;
            DialogQuestion question;
            question.text = "The level has changes that are not saved.\nClose the game anyway?";
            question.yesLabel = "Quit";
            question.noLabel = "Stay";
            question.onAnswer = [this](const DialogReply& reply) {
                closeAsked_ = false;
                if (reply.yes()) quit_ = true;
            };
            dialog.ask(std::move(question));
        }
        break;
    case MessageKind::Quit:
        quit_ = true;
        break;
    default:
        break;
    }
}

GameMode& Shell::current()
{
    switch (mode_) {
    case Mode::Play:
        return play;
    case Mode::Editor:
        return editor;
    case Mode::Menu:
        break;
    }
    return menu;
}

const GameMode& Shell::current() const
{
    return const_cast<Shell&>(*this).current();
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
        if (mode_ == Mode::Play && afterPlay_ == Mode::Editor) {
            // The test may have shown another theme (a level naming none
            // is played on the first); the editor shows what it showed.
            view.cameraOffset = editorCamera_;
            view.zoomOut = editorZoom_;
            if (game.currentThemeName != editorTheme_) applyTheme(game, editorTheme_);
            mode_ = Mode::Editor;
            afterPlay_ = Mode::Menu;
            break;
        }
        mode_ = Mode::Menu;
        view.zoomOut = 1.0f;  // the menu's pictures are drawn at the start view's scale
        break;
    case ModeRequest::Kind::PlayEdited:
        playEditedLevel();
        break;
    case ModeRequest::Kind::ResetProgress:
        askToResetProgress();
        break;
    case ModeRequest::Kind::PlayFile:
        playLevelFile(request.file, request.title, -1);
        break;
    case ModeRequest::Kind::RenameLevel:
        askRename(request.file, request.title, request.title);
        break;
    case ModeRequest::Kind::DeleteLevel:
        askDelete(request.file, request.title);
        break;
    case ModeRequest::Kind::Quit:
        quit_ = true;
        break;
    }
}

void Shell::askRename(const std::string& path, const std::string& name, const std::string& typed,
                      const std::string& problem)
{
    DialogQuestion question;
    question.text = problem.empty() ? "Rename " + name + " to:" : problem + "\nRename " + name + " to:";
    question.yesLabel = "Rename";
    question.noLabel = "Cancel";
    question.hasField = true;
    question.fieldText = typed;
    question.onAnswer = [this, path, name](const DialogReply& reply) {
        if (!reply.yes() || reply.text == name) return;
        const std::string failed = renameAuthorLevel(path, reply.text);
        if (!failed.empty()) askRename(path, name, reply.text, failed);
        rescanAuthorLevels();
    };
    dialog.ask(std::move(question));
}

void Shell::askDelete(const std::string& path, const std::string& name)
{
    DialogQuestion question;
    question.text = "Delete " + name + "?\nIt cannot be brought back.";
    question.yesLabel = "Delete";
    question.noLabel = "Keep";
    // A slip of Enter keeps the level.
    question.enterAnswer = DialogAnswer::No;
    question.onAnswer = [this, path, name](const DialogReply& reply) {
        if (!reply.yes()) return;
        const std::string failed = deleteAuthorLevel(path);
        if (!failed.empty()) {
            DialogQuestion notice;
            notice.text = name + " was not deleted.\n" + failed;
            notice.yesLabel = notice.noLabel = "OK";
            dialog.ask(std::move(notice));
        }
        rescanAuthorLevels();
    };
    dialog.ask(std::move(question));
}

// Whatever changed the sound (a key, the Options screen), the corner line
// says so; a volume key says it also when the volume was at its end already.
void Shell::noticeSoundChange()
{
    const int volume = soundVolume();
    const bool muted = soundMuted();
    if (volume != heardVolume_ || muted != heardMuted_ || soundKeyTaken_) {
        const std::string line = soundChangeText(heardVolume_, heardMuted_, volume, muted);
        notice.showInstead(soundLine_, line);
        soundLine_ = line;
    }
    heardVolume_ = volume;
    heardMuted_ = muted;
    soundKeyTaken_ = false;
}

void Shell::askToResetProgress()
{
    DialogQuestion question;
    question.text = "Reset your progress?\nOnly the first level stays open.";
    question.yesLabel = "Reset";
    question.noLabel = "Keep";
    question.onAnswer = [this](const DialogReply& reply) {
        if (reply.yes()) resetProgress(game);
    };
    dialog.ask(std::move(question));
}

void Shell::rescanAuthorLevels()
{
    for (Menu& screen : menu.screens)
        if (screen.levelList.authorLevels) screen.levelList.rescan(gamePaths().userDir);
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
    // It plays as an empty level; the player should know it is not meant so.
    if (!loaded) notice.show(title + " cannot be read: it plays empty");
    mode_ = Mode::Play;
    afterPlay_ = Mode::Menu;
    play.returnButton.label = kReturnToMenuLabel;
    return loaded;
}

void Shell::playEditedLevel()
{
    // The play mode gets its own world from the saved text, so nothing the
    // test does (ropes, a try) reaches the editor's world. Row -1: finishing
    // it counts for nothing.
    editorCamera_ = view.cameraOffset;
    editorZoom_ = view.zoomOut;
    editorTheme_ = game.currentThemeName;
    startLevelText(play, formatLevel(editor.world, editor.themeName, editor.taskText()), "Your level", -1);
    mode_ = Mode::Play;
    afterPlay_ = Mode::Editor;
    play.returnButton.label = kBackToEditorLabel;
}

void Shell::zoomEditorByWheel()
{
    if (input.mouse.wheel == 0 || editor.mouseOverPanel) return;
    // Far enough out to see the whole play area, panel or not.
    const float halfHeight = View::kHalfWidth * static_cast<float>(view.height) / static_cast<float>(view.width);
    const float widest = std::max((editor.world.size.x + kEditorViewMargin) / View::kHalfWidth,
                                  (editor.world.size.y + kEditorViewMargin) / halfHeight);
    view.zoomBy(input.mouse.wheel, input.mouse.world, widest);
}

std::string levelTitleOf(const std::string& file)
{
    std::string name = std::filesystem::path(file).filename().string();
    if (name.size() > 4 && (name.ends_with(".TXT") || name.ends_with(".txt"))) name.resize(name.size() - 4);
    return name;
}

bool Shell::editLevelFile(const std::string& file)
{
    const bool loaded = editor.openFile(file);
    carryOut(ModeRequest::enterEditor());
    return loaded;
}

void Shell::saveProgress()
{
    writeProgress(game);
}
