// This: the version history dialog.
#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace tilesmith {

class This : public QDialog {
    Q_OBJECT
public:
    explicit This(QWidget* main_window);
    // info_hisClick: main window disabled, dialog shown.
    void show_dialog();

    QPlainTextEdit* hismemo = nullptr;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tilesmith
