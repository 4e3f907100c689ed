// The menus, keys, icons and tool buttons of the effects.
#include "ui/effect_places.h"

#include <stdexcept>
#include <string>

namespace tilesmith {

namespace {

using Root = EffectMenuRoot;

constexpr EffectSubmenu kRotate{"Obro901", Msg::Rotate, Icon::rotate, Root::edit};
constexpr EffectSubmenu kFlip{"Odbij1", Msg::Flip, Icon::flip_h, Root::edit};
constexpr EffectSubmenu kGamma{"Gamma1", Msg::Gamma, Icon::gamma, Root::edit};
constexpr EffectSubmenu kReduction{"BumpMapping1", Msg::ColorReduction, Icon::reduce, Root::effects};
constexpr EffectSubmenu kPalette{"Paletakolorw1", Msg::Palette, Icon::palette, Root::effects};
constexpr EffectSubmenu kChannels{"Zamianakanaw1", Msg::ChannelSwap, Icon::channels, Root::effects, "RGB1", "RGB"};
constexpr EffectSubmenu kSharpen{"Wyostrzkana1", Msg::TraceChannel, Icon::sharpen, Root::effects};
constexpr EffectSubmenu kButton{"Przycisk3D1", Msg::Button3D, Icon::button3d, Root::effects};
constexpr EffectSubmenu kShutter{"Przeslona1", Msg::Diaphragm, Icon::diaphragm, Root::effects};

// The item with a tool button that runs it.
EffectItemPlace with_tool(EffectItemPlace item, const char* name, std::optional<Msg> hint, Icon icon) {
    item.tool = {name, hint, icon};
    return item;
}
// The item after a divider in its menu.
EffectItemPlace after_divider(EffectItemPlace item) {
    item.separator_before = true;
    return item;
}

std::vector<EffectPlace> make_places() {
    return {
        {"invert_colors", Root::effects, 10, nullptr, false,
         {with_tool({"ef_cr", "Ctrl+Alt+C", Icon::invert}, "tool_cr", std::nullopt, Icon::invert)}},
        {"gray_scale", Root::effects, 40, &kPalette, false,
         {with_tool({"ef_gray", "Ctrl+Alt+G", Icon::gray}, "tool_gray", Msg::GrayscaleHint, Icon::gray)}},
        {"black_white", Root::effects, 50, &kPalette, false,
         {with_tool({"ef_bw", "Ctrl+Alt+W", Icon::black_white}, "tool_bw", Msg::BlackAndWhiteHint,
                    Icon::black_white)}},
        {"reduce_colors", Root::effects, 30, &kReduction, false,
         {{"ef_cred625", ""},
          {"ef_cred125", ""},
          with_tool({"ef_cred25", ""}, "tool_cred", Msg::ColorReduction, Icon::reduce),
          {"ef_cred375", ""}}},
        // The tool buttons show the submenu's icon.
        {"adjust_gamma", Root::edit, 30, &kGamma, false,
         {with_tool({"ed_gamma5", "", Icon::gamma_up}, "tool_gammap", Msg::GammaUpHint, Icon::gamma),
          {"ed_gamma10", "", Icon::gamma_up},
          {"ed_gamma25", "", Icon::gamma_up},
          with_tool(after_divider({"ed_gamma_5", "", Icon::gamma_down}), "tool_gammam", Msg::GammaDownHint,
                    Icon::gamma),
          {"ed_gamma_10", "", Icon::gamma_down},
          {"ed_gamma_25", "", Icon::gamma_down}}},
        {"swap_channels", Root::effects, 60, &kChannels, true,
         {{"RBG1", ""}, after_divider({"GRB1", ""}), {"GBR1", ""}, after_divider({"BRG1", ""}), {"BGR1", ""}}},
        {"average_color", Root::effects, 20, nullptr, false, {{"ef_abcolor", "Ctrl+Alt+A", Icon::average}}},
        {"sharpen_channel", Root::effects, 70, &kSharpen, false, {{"R1", ""}, {"G1", ""}, {"B1", ""}}},
        {"blur", Root::effects, 80, nullptr, true,
         {with_tool({"ef_blur", "Ctrl+Alt+B", Icon::blur}, "tool_blur", std::nullopt, Icon::blur)}},
        {"pixelate", Root::effects, 90, nullptr, false,
         {with_tool({"ef_px", "Ctrl+Alt+X", Icon::pixelate}, "tool_px", std::nullopt, Icon::pixelate)}},
        {"rotate90", Root::edit, 10, &kRotate, false,
         {with_tool({"ed_90stopni", "Ctrl+Alt+R", Icon::rotate}, "tool_90stopni", Msg::Rotate90Hint, Icon::rotate)}},
        {"flip", Root::edit, 20, &kFlip, false,
         {with_tool({"ed_fliph", "Ctrl+Alt+H", Icon::flip_h}, "tool_fliph", Msg::FlipHorizontallyHint, Icon::flip_h),
          with_tool({"ed_flipv", "Ctrl+Alt+V", Icon::flip_v}, "tool_flipv", Msg::FlipVerticallyHint, Icon::flip_v)}},
        {"diaphragm", Root::effects, 110, &kShutter, false,
         {with_tool({"ef_lmh", "Ctrl+Alt+P", Icon::diaphragm_h}, "tool_lm", Msg::DiaphragmHint, Icon::diaphragm_h),
          {"ef_lmv", "Ctrl+Alt+Q", Icon::diaphragm_v}}},
        {"button3d", Root::effects, 100, &kButton, false,
         {with_tool({"ef_3dup", "Ctrl+Alt+U", Icon::convex}, "tool_3dup", Msg::ConvexHint, Icon::convex),
          {"ef_3ddown", "Ctrl+Alt+D", Icon::concave}}},
    };
}

}  // namespace

const std::vector<EffectPlace>& effect_places() {
    static const std::vector<EffectPlace> places = make_places();
    return places;
}

const EffectPlace& place_of(const Effect& effect) {
    for (const EffectPlace& place : effect_places())
        if (std::string_view(place.effect) == effect.name && place.items.size() == effect.items.size()) return place;
    throw std::logic_error(std::string("the effect ") + effect.name + " has no place in the menus");
}

}  // namespace tilesmith
