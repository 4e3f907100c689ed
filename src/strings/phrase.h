// A message of the string table with what fills its %1, %2...: texts of the
// file or a library, numbers, or other messages, shown in either language.
#pragma once
#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include "strings/messages.h"

namespace tilesmith {

class Phrase {
public:
    Phrase(Msg message) : message_(message) {}  // NOLINT: a bare message is a phrase

    // The next %n: words that stay as they are (a file name, a library's text),
    // a number, or a message shown in the same language as this one.
    Phrase& arg(std::string text);
    Phrase& arg(std::string_view text) { return arg(std::string(text)); }
    Phrase& arg(const char* text) { return arg(std::string(text)); }
    Phrase& arg(Phrase phrase);
    Phrase& arg(Msg message) { return arg(Phrase(message)); }
    template <std::integral N>
    Phrase& arg(N number) { return arg(std::to_string(number)); }

    Msg message() const { return message_; }
    // The message of the n-th argument (0-based) when it is one.
    const Phrase* nested(std::size_t n) const;
    std::string text(Language language) const;

private:
    struct Arg {
        std::string words;
        std::vector<Phrase> phrase;  // one element when the argument is a message
    };
    Msg message_;
    std::vector<Arg> args_;
};

// The form of the noun a language counts with: English has one (1) and many;
// Polish one (1), few (2-4, 22-24, 32-34... but not 12-14) and many (the rest).
enum class PluralForm { one, few, many };
PluralForm plural_form(long long count, Language language);

// The words of `pattern` with %1..%9 replaced by `args` (missing ones left empty).
std::string fill_pattern(std::string_view pattern, const std::vector<std::string>& args);

// A text counts with `{N:one|few|many}`: the form the count in argument N
// (1..9) asks in `language`, its forms in the order of PluralForm (English
// writes two, one and the rest); where a text gives fewer forms, the last.
// The form may hold %n itself; an argument that is not a number takes the last form.
std::string choose_plural_forms(std::string_view pattern, const std::vector<std::string>& args, Language language);

}  // namespace tilesmith
