// The program's texts as widgets show them, and Qt's own texts (standard
// buttons, file and colour dialogs) in the program's language.
#pragma once
#include <QString>
#include <memory>

#include "strings/messages.h"
#include "strings/phrase.h"

class QTranslator;

namespace tilesmith {

// A message, or a phrase with its arguments, in `language`, as the widgets show it.
QString ui_text(Msg message, Language language);
QString ui_text(const Phrase& phrase, Language language);

// Follows the language switch, not the desktop's locale: Polish installs Qt's
// Polish translation, English removes it (Qt's texts are English).
class QtTexts {
public:
    QtTexts();
    ~QtTexts();
    void follow(Language language);

private:
    std::unique_ptr<QTranslator> polish_;
    bool installed_ = false;
};

}  // namespace tilesmith
