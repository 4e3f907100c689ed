// The menus, keys, icons and tool buttons of the effects.
#include "ui/effect_places.h"

#include <stdexcept>
#include <string>

namespace tilesmith {

namespace {

using Root = EffectMenuRoot;

constexpr EffectSubmenu kRotate{"menu_rotate", Msg::Rotate, Icon::rotate, Root::edit};
constexpr EffectSubmenu kFlip{"menu_flip", Msg::Flip, Icon::flip_h, Root::edit};
constexpr EffectSubmenu kGamma{"menu_gamma", Msg::Gamma, Icon::gamma, Root::edit};
constexpr EffectSubmenu kReduction{"menu_color_reduction", Msg::ColorReduction, Icon::reduce, Root::effects};
constexpr EffectSubmenu kPalette{"menu_palette", Msg::Palette, Icon::palette, Root::effects};
constexpr EffectSubmenu kChannels{"menu_channel_swap", Msg::ChannelSwap, Icon::channels, Root::effects, "channels_rgb", "RGB"};
constexpr EffectSubmenu kSharpen{"menu_sharpen_channel", Msg::TraceChannel, Icon::sharpen, Root::effects};
constexpr EffectSubmenu kButton{"menu_button3d", Msg::Button3D, Icon::button3d, Root::effects};
constexpr EffectSubmenu kShutter{"menu_diaphragm", Msg::Diaphragm, Icon::diaphragm, Root::effects};

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
         {with_tool({"invert_colors", "Ctrl+Alt+C", Icon::invert}, "tool_invert_colors", std::nullopt, Icon::invert)}},
        {"gray_scale", Root::effects, 40, &kPalette, false,
         {with_tool({"gray_scale", "Ctrl+Alt+G", Icon::gray}, "tool_gray_scale", Msg::GrayscaleHint, Icon::gray)}},
        {"black_white", Root::effects, 50, &kPalette, false,
         {with_tool({"black_white", "Ctrl+Alt+W", Icon::black_white}, "tool_black_white", Msg::BlackAndWhiteHint,
                    Icon::black_white)}},
        {"reduce_colors", Root::effects, 30, &kReduction, false,
         {{"reduce_colors_625", ""},
          {"reduce_colors_125", ""},
          with_tool({"reduce_colors_25", ""}, "tool_reduce_colors", Msg::ColorReduction, Icon::reduce),
          {"reduce_colors_375", ""}}},
        // The tool buttons show the submenu's icon.
        {"adjust_gamma", Root::edit, 30, &kGamma, false,
         {with_tool({"gamma_up5", "", Icon::gamma_up}, "tool_gamma_up", Msg::GammaUpHint, Icon::gamma),
          {"gamma_up10", "", Icon::gamma_up},
          {"gamma_up25", "", Icon::gamma_up},
          with_tool(after_divider({"gamma_down5", "", Icon::gamma_down}), "tool_gamma_down", Msg::GammaDownHint,
                    Icon::gamma),
          {"gamma_down10", "", Icon::gamma_down},
          {"gamma_down25", "", Icon::gamma_down}}},
        {"swap_channels", Root::effects, 60, &kChannels, true,
         {{"channels_rbg", ""}, after_divider({"channels_grb", ""}), {"channels_gbr", ""}, after_divider({"channels_brg", ""}), {"channels_bgr", ""}}},
        {"average_color", Root::effects, 20, nullptr, false, {{"average_color", "Ctrl+Alt+A", Icon::average}}},
        {"sharpen_channel", Root::effects, 70, &kSharpen, false, {{"sharpen_red", ""}, {"sharpen_green", ""}, {"sharpen_blue", ""}}},
        {"blur", Root::effects, 80, nullptr, true,
         {with_tool({"blur", "Ctrl+Alt+B", Icon::blur}, "tool_blur", std::nullopt, Icon::blur)}},
        {"pixelate", Root::effects, 90, nullptr, false,
         {with_tool({"pixelate", "Ctrl+Alt+X", Icon::pixelate}, "tool_pixelate", std::nullopt, Icon::pixelate)}},
        {"rotate90", Root::edit, 10, &kRotate, false,
         {with_tool({"rotate90", "Ctrl+Alt+R", Icon::rotate}, "tool_rotate90", Msg::Rotate90Hint, Icon::rotate)}},
        {"flip", Root::edit, 20, &kFlip, false,
         {with_tool({"flip_horizontally", "Ctrl+Alt+H", Icon::flip_h}, "tool_flip_horizontally", Msg::FlipHorizontallyHint, Icon::flip_h),
          with_tool({"flip_vertically", "Ctrl+Alt+V", Icon::flip_v}, "tool_flip_vertically", Msg::FlipVerticallyHint, Icon::flip_v)}},
        {"diaphragm", Root::effects, 110, &kShutter, false,
         {with_tool({"diaphragm_horizontal", "Ctrl+Alt+P", Icon::diaphragm_h}, "tool_diaphragm", Msg::DiaphragmHint, Icon::diaphragm_h),
          {"diaphragm_vertical", "Ctrl+Alt+Q", Icon::diaphragm_v}}},
        {"button3d", Root::effects, 100, &kButton, false,
         {with_tool({"button3d_convex", "Ctrl+Alt+U", Icon::convex}, "tool_button3d_convex", Msg::ConvexHint, Icon::convex),
          {"button3d_concave", "Ctrl+Alt+D", Icon::concave}}},
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
