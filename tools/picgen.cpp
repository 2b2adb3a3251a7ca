// Writes every picture the game reads into the game folder: the font sheet,
// the ball, the editor panel, the theme pictures and the main-menu pictures.
// The output depends on nothing but the font file, byte for byte, so a build
// can be checked against another.
//
//   picgen <game folder> [font file]
#include <cstdio>
#include <filesystem>
#include <string>

#include "picgen/canvas.h"
#include "picgen/font_sheet.h"
#include "picgen/game_pictures.h"
#include "picgen/menu_pictures.h"
#include "picgen/theme_pictures.h"

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

bool save(const picgen::Canvas& picture, const std::filesystem::path& path)
{
    if (picture.save(path.string())) return true;
    std::fprintf(stderr, "picgen: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: picgen <game folder> [font file]\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::string fontPath = argc > 2 ? argv[2] : kDefaultFont;
    std::error_code ec;
    std::filesystem::create_directories(out / "Themes", ec);
    if (ec) {
        std::fprintf(stderr, "picgen: cannot create %s: %s\n", (out / "Themes").c_str(),
                     ec.message().c_str());
        return 1;
    }

    bool ok = true;
    picgen::Canvas font(256, 512);
    std::string error;
    if (!picgen::renderFontSheet(fontPath, font, error)) {
        std::fprintf(stderr, "picgen: %s\n", error.c_str());
        return 1;
    }
    ok = save(font, out / "label.bmp") && ok;
    ok = save(picgen::makeBallPicture(), out / "ball.bmp") && ok;
    ok = save(picgen::makePanelPicture(), out / "slidemenu.bmp") && ok;
    for (const picgen::ThemePicture& theme : picgen::makeThemePictures()) {
        ok = save(theme.picture, out / "Themes" / (theme.name + ".bmp")) && ok;
    }
    for (const picgen::MenuPicture& menu : picgen::makeMenuPictures()) {
        ok = save(menu.picture, out / menu.fileName) && ok;
    }
    return ok ? 0 : 1;
}
