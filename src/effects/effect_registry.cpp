// The registry of effects and the parser of their parameters.
#include "effects/effect_registry.h"

#include <charconv>
#include <cstdio>

#include "effects/routines.h"

namespace tilesmith {

namespace {

using Kind = EffectParam::Kind;

std::uint8_t u8(std::int64_t v) { return std::uint8_t(v); }

// Modes other than 0 and 1 would leave the package unchanged: surely a typing slip.
EffectParam mode(const char* rule) { return {"MODE", Kind::number, 0, 1, rule}; }

constexpr const char* kChannelRule = "channels are 1 (red), 2 (green) or 3 (blue)";

// Anything but a permutation would lose a channel.
const char* each_channel_once(const EffectArgs& a) {
    const unsigned seen = 1u << a[0] | 1u << a[1] | 1u << a[2];
    return seen == 0b1110 ? nullptr : "R,G,B must name each of the channels 1, 2, 3 once";
}

// The item whose last parameter is a colour the window asks for.
EffectItem asking_colour(EffectItem item) {
    item.asks_colour = true;
    return item;
}

std::vector<Effect> make_registry() {
    using A = const EffectArgs&;
    using P = Package&;
    using R = const EffectArea&;
    using G = Progress&;
    return {
        {.name = "invert_colors",
         .run = [](P p, R r, A, G g) { invert_colors(p, r, g); },
         .items = {{Msg::Invert, ""}}},
        {.name = "gray_scale",
         .run = [](P p, R r, A, G g) { gray_scale(p, r, g); },
         .items = {{Msg::Grayscale, ""}}},
        {.name = "black_white",
         .run = [](P p, R r, A, G g) { black_white(p, r, g); },
         .items = {{Msg::BlackAndWhite, ""}}},
        {.name = "reduce_colors",
         .params = {{"STEP", Kind::number, 1, 255, "STEP must be 1 to 255"}},
         .run = [](P p, R r, A a, G g) { reduce_colors(p, r, u8(a[0]), g); },
         .items = {{Msg::Reduce625, "16"}, {Msg::Reduce125, "32"}, {Msg::Reduce25, "64"}, {Msg::Reduce375, "96"}}},
        {.name = "adjust_gamma",
         .params = {{"DELTA", Kind::number, -128, 127, "DELTA must be -128 to 127"}},
         .run = [](P p, R r, A a, G g) { adjust_gamma(p, r, std::int8_t(a[0]), g); },
         .items = {{"+ 5 %", "8"}, {"+ 10 %", "25"}, {"+ 25 %", "63"}, {"- 5 %", "-8"}, {"- 10 %", "-25"},
                   {"- 25 %", "-63"}}},
        {.name = "swap_channels",
         .params = {{"R", Kind::number, 1, 3, kChannelRule},
                    {"G", Kind::number, 1, 3, kChannelRule},
                    {"B", Kind::number, 1, 3, kChannelRule}},
         .check = each_channel_once,
         .run = [](P p, R r, A a,
                   G g) { swap_channels(p, r, u8(a[0]), u8(a[1]), u8(a[2]), g); },
         .items = {{"RBG", "1,3,2"}, {"GRB", "2,1,3"}, {"GBR", "2,3,1"}, {"BRG", "3,1,2"}, {"BGR", "3,2,1"}}},
        {.name = "average_color",
         .run = [](P p, R r, A, G g) { average_color(p, r, g); },
         .items = {{Msg::AverageColor, ""}}},
        {.name = "sharpen_channel",
         .alias = "brighten_channel",
         .params = {{"CHANNEL", Kind::number, 1, 3,
                     "CHANNEL must be 1 (red), 2 (green) or 3 (blue)"},
                    {"AMOUNT", Kind::number, 0, 255, "AMOUNT must be 0 to 255"}},
         .run = [](P p, R r, A a,
                   G g) { sharpen_channel(p, r, u8(a[0]), u8(a[1]), g); },
         .items = {{"R", "1,32"}, {"G", "2,32"}, {"B", "3,32"}}},
        {.name = "blur",
         .run = [](P p, R r, A, G g) { blur(p, r, g); },
         .items = {{Msg::Blur, ""}}},
        {.name = "pixelate",
         .run = [](P p, R r, A, G g) { pixelate(p, r, g); },
         .items = {{Msg::Pixelate, ""}}},
        {.name = "rotate90",
         .run = [](P p, R r, A, G g) { rotate90(p, r, g); },
         .square_only = true,
         .items = {{Msg::Rotate90, ""}}},
        {.name = "flip",
         .params = {mode("MODE must be 0 (left-right) or 1 (top-bottom)")},
         .run = [](P p, R r, A a, G g) { flip(p, r, u8(a[0]), g); },
         .items = {{Msg::FlipHorizontally, "0"}, {Msg::FlipVertically, "1"}}},
        {.name = "diaphragm",
         .params = {mode("MODE must be 0 (horizontal lines) or 1 (vertical lines)"),
                    {"RRGGBB", Kind::colour, 0, 0xFFFFFF,
                     "the colour must be six hex digits RRGGBB"}},
         .run = [](P p, R r, A a,
                   G g) { diaphragm(p, r, u8(a[0]), PackedColor(a[1]), g); },
         .items = {asking_colour({Msg::DiaphragmHorizontal, "0"}), asking_colour({Msg::DiaphragmVertical, "1"})}},
        {.name = "button3d",
         .params = {mode("MODE must be 0 (convex) or 1 (concave)")},
         .run = [](P p, R r, A a, G g) { button3d(p, r, u8(a[0]), g); },
         .items = {{Msg::Convex, "0"}, {Msg::Concave, "1"}}},
    };
}

// RRGGBB, six hex digits, as a packed colour.
std::optional<PackedColor> parse_rgb_hex(std::string_view s) {
    unsigned v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
    if (s.size() != 6 || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return pack_rgb(std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v));
}

EffectCall fail(std::string message) { return {nullptr, std::move(message)}; }

const char* const kCountWords[] = {"no", "one", "two", "three"};

}  // namespace

std::optional<Msg> BoundEffect::refusal(int width, int height) const {
    if (square_only_ && width != height) return Msg::TurnNeedsSquare;
    return std::nullopt;
}

const std::vector<Effect>& effect_registry() {
    static const std::vector<Effect> registry = make_registry();
    return registry;
}

const Effect* find_effect(std::string_view name) {
    for (const Effect& e : effect_registry())
        if (name == e.name || (e.alias && name == e.alias)) return &e;
    return nullptr;
}

std::optional<long long> parse_whole(std::string_view s, long long lo, long long hi) {
    if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);
    long long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

std::vector<std::string_view> split_commas(std::string_view s) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto comma = s.find(',');
        parts.push_back(s.substr(0, comma));
        if (comma == std::string_view::npos) return parts;
        s.remove_prefix(comma + 1);
    }
}

