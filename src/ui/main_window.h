// MainWindow: the main window over the Workspace model - menus, tool bar, the
// two panes with their scroll bars, the status bar and the command handlers.
// Its parts live in files of their own: construction and refresh
// (main_window.cpp), placement of the widgets (window_layout.cpp), the command
// map (command_map.cpp), the command handlers (commands.cpp), the panes'
// mouse, wheel, keys and zoom (pane_commands.cpp), the language switch
// (language.cpp), the window's place and zoom across runs (window_state.cpp)
// and the long work it runs as jobs (job_commands.cpp).
#pragma once
#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/job.h"
#include "effects/effect_registry.h"
#include "model/settings.h"
#include "model/workspace.h"
#include "strings/messages.h"
#include "ui/exception_barrier.h"
#include "ui/icons.h"
#include "ui/last_folders.h"
#include "ui/qt_texts.h"

class QAction;
class QActionGroup;
class QKeySequence;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QMimeData;
class QStatusBar;
class QTimer;
class QToolBar;

namespace tilesmith {

class DialogHost;
class GaugeProgress;
class JobRunner;
class PaneView;
class AuthorDialog;
class NewPackageDialog;
class HistoryDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `exe_dir` is where config.dat is read and written; `arguments` is the
    // command line without the program name (the first is opened as source).
    MainWindow(const QString& exe_dir, DialogHost& host, const QStringList& arguments = {},
          QWidget* parent = nullptr);
    ~MainWindow() override;

    // The three dialogs, created after the main window; any may be null.
    void set_forms(NewPackageDialog* filenew, AuthorDialog* autor, HistoryDialog* his);

    Workspace& workspace() { return workspace_; }
    DialogHost& host() { return host_; }
    // The per-user configuration folder, where config.dat goes when the
    // program's folder cannot be written; set before the window is shown.
    void set_user_config_dir(const QString& dir) { user_config_dir_ = dir; }
    // The config.dat read at start.
    QString config_path() const;
    int language_index() const { return workspace_.language_index(); }

    // Settings, the idle hook and the command-line file; runs once, at the
    // latest when the window is first shown.
    void FormShow();
    // Repaints both panes at once.
    void draw_panes();
    // The composed picture of pane 1 (source) or 2 (target), as painted.
    QImage pane_image(int pane);
    // The text of status-bar panel 0..8 (8: the pixel under the pointer).
    QString panel_text(int panel) const;
    // Rewrites every caption, hint and panel text from its key, then the dialogs' texts.
    void set_language(bool to_polish);

    // Long work (job_commands.cpp): `work` on a worker thread, its commit and
    // any error back here. The commands that would conflict are disabled
    // until it ends; Escape or the stop button beside the gauge stops it.
    void start_job(Job::Work work);
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
    using Routine = BoundEffect;

    // Building (window_layout.cpp, command_map.cpp).
    void build_layout();
    PaneView* make_pane(QWidget* client, Side side, const char* name);
    void build_status_bar(QWidget* client);
    // Places every widget of the client area for its size: the panes share the width.
    void place_widgets(QSize client);
    void centre_on_screen();
    void build_commands();
    QMenu* add_menu(QMenu* parent, const char* name, Msg title, Icon icon = Icon::none);
    QAction* add_item(QMenu* menu, const char* name, Msg caption, const QList<QKeySequence>& keys, Icon icon,
                      std::function<void()> handler);
    // An item whose caption is no text of the table (a grid size): the language leaves it.
    QAction* add_literal_item(QMenu* menu, const char* name, const QString& caption, Icon icon,
                              std::function<void()> handler);
    QAction* add_option(QMenu* menu, const char* name, Msg title, const QKeySequence& key,
                        bool Options::*field);
    // `hint` none: the tool's hint is its item's caption.
    QAction* add_tool(const char* name, QAction* item, std::optional<Msg> hint, Icon icon);
    // The registry's effects of one root menu, appended to it; returns the
    // items that have tool buttons, in menu order.
    struct EffectToolSlot {
        QAction* item;
        const EffectTool* tool;
    };
    std::vector<EffectToolSlot> add_effects(EffectMenuRoot root, QMenu* menu);

    // Every command runs through here: errors become the general error box,
    // then the window shows what the model holds now.
    void run(const std::function<void()>& body) { run_over(this, body); }
    // The same with the error box over `over` (a dialog in front of the window).
    void run_over(QWidget* over, const std::function<void()>& body);
    // The same barrier without the refresh, for slots that are not commands.
    void guard(const std::function<void()>& body) {
        run_guarded(host_, this, workspace_.language(), body);
    }
    // Connects a signal to a command handler that runs through run().
    template <class Sender, class Signal, class Slot>
    void connect_command(const Sender* sender, Signal signal, Slot slot) {
        connect_through(sender, signal, this, [this](const std::function<void()>& body) { run(body); },
                        std::move(slot));
    }
    // Connects a signal to a slot that runs through guard().
    template <class Sender, class Signal, class Slot>
    void connect_guarded(const Sender* sender, Signal signal, Slot slot) {
        connect_through(sender, signal, this, [this](const std::function<void()>& body) { guard(body); },
                        std::move(slot));
    }
    void after_command();
    void idle_redraw();
    void sync_scroll_bars();
    void sync_status();
    void sync_undo();
    void sync_recent();
    void sync_options();
    // With texture use shown: reads what the panes' levels map, telling once
    // when a level's structures cannot be walked.
    void sync_texture_use();

    // The panes (pane_commands.cpp).
    void pane_pressed(Side side, MouseButton button, int x, int y, bool extend);
    void pane_dragged(Side side, int x, int y);
    void pane_hovered(Side side, int x, int y);
    void pane_wheel(Side side, int vertical_notches, int horizontal_notches);
    void pane_zoom(Side side, int notches, int x, int y);
    void zoom_command(int direction);
    const QImage& compose(Side side);

