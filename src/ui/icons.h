// Our own 16 x 16 pictograms for the menu items and tool buttons, drawn in code.
#pragma once
#include <QIcon>

namespace tilesmith {

enum class Icon {
    none,
    new_package, open_source, open_target, save, save_as, export_level, exit, recent,
    undo, cut, copy, paste, rotate, flip_h, flip_v, gamma, gamma_up, gamma_down,
    grid, add, remove, copy_transparency, copy_package,
    invert, average, reduce, palette, gray, black_white, channels, sharpen, blur, pixelate,
    button3d, convex, concave, diaphragm, diaphragm_h, diaphragm_v,
    language, options, select_color, grid_size, author, history, mail, app,
};

// The pictogram for `which`; an empty icon for Icon::none.
QIcon make_icon(Icon which);
// The pictogram of a checkable item: when checked it carries a check mark.
QIcon make_check_icon(Icon which);

}  // namespace tilesmith
