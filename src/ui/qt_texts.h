// The program's texts as widgets show them, and Qt's own texts (standard
// buttons, file and colour dialogs) in the program's language.
#pragma once
#include <QString>
#include <map>
#include <memory>

#include "strings/messages.h"
#include "strings/phrase.h"

class QTranslator;

namespace tilesmith {

// A message, or a phrase with its arguments, in `language`, as the widgets show it.
QString ui_text(Msg message, Language language);
QString ui_text(const Phrase& phrase, Language language);
// A menu's caption where a title or a hint shows it: without its mnemonic.
QString plain_text(Msg message, Language language);
QString plain_caption(const QString& caption);

// Follows the language switch, not the desktop's locale: a language whose
// registry line asks for Qt's catalogue installs it (Polish: qtbase_pl), the
// others remove the one installed (Qt's texts are English).
class QtTexts {
public:
    QtTexts();
    ~QtTexts();
    void follow(Language language);

private:
    // Qt's catalogue of a language, loaded once; null where the system has none.
    QTranslator* catalogue(Language language);
    std::map<Language, std::unique_ptr<QTranslator>> catalogues_;
    QTranslator* installed_ = nullptr;
};

}  // namespace tilesmith
