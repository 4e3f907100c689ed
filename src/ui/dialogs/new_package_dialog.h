// NewPackageDialog: the new / modify package dialog.
#pragma once
#include <QColor>

#include "core/color.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/exception_barrier.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tilesmith {

class Workspace;
class DialogHost;

class NewPackageDialog : public MainBoundDialog {
    Q_OBJECT
public:
    // `main_window` is disabled while the dialog is shown and enabled again when
    // it closes; `host` asks the modify question (so tests can answer it).
    NewPackageDialog(Workspace& workspace, DialogHost& host, QWidget* main_window);

    // plik_newClick: track bars from the target size, main window disabled, shown.
    void open_dialog();
    // The barrier its buttons, track bars and colour box run in; until one is
    // given, errors go straight to the host's error box.
    void set_barrier(Barrier barrier) { barrier_ = std::move(barrier); }
    // Translates the labels, the button and the check box (true: to Polish).
    void set_dialog_language(bool to_polish);

    // Controls, named as in the form (objectName too), for the window and tests.
    QLabel* Label2 = nullptr;
    QLabel* lab = nullptr;
    QLabel* Label1 = nullptr;
    QSlider* pak_width = nullptr;
    QLabel* Label3 = nullptr;
    QSlider* pak_height = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* bgcolor = nullptr;
    QPushButton* pak_scale = nullptr;
    QCheckBox* pak_mod = nullptr;
    QPushButton* pak_make = nullptr;
    QPushButton* pak_cancel = nullptr;  // closes without a change, as the close box does

    void pak_widthChange();
    void pak_heightChange() { pak_widthChange(); }
    void pak_scaleClick();
    void pak_makeClick();
    // A colour box entry picked by the user; the custom entry asks the host's
    // colour chooser and keeps the previous choice when it is cancelled.
    void bgcolor_select(int index);

    // The colour of the selected entry (the none and default entries: silver).
    QColor selected_color() const;
    PackedColor background_color() const;

private:
    void fill_colour_box();
    void place_read_out();
    void place_check_box();

    Workspace& workspace_;
    DialogHost& host_;
    Barrier barrier_;
    int custom_index_ = -1;
    int last_index_ = 0;  // the entry to return to when the colour chooser is cancelled
};

}  // namespace tilesmith
