// The options of the Options and View menus that other commands read.
#pragma once
#include "core/color.h"
#include "core/dimensions.h"
#include "strings/messages.h"

namespace tilesmith {

struct Options {
    Language language = Language::Polish;  // the language menu's checked item
    bool automove = true;                  // move the selection on after adding tiles
    bool correct_transparent_color = true;  // correct the transparent colour of levels
    bool eight_bit = false;                // open TR2/3 textures from their 8-bit pages
    bool flat_look = true;
    bool show_coordinates = true;          // tile coordinates in the panes
    bool grid_visible = false;
    int grid_step = kDefaultGridStep;  // one of kGridSteps
    bool texture_use = false;  // View menu "Show texture use" over packages read from levels
    // Selection and grid colour; same layout as the settings file (0x00BBGGRR).
    PackedColor select_color = kWhite;

    int language_index() const { return int(language); }
    bool operator==(const Options&) const = default;
};

}  // namespace tilesmith
