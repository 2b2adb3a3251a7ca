#include "editor/editor.h"

#include <algorithm>
#include <utility>

#include "input/input.h"
#include "level/game.h"
#include "level/level_writer.h"

namespace {

// The editor's tab strip is the only holder of its widgets.
constexpr int kEditorHolder = 0;

}  // namespace

ToolKind toolKind(int buttonIndex)
{
    switch (buttonIndex) {
    case kButtonVertex:
    case kButtonRope:
    case kButtonBall:
    case kButtonDockPoint:
    case kButtonExitPoint:
    case kButtonLine:
        return ToolKind::Creating;
    case kButtonSelect:
    case kButtonUnselect:
    case kButtonMove:
        return ToolKind::Selecting;
    default:
        return ToolKind::NotATool;
    }
}

SlideMenu::SlideMenu(Game& game, Dialog& dialog) : game_(game), dialog_(dialog)
{
    // Buttons in index order: the index is what `tool` and the actions test.
    addButton("Vertex", {10, 100}, {80, 20}, kPageEdit);
    addButton("Rope", {10, 130}, {80, 20}, kPageEdit);
    addButton("Ball", {100, 130}, {80, 20}, kPageEdit);
    addButton("Save", {10, 310}, {180, 20}, kPageMisc);
    addButton("Apply theme", {10, 430}, {180, 20}, kPageMisc);
    addButton("Select", {10, 220}, {80, 20}, kPageEdit);
    addButton("Unselect", {100, 220}, {80, 20}, kPageEdit);
    addButton("Dock", {10, 280}, {80, 20}, kPageEdit);
    addButton("Undock", {100, 280}, {80, 20}, kPageEdit);
    addButton("Move", {10, 310}, {80, 20}, kPageEdit);
    addButton("Remove", {100, 310}, {80, 20}, kPageEdit);
    addButton("Inv", {10, 250}, {50, 20}, kPageEdit);
    addButton("Next", {10, 100}, {100, 20}, kPageRope);
    addButton("Prev", {10, 130}, {100, 20}, kPageRope);
    addButton("Load", {10, 210}, {180, 20}, kPageMisc);
    addButton("Back", {10, 560}, {180, 20}, kPageEdit);
    buttons.back().alwaysVisible = true;
    addButton("Dock point", {10, 160}, {100, 20}, kPageEdit);
    addButton("All", {70, 250}, {50, 20}, kPageEdit);
    addButton("None", {130, 250}, {50, 20}, kPageEdit);
    addButton("Exit point", {10, 190}, {100, 20}, kPageEdit);
    addButton("Line", {100, 100}, {80, 20}, kPageEdit);
    addButton("Play it (F12)", {10, 500}, {180, 20}, kPageMisc);
    addButton("Next theme", {10, 352}, {180, 20}, kPageMisc);

    addInsert("Theme:", {10, 400});
    addInsert("Filename (save):", {10, 280});
    addInsert("Filename (load):", {10, 180});
    // The task is real text, as typed, in a box of four lines; the grammar's
    // characters would cut it when the level is read back.
    addInsert("Task:", {10, 100}, {180, 56});
    Insert& task = inserts.back();
    task.takesTypedText = true;
    task.maxLength = kMaxTaskLength;
    task.refused = std::string(kLevelGrammarChars);

    // The initial values match a new world's size (2, 2); they are not
    // applied until the user moves a slider.
    addSlide("X size", {10, 400}, 180, kPageEdit, 20.0f);
    addSlide("Y size", {10, 430}, 180, kPageEdit, 20.0f);
    addSlide("Length", {10, 200}, 180, kPageRope, 10.0f);

    pageHolders.emplace_back();
    PageHolder& holder = pageHolders.back();
    holder.name = "Page Holder";
    holder.position = Vector2D(5, 50);
    holder.size = Vector2D(190, 20);
    holder.addPage("Edit");
    holder.addPage("Rope");
    holder.addPage("Misc");
}

void SlideMenu::addButton(const char* label, Vector2D position, Vector2D size, int page)
{
    buttons.emplace_back();
    Button& button = buttons.back();
    button.label = label;
    button.position = position;
    button.size = size;
    button.holderIndex = kEditorHolder;
    button.pageIndex = page;
}

void SlideMenu::addInsert(const char* label, Vector2D position, Vector2D size)
{
    inserts.emplace_back();
    Insert& insert = inserts.back();
    insert.label = label;
    insert.position = position;
    insert.size = size;
    insert.holderIndex = kEditorHolder;
    insert.pageIndex = kPageMisc;
}

void SlideMenu::addSlide(const char* label, Vector2D position, int width, int page, float value)
{
    slides.emplace_back();
    Slide& slide = slides.back();
    slide.label = label;
    slide.position = position;
    slide.width = width;
    slide.value = value;
    slide.holderIndex = kEditorHolder;
    slide.pageIndex = page;
}

