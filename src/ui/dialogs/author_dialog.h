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
    // The labels' translation of the language switch (true: to Polish).
    void translate_labels(Language language);

    QLabel* logo = nullptr;           // our own logo, 256 x 64
    QLabel* version_label = nullptr;  // "v 2.7"
    QLabel* Label1 = nullptr;         // year and authors
    QLabel* Label2 = nullptr;         // feedback address
    QLabel* Label3 = nullptr;         // "Pełne wspomaganie do gier:"
    QLabel* Label4 = nullptr;         // the supported games: "Tomb Raider 1-5"
    QLabel* Label5 = nullptr;         // "Podziękowania dla:"
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;         // the installer line

    // The feedback address shown in Label2 and used by the mail link.
    static constexpr const char* kFeedbackAddress = "feedback@example.org";

};

// The logo drawn in code: a grid of tiles in a few colours with the program's name.
QPixmap draw_tilesmith_logo();

}  // namespace tilesmith
