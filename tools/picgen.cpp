// Writes every picture the game reads into the game folder: the font sheet,
// the ball, the editor panel, the theme pictures and the main-menu pictures.
// The output depends on nothing but the font file, byte for byte, so a build
// can be checked against another.
//
//   picgen <game folder> [font file]
//   picgen --icons <folder> <desktop id>   the desktop icons in a hicolor tree
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "picgen/canvas.h"
#include "picgen/font_sheet.h"
#include "picgen/icon_picture.h"
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

/// The icon at every size desktops look for, and the scalable one.
int writeIcons(const std::filesystem::path& out, const std::string& id)
{
    bool ok = true;
    std::error_code ec;
    for (int side : {32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(side) + "x" + std::to_string(side);
        const std::filesystem::path folder = out / "hicolor" / size / "apps";
        std::filesystem::create_directories(folder, ec);
        std::vector<float> alpha;
        const picgen::Canvas icon = picgen::makeIconPicture(side, alpha);
        if (!picgen::savePng(icon, alpha, (folder / (id + ".png")).string())) {
            std::fprintf(stderr, "picgen: cannot write %s\n", (folder / (id + ".png")).c_str());
            ok = false;
        }
    }
    const std::filesystem::path scalable = out / "hicolor" / "scalable" / "apps";
    std::filesystem::create_directories(scalable, ec);
    std::ofstream svg(scalable / (id + ".svg"), std::ios::binary | std::ios::trunc);
    svg << picgen::makeIconSvg();
    if (!svg) {
        std::fprintf(stderr, "picgen: cannot write %s\n", (scalable / (id + ".svg")).c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--icons") return writeIcons(argv[2], argv[3]);
    if (argc < 2) {
        std::fprintf(stderr, "usage: picgen <game folder> [font file]\n       picgen --icons <folder> <desktop id>\n");
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
    // The same letters at twice the size, for windows that magnify the picture.
    picgen::Canvas largeFont(512, 1024);
    if (!picgen::renderFontSheet(fontPath, largeFont, error)) {
        std::fprintf(stderr, "picgen: %s\n", error.c_str());
        return 1;
    }
    ok = save(largeFont, out / "label2x.bmp") && ok;
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
