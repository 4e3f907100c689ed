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
#include "ui/progress.h"
#include "tilesmith_version.h"
#include "model/settings.h"
#include "ui/dialogs/new_package_dialog.h"
#include "formats/dispatch.h"

namespace tilesmith {

namespace {

constexpr int kClientWidth = 575;
constexpr int kClientHeight = 592;
// How long the note about a written file covers the size panels.
constexpr int kNoteMilliseconds = 3000;
constexpr std::array<int, 9> kPanelWidths{85, 75, 35, 88, 75, 35, 50, 110, 50};
// Panels with a lowered bevel: the sizes and the gauge.
constexpr std::array<bool, 9> kPanelLowered{false, true, true, false, true, true, false, true, false};

QFrame* bevel_line(QWidget* parent, const char* name, int y) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, y, kClientWidth, 2);
    return line;
}

QScrollBar* scroll_bar(QWidget* parent, const char* name, Qt::Orientation o, QRect place) {
    auto* bar = new QScrollBar(o, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(place);
    // One tile per arrow click and per page click.
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setRange(0, 0);
    bar->setEnabled(false);
    return bar;
}

std::string local_path(const QString& path) { return QFile::encodeName(path).toStdString(); }

void say_on_stderr(const std::string& problem) {
    std::fprintf(stderr, "tilesmith: %s\n", problem.c_str());
}

}  // namespace