void SlideMenu::enterEditor()
{
    // The edited level is drawn on its theme, not on the menu's picture.
    useLevelTheme(game_, themeName);
    panelWidth = 0;
}

ModeRequest SlideMenu::update(const Input& input, float dt)
{
    // Advance the edited world like a level in play: whatever is not pinned
    // falls and swings while the author works.
    for (int i = 0; i < world.subSteps; ++i) world.step(dt / world.subSteps);
    marks.fit(world);

    if (panelWidth < kPanelOpenWidth) panelWidth += kPanelGrowth;
    mouseOverPanel = input.mouse.x <= panelWidth;

    for (PageHolder& holder : pageHolders) holder.update(input);
    updateWidgets(input);
    applySliderEffects();
    const ModeRequest request = runButtonActions();
    updateGesture(input);
    finishChange(input);
    shiftHeld = input.keys[kVkShift];
    buttonHeld = input.mouse.leftDown;
    if (request.any()) return request;
    if (playWanted) {
        playWanted = false;
        return ModeRequest::playEdited();
    }
    return ModeRequest::none();
}

bool SlideMenu::wantsKeyboard() const
{
    return std::any_of(inserts.begin(), inserts.end(), [](const Insert& field) { return field.focused; });
}

void SlideMenu::updateWidgets(const Input& input)
{
    for (Slide& slide : slides) slide.update(input, pageHolders);
    for (Insert& insert : inserts) insert.update(input, pageHolders);
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        buttons[i].update(input, pageHolders);
        if (buttons[i].clicked && isToolButton(i)) tool = i;
    }
    // Esc is "Back". A field the pointer was on lets go of the keyboard, so
    // nothing typed on the menu lands in it.
    if (input.keysPressed[kVkEscape]) {
        buttons[kButtonBack].clicked = true;
        for (Insert& insert : inserts) insert.focused = false;
    }
}

void SlideMenu::applySliderEffects()
{
    // A slider's change flag starts out set; only one under the mouse is
    // being moved by the author.
    for (const Slide& slide : slides)
        if (slide.changed && slide.hover) beginChange();
    if (slides[kSlideXSize].takeChange()) {
        world.size.x = 0.1f * slides[kSlideXSize].value;
        updateTextureCoordinates();
    }
    if (slides[kSlideYSize].takeChange()) {
        world.size.y = 0.1f * slides[kSlideYSize].value;
        updateTextureCoordinates();
    }
    if (slides[kSlideLength].takeChange()) setRopeLength(0.01f * slides[kSlideLength].value);
}

ModeRequest SlideMenu::runButtonActions()
{
    // Every action but Save, Back and Play it may change the world; the
    // selection buttons only its selection. Load opens its change itself,
    // once the author has let go of unsaved work.
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        if (!buttons[i].clicked || isToolButton(i) || i == kButtonSave || i == kButtonBack || i == kButtonPlayIt ||
            i == kButtonLoad)
            continue;
        const bool selects = i == kButtonAll || i == kButtonNone || i == kButtonInv || i == kButtonNext ||
                             i == kButtonPrev;
        beginChange(!selects);
    }

    // Fixed order: a frame can carry at most one click, but the order is
    // what decides if it ever carries more.
    // A question answered Yes since the last update is carried out here, in
    // the place of the click that asked it.
    const Answered answered = std::exchange(answered_, Answered::None);
    if (buttons[kButtonSave].clicked || answered == Answered::SaveOver) saveLevel(answered == Answered::SaveOver);
    if ((buttons[kButtonLoad].clicked &&
         mayDiscardChanges("Load " + inserts[kInsertLoadName].text + " anyway?", "Load", Answered::Load)) ||
        answered == Answered::Load)
        loadLevel();
    if (buttons[kButtonDock].clicked) setHeld(true);
    if (buttons[kButtonUndock].clicked) setHeld(false);
    if (buttons[kButtonRemove].clicked) removeSelected();
    if (buttons[kButtonInv].clicked) invertSelection();
    if (buttons[kButtonNext].clicked) stepRopeSelection(+1);
    if (buttons[kButtonPrev].clicked) stepRopeSelection(-1);
    if (buttons[kButtonAll].clicked) selectAll(true);
    if (buttons[kButtonNone].clicked) selectAll(false);
    if (buttons[kButtonApplyTheme].clicked) applyThemeFromField();
    if (buttons[kButtonNextTheme].clicked) stepTheme();
    if (buttons[kButtonPlayIt].clicked) playWanted = true;
    // The menu takes over from the next frame; this frame's gesture step
    // still runs.
    if ((buttons[kButtonBack].clicked && mayDiscardChanges("Leave the editor anyway?", "Leave", Answered::Leave)) ||
        answered == Answered::Leave)
        return ModeRequest::leave();
    return ModeRequest::none();
}
