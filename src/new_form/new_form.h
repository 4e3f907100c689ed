// Tfilenew: the new / modify package dialog.
#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tilesmith {

class Workspace;
class DialogHost;

class Tfilenew : public QDialog {
    Q_OBJECT
public:
    // `main_window` is disabled while the dialog is shown and enabled again when
    // it closes; `host` asks the modify question (so tests can answer it).
    Tfilenew(Workspace& workspace, DialogHost& host, QWidget* main_window);

    // plik_newClick: track bars from the target size, main window disabled, shown.
    void open_dialog();
    // Translates the labels, the button and the check box (true: to Polish).
    void set_dialog_language(bool to_polish);

    // Controls, named as in the form (objectName too), for the window and tests.
    QSlider* pak_width = nullptr;
    QSlider* pak_height = nullptr;
    QLabel* lab = nullptr;
    QComboBox* bgcolor = nullptr;
    QPushButton* pak_scale = nullptr;
    QCheckBox* pak_mod = nullptr;
    QPushButton* pak_make = nullptr;

    void pak_widthChange();
    void pak_scaleClick();
    void pak_makeClick();

signals:
    // After FormClose (OK or close box): the main window refreshes and repaints.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tilesmith
