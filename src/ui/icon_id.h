// Names of the 16 x 16 pictograms of menu items and tool buttons. The window
// draws them; the name alone is Qt-free, so the effect registry can pick one.
#pragma once

namespace tilesmith {

enum class Icon {
    none,
    new_package, open_source, open_target, save, save_as, export_level, exit, recent,
    undo, redo, cut, copy, paste, rotate, flip_h, flip_v, gamma, gamma_up, gamma_down,
    grid, add, remove, copy_transparency, copy_package,
    invert, average, reduce, palette, gray, black_white, channels, sharpen, blur, pixelate,
    button3d, convex, concave, diaphragm, diaphragm_h, diaphragm_v,
    language, options, select_color, grid_size, author, history, mail, app,
};

}  // namespace tilesmith
