// Where the window shows each effect of the registry: its root menu and rank,
// its submenu, and for each of its items (in the registry's order) the object
// name, key, icon and tool button.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "ui/icon_id.h"
#include "effects/effect_registry.h"
#include "strings/messages.h"

namespace tilesmith {

// The two menus of the menu bar that hold effects.
enum class EffectMenuRoot { edit, effects };

// A submenu of a root menu; effects may share one (grayscale and black-and-white
// sit in the palette submenu).
struct EffectSubmenu {
    const char* name;  // Qt object name
    Msg caption;
    Icon icon;
    EffectMenuRoot root;
    // A disabled first item that names the order of what follows ("RGB").
    const char* heading_name = nullptr;
    const char* heading = nullptr;
};

// A tool button that runs its menu item.
struct EffectTool {
    const char* name = nullptr;  // null: the item has no tool button
    std::optional<Msg> hint;     // none: the hint is the item's caption
    Icon icon = Icon::none;
};

struct EffectItemPlace {
    const char* name;      // Qt object name
    const char* shortcut;  // Qt's portable text ("Ctrl+Alt+R"); "" for none
    Icon icon = Icon::none;
    bool separator_before = false;
    EffectTool tool = {};
};

struct EffectPlace {
    const char* effect;  // the registry's name
    EffectMenuRoot root;
    int rank;  // order in the root menu
    const EffectSubmenu* submenu = nullptr;  // null: straight in the root menu
    bool separator_before = false;
    std::vector<EffectItemPlace> items = {};  // one for each item of the effect
};

// Every effect's place, in no particular order.
const std::vector<EffectPlace>& effect_places();
// The place of the registry's effect; an effect without one is a fault of the build.
const EffectPlace& place_of(const Effect& effect);

}  // namespace tilesmith
