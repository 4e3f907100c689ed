// The real dialogs behind DialogHost: file dialogs, message boxes, colour dialog.
#include "ui/dialog_host.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "ui/file_dialog_locale.h"
#include "ui/qt_texts.h"

namespace tilesmith {

namespace {
const QString kTitle = QStringLiteral("Tilesmith");
}

bool DialogHost::open_link(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

std::unique_ptr<QFileDialog> make_save_dialog(QWidget* parent, const QString& filter, const QString& default_suffix,
                                              const QString& folder, const QString& title, Language language) {
    auto dialog = make_file_dialog(parent, title, folder, language);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(default_suffix);
    dialog->setLabelText(QFileDialog::Accept, ui_text(Msg::SaveButton, language));
    return dialog;
}

QString QtDialogHost::open_file(QWidget* parent, const QString& filter, const QString& folder,
                                const QString& title) {
    const auto dialog = make_file_dialog(parent, title, folder, language_);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(filter);
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString QtDialogHost::save_file(QWidget* parent, const QString& filter, const QString& default_suffix,
                                const QString& folder, const QString& selected, const QString& title) {
    const auto dialog = make_save_dialog(parent, filter, default_suffix, folder, title, language_);
    if (!selected.isEmpty()) dialog->selectNameFilter(selected);
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

bool QtDialogHost::question(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDialogHost::confirm(QWidget* parent, const QString& text, const QString& go, const QString& stay) {
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(go, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(stay, QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yes;
}

SaveAnswer QtDialogHost::save_changes(QWidget* parent, const QString& text) {
    switch (QMessageBox::question(parent, kTitle, text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                  QMessageBox::Save)) {
        case QMessageBox::Save: return SaveAnswer::save;
        case QMessageBox::Discard: return SaveAnswer::discard;
        default: return SaveAnswer::cancel;  // also Escape and the close box
    }
}

void QtDialogHost::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kTitle, text);
}

void QtDialogHost::information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}

void QtDialogHost::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kTitle, text);
}

QColor QtDialogHost::choose_color(QWidget* parent, const QColor& initial) {
    // Sixteen white custom-colour slots, as the dialog offers them at first.
    static bool customs_set = false;
    if (!customs_set) {
        for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
        customs_set = true;
    }
    return QColorDialog::getColor(initial, parent);
}

std::optional<int> QtDialogHost::ask_number(QWidget* parent, const QString& label, int value, int low, int high) {
    bool ok = false;
    const int chosen = QInputDialog::getInt(parent, kTitle, label, value, low, high, 1, &ok);
    return ok ? std::optional<int>(chosen) : std::nullopt;
}

}  // namespace tilesmith