std::string item_call(const Effect& effect, const EffectItem& item, PackedColor colour) {
    std::string args = item.args;
    if (item.asks_colour) {
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%02x%02x%02x", red_of(colour), green_of(colour), blue_of(colour));
        args += (args.empty() ? "" : ",") + std::string(rgb);
    }
    return args.empty() ? std::string(effect.name) : effect.name + (":" + args);
}

std::string effect_usage(const Effect& effect) {
    std::string usage = effect.name;
    for (std::size_t k = 0; k < effect.params.size(); ++k)
        usage += (k == 0 ? ":" : ",") + std::string(effect.params[k].name);
    return usage;
}

namespace {

// Checks the parameters against the effect's rules and binds them; what is
// wrong is told under `name`, the name the call used.
EffectCall bind_effect(const Effect& effect, const std::string& name, const std::vector<std::string_view>& args) {
    const std::size_t n = effect.params.size();
    if (args.size() != n) {
        if (n == 0) return fail(name + " takes no parameters");
        const std::string form = effect_usage(effect).substr(std::string_view(effect.name).size() + 1);
        return fail(name + " takes " + kCountWords[n] +
                    (n == 1 ? " parameter, " : " parameters, ") + form);
    }
    EffectArgs values{};
    for (std::size_t k = 0; k < n; ++k) {
        const EffectParam& param = effect.params[k];
        std::optional<long long> v;
        if (param.kind == Kind::colour) {
            if (const auto c = parse_rgb_hex(args[k])) v = *c;
        } else {
            v = parse_whole(args[k], param.lo, param.hi);
        }
        if (!v) return fail("bad parameter for " + name + ": " + param.rule);
        values[k] = *v;
    }
    if (effect.check)
        if (const char* wrong = effect.check(values))
            return fail("bad parameter for " + name + ": " + wrong);
    return {BoundEffect([run = effect.run, values](Package& p, const EffectArea& area,
                                                   Progress& g) { run(p, area, values, g); },
                        effect.square_only),
            {}};
}

}  // namespace

EffectCall parse_effect(std::string_view text) {
    const auto colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    const Effect* effect = find_effect(name);
    if (!effect) return fail("unknown effect \"" + std::string(name) + "\"");
    std::vector<std::string_view> args;
    if (colon != std::string_view::npos) args = split_commas(text.substr(colon + 1));
    return bind_effect(*effect, std::string(name), args);
}

}  // namespace tilesmith
