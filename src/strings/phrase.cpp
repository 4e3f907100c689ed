// Filling a message's %n in one language.
#include "strings/phrase.h"

#include "strings/languages.h"
#include "strings/strings.h"

namespace tilesmith {

Phrase& Phrase::arg(std::string text) {
    args_.push_back(Arg{std::move(text), {}});
    return *this;
}

Phrase& Phrase::arg(Phrase phrase) {
    args_.push_back(Arg{{}, {std::move(phrase)}});
    return *this;
}

const Phrase* Phrase::nested(std::size_t n) const {
    return n < args_.size() && !args_[n].phrase.empty() ? &args_[n].phrase.front() : nullptr;
}

std::string Phrase::text(Language language) const {
    std::vector<std::string> filled;
    filled.reserve(args_.size());
    for (const Arg& a : args_) filled.push_back(a.phrase.empty() ? a.words : a.phrase.front().text(language));
    // A menu's caption naming a step, or in a sentence, shows without its mnemonic.
    return fill_pattern(plain_caption(text_of(message_, language)), filled);
}

PluralForm plural_form(long long count, Language language) {
    if (count == 1) return PluralForm::one;
    const long long last = count % 10, last_two = count % 100;
    const bool few = last >= 2 && last <= 4 && (last_two < 12 || last_two > 14);
    return language_info(language).plural == PluralRule::one_few_many && few ? PluralForm::few : PluralForm::many;
}

std::string fill_pattern(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = std::size_t(pattern[i + 1] - '1');
            if (n < args.size()) out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace tilesmith
