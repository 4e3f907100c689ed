// MainWindow: construction, start-up and close, drops and keys, and the
// refresh of its parts from the workspace model.
#include "ui/main_window.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <memory>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <exception>

#include "model/file_kinds.h"
#include "model/settings.h"
#include "model/user_state.h"
#include "ui/command_map.h"
#include "ui/command_handlers.h"
#include "ui/dialog_host.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/file_name_text.h"
#include "ui/history_panel.h"
#include "ui/icons.h"
#include "ui/job_control.h"
#include "ui/level_dock.h"
#include "ui/pane.h"
#include "ui/pane_presenter.h"
#include "ui/status_panels.h"

namespace tilesmith {

namespace {

void say_on_stderr(const std::string& problem) {
    std::fprintf(stderr, "tilesmith: %s\n", problem.c_str());
}

}  // namespace

MainWindow::MainWindow(const QString& exe_dir, DialogHost& host, const QStringList& arguments,
             QWidget* parent)
    : QMainWindow(parent), host_(host), exe_dir_(exe_dir), arguments_(arguments) {
    setObjectName(QStringLiteral("main"));
    setAcceptDrops(true);
    const QIcon themed = QIcon::fromTheme(QStringLiteral("tilesmith"));
    setWindowIcon(themed.isNull() ? make_icon(Icon::app) : themed);
    build_layout();
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    layout()->activate();
    resize(designed_size());
    command_map_->sync_options();
    after_command();
}

// The jobs go first: a job still running is stopped and waited for.
MainWindow::~MainWindow() {
    jobs_.reset();
    // The widgets outlive this object's own part: a dock hiding as the window
    // goes must not call back into a window that is no longer one.
    for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
}

void MainWindow::set_forms(NewPackageDialog* new_package_dialog, AuthorDialog* author_dialog, HistoryDialog* history_dialog) {
    new_package_dialog_ = new_package_dialog;
    author_dialog_ = author_dialog;
    history_dialog_ = history_dialog;
    if (history_dialog_) history_dialog_->set_language(workspace_.options().language);
    commands_->set_forms({new_package_dialog, author_dialog, history_dialog});
    // Closing the new/modify dialog shows the package it left: sizes, scroll
    // bars, undo state and a repaint.
    if (new_package_dialog_) {
        // The dialog's commands change the target package: they run as the window's do.
        new_package_dialog_->set_barrier(
            [this](QWidget* over, const std::function<void()>& body) { run_over(over, body); });
        new_package_dialog_->set_answer([this](const PackageChoice& c) {
            workspace_.edits().make_package(c.columns, c.rows, c.background, c.modify);
        });
        new_package_dialog_->set_question([this] { return commands_->whole_target_question(); });
        new_package_dialog_->set_dialog_language(workspace_.options().language);
        connect_through(new_package_dialog_, &NewPackageDialog::closed, this, [this](const auto& body) { guard(body); }, [this] {
            after_command();
            draw_panes();
        });
    }
    if (started_up_) commands_->follow_flat_look();
}

SettingsPlaces MainWindow::settings_places() const {
    return {core_file_name(exe_dir_), core_file_name(user_config_dir_)};
}

QString MainWindow::config_path() const {
    return qt_file_name(settings_places().read_path());
}

void MainWindow::tell_settings_unsaved() {
    if (told_settings_unsaved_) return;
    told_settings_unsaved_ = true;
    host_.warning(this, text(Msg::SettingsCannotBeSaved));
}

void MainWindow::start_up() {
    if (started_up_) return;
    started_up_ = true;
    // Centred before anything can be asked or reported: a message box about
    // the command-line file centres on this still hidden window.
    centre_on_screen();

    // The per-user state (recent list, dialogs' folders) beside config.dat.
    std::string state_file = settings_places().write_path(kUserStateFile);
    if (state_file.empty()) state_file = settings_places().read_path(kUserStateFile);
    LastFolders::keep_in(qt_file_name(state_file));

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
        set_language(loaded->language);
        command_map_->sync_options();
    } else {
        if (!problem.empty()) say_on_stderr(problem);
        workspace_.set_grid_step(kDefaultGridStep);
        // The first start speaks the desktop's language: Polish for pl, else English.
        set_language(language_for_locale(QLocale::system().name().toStdString()));
        command_map_->sync_options();
    }
    restore_window_state();
    workspace_.files().restore_recent(folders_.recent());
    // Qt's buttons and dialogs speak the program's language from the start.
    qt_texts_.follow(workspace_.options().language);
    // Also without a settings file: the flat look starts on, as its item does.
    commands_->follow_flat_look();
    // Said now, in the language just read, rather than lost at close.
    if (settings_places().write_path().empty()) tell_settings_unsaved();

