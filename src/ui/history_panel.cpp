// The history panel: the steps of the target's history, and jumps to any of them.
#include "ui/history_panel.h"

#include <QAction>
#include <QDockWidget>
#include <QFont>
#include <QListWidget>
#include <QMainWindow>
#include <QSignalBlocker>

#include "ui/qt_texts.h"

namespace tilesmith {

HistoryPanel::HistoryPanel(QMainWindow* window, Workspace& workspace, QAction* toggle, Guard command, Guard guard)
    : workspace_(workspace) {
    dock_ = new QDockWidget(plain_text(Msg::HistoryPanel, workspace_.language()), window);
    dock_->setObjectName(QStringLiteral("history_panel"));
    dock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    list_ = new QListWidget(dock_);
    list_->setObjectName(QStringLiteral("history_list"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for a step's name ("Remove duplicate tiles") and the saved mark.
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 30);
    dock_->setWidget(list_);
    window->addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    connect_through(list_, &QListWidget::itemClicked, list_, std::move(command), [this](QListWidgetItem* item) {
        workspace_.edits().go_to_history(list_->row(item));
    });
    connect_through(toggle, &QAction::toggled, dock_, guard, [this](bool on) { dock_->setVisible(on); });
    // Also while the window is torn down: it needs nothing but the two.
    connect_through(dock_, &QDockWidget::visibilityChanged, toggle, std::move(guard), [dock = dock_, toggle] {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(dock->isVisible());
    });
}

void HistoryPanel::sync() {
    const Language language = workspace_.language();
    const std::vector<HistoryRow> rows = workspace_.document().history_rows();
    const QSignalBlocker quiet(list_);
    while (list_->count() > int(rows.size())) delete list_->takeItem(list_->count() - 1);
    int now = 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const HistoryRow& row = rows[std::size_t(i)];
        if (i >= list_->count()) list_->addItem(QString());
        QListWidgetItem* item = list_->item(i);
        item->setText(row.saved ? ui_text(Phrase(Msg::HistorySaved).arg(row.name), language)
                                : ui_text(row.name, language));
        // Steps undone are shown as such: greyed and in italics.
        QFont face = list_->font();
        face.setItalic(!row.done);
        item->setFont(face);
        item->setForeground(row.done ? list_->palette().text() : list_->palette().placeholderText());
        if (row.done) now = i;
    }
    list_->setCurrentRow(now);
    list_->setEnabled(!workspace_.busy());
}

void HistoryPanel::set_language(Language language) {
    dock_->setWindowTitle(plain_text(Msg::HistoryPanel, language));
    sync();
}

}  // namespace tilesmith
