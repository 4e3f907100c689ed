// The caption matcher of the language switch.
#include "strings/strings.h"

namespace tilesmith {

std::string translate_text(std::string text, Language language) {
    const int to = language ? 0 : 1;
    const int from = 1 - to;
    // Every pair is compared with the text as the earlier pairs left it; the
    // walk does not stop at the first match.
    for (int pair = 0; pair < kStringCount / 2; ++pair) {
        const std::string_view source = lang_text(2 * pair + from);
        // The unused pair is empty; an empty caption must not turn into it.
        if (source.empty()) continue;
        if (text == source) text = std::string(lang_text(2 * pair + to));
    }
    return text;
}

std::string strip_ampersand(std::string caption) {
    if (const auto at = caption.find('&'); at != std::string::npos) caption.erase(at, 1);
    return caption;
}

}  // namespace tilesmith
