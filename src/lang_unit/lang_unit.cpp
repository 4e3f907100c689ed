// Placeholder until the string table lands.
#include "lang_unit/lang_unit.h"
namespace tilesmith {
std::string_view lang_text(int) { return {}; }
std::string translate_text(std::string text, bool) { return text; }
std::string strip_ampersand(std::string caption) {
    if (auto p = caption.find('&'); p != std::string::npos) caption.erase(p, 1);
    return caption;
}
}  // namespace tilesmith
