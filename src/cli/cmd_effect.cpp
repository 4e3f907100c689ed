// tilesmith-cli effect: one effect routine on the 64 x 64 rectangle at a
// package pixel of a file, written to another (or the same) file.
#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "effects/routines.h"

namespace tilesmith::cli {

namespace {

using Routine = std::function<void(Package&, int x, int y, Progress&)>;

// A whole decimal integer within [lo, hi]; a leading '+' is allowed.
std::optional<long long> parse_int(std::string_view s, long long lo, long long hi) {
    if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);
    long long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

// RRGGBB, six hex digits, as a packed colour.
std::optional<PackedColor> parse_rgb_hex(std::string_view s) {
    unsigned v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
    if (s.size() != 6 || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return pack_rgb(std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v));
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

struct Parsed {
    Routine routine;
    std::string error;  // empty when routine is set
};

Parsed fail(std::string message) { return {nullptr, std::move(message)}; }

// ROUTINE[:ARGS] into a call of the routine with its parameters.
Parsed parse_routine(const std::string& text) {
    const auto colon = text.find(':');
    const std::string name = text.substr(0, colon);
    std::vector<std::string_view> args;
    if (colon != std::string::npos) args = split_commas(std::string_view(text).substr(colon + 1));

    auto want = [&](std::size_t n, const char* form) -> std::string {
        if (args.size() == n) return {};
        return name + " takes " + (n == 0 ? std::string("no parameters") : std::string(form));
    };
    auto bad = [&](const std::string& what) {
        return fail("bad parameter for " + name + ": " + what);
    };

    struct Plain {
        const char* name;
        void (*run)(Package&, int, int, Progress&);
    };
    static const Plain kPlain[] = {
        {"invert_colors", invert_colors}, {"gray_scale", gray_scale},
        {"black_white", black_white},     {"average_color", average_color},
        {"blur", blur},                   {"pixelate", pixelate},
        {"rotate90", rotate90},
    };
    for (const auto& p : kPlain) {
        if (name != p.name) continue;
        if (auto e = want(0, ""); !e.empty()) return fail(e);
        return {p.run, {}};
    }

    if (name == "reduce_colors") {
        if (auto e = want(1, "one parameter, STEP"); !e.empty()) return fail(e);
        const auto step = parse_int(args[0], 1, 255);
        if (!step) return bad("STEP must be 1 to 255");
        return {[s = std::uint8_t(*step)](Package& pk, int x, int y, Progress& pr) {
                    reduce_colors(pk, x, y, s, pr);
                },
                {}};
    }
    if (name == "adjust_gamma") {
        if (auto e = want(1, "one parameter, DELTA"); !e.empty()) return fail(e);
        const auto delta = parse_int(args[0], -128, 127);
        if (!delta) return bad("DELTA must be -128 to 127");
        return {[d = std::int8_t(*delta)](Package& pk, int x, int y, Progress& pr) {
                    adjust_gamma(pk, x, y, d, pr);
                },
                {}};
    }
    if (name == "swap_channels") {
        if (auto e = want(3, "three parameters, R,G,B"); !e.empty()) return fail(e);
        std::uint8_t to[3];
        unsigned seen = 0;
        for (int k = 0; k < 3; ++k) {
            const auto c = parse_int(args[k], 1, 3);
            if (!c) return bad("channels are 1 (red), 2 (green) or 3 (blue)");
            to[k] = std::uint8_t(*c);
            seen |= 1u << *c;
        }
        // Anything but a permutation would lose a channel.
        if (seen != 0b1110) return bad("R,G,B must name each of the channels 1, 2, 3 once");
        return {[=](Package& pk, int x, int y, Progress& pr) {
                    swap_channels(pk, x, y, to[0], to[1], to[2], pr);
                },
                {}};
    }
    if (name == "sharpen_channel") {
        if (auto e = want(2, "two parameters, CHANNEL,AMOUNT"); !e.empty()) return fail(e);
        const auto channel = parse_int(args[0], 1, 3);
        if (!channel) return bad("CHANNEL must be 1 (red), 2 (green) or 3 (blue)");
        const auto amount = parse_int(args[1], 0, 255);
        if (!amount) return bad("AMOUNT must be 0 to 255");
        return {[c = std::uint8_t(*channel), a = std::uint8_t(*amount)](Package& pk, int x, int y,
                                                                        Progress& pr) {
                    sharpen_channel(pk, x, y, c, a, pr);
                },
                {}};
    }
    // Modes other than 0 and 1 would leave the package unchanged: surely a typing slip.
    if (name == "flip") {
        if (auto e = want(1, "one parameter, MODE"); !e.empty()) return fail(e);
        const auto mode = parse_int(args[0], 0, 1);
        if (!mode) return bad("MODE must be 0 (left-right) or 1 (top-bottom)");
        return {[m = std::uint8_t(*mode)](Package& pk, int x, int y, Progress& pr) {
                    flip(pk, x, y, m, pr);
                },
                {}};
    }
    if (name == "diaphragm") {
        if (auto e = want(2, "two parameters, MODE,RRGGBB"); !e.empty()) return fail(e);
        const auto mode = parse_int(args[0], 0, 1);
        if (!mode) return bad("MODE must be 0 (horizontal lines) or 1 (vertical lines)");
        const auto colour = parse_rgb_hex(args[1]);
        if (!colour) return bad("the colour must be six hex digits RRGGBB");
        return {[m = std::uint8_t(*mode), c = *colour](Package& pk, int x, int y, Progress& pr) {
                    diaphragm(pk, x, y, m, c, pr);
                },
                {}};
    }
    if (name == "button3d") {
        if (auto e = want(1, "one parameter, MODE"); !e.empty()) return fail(e);
        const auto mode = parse_int(args[0], 0, 1);
        if (!mode) return bad("MODE must be 0 (convex) or 1 (concave)");
        return {[m = std::uint8_t(*mode)](Package& pk, int x, int y, Progress& pr) {
                    button3d(pk, x, y, m, pr);
                },
                {}};
    }
    return fail("unknown effect \"" + name + "\"");
}

// "X,Y" as two signed 32-bit integers.
bool parse_corner(const std::string& text, int& x, int& y) {
    const auto parts = split_commas(text);
    if (parts.size() != 2) return false;
    const auto px = parse_int(parts[0], INT32_MIN, INT32_MAX);
    const auto py = parse_int(parts[1], INT32_MIN, INT32_MAX);
    if (!px || !py) return false;
    x = int(*px);
    y = int(*py);
    return true;
}

}  // namespace

int cmd_effect(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::optional<std::string> at;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        std::optional<std::string> value;
        if (a == "--at") {
            if (k + 1 == args.size()) return usage_error("--at needs X,Y");
            value = args[++k];
        } else if (a.rfind("--at=", 0) == 0) {
            value = a.substr(5);
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return usage_error("unknown option \"" + a + "\" for effect");
        } else {
            positional.push_back(a);
            continue;
        }
        if (at) return usage_error("--at given twice");
        at = *value;
    }
    if (positional.size() != 3) return usage_error("effect needs ROUTINE[:ARGS] INPUT OUTPUT");

    const Parsed parsed = parse_routine(positional[0]);
    if (!parsed.routine) return usage_error(parsed.error);
    int x = 0, y = 0;
    if (at && !parse_corner(*at, x, y)) return usage_error("bad --at \"" + *at + "\": expected X,Y");

    Package package;
    if (const int status = load_package(positional[1], package, ReaderOptions{}); status != kOk)
        return status;
    {
        TerminalProgress progress("effect");
        parsed.routine(package, x, y, progress);
    }
    return save_package(positional[2], package);
}

}  // namespace tilesmith::cli
