// Qt's own texts (standard buttons, file and colour dialogs) in the program's language.
#pragma once
#include <memory>

class QTranslator;

namespace tilesmith {

// Follows the language switch, not the desktop's locale: Polish installs Qt's
// Polish translation, English removes it (Qt's texts are English).
class QtTexts {
public:
    QtTexts();
    ~QtTexts();
    void follow(bool polish);

private:
    std::unique_ptr<QTranslator> polish_;
    bool installed_ = false;
};

}  // namespace tilesmith
