// MainWindow: construction, layout, start-up and close, language switch, and the
// refresh of widgets from the workspace model.
#include "ui/main_window.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <cstdio>
#include <exception>

#include "core/error.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "strings/messages.h"
#include "strings/strings.h"
#include "ui/dialog_host.h"
#include "ui/flat_look.h"
#include "ui/pane.h"
#include "ui/job_runner.h"
#include "ui/progress.h"
#include "tilesmith_version.h"
#include "model/settings.h"
#include "model/user_state.h"
#include "ui/dialogs/new_package_dialog.h"
#include "formats/dispatch.h"

namespace tilesmith {

namespace {

std::string local_path(const QString& path) { return QFile::encodeName(path).toStdString(); }

void say_on_stderr(const std::string& problem) {
    std::fprintf(stderr, "tilesmith: %s\n", problem.c_str());
}

}  // namespace

MainWindow::MainWindow(const QString& exe_dir, DialogHost& host, const QStringList& arguments,
             QWidget* parent)
    : QMainWindow(parent), host_(host), exe_dir_(exe_dir), arguments_(arguments) {
    setObjectName(QStringLiteral("main"));
    // The mark shows while the target has unsaved changes.
    setWindowTitle(QStringLiteral("Tilesmith " TILESMITH_VERSION "[*]"));
    setAcceptDrops(true);
    const QIcon themed = QIcon::fromTheme(QStringLiteral("tilesmith"));
    setWindowIcon(themed.isNull() ? make_icon(Icon::app) : themed);
    build_layout();
    build_commands();
    // The designed size is where the window starts and the least it shrinks to.
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    layout()->activate();
    resize(minimumSize());
    sync_options();
    after_command();
}

// The runner goes first: a job still running is stopped and waited for.
MainWindow::~MainWindow() { jobs_.reset(); }

void MainWindow::set_forms(NewPackageDialog* filenew, AuthorDialog* autor, HistoryDialog* his) {
    filenew_ = filenew;
    autor_ = autor;
    his_ = his;
    // Closing the new/modify dialog shows the package it left: sizes, scroll
    // bars, undo state and a repaint.
    if (filenew_) {
        // The dialog's commands change the target package: they run as the window's do.
        filenew_->set_barrier(
            [this](QWidget* over, const std::function<void()>& body) { run_over(over, body); });
        connect_guarded(filenew_, &NewPackageDialog::closed, [this] {
            after_command();
            draw_panes();
        });
    }
    if (form_shown_) opcje_xpClick();
}

SettingsPlaces MainWindow::settings_places() const {
    return {local_path(exe_dir_), local_path(user_config_dir_)};
}

QString MainWindow::config_path() const {
    return QFile::decodeName(QByteArray::fromStdString(settings_places().read_path()));
}

void MainWindow::tell_settings_unsaved() {
    if (told_settings_unsaved_) return;
    told_settings_unsaved_ = true;
    host_.warning(this, text(Msg::SettingsCannotBeSaved));
}

QString MainWindow::text(int entry) const {
    const std::string_view t = lang_text(entry);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString MainWindow::text(const Phrase& phrase) const {
    return QString::fromStdString(phrase.text(workspace_.language()));
}

QString MainWindow::text(Msg message) const {
    const std::string_view t = text_of(message, workspace_.language());
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

void MainWindow::FormShow() {
    if (form_shown_) return;
    form_shown_ = true;
    // Centred before anything can be asked or reported: a message box about
    // the command-line file centres on this still hidden window.
    centre_on_screen();

    // The per-user state (recent list, dialogs' folders) beside config.dat.
    std::string state_file = settings_places().write_path(kUserStateFile);
    if (state_file.empty()) state_file = settings_places().read_path(kUserStateFile);
    LastFolders::keep_in(QFile::decodeName(QByteArray::fromStdString(state_file)));

    // Settings first; a config.dat that cannot be read never keeps the
    // workspace from being built.
    std::string problem;
    std::optional<Options> loaded;
    try {
        loaded = load_settings(settings_places().read_path(), &problem);
    } catch (const std::exception& e) {
        problem = e.what();
    }
    if (loaded) {
        workspace_.set_options(*loaded);
        set_language(loaded->polish);
        sync_options();
    } else {
        if (!problem.empty()) say_on_stderr(problem);
        workspace_.set_grid_step(kDefaultGridStep);
        // The first start speaks the desktop's language: Polish for pl, else English.
        set_language(polish_for_locale(QLocale::system().name().toStdString()));
        sync_options();
    }
    restore_window_state();
    workspace_.restore_recent(folders_.recent());
    // Qt's buttons and dialogs speak the program's language from the start.
    qt_texts_.follow(workspace_.options().polish);
    // Also without a settings file: the flat look starts on, as its item does.
    opcje_xpClick();
    // Said now, in the language just read, rather than lost at close.
    if (settings_places().write_path().empty()) tell_settings_unsaved();

    // The workspace itself was built with the model; the idle hook repaints the
    // panes whenever the event queue has run empty after a change.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect_guarded(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { idle_redraw(); });
    }

    if (!arguments_.isEmpty()) {
        pending_file_name_ = arguments_.first();
        run([this] { plik_opensourceClick(); });
    }
    after_command();
}

void MainWindow::showEvent(QShowEvent* event) {
    FormShow();
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (job_running()) {
        bool stop = false;
        guard([&] { stop = host_.question(this, text(Msg::StopJobQuestion)); });
        if (!stop) {
            event->ignore();
            return;
        }
        // Whatever it had done is dropped, as after Escape.
        jobs_->abandon();
        show_job_running(false);
        after_command();
    }
    bool go_on = false;
    run([&] { go_on = settle_unsaved_target(); });
    if (!go_on) {
        event->ignore();
        return;
    }
    // FormClose: the settings, whatever else happens; a folder that cannot be
    // written never keeps the window open.
    std::string problem;
    bool saved = false;
    try {
        saved = save_settings(settings_places(), workspace_.options(), &problem);
    } catch (const std::exception& e) {
        problem = e.what();
    }
    save_window_state();
    if (!saved) {
        say_on_stderr(problem.empty() ? "config.dat could not be written" : problem);
        tell_settings_unsaved();
    }
    if (filenew_) filenew_->hide();
    if (autor_) autor_->hide();
    if (his_) his_->hide();
    event->accept();
}

bool MainWindow::settle_unsaved_target() {
    if (!workspace_.target_modified()) return true;
    switch (host_.save_changes(this, text(Msg::SaveChangesQuestion))) {
        case SaveAnswer::discard: return true;
        case SaveAnswer::cancel: return false;
        case SaveAnswer::save:
            // Save as when the target has no name; cancelling that dialog
            // cancels the whole command.
            plik_savetargetClick(true);
            return !workspace_.target_modified();
    }
    return false;
}

void MainWindow::note_written(const QString& file, const QString& more) {
    const QString note = text(Msg::FileSaved).arg(QFileInfo(file).fileName());
    written_note_->setText(more.isEmpty() ? note : note + QStringLiteral("; ") + more);
    written_note_->setToolTip(more.isEmpty() ? file : file + QLatin1Char('\n') + more);
    written_note_->show();
    written_note_->raise();
    note_timer_->start();
}

QString MainWindow::dropped_file(const QMimeData* data) const {
    // Nothing is taken while a job runs.
    if (!data || !data->hasUrls() || job_running()) return {};
    // The first local file of a kind the Open commands read; anything else is
    // not ours to take.
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString file = url.toLocalFile();
        return is_readable_extension(file_extension(local_path(file))) ? file : QString();
    }
    return {};
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = dropped_file(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    const QPoint on_pane = surf2_->mapFrom(this, event->position().toPoint());
    const bool as_target = surf2_->rect().contains(on_pane);
    // After the drop has ended: the program it came from is not kept waiting
    // by a question or an error box.
    QTimer::singleShot(0, this, [this, file, as_target] {
        if (job_running()) return;
        pending_file_name_ = file;
        run([this, as_target] { as_target ? plik_opentargetClick() : plik_opensourceClick(); });
    });
}

void MainWindow::run_over(QWidget* over, const std::function<void()>& body) {
    run_guarded(host_, over, workspace_.language(), body);
    after_command();
}

void MainWindow::after_command() {
    // The caption names the file being edited; the mark shows unsaved work.
    const std::string& name = workspace_.target_file_name();
    const QString title = QStringLiteral("Tilesmith " TILESMITH_VERSION "[*]");
    setWindowTitle(name.empty() ? title
                                : QFileInfo(QFile::decodeName(QByteArray::fromStdString(name))).fileName() +
                                      QStringLiteral("[*] \u2014 Tilesmith " TILESMITH_VERSION));
    setWindowModified(workspace_.target_modified());
    sync_texture_use();
    sync_scroll_bars();
    sync_status();
    sync_undo();
    sync_recent();
    redraw_pending_ = true;
}

void MainWindow::sync_texture_use() {
    if (!workspace_.options().texture_use) return;
    for (Side side : {Side::source, Side::target})
        if (const auto why = workspace_.ask_texture_use(side)) host_.warning(this, text(*why));
}

void MainWindow::idle_redraw() {
    if (!redraw_pending_) return;
    // Cleared first: the update below wakes the loop once, not forever.
    redraw_pending_ = false;
    surf1_->update();
    surf2_->update();
}

void MainWindow::draw_panes() {
    redraw_pending_ = false;
    surf1_->repaint();
    surf2_->repaint();
}

QString MainWindow::panel_text(int panel) const {
    return panel >= 0 && panel < 9 ? panels_[panel]->text() : QString();
}

void MainWindow::sync_status() {
    const std::array<int, 4> size_panels{1, 2, 4, 5};
    const auto texts = workspace_.size_texts();
    for (int i = 0; i < 4; ++i) panels_[size_panels[i]]->setText(QString::fromStdString(texts[i]));
}

void MainWindow::sync_undo() {
    const bool undo = workspace_.undo_enabled(), redo = workspace_.redo_enabled();
    const bool free = !job_running();
    ed_cofnij_->setEnabled(undo && free);
    tool_cofnij_->setEnabled(undo && free);
    ed_ponow_->setEnabled(redo && free);
    tool_ponow_->setEnabled(redo && free);
}

void MainWindow::sync_recent() {
    const auto& entries = workspace_.recent().entries();
    for (int i = 0; i < int(recent_items_.size()); ++i) {
        QAction* item = recent_items_[i];
        if (i < int(entries.size())) {
            // The caption shows the path; "&" would turn into an accelerator mark.
            QString caption = QFile::decodeName(QByteArray::fromStdString(entries[i]));
            caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
            item->setText(caption);
            item->setVisible(true);
        } else {
            item->setText(QString());
            item->setVisible(false);
        }
    }
    fileline_->setVisible(workspace_.recent().visible());
}

void MainWindow::sync_options() {
    const Options& o = workspace_.options();
    for (const OptionItem& item : option_items_) {
        const QSignalBlocker quiet(item.action);
        item.action->setChecked(o.*item.field);
    }
    // The radio items are set with their signals on: their groups must see
    // which item is checked. Only their triggers run handlers.
    bool any = false;
    for (std::size_t i = 0; i < kGridSteps.size(); ++i) {
        grid_items_[i]->setChecked(kGridSteps[i] == o.grid_step);
        any = any || kGridSteps[i] == o.grid_step;
    }
    if (!any) grid_items_[grid_step_index(kDefaultGridStep)]->setChecked(true);
    jezyk_pl_->setChecked(o.polish);
    jezyk_eng_->setChecked(!o.polish);
}

}  // namespace tilesmith
