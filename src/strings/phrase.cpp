// Filling a message's %n in one language.
#include "strings/phrase.h"

#include <algorithm>
#include <charconv>

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
    return fill_pattern(choose_plural_forms(plain_caption(text_of(message_, language)), filled, language), filled);
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

std::string choose_plural_forms(std::string_view pattern, const std::vector<std::string>& args, Language language) {
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::size_t open = pattern.find('{', i);
        const std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        const bool counted = close != std::string_view::npos && close - open >= 3 && pattern[open + 1] >= '1' &&
                             pattern[open + 1] <= '9' && pattern[open + 2] == ':';
        if (!counted) {
            const std::size_t end = open == std::string_view::npos ? pattern.size() : open + 1;
            out += pattern.substr(i, end - i);
            i = end;
            continue;
        }
        out += pattern.substr(i, open - i);
        std::vector<std::string_view> forms;
        for (std::string_view body = pattern.substr(open + 3, close - open - 3);;) {
            const std::size_t bar = body.find('|');
            forms.push_back(body.substr(0, bar));
            if (bar == std::string_view::npos) break;
            body.remove_prefix(bar + 1);
        }
        const std::size_t n = std::size_t(pattern[open + 1] - '1');
        std::size_t form = forms.size() - 1;
        long long count = 0;
        const std::string& word = n < args.size() ? args[n] : std::string();
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), count);
        if (!word.empty() && ec == std::errc() && end == word.data() + word.size()) {
            const PluralForm f = plural_form(count, language);
            form = std::min<std::size_t>(f == PluralForm::one ? 0 : f == PluralForm::few ? 1 : 2, form);
        }
        out += forms[form];
        i = close + 1;
    }
    return out;
}

}  // namespace tilesmith
