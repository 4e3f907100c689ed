// Qt's own translations, installed and removed with the language switch.
#include "ui/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "strings/languages.h"
#include "strings/strings.h"
#include "ui/file_dialog_locale.h"

namespace tilesmith {

QString ui_text(Msg message, Language language) {
    const std::string_view t = text_of(message, language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString ui_text(const Phrase& phrase, Language language) { return QString::fromStdString(phrase.text(language)); }

QString plain_text(Msg message, Language language) {
    return QString::fromStdString(plain_caption(text_of(message, language)));
}

QString plain_caption(const QString& caption) { return QString::fromStdString(plain_caption(caption.toStdString())); }

QtTexts::QtTexts() = default;

QtTexts::~QtTexts() {
    if (installed_) QCoreApplication::removeTranslator(installed_);
}

QTranslator* QtTexts::catalogue(Language language) {
    const LanguageInfo& info = language_info(language);
    if (!info.qt_translated || info.language != language) return nullptr;
    auto [at, added] = catalogues_.try_emplace(language);
    if (added) {
        auto translator = std::make_unique<QTranslator>();
        // Built into the program (Windows), else from the system's Qt (Debian:
        // qt6-translations-l10n); without either Qt's texts stay English.
        const QString name = QStringLiteral("qtbase_") + QString::fromLatin1(info.code.data(), qsizetype(info.code.size()));
        if (translator->load(name, QStringLiteral(":/translations")) ||
            translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            at->second = std::move(translator);
    }
    return at->second.get();
}

void QtTexts::follow(Language language) {
    // Numbers, sizes and dates Qt writes itself follow the language too.
    QLocale::setDefault(locale_of(language));
    QTranslator* wanted = catalogue(language);
    if (wanted == installed_) return;
    if (installed_) QCoreApplication::removeTranslator(installed_);
    installed_ = wanted && QCoreApplication::installTranslator(wanted) ? wanted : nullptr;
}

}  // namespace tilesmith
