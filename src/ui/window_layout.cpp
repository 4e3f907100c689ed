// MainWindow's parts and their places: the tool bar, the two panes with
// their scroll bars, the status bar across the window's foot, then the commands wired to
// them. The panes share the width equally and fill the height; they shrink below the
// designed height so the whole window fits a small screen or a large one at double scale.
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <tuple>

#include "model/level_pick_text.h"
#include "ui/command_map.h"
#include "ui/command_handlers.h"
#include "ui/history_panel.h"
#include "ui/job_control.h"
#include "ui/level_dock.h"
#include "ui/main_window.h"
#include "ui/pane.h"
#include "ui/pane_presenter.h"
#include "ui/status_panels.h"

namespace tilesmith {

namespace {

// The designed client area above the status bar, where the window starts, and
// the least height it shrinks to: with its menu, status bar and frame it fits
// 1366 x 768, and 1920 x 1080 at 200 %.
constexpr int kClientWidth = 575;
constexpr int kClientHeight = 571;
constexpr int kLeastClientHeight = 399;
// Around the panes: the left margin, the tool bar above, the scroll bar and
// the bevel below, and what the two scroll bars, the gap and the margins take across.
constexpr int kMargin = 8;
constexpr int kPaneTop = 38;
constexpr int kBelowPanes = 57;
constexpr int kBesidePanes = 59;
constexpr int kBar = 12;
constexpr int kGap = 17;

QFrame* bevel_line(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

void MainWindow::build_layout() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setMinimumSize(kClientWidth, kLeastClientHeight);
    // The window's 8-point face; semi-condensed where the face has such a cut,
    // so the status-bar labels fit their panels.
    QFont small = client_->font();
    small.setPointSize(8);
    small.setStretch(QFont::SemiCondensed);
    client_->setFont(small);
    setCentralWidget(client_);

    bevels_.push_back(bevel_line(client_, "bevel_up"));
    tool_bar_ = new QToolBar(client_);
    tool_bar_->setObjectName(QStringLiteral("tool_bar"));
    tool_bar_->setIconSize(QSize(16, 16));
    tool_bar_->setMovable(false);
    tool_bar_->setFloatable(false);
    tool_bar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tool_bar_->setContentsMargins(0, 0, 0, 0);
    tool_bar_->layout()->setSpacing(0);

    const Guard command = [this](const std::function<void()>& body) { run(body); };
    const Guard guarded = [this](const std::function<void()>& body) { guard(body); };
    panes_ = std::make_unique<PanePresenter>(client_, workspace_, command, guarded,
                                             [this](StatusWords readout) { status_->show_pixel(std::move(readout)); });
    bevels_.push_back(bevel_line(client_, "bevel_down"));
    status_ = std::make_unique<StatusPanels>(this, small, workspace_.language(), guarded, [this] { jobs_->cancel(); });
    status_->bar()->installEventFilter(this);
    jobs_ = std::make_unique<JobControl>(this, status_->gauge_bar(), guarded, command,
                                         [this](bool on) { show_job_running(on); });
    jobs_->on_stopping([this] { status_->show_stopping(); });
    jobs_->on_lasting([this] { status_->show_job(true); });
    commands_ = std::make_unique<CommandHandlers>(this, workspace_, host_, folders_, *status_, *jobs_);
    command_map_ = std::make_unique<CommandMap>(
        this, tool_bar_, workspace_, *commands_, command, guarded,
        CommandMap::WindowActions{[this](Language language) { set_language(language); },
                                  [this] { panes_->request_redraw(); }, [this, command](bool toggle) {
                                      LevelDock::reveal(this, workspace_, toggle, command_map_->level_item(), [this, command](Side side, const ScenePick& pick) {
                                          command([&] { workspace_.select_picked(side, pick); });
                                          if (const LevelScene* scene = workspace_.origins().scene(side))
                                              status_->show_pixel(picked_text(*scene, pick));
                                      });
                                  }});
    history_ = std::make_unique<HistoryPanel>(this, workspace_, command_map_->history_item(), command, guarded);
    panes_->on_pointed_tile([this](Side side, std::optional<std::pair<int, int>> tile) {
        if (LevelDock* level = LevelDock::in(this)) level->pointed_at(side, tile);
    });
    client_->installEventFilter(this);
    place_widgets(QSize(kClientWidth, kClientHeight));
}

void MainWindow::place_widgets(QSize client) {
    const int W = std::max(client.width(), kClientWidth), H = std::max(client.height(), kLeastClientHeight);
    bevels_[0]->setGeometry(0, 0, W, 2);
    tool_bar_->setGeometry(0, 2, W, 28);
    // Equal panes; an odd pixel widens the gap between them.
    const int pane_w = (W - kBesidePanes) / 2, pane_h = H - kBelowPanes;
    const int lefts[2] = {kMargin, kMargin + pane_w + 1 + kBar + kGap + (W - kBesidePanes) % 2};
    for (int i = 0; i < 2; ++i) {
        const Side side = i == 0 ? Side::source : Side::target;
        PaneView* pane = panes_->pane(side);
        QScrollBar* h = panes_->scroll_bar(side, true);
        QScrollBar* v = panes_->scroll_bar(side, false);
        pane->setGeometry(lefts[i], kPaneTop, pane_w, pane_h);
        v->setGeometry(lefts[i] + pane_w + 1, kPaneTop + 1, kBar, pane_h - 2);
        h->setGeometry(lefts[i] + 1, kPaneTop + pane_h + 1, pane_w - 2, kBar);
        // The picture inside the bevel.
        workspace_.views().set_viewport(side, pane_w - 2, pane_h - 2);
    }
    bevels_[1]->setGeometry(0, H - 2, W, 2);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        guard([this] {
            place_widgets(client_->size());
            after_command();
        });
    }
    // The bar spans the window, docks and all: its last panels follow its width.
    if (watched == status_->bar() && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        guard([this] { status_->fit_width(); });
    return QMainWindow::eventFilter(watched, event);
}

QSize MainWindow::designed_size() const {
    // What the menu and status bars take around the client area, as laid out
    // now; never narrower than the status bar asks.
    const QSize around = minimumSize() - client_->minimumSize();
    return QSize(std::max(minimumWidth(), kClientWidth), around.height() + kClientHeight);
}

void MainWindow::centre_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The size is known once the layout has run, also before the first show.
    layout()->activate();
    // The first start takes a share of the screen, taller more than wider:
    // packages are columns of pages. It is at least as wide as the status
    // bar's panels ask, and as tall as designed unless that is more than its
    // share of the screen's height. A size kept from the last run replaces it.
    const QRect area = screen->availableGeometry();
    const QSize share(area.width() / 2, area.height() * 85 / 100);
    const QSize start = designed_size().expandedTo(QSize(status_->whole_width(), 0)).expandedTo(share);
    resize(start.boundedTo(QSize(area.width(), share.height())).expandedTo(minimumSize()));
    QRect place(QPoint(), size());
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
}

}  // namespace tilesmith