    // The window's place and the panes' zoom in the per-user settings (window_state.cpp).
    void restore_window_state();
    void save_window_state();

    QString text(int entry) const;
    // The message in the current language.
    QString text(Msg message) const;
    QString text(const Phrase& phrase) const;
    // "Save changes?" when the target has unsaved work: true to go on (saved
    // or discarded), false to keep everything as it is.
    bool settle_unsaved_target();
    // The file an open command reads: the pending name (recent item, command
    // line, drop) or the one chosen in the open dialog of `slot`'s folder.
    QString file_to_open(FolderSlot slot);
    // The refusal of an open in the current language, or the full gauge.
    void show_open_answer(const OpenAnswer& answer);
    // The brief status-bar note naming a file just written.
    void note_written(const QString& file, const QString& more = {});
    QString dropped_file(const QMimeData* data) const;
    SettingsPlaces settings_places() const;
    void tell_settings_unsaved();
    // Save and Save As: no writer takes the name's extension, nothing was written.
    void say_extension_not_written();
    // Save and Save As: writes the target to `name` after the questions its
    // type asks (a JPEG loses the transparent colour), as a job unless `here`
    // or the package is small; Save As also keeps the type for the next one.
    void save_to(const QString& name, bool as, bool here);

    // Jobs (job_commands.cpp): as a job, or here and now when `small`
    // (nothing then shows the difference).
    void run_job(Job::Work work, bool small);
    void job_ended(Job& job);
    void show_job_running(bool on);
    void build_job_controls();
    // The stop button as wide as its caption asks.
    void fit_job_stop();
    // The target written to `file` by a job, or here when `small`; then `done`.
    void write_target(const std::string& file, bool small, std::function<void(bool written)> done);

    // Command handlers (commands.cpp); called inside run().
    void plik_newClick();
    void plik_opensourceClick();
    void plik_opentargetClick();
    // `here`: written before the command ends, also when the file is large.
    void plik_savetargetClick(bool here = false);
    void plik_savetargetasClick(bool here = false);
    void open_file(const std::string& file, Side side);
    void ex_tr2345Click();
    void recent_fileClick(int index);
    void ed_cofnijClick();
    void ed_ponowClick();
    void ed_cutClick();
    void ed_ctcClick();
    void ed_pfcClick();
    void tx_addClick();
    void tx_delClick();
    void tx_copytransClick();
    void tx_copyClick();
    void effect(const Routine& routine);
    // An effect item whose last parameter is a colour: asks the colour chooser,
    // offering the last confirmed colour, and runs the item with it.
    void effect_asking_colour(const Effect& effect, const EffectItem& item);
    void opcje_xpClick();
    void opcje_selectcolorClick();
    void update_grid_step();
    void info_autorClick();
    void info_hisClick();
    void info_mailClick();

    Workspace workspace_;
    DialogHost& host_;
    QString exe_dir_;
    QString user_config_dir_;
    // The settings cannot be saved anywhere: told once, at start or at close.
    bool told_settings_unsaved_ = false;
    QStringList arguments_;
    QString pending_file_name_;
    LastFolders folders_;
    QtTexts qt_texts_;
    QColor lm_color_{Qt::black};
    // The save dialog of the export keeps its last filter and suffix.
    QString export_filter_, export_suffix_;
    std::array<QImage, 2> pane_buffers_;

    QWidget* client_ = nullptr;
    PaneView* surf1_ = nullptr;
    PaneView* surf2_ = nullptr;
    QScrollBar* h_scroll_ = nullptr;
    QScrollBar* v_scroll_ = nullptr;
    QScrollBar* h_scroll2_ = nullptr;
    QScrollBar* v_scroll2_ = nullptr;
    std::vector<QWidget*> bevels_;
    QToolBar* main_tool_ = nullptr;
    QStatusBar* stat_ = nullptr;
    std::array<QLabel*, 9> panels_{};
    QProgressBar* progress_gauge_ = nullptr;
    std::unique_ptr<GaugeProgress> gauge_;
    QLabel* written_note_ = nullptr;
    std::unique_ptr<JobRunner> jobs_;
    QPushButton* job_stop_ = nullptr;
    QAction* job_escape_ = nullptr;
    // What a running job disabled, enabled again when it ends.
    std::vector<QAction*> job_disabled_;
    QTimer* note_timer_ = nullptr;

    // Menus and items the language switch visits, with the key of their caption.
    struct Captioned {
        QAction* action;
        Msg caption;
    };
    std::vector<Captioned> captioned_;
    // Tool actions and the key of their hint (none: their item's caption).
    struct Tool {
        QAction* tool;
        QAction* item;
        std::optional<Msg> hint;
    };
    std::vector<Tool> tools_;
    struct OptionItem {
        QAction* action;
        bool Options::*field;
    };
    std::vector<OptionItem> option_items_;
    std::array<QAction*, kGridSteps.size()> grid_items_{};
    QAction* jezyk_pl_ = nullptr;
    QAction* jezyk_eng_ = nullptr;
    QAction* opcje_xp_ = nullptr;
    QAction* ed_cofnij_ = nullptr;
    QAction* tool_cofnij_ = nullptr;
    QAction* ed_ponow_ = nullptr;
    QAction* tool_ponow_ = nullptr;
    QAction* fileline_ = nullptr;
    std::array<QAction*, 5> recent_items_{};

    NewPackageDialog* filenew_ = nullptr;
    AuthorDialog* autor_ = nullptr;
    HistoryDialog* his_ = nullptr;
    bool form_shown_ = false;
    bool redraw_pending_ = false;
};

}  // namespace tilesmith
