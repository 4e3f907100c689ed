// The registry of the interface's languages: one line each.
#include "strings/languages.h"

namespace tilesmith {

std::span<const LanguageInfo> language_registry() {
    // Polish and English keep the values 0 and 1: entry 2p + value of the
    // string table is pair p in that language. A language added takes the next
    // value, Language{2} and so on.
    static const LanguageInfo kLanguages[] = {
        {Language::Polish, "pl", "Polski", polish_texts(), Msg::Polish, PluralRule::one_few_many, true},
        {Language::English, "en", "English", english_texts(), Msg::English, PluralRule::one_other, false},
    };
    return kLanguages;
}

const LanguageInfo& language_info(Language language) {
    for (const LanguageInfo& info : language_registry())
        if (info.language == language) return info;
    return language_registry().front();
}

std::optional<Language> language_with_code(std::string_view code) {
    for (const LanguageInfo& info : language_registry())
        if (info.code == code) return info.language;
    return std::nullopt;
}

}  // namespace tilesmith
