// The file dialogs' sizes and dates in the program's language.
#include "ui/file_dialog_locale.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>

#include "strings/languages.h"

namespace tilesmith {

namespace {

// The file list's size and date columns written again in `locale`: the
// dialog's model writes them in the system's.
class LocaleColumns : public QIdentityProxyModel {
public:
    LocaleColumns(const QLocale& locale, QObject* parent) : QIdentityProxyModel(parent), locale_(locale) {}

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        if (index.column() == 3) return locale_.toString(info.lastModified(), QLocale::ShortFormat);
        return info.isDir() ? QString() : locale_.formattedDataSize(info.size());
    }

private:
    QLocale locale_;
};

}  // namespace

QLocale locale_of(Language language) {
    const std::string_view code = language_info(language).code;
    return QLocale(QString::fromLatin1(code.data(), qsizetype(code.size())));
}

std::unique_ptr<QFileDialog> make_file_dialog(QWidget* parent, const QString& title, const QString& folder,
                                              Language language) {
    auto dialog = std::make_unique<QFileDialog>(parent, title, folder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    const QLocale locale = locale_of(language);
    dialog->setLocale(locale);
    dialog->setProxyModel(new LocaleColumns(locale, dialog.get()));
    return dialog;
}

}  // namespace tilesmith
