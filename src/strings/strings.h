// The string table of the interface's languages and the caption matcher.
#pragma once
#include <string>
#include <string_view>

#include "strings/messages.h"

namespace tilesmith {

// Pair p is entry 2p (Polish) and 2p + 1 (English); the table ends where the
// enumeration does. A message with base entry b shows entry b + language_index
// (0 Polish, 1 English); the other languages' texts are reached by text_of only.
constexpr int kStringCount = static_cast<int>(Msg::EndOfTable);

// The entry's text in UTF-8; empty for an index outside the table.
std::string_view lang_text(int entry);

// The matching rule of the language switch: for every pair in order, a text
// equal to the pair's text in another language becomes its text in the
// wanted one. Texts in no pair come back unchanged.
std::string translate_text(std::string text, Language to);

// The caption with its first "&" (an accelerator mark) removed.
std::string strip_ampersand(std::string caption);

// A menu caption as a title, a hint or a sentence shows it: without its
// mnemonic mark, "&&" standing for "&".
std::string plain_caption(std::string_view caption);

}  // namespace tilesmith
