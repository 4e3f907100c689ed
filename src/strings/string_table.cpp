// The texts of the interface by entry and by key, from the languages' tables.
#include "strings/languages.h"
#include "strings/messages.h"
#include "strings/strings.h"

namespace tilesmith {

std::string_view lang_text(int entry) {
    if (entry < 0 || entry >= kStringCount) return {};
    return text_of(static_cast<Msg>(entry - entry % 2), static_cast<Language>(entry % 2));
}

std::string_view text_of(Msg message, Language language) {
    const int pair = static_cast<int>(message) / 2;
    const LanguageTexts texts = language_info(language).texts;
    return pair >= 0 && pair < int(texts.size()) ? texts[pair].text : std::string_view();
}

}  // namespace tilesmith
