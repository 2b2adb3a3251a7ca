#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace picgen {

struct MenuPicture {
    std::string fileName;  ///< as named in menusetup.txt
    Canvas picture;
};

/// The main-menu screens' pictures, 256 by 256, stretched over the window and
/// tinted by each screen's colour: menu_title, menu_levels, menu_howto and
/// menu_credits (".bmp"). Kept calm and mid-dark so white text reads on them.
std::vector<MenuPicture> makeMenuPictures();

} // namespace picgen
