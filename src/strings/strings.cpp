// The caption matcher of the language switch.
#include "strings/strings.h"

#include "strings/languages.h"

namespace tilesmith {

std::string translate_text(std::string text, Language to) {
    // Every pair is compared with the text as the earlier pairs left it; the
    // walk does not stop at the first match.
    for (int pair = 0; pair < kStringCount / 2; ++pair) {
        const Msg key = static_cast<Msg>(2 * pair);
        for (const LanguageInfo& from : language_registry()) {
            if (from.language == to) continue;
            const std::string_view source = text_of(key, from.language);
            // The unused pair is empty; an empty caption must not turn into it.
            if (source.empty()) continue;
            if (text == source) text = std::string(text_of(key, to));
        }
    }
    return text;
}

std::string strip_ampersand(std::string caption) {
    if (const auto at = caption.find('&'); at != std::string::npos) caption.erase(at, 1);
    return caption;
}

std::string plain_caption(std::string_view caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

}  // namespace tilesmith
