#include "menu/menu.h"

#include <algorithm>
#include <cmath>

#include "app/globals.h"
#include "app/view.h"
#include "input/input.h"
#include "input/fullscreen_keys.h"
#include "audio/sound.h"
#include "audio/sound_control.h"
#include "level/game.h"

namespace {

const char* const kBackLabel = "Back";

}  // namespace

Menu::Menu()
{
    // A screen's list stays closed until the screen opens. So does its hint
    // line: left to type itself in while the screen is shut, it would
    // first have to type its empty text out again when the screen opens.
    levelList.hide();
    hint.hide();
}

ModeRequest Menu::update(const Input& input, float dt, const Game& game, View& view)
{
    if (active)
        wasActive = true;
    view.cameraOffset = kStartCamera;

    // Texts, and the hint line with them, type in and out; a text that has
    // typed itself out is gone until the screen opens again.
    for (BText& text : texts)
        text.update();
    std::erase_if(texts, [](const BText& text) { return text.hiding && text.reveal == 0.0f; });
    hint.update();

    if (hasLevelList)
        levelList.update(input, game);

    // The list resets its selection at every update while open, so coming
    // back from play with the list open does not start the level again.
    if (levelList.authorLevels) {
        const auto row = [this](int index) -> const AuthorLevel& { return levelList.authored[static_cast<std::size_t>(index)]; };
        const int count = static_cast<int>(levelList.authored.size());
        if (levelList.renameIndex >= 0 && levelList.renameIndex < count)
            return ModeRequest::renameLevel(row(levelList.renameIndex).path, row(levelList.renameIndex).name);
        if (levelList.deleteIndex >= 0 && levelList.deleteIndex < count)
            return ModeRequest::deleteLevel(row(levelList.deleteIndex).path, row(levelList.deleteIndex).name);
    }
    const int selected = levelList.selectedIndex;
    if (selected >= 0 && selected < static_cast<int>(levelList.items.size())) {
        if (!levelList.authorLevels) return ModeRequest::startLevel(selected);
        const AuthorLevel& level = levelList.authored[static_cast<std::size_t>(selected)];
        return ModeRequest::playFile(level.path, level.name);
    }

    if (!active) {
        close();
        return ModeRequest::none();
    }

    fade = std::min(fade + kFadeStep, 1.0f);
    carryMouseBall(input);
    if (runBackground && dt < 10.0f) {
        ContactSoundFrame listening(simulation, contactSounds, view.cameraOffset.x);
        for (int i = 0; i < simulation.subSteps; ++i)
            simulation.step(dt / static_cast<float>(simulation.subSteps));
    }
    return updateButtons(input);
}

// An inactive screen types its texts out once and lets its picture fade.
void Menu::close()
{
    if (levelList.shown)
        levelList.hide();
    if (wasActive) {
        for (BText& text : texts)
            text.hide();
        hint.hide();
        levelList.hide();
        wasActive = false;
    }
    // Stop at exactly 0, so that a closed screen is no longer drawn at all.
    if (fade > 0.0f)
        fade = std::max(fade - kFadeStep, 0.0f);
}

// The first ball of the background level is a cursor: held, and wherever the
// mouse points. A level without balls gets one.
void Menu::carryMouseBall(const Input& input)
{
    if (simulation.balls.empty()) {
        simulation.balls.emplace_back();
        Ball& ball = simulation.balls.back();
        ball.held = true;
        ball.radius = kMouseBallRadius;
        ball.mass = kMouseBallMass;
    }
    Ball& cursor = simulation.balls.front();
    cursor.held = true;
    contactSounds.carry(0, input.mouse.world - cursor.position);  // one frame is one time unit here
    cursor.position = input.mouse.world;
}

// Buttons, sliders and the hint line.
ModeRequest Menu::updateButtons(const Input& input)
{
    ModeRequest request;
    bool anyHovered = false;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].update(input);
        // Esc is the screen's "Back" button, where it has one.
        if (input.keysPressed[kVkEscape] && buttons[i].label == kBackLabel)
            buttons[i].clicked = true;
        const Button& button = buttons[i];
        if (button.hover) {
            anyHovered = true;
            showHint(button.hint);
        }
        // A frame carries at most one click; were there more, the last would count.
        if (button.clicked) {
            const ModeRequest asked = buttonRequest(button);
            if (asked.any()) request = asked;
        }
    }
    updateSliders(input, anyHovered);
    if (!anyHovered)
        showHint(defaultHint);
    return request;
}

// The hint types the old text out before it types the new one in, so it only
// changes once its reveal has come down to 0.
void Menu::showHint(const std::string& text)
{
    if (hint.text != text)
        hint.hide();
    if (hint.reveal == 0.0f) {
        hint.text = text;
        hint.show();
    }
}

void Menu::updateSliders(const Input& input, bool& anyHovered)
{
    for (Slider& slider : sliders) {
        Slide& slide = slider.slide;
        // The bar shows the volume as it is, also after a key changed it.
        if (slider.setting == kSoundVolume)
            slide.value = static_cast<float>(soundVolume());
        slide.update(input);
        if (slide.hover) {
            anyHovered = true;
            showHint(slider.hint);
        }
        if (!slide.takeChange() || slider.setting != kSoundVolume) continue;
        const int volume = static_cast<int>(std::lround(slide.value));
        if (volume == soundVolume()) continue;
        // As the volume keys do, a new volume is heard: it unmutes.
        setSoundMuted(false);
        setSoundVolume(volume);
        volumeUnsaved_ = true;
    }
    // A drag writes the file once, when it ends, not at every step.
    if (volumeUnsaved_ && !input.mouse.leftDown) {
        saveSoundChoice();
        volumeUnsaved_ = false;
    }
}

ModeRequest buttonRequest(const Button& button)
{
    switch (button.action) {
    case Menu::kOpenScreen:
        playSound(SoundId::ScreenOpened);
        return ModeRequest::openScreen(button.actionParam);
    case Menu::kEnterEditor:
        return ModeRequest::enterEditor();
    case Menu::kQuit:
        return ModeRequest::quit();
    case Menu::kToggleSound:
        toggleSoundMuted();
        return ModeRequest::none();
    case Menu::kToggleFullscreen:
        requestFullscreenToggle();
        return ModeRequest::none();
    case Menu::kResetProgress:
        return ModeRequest::resetProgress();
    default:
        return ModeRequest::none();
    }
}

std::string shownLabel(const Button& button)
{
    switch (button.action) {
    case Menu::kToggleSound: return button.label + (soundMuted() ? ": off" : ": on");
    case Menu::kToggleFullscreen: return button.label + (fullscreen ? ": on" : ": off");
    default: return button.label;
    }
}

std::string shownCaption(const Slide& slide)
{
    const float value = std::isfinite(slide.value) ? std::clamp(slide.value, 0.0f, 100.0f) : 0.0f;
    return slide.label + " " + std::to_string(static_cast<int>(std::lround(value))) + "%";
}
