// The fixed dialog frame and the modal-in-effect show shared by the dialogs.
#include "ui/dialogs/dialog_frame.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVariant>

#include "strings/strings.h"

namespace tilesmith {

void setup_fixed_dialog(QDialog* dialog, int client_width, int client_height) {
    dialog->setWindowTitle(QStringLiteral("Tilesmith"));
    // A dialog window with title and close box only: no help, minimise or maximise.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(client_width, client_height);
    // The controls sit at fixed pixel places designed for a small dialog font;
    // a larger desktop font would make the captions overlap. Semi-condensed, as
    // the main window's face, so the longest captions fit their controls.
    QFont font = dialog->font();
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    dialog->setFont(font);
    dialog->setSizeGripEnabled(false);
}

static void centre_on_screen(QDialog* dialog, QWidget* main_window) {
    QScreen* screen = main_window ? main_window->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

void show_over_main(QDialog* dialog, QWidget* main_window) {
    if (main_window) main_window->setEnabled(false);
    // Disabling a window disables its child windows too; a window may be
    // enabled again on its own, which keeps the dialog usable.
    dialog->setEnabled(true);
    centre_on_screen(dialog, main_window);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void return_to_main(QWidget* main_window) {
    if (!main_window) return;
    main_window->setEnabled(true);
    main_window->raise();
    main_window->activateWindow();
}

QString translate_caption(const QString& caption, Language language) {
    return QString::fromStdString(translate_text(caption.toStdString(), language));
}

namespace {

constexpr char kCaptionKey[] = "tilesmith_caption";

QString caption_text(Msg message, Language language) {
    const std::string_view t = text_of(message, language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

// The caption in the wanted language: from the widget's message when it keeps one.
QString translated(const QWidget* w, const QString& caption, Language language) {
    const QVariant key = w->property(kCaptionKey);
    if (key.isValid())
        return caption_text(static_cast<Msg>(key.toInt()), language);
    return translate_caption(caption, language);
}

}  // namespace

void set_caption(QWidget* widget, Msg message, Language language) {
    widget->setProperty(kCaptionKey, static_cast<int>(message));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(caption_text(message, language));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(caption_text(message, language));
}

QLabel* make_label(QWidget* parent, const char* name, Msg message, int x, int y) {
    QLabel* label = make_label(parent, name, text_of(message, Language::Polish), x, y);
    label->setProperty(kCaptionKey, static_cast<int>(message));
    return label;
}

void translate_children(QWidget* dialog, Language language) {
    const auto children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : children) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) continue;  // a picture, not a caption
            const QString text = translated(label, label->text(), language);
            if (text != label->text()) {
                label->setText(text);
                // A label sized to its caption grows or shrinks with the new language.
                if (!label->wordWrap() && label->alignment() & Qt::AlignLeft) label->adjustSize();
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = translated(button, button->text(), language);
            if (text != button->text()) button->setText(text);
        }
    }
}

QLabel* make_label(QWidget* parent, const char* name, std::string_view text, int x, int y) {
    auto* label = new QLabel(QString::fromUtf8(text.data(), qsizetype(text.size())), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

MainBoundDialog::MainBoundDialog(QWidget* main_window)
    : QDialog(main_window), main_window_(main_window) {}

void MainBoundDialog::reject() { close(); }

void MainBoundDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible()) on_close();
}

void MainBoundDialog::on_close() {
    hide();
    return_to_main(main_window_);
    emit closed();
}

}  // namespace tilesmith
