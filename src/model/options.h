// The options of the Options and View menus that other commands read.
#pragma once
#include "core/color.h"
#include "core/dimensions.h"
#include "strings/messages.h"

namespace tilesmith {

struct Options {
    bool polish = true;       // jezyk_pl checked (language_index 0)
    bool automove = true;     // opcje_automove
    bool ttcolor = true;      // opcje_ttcolor: correct the transparent colour of levels
    bool eight_bit = false;   // opcje_8bit: open TR2/3 textures as 8-bit
    bool xp = true;           // opcje_xp: flat look
    bool cord = true;         // opcje_cord: show tile coordinates
    bool view_gird = false;   // grid visible
    int grid_step = kDefaultGridStep;  // one of kGridSteps
    bool texture_use = false;  // View menu "Show texture use" over packages read from levels
    // Selection and grid colour; same layout as the settings file (0x00BBGGRR).
    PackedColor select_color = kWhite;

    Language language() const { return polish ? Language::Polish : Language::English; }
    int language_index() const { return int(language()); }
    bool operator==(const Options&) const = default;
};

}  // namespace tilesmith
