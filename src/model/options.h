// The options of the Options and View menus that other commands read.
#pragma once
#include "core/color.h"
#include "core/dimensions.h"
#include "strings/messages.h"

namespace tilesmith {

struct Options {
    Language language = true;       // language_pl checked (language_index 0)
    bool automove = true;     // auto_move
    bool correct_transparent_color = true;      // correct_transparent_color: correct the transparent colour of levels
    bool eight_bit = false;   // open_8bit: open TR2/3 textures as 8-bit
    bool flat_look = true;           // flat_look: flat look
    bool show_coordinates = true;         // show_coordinates: show tile coordinates
    bool grid_visible = false;   // grid visible
    int grid_step = kDefaultGridStep;  // one of kGridSteps
    bool texture_use = false;  // View menu "Show texture use" over packages read from levels
    // Selection and grid colour; same layout as the settings file (0x00BBGGRR).
    PackedColor select_color = kWhite;

    Language language() const { return polish ? Language::Polish : Language::English; }
    int language_index() const { return int(language()); }
    bool operator==(const Options&) const = default;
};

}  // namespace tilesmith
