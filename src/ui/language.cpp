// MainWindow's language switch: every caption, hint and panel text is written
// again from its key in the string table, then the dialogs follow.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/main_window.h"

namespace tilesmith {

void MainWindow::set_language(bool to_polish) {
    workspace_.set_polish(to_polish);
    for (const Captioned& c : captioned_) c.action->setText(text(c.caption));
    for (const Tool& t : tools_) {
        const QString hint = t.hint ? text(*t.hint) : t.item->text();
        t.tool->setToolTip(hint);
        t.tool->setText(hint);
    }
    panels_[0]->setText(text(Msg::SourcePackageLabel));
    panels_[3]->setText(text(Msg::TargetPackageLabel));
    panels_[6]->setText(text(Msg::ProgressLabel));
    job_stop_->setText(text(Msg::StopJob));
    fit_job_stop();
    if (filenew_) filenew_->set_dialog_language(to_polish);
    if (autor_) autor_->translate_labels(to_polish);
    jezyk_pl_->setChecked(to_polish);
    jezyk_eng_->setChecked(!to_polish);
    qt_texts_.follow(to_polish);
}

}  // namespace tilesmith
