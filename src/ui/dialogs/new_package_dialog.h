// NewPackageDialog: the new / modify package dialog.
#pragma once
#include <QColor>
#include <QString>
#include <functional>
#include <optional>

#include "core/color.h"
#include "model/rect.h"
#include "strings/messages.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/exception_barrier.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tilesmith {

class DialogHost;

// What OK answers: the size in tiles, the background, and whether the
// target's pixels are kept (modify) or the package is made anew.
struct PackageChoice {
    int columns = 0;
    int rows = 0;
    PackedColor background = 0;
    bool modify = false;
};

class NewPackageDialog : public MainBoundDialog {
    Q_OBJECT
public:
    // `main_window` is disabled while the dialog is shown and enabled again when
    // it closes; `host` asks OK's question, if any (so tests can answer it).
    NewPackageDialog(DialogHost& host, QWidget* main_window);

    // new_package: track bars from the target's size in pixels, main window
    // disabled, shown; the selection's place is offered for the size.
    void open_dialog(int target_width, int target_height, const Rect& target_selection);
    // Where OK's answer goes; the dialog closes once it has been taken (an
    // error thrown there keeps it open).
    void set_answer(std::function<void(const PackageChoice&)> answer) { answer_ = std::move(answer); }
    // The question OK asks before answering, when there is one: the new or
    // resized package is an undo step, so only a step the history cannot
    // keep is asked about. No: nothing is answered and the dialog stays.
    void set_question(std::function<std::optional<QString>()> question) { question_ = std::move(question); }
    // The barrier its buttons, track bars and colour box run in; until one is
    // given, errors go straight to the host's error box.
    void set_barrier(Barrier barrier) { barrier_ = std::move(barrier); }
    // Translates the labels, the button and the check box.
    void set_dialog_language(Language language);

    // Controls, named as in the form (objectName too), for the window and tests.
    QLabel* size_caption = nullptr;
    QLabel* size_readout = nullptr;
    QLabel* width_caption = nullptr;
    QSlider* width_slider = nullptr;
    QLabel* height_caption = nullptr;
    QSlider* height_slider = nullptr;
    QLabel* background_caption = nullptr;
    QComboBox* background_box = nullptr;
    QPushButton* selection_size_button = nullptr;
    QCheckBox* modify_box = nullptr;
    QPushButton* make_package = nullptr;
    QPushButton* cancel_button = nullptr;  // closes without a change, as the close box does

    void width_changed();
    void height_changed() { width_changed(); }
    void take_selection_size();
    void confirm_package();
    // A colour box entry picked by the user; the custom entry asks the host's
    // colour chooser and keeps the previous choice when it is cancelled.
    void pick_background(int index);

    // The colour of the selected entry (the none and default entries: silver).
    QColor selected_color() const;
    PackedColor background_color() const;

private:
    void fill_colour_box();
    void place_read_out();
    void place_check_box();

    DialogHost& host_;
    Language language_ = Language::Polish;
    Rect selection_;
    std::function<void(const PackageChoice&)> answer_;
    std::function<std::optional<QString>()> question_;
    Barrier barrier_;
    int custom_index_ = -1;
    int last_index_ = 0;  // the entry to return to when the colour chooser is cancelled
};

}  // namespace tilesmith
