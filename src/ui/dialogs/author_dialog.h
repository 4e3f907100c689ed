// AuthorDialog: the author dialog.
#pragma once
#include "ui/dialogs/dialog_frame.h"

class QLabel;
class QPixmap;

namespace tilesmith {

class AuthorDialog : public MainBoundDialog {
    Q_OBJECT
public:
    explicit AuthorDialog(QWidget* main_window);
    // show_author: main window disabled, dialog shown.
    void show_dialog();
    // The labels' translation of the language switch.
    void translate_labels(Language language);

    QLabel* logo = nullptr;           // our own logo, 256 x 64
    QLabel* version_label = nullptr;  // "v 2.7"
    QLabel* copyright_label = nullptr;         // year and authors
    QLabel* feedback_label = nullptr;         // the build's feedback address; hidden without one
    QLabel* games_caption = nullptr;         // "Pełne wspomaganie do gier:"
    QLabel* games_label = nullptr;         // the supported games: "Tomb Raider 1-5"
    QLabel* thanks_caption = nullptr;         // "Podziękowania dla:"
    QLabel* documenters_label = nullptr;
    QLabel* testers_label = nullptr;
    QLabel* senders_label = nullptr;
    QLabel* packaging_label = nullptr;         // the installer line
};

// The logo drawn in code: a grid of tiles in a few colours with the program's name.
QPixmap draw_tilesmith_logo();

}  // namespace tilesmith
