// The one list of effects: for each, its command-line name and parameters, the
// routine that runs it, and the calls its menu items make, with their
// captions. An effect is added with its routine, one entry of this list and
// its place in the window's menus.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "core/package.h"
#include "core/progress.h"
#include "effects/routines.h"
#include "strings/messages.h"

namespace tilesmith {

// The parameters of an effect after parsing, in order; a colour as a PackedColor.
using EffectArgs = std::array<std::int64_t, 3>;
// An effect with its parameters bound: what the window and the command-line tool run.
class BoundEffect {
public:
    using Run = std::function<void(Package&, const EffectArea&, Progress&)>;
    BoundEffect() = default;
    BoundEffect(std::nullptr_t) {}
    BoundEffect(Run run, bool square_only) : run_(std::move(run)), square_only_(square_only) {}
    explicit operator bool() const { return bool(run_); }
    // The whole area as one picture.
    void operator()(Package& package, const EffectArea& area, Progress& progress) const { run_(package, area, progress); }
    // The 64 x 64 rectangle at (x, y), as the command line's --at places it.
    void operator()(Package& package, int x, int y, Progress& progress) const {
        run_(package, EffectArea{x, y}, progress);
    }
    // Why the effect cannot work on an area of this size (a turn needs a
    // square), or nothing.
    std::optional<Msg> refusal(int width, int height) const;

private:
    Run run_;
    bool square_only_ = false;
};

struct EffectParam {
    enum class Kind { number, colour };  // a whole decimal in [lo, hi], or RRGGBB
    const char* name;                    // as the usage text shows it: "STEP"
    Kind kind;
    std::int64_t lo, hi;
    const char* rule;  // what a bad value is told: "STEP must be 1 to 255"
};

// A caption from the string table, or a literal that reads the same in both
// languages ("+ 5 %", "RBG").
struct Caption {
    constexpr Caption(Msg m) : message(m) {}
    constexpr Caption(const char* text) : literal(text) {}
    std::optional<Msg> message;
    const char* literal = nullptr;
};

// A menu item: the effect with fixed parameters. Where the window shows it
// (object name, menu, icon, key, tool button) is the window's.
struct EffectItem {
    Caption caption;
    // The parameters as the command line writes them after the colon ("16",
    // "1,3,2"); "" for none. Both go through the same parser.
    const char* args;
    // The window asks the colour chooser for one more, last parameter.
    bool asks_colour = false;
};

struct Effect {
    const char* name = nullptr;  // the command-line name, unique
    // Another command-line name it answers to, the words its menu item says
    // ("brighten_channel"); the usage lists it after the others. Null: none.
    const char* alias = nullptr;
    std::vector<EffectParam> params = {};
    // A rule on the parameters together; what is wrong, or null.
    const char* (*check)(const EffectArgs&) = nullptr;
    void (*run)(Package&, const EffectArea&, const EffectArgs&, Progress&) = nullptr;
    // It turns the area, which keeps its place only when it is square.
    bool square_only = false;
    // The calls the menus offer, in their order.
    std::vector<EffectItem> items = {};
};

// Every effect, in the order the command line lists them.
const std::vector<Effect>& effect_registry();
// The effect with that command-line name or alias, or null.
const Effect* find_effect(std::string_view name);

// A bound effect, or the reason there is none (for a usage error).
struct EffectCall {
    BoundEffect run;
    std::string error;  // empty when run is set
};
// "NAME[:ARGS]" as the command line writes it, checked against the effect's
// rules and bound.
EffectCall parse_effect(std::string_view text);
// A menu item's call as the command line writes it ("flip:1"); an item that
// asks for a colour gets `colour` as its last parameter.
std::string item_call(const Effect& effect, const EffectItem& item, PackedColor colour = 0);
// "NAME" or "NAME:P1,P2", as the usage text lists the effect.
std::string effect_usage(const Effect& effect);

// The pieces of the parameter syntax, also used for the command line's --at.
// A whole decimal integer within [lo, hi]; a leading '+' is allowed.
std::optional<long long> parse_whole(std::string_view s, long long lo, long long hi);
std::vector<std::string_view> split_commas(std::string_view s);

}  // namespace tilesmith