    // The workspace itself was built with the model; the idle hook repaints the
    // panes whenever the event queue has run empty after a change.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect_through(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                        [this](const auto& body) { guard(body); }, [this] { panes_->idle_redraw(); });
    }

    if (!arguments_.isEmpty()) {
        // Once the window is on screen: a warning about the file shows over it.
        QTimer::singleShot(0, this, [this] {
            commands_->set_pending_file(arguments_.first());
            run([this] { commands_->open_source(); });
        });
    }
    after_command();
}

void MainWindow::showEvent(QShowEvent* event) {
    start_up();
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
        jobs_->abandon();
        after_command();
    }
    if (!settled_for_close_) {
        // Settled at once (nothing unsaved, or discarded): the close goes on.
        // Saved by a job: the window closes again once the target is written.
        const auto asking = std::make_shared<bool>(true);
        bool go_on = false;
        run([&] {
            commands_->settle_unsaved_target([this, asking, &go_on] {
                if (*asking) {
                    go_on = true;
                    return;
                }
                settled_for_close_ = true;
                QTimer::singleShot(0, this, [this] { close(); });
            });
        });
        *asking = false;
        if (!go_on) {
            event->ignore();
            return;
        }
    }
    settled_for_close_ = false;
    // on_close: the settings, whatever else happens; a folder that cannot be
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
    if (new_package_dialog_) new_package_dialog_->hide();
    if (author_dialog_) author_dialog_->hide();
    if (history_dialog_) history_dialog_->hide();
    event->accept();
}

QString MainWindow::dropped_file(const QMimeData* data) const {
    // Nothing is taken while a job runs.
    if (!data || !data->hasUrls() || job_running()) return {};
    // The first local file of a kind the Open commands read; anything else is
    // not ours to take.
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString file = url.toLocalFile();
        // By its name alone: the open's task reads it and says what it is.
        return opens_file_name(core_file_name(file)) ? file : QString();
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
    PaneView* target = panes_->pane(Side::target);
    const bool as_target = target->rect().contains(target->mapFrom(this, event->position().toPoint()));
    // After the drop has ended: the program it came from is not kept waiting
    // by a question or an error box.
    QTimer::singleShot(0, this, [this, file, as_target] {
        if (job_running()) return;
        commands_->set_pending_file(file);
        run([this, as_target] { as_target ? commands_->open_target() : commands_->open_source(); });
    });
}

void MainWindow::run_over(QWidget* over, const std::function<void()>& body) {
    status_->next_command();
    run_guarded(host_, over, workspace_.language(), body);
    after_command();
}

void MainWindow::after_command() {
    // The caption names the file being edited, or else the level or file the
    // target was read from, or says it has none; the mark shows unsaved work.
    const std::string& name =
        workspace_.document().target_file_name().empty() ? workspace_.origins().file_of(Side::target) : workspace_.document().target_file_name();
    const QString document = name.empty() ? text(Msg::Untitled)
                                          : QFileInfo(qt_file_name(name)).fileName();
    setWindowTitle(document + QStringLiteral("[*] \u2014 Tilesmith"));
    setWindowModified(workspace_.document().modified());
    sync_texture_use();
    panes_->sync();
    status_->show_sizes(workspace_.size_texts());
    status_->show_view(qt_file_name(workspace_.origins().file_of(Side::source)),
                       workspace_.view(Side::source).zoom(), workspace_.view(Side::target).zoom());
    command_map_->sync();
    history_->sync();
    if (LevelDock* level = LevelDock::in(this)) level->sync();
}

void MainWindow::sync_texture_use() {
    if (!workspace_.options().texture_use) return;
    for (Side side : {Side::source, Side::target})
        if (const auto why = workspace_.origins().take_use_note(side)) host_.warning(this, text(*why));
}

void MainWindow::draw_panes() { panes_->draw(); }

QImage MainWindow::pane_image(int pane) { return panes_->image(pane == 1 ? Side::source : Side::target); }

QString MainWindow::panel_text(int panel) const { return status_->panel_text(panel); }

bool MainWindow::job_running() const { return jobs_ && jobs_->running(); }

void MainWindow::start_job(Task task) { jobs_->run(std::move(task)); }

void MainWindow::show_job_running(bool on) {
    // The job holds the document: the model refuses changes, and the commands
    // it says are unavailable grey. The stop button shows once the job lasts.
    command_map_->sync();
    history_->sync();
    // The new/modify dialog changes the target too.
    if (new_package_dialog_) new_package_dialog_->setEnabled(!on);
    if (!on) status_->show_job(false);
    setAcceptDrops(!on);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    int columns = 0, rows = 0;
    switch (event->key()) {
        case Qt::Key_Left: columns = -1; break;
        case Qt::Key_Right: columns = 1; break;
        case Qt::Key_Up: rows = -1; break;
        case Qt::Key_Down: rows = 1; break;
        default: QMainWindow::keyPressEvent(event); return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    run([&] { workspace_.views().move_selection(columns, rows, extend); });
    event->accept();
}

}  // namespace tilesmith
