#include "menu/menu_setup.h"

#include "app/game_paths.h"
#include "image/texture.h"
#include "level/build_simulation.h"
#include "level/number_reader.h"
#include "level/record_scanner.h"
#include "level/text_file.h"
#include "menu/credits.h"

namespace {

// Sections of the menu description; 2 and 3 are not used by the menu.
enum Section : int {
    kScreenSection = 0,
    kButtonSection = 1,
    kTextSection = 4,
    kHintSection = 5,
    kLevelListSection = 6,
    kSliderSection = 7,
};

bool isFlagSet(float value) { return value != 0.0f; }

// Grows a widget list up to subIndex; false when subIndex is beyond the limits.
template <typename T>
bool growTo(std::vector<T>& list, int subIndex)
{
    if (subIndex < 0 || subIndex >= kMaxScreenWidgets)
        return false;
    if (static_cast<int>(list.size()) <= subIndex)
        list.resize(static_cast<std::size_t>(subIndex) + 1);
    return true;
}

void storeScreenField(Menu& screen, int field, std::string_view value, float number,
                      const MenuLevelLoader& loadLevel)
{
    switch (field) {
    case 0: screen.pictureFile = value; break;
    case 1: screen.name = value; break;
    case 2:
        // The background level is loaded as soon as it is named; a file that
        // cannot be read still builds a world, the empty level's.
        screen.levelFile = value;
        loadLevel(screen.level, screen.levelFile);
        buildSimulation(screen.level, screen.simulation, &screen.triangleMappings);
        screen.simulation.noBackdrop = true;
        break;
    case 3: screen.color[0] = number; break;
    case 4: screen.color[1] = number; break;
    case 5: screen.color[2] = number; break;
    case 6: screen.runBackground = isFlagSet(number); break;
    case 7: screen.hasLevelList = isFlagSet(number); break;
    default: break;
    }
}

void storeButtonField(Button& button, int field, std::string_view value, float number)
{
    // A button the description mentions belongs to no tab page.
    button.alwaysVisible = true;
    switch (field) {
    case 0: button.position.x = number; break;
    case 1: button.position.y = number; break;
    case 2: button.size.x = number; break;
    case 3: button.size.y = number; break;
    case 4: button.label = value; break;
    case 5: button.action = truncateToInt(number); break;
    case 6: button.actionParam = truncateToInt(number); break;
    case 7: button.hint = value; break;
    default: break;
    }
}

void storeTextField(BTextShadow& text, int field, std::string_view value, float number)
{
    switch (field) {
    case 0: text.position.x = number; break;
    case 1: text.position.y = number; break;
    case 2: text.delay = truncateToInt(number); break;
    case 3: text.text = value; break;
    case 4: text.alignment = truncateToInt(number); break;
    case 5: text.maxSize = number; break;
    default: break;
    }
}

void storeHintField(Menu& screen, int field, std::string_view value, float number)
{
    switch (field) {
    case 0: screen.hint.position.x = number; break;
    case 1: screen.hint.position.y = number; break;
    case 2: screen.hint.alignment = truncateToInt(number); break;
    case 3: screen.defaultHint = value; break;
    default: break;
    }
}

void storeSliderField(Menu::Slider& slider, int field, std::string_view value, float number)
{
    slider.slide.alwaysVisible = true;
    switch (field) {
    case 0: slider.slide.position.x = number; break;
    case 1: slider.slide.position.y = number; break;
    case 2: slider.slide.width = truncateToInt(number); break;
    case 3: slider.slide.label = value; break;
    case 4: slider.setting = truncateToInt(number); break;
    case 5: slider.hint = value; break;
    default: break;
    }
}

void storeLevelListField(LevelList& list, int field, std::string_view value, float number)
{
    switch (field) {
    case 0: list.position.x = number; break;
    case 1: list.position.y = number; break;
    case 2: list.size.x = number; break;
    case 3: list.size.y = number; break;
    case 4: list.authorLevels = isFlagSet(number); break;
    case 5: list.starsHeading = value; break;
    default: break;
    }
}

}  // namespace

void parseMenuSetup(std::string_view text, std::vector<Menu>& screens,
                    const MenuLevelLoader& loadLevel)
{
    scanRecords(text, [&](const RecordPosition& at, std::string_view value) {
        // Every value makes the screens up to its index exist, also in the
        // sections the menu ignores.
        if (at.index < 0 || at.index >= kMaxMenuScreens)
            return;
        if (static_cast<int>(screens.size()) <= at.index)
            screens.resize(static_cast<std::size_t>(at.index) + 1);

        Menu& screen = screens[static_cast<std::size_t>(at.index)];
        const float number = parseNumber(value);
        switch (at.section) {
        case kScreenSection:
            storeScreenField(screen, at.field, value, number, loadLevel);
            break;
        case kButtonSection:
            if (growTo(screen.buttons, at.subIndex))
                storeButtonField(screen.buttons[static_cast<std::size_t>(at.subIndex)], at.field,
                                 value, number);
            break;
        case kTextSection:
            if (growTo(screen.textTemplates, at.subIndex))
                storeTextField(screen.textTemplates[static_cast<std::size_t>(at.subIndex)],
                               at.field, value, number);
            break;
        case kHintSection:
            storeHintField(screen, at.field, value, number);
            break;
        case kLevelListSection:
            storeLevelListField(screen.levelList, at.field, value, number);
            break;
        case kSliderSection:
            if (growTo(screen.sliders, at.subIndex))
                storeSliderField(screen.sliders[static_cast<std::size_t>(at.subIndex)], at.field,
                                 value, number);
            break;
        default:
            break;
        }
    });
    setUpCredits(screens);
}

void readMenuSetup(std::vector<Menu>& screens, const std::string& fileName)
{
    std::string text;
    if (readWholeFile(fileName, text)) {
        // A name the description gives lies in the data folder, wherever the
        // game was started (a launcher starts it in the player's home).
        parseMenuSetup(text, screens, [](Level& level, const std::string& levelFile) {
            return level.load(findGameFile(levelFile));
        });
    }
}

void loadMenuPictures(std::vector<Menu>& screens)
{
    for (Menu& screen : screens)
        screen.texture = loadTexture(screen.pictureFile);
}
