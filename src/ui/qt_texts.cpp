// Qt's own translations, installed and removed with the language switch.
#include "ui/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tilesmith {

QString ui_text(Msg message, Language language) {
    const std::string_view t = text_of(message, language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString ui_text(const Phrase& phrase, Language language) { return QString::fromStdString(phrase.text(language)); }

QtTexts::QtTexts() = default;

QtTexts::~QtTexts() {
    if (installed_) QCoreApplication::removeTranslator(polish_.get());
}

void QtTexts::follow(Language language) {
    if (polish == installed_) return;
    if (!polish) {
        QCoreApplication::removeTranslator(polish_.get());
        installed_ = false;
        return;
    }
    if (!polish_) {
        polish_ = std::make_unique<QTranslator>();
        // From the system's Qt (Debian: qt6-translations-l10n); without it
        // Qt's texts simply stay English.
        if (!polish_->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            polish_.reset();
            return;
        }
    }
    installed_ = QCoreApplication::installTranslator(polish_.get());
}

}  // namespace tilesmith
