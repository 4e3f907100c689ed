// HistoryDialog: the version history dialog.
#pragma once
#include "ui/dialogs/dialog_frame.h"

class QLabel;
class QPixmap;
class QPlainTextEdit;

namespace tilesmith {

class HistoryDialog : public MainBoundDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(QWidget* main_window);
    // show_version_history: main window disabled, dialog shown.
    void show_dialog();
    // The notes in the language (English where it has none of its own).
    void set_language(Language language);

    QLabel* program_icon = nullptr;  // the program icon, 32 x 32
    QPlainTextEdit* notes_box = nullptr;

};

// The release notes, newest release first: Polish, else English.
const char* version_history_text(Language language);

// The program icon drawn in code, size x size pixels.
QPixmap draw_program_icon(int size);

}  // namespace tilesmith
