// What the three dialogs share: the fixed frame, the modal-in-effect show and
// return to the main window, and the caption translation of the language switch.
#pragma once
#include <QDialog>
#include <QString>
#include <string_view>

#include "strings/messages.h"

class QCloseEvent;
class QLabel;
class QWidget;

namespace tilesmith {

// Caption "Tilesmith", close box as the only border icon, fixed client size.
void setup_fixed_dialog(QDialog* dialog, int client_width, int client_height);

// Disables the main window, then shows the dialog centred on its screen, in front.
// The dialog stays enabled although it is a child of the disabled main window.
void show_over_main(QDialog* dialog, QWidget* main_window);

// Enables the main window again and brings it to the front.
void return_to_main(QWidget* main_window);

// A dialog shown over the disabled main window, modal in effect without a
// nested event loop. However it is closed (close box, Escape, OK) it hides,
// gives the main window back and emits closed(); closing it while hidden (at
// shutdown) touches nothing.
class MainBoundDialog : public QDialog {
    Q_OBJECT
public:
    explicit MainBoundDialog(QWidget* main_window);
    // Escape closes like the close box.
    void reject() override;

signals:
    void closed();

protected:
    // Disables the main window and shows the dialog in front of it.
    void show_over_main_window() { show_over_main(this, main_window_); }
    void closeEvent(QCloseEvent* event) override;
    // Hides the dialog, enables and raises the main window, emits closed().
    void on_close();

private:
    QWidget* main_window_;
};

// A label with its UTF-8 text and object name, sized to its text, at (x, y).
QLabel* make_label(QWidget* parent, const char* name, std::string_view text, int x, int y);
// The same with the message's Polish text, the design's language; the label
// keeps the message, from which translate_children translates it.
QLabel* make_label(QWidget* parent, const char* name, Msg message, int x, int y);

// Shows the message's text in the language on a label or button and keeps the
// message for translate_children.
void set_caption(QWidget* widget, Msg message, Language language);

// The string table's matching rule applied to a Qt caption.
QString translate_caption(const QString& caption, Language language);

// Translates the captions of the dialog's labels, push buttons and check boxes,
// in creation order: from the message a caption keeps (set_caption), else by
// the string table's matching rule. Only changed captions are written back, so
// a label that shows a picture keeps it.
void translate_children(QWidget* dialog, Language language);

}  // namespace tilesmith
