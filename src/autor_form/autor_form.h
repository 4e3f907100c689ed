// Tautor: the author dialog.
#pragma once
#include <QDialog>

class QLabel;

namespace tilesmith {

class Tautor : public QDialog {
    Q_OBJECT
public:
    explicit Tautor(QWidget* main_window);
    // info_autorClick: main window disabled, dialog shown.
    void show_dialog();
    // The labels' translation of the language switch (true: to Polish).
    void translate_labels(bool to_polish);

    QLabel* Label3 = nullptr;  // "Pełne wspomaganie do gier:"
    QLabel* Label5 = nullptr;  // "Podziękowania dla:"

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tilesmith
