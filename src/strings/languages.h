// The languages of the interface: a table of texts for each, found through
// the registry. Adding a language is its table (a copy of english.cpp with the
// texts translated) and its line in languages.cpp; the menu, the settings, the
// caption matcher and Qt's own texts take it from there.
#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "strings/messages.h"

namespace tilesmith {

// One text of a language's table.
struct Text {
    Msg key;
    std::string_view text;
};
using LanguageTexts = std::span<const Text>;

// A table lists every Msg once, in the order of the enumeration (pair p at index p).
constexpr bool texts_in_place(LanguageTexts texts) {
    if (2 * int(texts.size()) != static_cast<int>(Msg::EndOfTable)) return false;
    for (int p = 0; p < int(texts.size()); ++p)
        if (static_cast<int>(texts[p].key) != 2 * p) return false;
    return true;
}

// How counted words change with the count (Phrase's plural forms).
enum class PluralRule {
    one_other,     // 1, and every other count
    one_few_many,  // 1; 2-4, 22-24... but not 12-14; the rest
};

struct LanguageInfo {
    Language language;
    std::string_view code;         // "pl": the desktop locale's language and Qt's catalogue suffix
    std::string_view native_name;  // the menu item's caption where `name` is none
    LanguageTexts texts;
    std::optional<Msg> name;       // the menu item's caption, itself translated
    PluralRule plural;
    bool qt_translated;            // Qt's own texts need the catalogue qtbase_<code> (Qt speaks English)
};

// Every language, in the order of the language menu.
std::span<const LanguageInfo> language_registry();
// The registry's line of `language`; the first line for a value not registered.
const LanguageInfo& language_info(Language language);
// The language with this code, if one is registered.
std::optional<Language> language_with_code(std::string_view code);

// The tables, each in its own file.
LanguageTexts polish_texts();
LanguageTexts english_texts();

}  // namespace tilesmith