MainWindow::MainWindow(const QString& exe_dir, DialogHost& host, const QStringList& arguments,
             QWidget* parent)
    : QMainWindow(parent), host_(host), exe_dir_(exe_dir), arguments_(arguments),
      pane_buffer_(Workspace::pane_width, Workspace::pane_height, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("main"));
    // The mark shows while the target has unsaved changes.
    setWindowTitle(QStringLiteral("Tilesmith " TILESMITH_VERSION "[*]"));
    setAcceptDrops(true);
    // Fixed single border: system menu and minimise box, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const QIcon themed = QIcon::fromTheme(QStringLiteral("tilesmith"));
    setWindowIcon(themed.isNull() ? make_icon(Icon::app) : themed);
    build_layout();
    build_commands();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    sync_options();
    after_command();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_layout() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    // The window's 8-point face; semi-condensed where the face has such a cut,
    // so the status-bar labels fit their panels.
    QFont small = client->font();
    small.setPointSize(8);
    small.setStretch(QFont::SemiCondensed);
    client->setFont(small);
    setCentralWidget(client);

    bevel_line(client, "bevel_up", 0);
    main_tool_ = new QToolBar(client);
    main_tool_->setObjectName(QStringLiteral("main_tool"));
    main_tool_->setGeometry(0, 2, kClientWidth, 28);
    main_tool_->setIconSize(QSize(16, 16));
    main_tool_->setMovable(false);
    main_tool_->setFloatable(false);
    main_tool_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    main_tool_->setContentsMargins(0, 0, 0, 0);
    main_tool_->layout()->setSpacing(0);

    surf1_ = new PaneView(
        client, [this]() -> const QImage& { return compose(1); },
        [this](MouseButton b, int x, int y) { pane_pressed(1, b, x, y); },
        [this](int v, int h) { pane_wheel(1, v, h); });
    surf1_->setObjectName(QStringLiteral("surf1"));
    surf1_->setGeometry(8, 38, 258, 514);
    surf2_ = new PaneView(
        client, [this]() -> const QImage& { return compose(2); },
        [this](MouseButton b, int x, int y) { pane_pressed(2, b, x, y); },
        [this](int v, int h) { pane_wheel(2, v, h); });
    surf2_->setObjectName(QStringLiteral("surf2"));
    surf2_->setGeometry(296, 38, 258, 514);

    h_scroll_ = scroll_bar(client, "h_scroll", Qt::Horizontal, QRect(9, 553, 256, 12));
    v_scroll_ = scroll_bar(client, "v_scroll", Qt::Vertical, QRect(267, 39, 12, 512));
    h_scroll2_ = scroll_bar(client, "h_scroll2", Qt::Horizontal, QRect(297, 553, 256, 12));
    v_scroll2_ = scroll_bar(client, "v_scroll2", Qt::Vertical, QRect(555, 39, 12, 512));
    // h_scrollChange and its siblings: the new position, then a repaint at once.
    const auto follow = [this](QScrollBar* bar, int pane, bool horizontal) {
        connect_guarded(bar, &QScrollBar::valueChanged, [this, pane, horizontal](int value) {
            Pane& p = workspace_.pane(pane);
            (horizontal ? p.h : p.v).position = value;
            draw_panes();
        });
    };
    follow(h_scroll_, 1, true);
    follow(v_scroll_, 1, false);
    follow(h_scroll2_, 2, true);
    follow(v_scroll2_, 2, false);

    bevel_line(client, "bevel_down", kClientHeight - 19 - 2);
    stat_ = new QStatusBar(client);
    stat_->setObjectName(QStringLiteral("stat"));
    stat_->setSizeGripEnabled(false);
    stat_->setGeometry(0, kClientHeight - 19, kClientWidth, 19);
    // The design's Polish captions; the language switch rewrites them.
    const auto polish = [](Msg message) { return QString::fromUtf8(text_of(message, Language::Polish)); };
    const std::array<QString, 9> design{polish(Msg::SourcePackageLabel), QStringLiteral("256 x 512"),
                                        QStringLiteral("32"), polish(Msg::TargetPackageLabel),
                                        QStringLiteral("256 x 512"), QStringLiteral("32"),
                                        polish(Msg::ProgressLabel), QString(), QString()};
    int x = 0;
    for (int i = 0; i < 9; ++i) {
        auto* panel = new QLabel(design[i], stat_);
        panel->setObjectName(QStringLiteral("stat_panel%1").arg(i));
        panel->setGeometry(x, 1, kPanelWidths[i] - 2, 18);
        panel->setAlignment(i == 8 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (kPanelLowered[i]) {
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Sunken);
        }
        panels_[i] = panel;
        x += kPanelWidths[i];
    }
    progress_gauge_ = new QProgressBar(stat_);
    progress_gauge_->setObjectName(QStringLiteral("progress_gauge"));
    progress_gauge_->setGeometry(446, 3, 106, 13);
    progress_gauge_->setRange(0, 100);
    progress_gauge_->setValue(0);
    progress_gauge_->setTextVisible(true);
    progress_gauge_->setAlignment(Qt::AlignCenter);
    // Button face behind, black in front: the filled part is black and the
    // percentage over it is drawn in white.
    QPalette gauge_colours = progress_gauge_->palette();
    gauge_colours.setColor(QPalette::Base, gauge_colours.color(QPalette::Button));
    gauge_colours.setColor(QPalette::Text, Qt::black);
    gauge_colours.setColor(QPalette::Highlight, Qt::black);
    gauge_colours.setColor(QPalette::HighlightedText, Qt::white);
    progress_gauge_->setPalette(gauge_colours);
    gauge_ = std::make_unique<GaugeProgress>(progress_gauge_);

    // Over the size panels only, for a moment: the gauge stays in sight.
    written_note_ = new QLabel(stat_);
    written_note_->setObjectName(QStringLiteral("written_note"));
    written_note_->setGeometry(0, 1, kPanelWidths[0] + kPanelWidths[1] + kPanelWidths[2] +
                                         kPanelWidths[3] + kPanelWidths[4] + kPanelWidths[5] - 2, 18);
    written_note_->setFrameShape(QFrame::Panel);
    written_note_->setFrameShadow(QFrame::Sunken);
    written_note_->setAutoFillBackground(true);
    written_note_->setIndent(4);
    written_note_->hide();
    note_timer_ = new QTimer(this);
    note_timer_->setObjectName(QStringLiteral("note_timer"));
    note_timer_->setSingleShot(true);
    note_timer_->setInterval(kNoteMilliseconds);
    connect_guarded(note_timer_, &QTimer::timeout, [this] { written_note_->hide(); });
}

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
        const bool polish = loaded->polish;
        workspace_.options = *loaded;
        workspace_.options.polish = true;  // the captions are still the designed Polish ones
        set_language(polish);
        sync_options();
        update_grid_step();
    } else {
        if (!problem.empty()) say_on_stderr(problem);
        workspace_.set_grid_step(kDefaultGridStep);
        sync_options();
    }
    // Qt's buttons and dialogs speak the program's language from the start.
    qt_texts_.follow(workspace_.options.polish);
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

void MainWindow::centre_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The fixed size is known once the layout has run, also before the first show.
    layout()->activate();
    QRect place(QPoint(), size());
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
}

void MainWindow::showEvent(QShowEvent* event) {
    FormShow();
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
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
        saved = save_settings(settings_places(), workspace_.options, &problem);
    } catch (const std::exception& e) {
        problem = e.what();
    }
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
            plik_savetargetClick();
            return !workspace_.target_modified();
    }
    return false;
}

void MainWindow::note_written(const QString& file) {
    written_note_->setText(text(Msg::FileSaved).arg(QFileInfo(file).fileName()));
    written_note_->setToolTip(file);
    written_note_->show();
    written_note_->raise();
    note_timer_->start();
}

