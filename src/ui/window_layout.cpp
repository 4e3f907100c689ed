// MainWindow's widgets and their places: the tool bar, the two panes with
// their scroll bars and the status bar. The window starts at its designed
// size and grows: the panes share the width equally and fill the height.
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <tuple>

#include "ui/main_window.h"
#include "ui/pane.h"
#include "ui/progress.h"

namespace tilesmith {

namespace {

// The designed client area, which is also the smallest.
constexpr int kClientWidth = 575;
constexpr int kClientHeight = 592;
// Around the panes: the left margin, the tool bar above, the scroll bar and
// status bar below, and what the two scroll bars, the gap and the margins take across.
constexpr int kMargin = 8;
constexpr int kPaneTop = 38;
constexpr int kBelowPanes = 78;
constexpr int kBesidePanes = 59;
constexpr int kBar = 12;
constexpr int kGap = 17;
constexpr int kStatusHeight = 19;
// How long the note about a written file covers the size panels.
constexpr int kNoteMilliseconds = 3000;
constexpr std::array<int, 9> kPanelWidths{85, 75, 35, 88, 75, 35, 50, 110, 50};
// Panels with a lowered bevel: the sizes and the gauge.
constexpr std::array<bool, 9> kPanelLowered{false, true, true, false, true, true, false, true, false};

QFrame* bevel_line(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QScrollBar* scroll_bar(QWidget* parent, const char* name, Qt::Orientation o) {
    auto* bar = new QScrollBar(o, parent);
    bar->setObjectName(QString::fromLatin1(name));
    // One tile per arrow click; the keys move the selection, never a bar.
    bar->setSingleStep(kTileSide);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setRange(0, 0);
    bar->setEnabled(false);
    return bar;
}

}  // namespace

void MainWindow::build_layout() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setMinimumSize(kClientWidth, kClientHeight);
    // The window's 8-point face; semi-condensed where the face has such a cut,
    // so the status-bar labels fit their panels.
    QFont small = client_->font();
    small.setPointSize(8);
    small.setStretch(QFont::SemiCondensed);
    client_->setFont(small);
    setCentralWidget(client_);

    bevels_.push_back(bevel_line(client_, "bevel_up"));
    main_tool_ = new QToolBar(client_);
    main_tool_->setObjectName(QStringLiteral("main_tool"));
    main_tool_->setIconSize(QSize(16, 16));
    main_tool_->setMovable(false);
    main_tool_->setFloatable(false);
    main_tool_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    main_tool_->setContentsMargins(0, 0, 0, 0);
    main_tool_->layout()->setSpacing(0);

    surf1_ = make_pane(client_, Side::source, "surf1");
    surf2_ = make_pane(client_, Side::target, "surf2");
    h_scroll_ = scroll_bar(client_, "h_scroll", Qt::Horizontal);
    v_scroll_ = scroll_bar(client_, "v_scroll", Qt::Vertical);
    h_scroll2_ = scroll_bar(client_, "h_scroll2", Qt::Horizontal);
    v_scroll2_ = scroll_bar(client_, "v_scroll2", Qt::Vertical);
    // h_scrollChange and its siblings: the new offset, then a repaint at once.
    const auto follow = [this](QScrollBar* bar, Side side, bool horizontal) {
        connect_guarded(bar, &QScrollBar::valueChanged, [this, side, horizontal](int value) {
            const View& v = workspace_.view(side);
            workspace_.scroll_to(side, horizontal ? value : v.scroll_x(), horizontal ? v.scroll_y() : value);
            draw_panes();
        });
    };
    follow(h_scroll_, Side::source, true);
    follow(v_scroll_, Side::source, false);
    follow(h_scroll2_, Side::target, true);
    follow(v_scroll2_, Side::target, false);

    bevels_.push_back(bevel_line(client_, "bevel_down"));
    build_status_bar(client_);
    client_->installEventFilter(this);
    place_widgets(QSize(kClientWidth, kClientHeight));
}

PaneView* MainWindow::make_pane(QWidget* client, Side side, const char* name) {
    PaneEvents events;
    events.compose = [this, side]() -> const QImage& { return compose(side); };
    events.press = [this, side](MouseButton b, int x, int y, bool extend) { pane_pressed(side, b, x, y, extend); };
    events.drag = [this, side](int x, int y) { pane_dragged(side, x, y); };
    events.hover = [this, side](int x, int y) { pane_hovered(side, x, y); };
    events.leave = [this] { panels_[8]->clear(); };
    events.wheel = [this, side](int v, int h) { pane_wheel(side, v, h); };
    events.zoom = [this, side](int notches, int x, int y) { pane_zoom(side, notches, x, y); };
    auto* pane = new PaneView(client, std::move(events));
    pane->setObjectName(QString::fromLatin1(name));
    return pane;
}

void MainWindow::build_status_bar(QWidget* client) {
    stat_ = new QStatusBar(client);
    stat_->setObjectName(QStringLiteral("stat"));
    stat_->setSizeGripEnabled(false);
    const std::array<std::optional<Msg>, 9> captions{Msg::SourcePackageLabel, std::nullopt, std::nullopt,
                                                     Msg::TargetPackageLabel, std::nullopt, std::nullopt,
                                                     Msg::ProgressLabel, std::nullopt, std::nullopt};
    int x = 0;
    for (int i = 0; i < 9; ++i) {
        auto* panel = new QLabel(captions[i] ? text(*captions[i]) : QString(), stat_);
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
    panels_[8]->setIndent(4);
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
    build_job_controls();

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

void MainWindow::place_widgets(QSize client) {
    const int W = std::max(client.width(), kClientWidth), H = std::max(client.height(), kClientHeight);
    bevels_[0]->setGeometry(0, 0, W, 2);
    main_tool_->setGeometry(0, 2, W, 28);
    // Equal panes; an odd pixel widens the gap between them.
    const int pane_w = (W - kBesidePanes) / 2, pane_h = H - kBelowPanes;
    const int lefts[2] = {kMargin, kMargin + pane_w + 1 + kBar + kGap + (W - kBesidePanes) % 2};
    const std::array<std::tuple<PaneView*, QScrollBar*, QScrollBar*, Side>, 2> panes{
        std::tuple{surf1_, h_scroll_, v_scroll_, Side::source}, std::tuple{surf2_, h_scroll2_, v_scroll2_, Side::target}};
    for (int i = 0; i < 2; ++i) {
        const auto& [pane, h, v, side] = panes[i];
        pane->setGeometry(lefts[i], kPaneTop, pane_w, pane_h);
        v->setGeometry(lefts[i] + pane_w + 1, kPaneTop + 1, kBar, pane_h - 2);
        h->setGeometry(lefts[i] + 1, kPaneTop + pane_h + 1, pane_w - 2, kBar);
        // The picture inside the bevel.
        workspace_.set_viewport(side, pane_w - 2, pane_h - 2);
    }
    bevels_[1]->setGeometry(0, H - kStatusHeight - 2, W, 2);
    stat_->setGeometry(0, H - kStatusHeight, W, kStatusHeight);
    const int last = W - panels_[8]->x();
    panels_[8]->resize(std::max(last, kPanelWidths[8]) - 2, 18);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        guard([this] {
            place_widgets(client_->size());
            after_command();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::centre_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The size is known once the layout has run, also before the first show.
    layout()->activate();
    QRect place(QPoint(), size());
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
}

}  // namespace tilesmith
