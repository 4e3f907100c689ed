// MainWindow: the main window over the Workspace model. It builds its parts and
// places them: the command map (menus, items, tool buttons: command_map), the
// command handlers (command_handlers), the panes with their scroll bars
// (pane_presenter), the status bar (status_panels) and the long work it runs
// as jobs (job_control), and the history panel (history_panel). Its own files: construction, start-up, close and
// refresh (main_window.cpp), placement of the widgets (window_layout.cpp), the
// language switch (language.cpp) and the window's place and zoom across runs
// (window_state.cpp).
#pragma once
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/job.h"
#include "model/settings.h"
#include "model/workspace.h"
#include "strings/messages.h"
#include "ui/exception_barrier.h"
#include "ui/last_folders.h"
#include "ui/qt_texts.h"

class QMimeData;
class QToolBar;

namespace tilesmith {

class AuthorDialog;
class CommandMap;
class CommandHandlers;
class DialogHost;
class HistoryDialog;
class HistoryPanel;
class JobControl;
class NewPackageDialog;
class PanePresenter;
class StatusPanels;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `exe_dir` is where config.dat is read and written; `arguments` is the
    // command line without the program name (the first is opened as source).
    MainWindow(const QString& exe_dir, DialogHost& host, const QStringList& arguments = {},
               QWidget* parent = nullptr);
    ~MainWindow() override;
    // Where the window starts when no share of the screen or kept size
    // replaces it; its panes shrink below it down to the minimum size.
    QSize designed_size() const;

    // The three dialogs, created after the main window; any may be null.
    void set_forms(NewPackageDialog* new_package_dialog, AuthorDialog* author_dialog, HistoryDialog* history_dialog);

    Workspace& workspace() { return workspace_; }
    DialogHost& host() { return host_; }
    // The per-user configuration folder, where config.dat goes when the
    // program's folder cannot be written; set before the window is shown.
    void set_user_config_dir(const QString& dir) { user_config_dir_ = dir; }
    // The config.dat read at start.
    QString config_path() const;
    int language_index() const { return int(workspace_.language()); }

    // Settings, the idle hook and the command-line file; runs once, at the
    // latest when the window is first shown.
    void start_up();
    // Repaints both panes at once.
    void draw_panes();
    // The composed picture of pane 1 (source) or 2 (target), as painted.
    QImage pane_image(int pane);
    // The text of status-bar panel 0..9 (8: the pixel under the pointer, 9: the zoom).
    QString panel_text(int panel) const;
    // Rewrites every caption, hint and panel text from its key, then the dialogs' texts.
    void set_language(Language language);

    // Long work: a task's work on a worker thread, its commit and any error
    // back here. The commands that would conflict are disabled until it ends;
    // Escape or the stop button beside the gauge stops it.
    void start_job(Task task);
    bool job_running() const;

protected:
    void showEvent(QShowEvent* event) override;
    // Closing with unsaved changes of the target asks first; config.dat, the
    // window's place and the zoom are written whenever the window does close.
    void closeEvent(QCloseEvent* event) override;
    // A file dropped on the target pane opens as the target, anywhere else as
    // the source, as the Open commands do.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The arrow keys move the selection of the last clicked pane; with Shift they extend it.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building and placing (window_layout.cpp).
    void build_layout();
    // Places every widget of the client area for its size: the panes share the width.
    void place_widgets(QSize client);
    void centre_on_screen();

    // Every command runs through here: errors become the general error box,
    // then the window shows what the model holds now.
    void run(const std::function<void()>& body) { run_over(this, body); }
    // The same with the error box over `over` (a dialog in front of the window).
    void run_over(QWidget* over, const std::function<void()>& body);
    // The same barrier without the refresh, for slots that are not commands.
    void guard(const std::function<void()>& body) { run_guarded(host_, this, workspace_.language(), body); }
    void after_command();
    // With texture use shown: reads what the panes' levels map, telling once
    // when a level's structures cannot be walked.
    void sync_texture_use();
    // A job started or ended: what would conflict with it is off meanwhile.
    void show_job_running(bool on);

    // The window's place and the panes' zoom in the per-user settings (window_state.cpp).
    void restore_window_state();
    void save_window_state();

    QString text(Msg message) const { return ui_text(message, workspace_.language()); }
    QString text(const Phrase& phrase) const { return ui_text(phrase, workspace_.language()); }
    QString dropped_file(const QMimeData* data) const;
    SettingsPlaces settings_places() const;
    void tell_settings_unsaved();

    Workspace workspace_;
    DialogHost& host_;
    QString exe_dir_;
    QString user_config_dir_;
    // The settings cannot be saved anywhere: told once, at start or at close.
    bool told_settings_unsaved_ = false;
    QStringList arguments_;
    LastFolders folders_;
    QtTexts qt_texts_;

    QWidget* client_ = nullptr;
    std::vector<QWidget*> bevels_;
    QToolBar* tool_bar_ = nullptr;
    std::unique_ptr<StatusPanels> status_;
    std::unique_ptr<PanePresenter> panes_;
    std::unique_ptr<JobControl> jobs_;
    std::unique_ptr<CommandHandlers> commands_;
    std::unique_ptr<CommandMap> command_map_;
    std::unique_ptr<HistoryPanel> history_;

    NewPackageDialog* new_package_dialog_ = nullptr;
    AuthorDialog* author_dialog_ = nullptr;
    HistoryDialog* history_dialog_ = nullptr;
    bool started_up_ = false;
    // The unsaved target was saved by a job for a close: the close asks no more.
    bool settled_for_close_ = false;
};

}  // namespace tilesmith