QString MainWindow::dropped_file(const QMimeData* data) const {
    if (!data || !data->hasUrls()) return {};
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
        pending_file_name_ = file;
        run([this, as_target] { as_target ? plik_opentargetClick() : plik_opensourceClick(); });
    });
}

void MainWindow::run_over(QWidget* over, const std::function<void()>& body) {
    run_guarded(host_, over, workspace_.language(), body);
    after_command();
}

void MainWindow::after_command() {
    setWindowModified(workspace_.target_modified());
    sync_scroll_bars();
    sync_status();
    sync_undo();
    sync_recent();
    redraw_pending_ = true;
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

const QImage& MainWindow::compose(int pane) {
    // At the screen's resolution, so a display scale of 2 draws sharp text.
    const qreal ratio = surf1_->devicePixelRatioF();
    if (pane_buffer_.devicePixelRatio() != ratio) {
        pane_buffer_ = QImage(QSize(Workspace::pane_width, Workspace::pane_height) * ratio,
                              QImage::Format_RGB32);
        pane_buffer_.setDevicePixelRatio(ratio);
    }
    compose_pane(pane_buffer_, pane == 1 ? workspace_.source_package : workspace_.target_package,
                 workspace_.pane(pane), workspace_.options, palette().color(QPalette::Button),
                 QLocale());
    return pane_buffer_;
}

QImage MainWindow::pane_image(int pane) { return compose(pane == 1 ? 1 : 2).copy(); }

QString MainWindow::panel_text(int panel) const {
    return panel >= 0 && panel < 9 ? panels_[panel]->text() : QString();
}

void MainWindow::pane_pressed(int pane, MouseButton button, int x, int y) {
    run([&] { workspace_.mouse_down(pane, button, x, y); });
}

void MainWindow::pane_wheel(int pane, int vertical_notches, int horizontal_notches) {
    // Through the bars: one tile row or column per notch, as their arrows move,
    // and the same repaint.
    QScrollBar* v = pane == 1 ? v_scroll_ : v_scroll2_;
    QScrollBar* h = pane == 1 ? h_scroll_ : h_scroll2_;
    if (vertical_notches && v->isEnabled()) v->setValue(v->value() - vertical_notches);
    if (horizontal_notches && h->isEnabled()) h->setValue(h->value() - horizontal_notches);
}

void MainWindow::sync_scroll_bars() {
    const auto show = [](QScrollBar* bar, const ScrollBar& model) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, std::max(model.max, 0));
        bar->setValue(model.position);
        bar->setEnabled(model.enabled);
    };
    show(h_scroll_, workspace_.source_pane.h);
    show(v_scroll_, workspace_.source_pane.v);
    show(h_scroll2_, workspace_.target_pane.h);
    show(v_scroll2_, workspace_.target_pane.v);
}

void MainWindow::sync_status() {
    const std::array<int, 4> size_panels{1, 2, 4, 5};
    for (int i = 0; i < 4; ++i)
        panels_[size_panels[i]]->setText(QString::fromStdString(workspace_.size_texts[i]));
}

void MainWindow::sync_undo() {
    const bool on = workspace_.undo_enabled();
    ed_cofnij_->setEnabled(on);
    tool_cofnij_->setEnabled(on);
}

void MainWindow::sync_recent() {
    const auto& entries = workspace_.recent.entries();
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
    fileline_->setVisible(workspace_.recent.visible());
}

void MainWindow::sync_options() {
    const Options& o = workspace_.options;
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

void MainWindow::set_language(bool to_polish) {
    const auto translate = [to_polish](const QString& t) {
        return QString::fromStdString(translate_text(t.toStdString(), to_polish));
    };
    // Menu captions are compared without an accelerator mark the menu may
    // have put in; a caption in no pair stays exactly as it was.
    for (QAction* item : captioned_) {
        const QString plain = QString::fromStdString(strip_ampersand(item->text().toStdString()));
        const QString next = translate(plain);
        if (next != plain) item->setText(next);
    }
    for (QAction* tool : tools_) {
        const QString hint = translate(tool->toolTip());
        tool->setToolTip(hint);
        tool->setText(hint);
    }
    for (QLabel* panel : panels_) panel->setText(translate(panel->text()));
    if (filenew_) filenew_->set_dialog_language(to_polish);
    if (autor_) autor_->translate_labels(to_polish);
    jezyk_pl_->setChecked(to_polish);
    jezyk_eng_->setChecked(!to_polish);
    workspace_.options.polish = jezyk_pl_->isChecked();
    qt_texts_.follow(workspace_.options.polish);
}

}  // namespace tilesmith
