// The main window's status bar: ten panels, the gauge and its stop button,
// and the note about a written file.
#include "ui/status_panels.h"

#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "strings/languages.h"
#include "ui/qt_texts.h"

namespace tilesmith {

namespace {

// How long the note about a written file covers the size panels.
constexpr int kNoteMilliseconds = 3000;
// The least widths; the counts widen to their label and the widest count.
constexpr std::array<int, 10> kPanelWidths{85, 75, 35, 88, 75, 35, 50, 110, 50, 40};
// Panels with a lowered bevel: the sizes and the gauge.
constexpr std::array<bool, 10> kPanelLowered{false, true, true, false, true, true, false, true, false, true};
constexpr int kCountPanels[2] = {2, 5};
constexpr int kZoomPanel = 9;
constexpr int kBarHeight = 19;
// The most tiles a package holds (16384 pixels square) and the largest zoom.
constexpr int kMostTiles = 65536;
constexpr int kMostZoom = 8;
// The panels that carry a caption of the table.
constexpr std::array<std::pair<int, Msg>, 3> kCaptions{
    {{0, Msg::SourcePackageLabel}, {3, Msg::TargetPackageLabel}, {6, Msg::ProgressLabel}}};

}  // namespace

StatusPanels::StatusPanels(QMainWindow* window, const QFont& face, Language language, const Guard& guard,
                           std::function<void()> stop)
    : language_(language) {
    bar_ = new QStatusBar(window);
    bar_->setObjectName(QStringLiteral("status_bar"));
    bar_->setSizeGripEnabled(false);
    bar_->setFont(face);
    bar_->setFixedHeight(kBarHeight);
    window->setStatusBar(bar_);
    for (int i = 0; i < 10; ++i) {
        auto* panel = new QLabel(bar_);
        panel->setObjectName(QStringLiteral("status_panel%1").arg(i));
        panel->setAlignment(i == 8 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (kPanelLowered[i]) {
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Sunken);
        }
        panels_[i] = panel;
    }
    // Every language's label with the largest count, and the largest zooms.
    const QFontMetrics metrics = panels_[0]->fontMetrics();
    for (const LanguageInfo& info : language_registry()) {
        const QString count = ui_text(Phrase(Msg::TileCount).arg(kMostTiles), info.language);
        const QString zoom = ui_text(Msg::ZoomOfPanes, info.language).arg(kMostZoom).arg(kMostZoom);
        count_width_ = std::max(count_width_, metrics.horizontalAdvance(count) + 8);
        zoom_width_ = std::max(zoom_width_, metrics.horizontalAdvance(zoom) + 10);
    }
    int x = 0;
    for (int i = 0; i < 9; ++i) {
        const bool count = i == kCountPanels[0] || i == kCountPanels[1];
        const int width = count ? std::max(kPanelWidths[i], count_width_) : kPanelWidths[i];
        panels_[i]->setGeometry(x, 1, width - 2, 18);
        x += width;
    }
    for (const auto& [panel, caption] : kCaptions) panels_[panel]->setText(ui_text(caption, language_));
    panels_[8]->setIndent(4);
    gauge_bar_ = new QProgressBar(bar_);
    gauge_bar_->setObjectName(QStringLiteral("progress_gauge"));
    gauge_bar_->setGeometry(panels_[7]->x() + 3, 3, 106, 13);
    gauge_bar_->setRange(0, 100);
    gauge_bar_->setValue(0);
    gauge_bar_->setTextVisible(true);
    gauge_bar_->setAlignment(Qt::AlignCenter);
    // Button face behind, black in front: the filled part is black and the
    // percentage over it is drawn in white.
    QPalette gauge_colours = gauge_bar_->palette();
    gauge_colours.setColor(QPalette::Base, gauge_colours.color(QPalette::Button));
    gauge_colours.setColor(QPalette::Text, Qt::black);
    gauge_colours.setColor(QPalette::Highlight, Qt::black);
    gauge_colours.setColor(QPalette::HighlightedText, Qt::white);
    gauge_bar_->setPalette(gauge_colours);

    stop_ = new QPushButton(ui_text(Msg::StopJob, language_), bar_);
    stop_->setObjectName(QStringLiteral("job_stop"));
    stop_->move(gauge_bar_->geometry().right() + 4, 1);
    fit_stop();
    stop_->setFocusPolicy(Qt::NoFocus);
    stop_->hide();
    connect_through(stop_, &QPushButton::clicked, bar_, guard, std::move(stop));

    // Over the size panels only, for a moment: the gauge stays in sight. A
    // note longer than the panels wraps and rises over the panes above.
    written_note_ = new QLabel(window);
    written_note_->setFont(face);
    written_note_->setObjectName(QStringLiteral("written_note"));
    written_note_->setFrameShape(QFrame::Panel);
    written_note_->setFrameShadow(QFrame::Sunken);
    written_note_->setAutoFillBackground(true);
    written_note_->setIndent(4);
    written_note_->setWordWrap(true);
    written_note_->hide();
    note_timer_ = new QTimer(bar_);
    note_timer_->setObjectName(QStringLiteral("note_timer"));
    note_timer_->setSingleShot(true);
    note_timer_->setInterval(kNoteMilliseconds);
    connect_through(note_timer_, &QTimer::timeout, bar_, guard, [this] {
        written_note_->hide();
        note_ = note_tip_ = {};
    });
    bar_->setMinimumWidth(whole_width());
}

StatusPanels::~StatusPanels() = default;

void StatusPanels::fit_width() {
    const int width = std::max(bar_->width(), whole_width());
    panels_[kZoomPanel]->setGeometry(width - zoom_width_, 1, zoom_width_ - 2, 18);
    panels_[8]->resize(std::max(width - zoom_width_ - panels_[8]->x(), kPanelWidths[8]) - 2, 18);
    place_note();
}

int StatusPanels::whole_width() const {
    // The widest pixel read-out: a point of the largest package and its colour.
    const int readout = panels_[8]->x() + panels_[8]->indent() * 2 + 4 +
                        panels_[8]->fontMetrics().horizontalAdvance(QStringLiteral("16383, 16383  #FFFFFF"));
    int stop = 0;
    for (const LanguageInfo& info : language_registry())
        for (Msg caption : {Msg::StopJob, Msg::StoppingJob}) {
            QPushButton probe(ui_text(caption, info.language));
            probe.setFont(stop_->font());
            stop = std::max(stop, probe.sizeHint().width());
        }
    return std::max(readout, stop_->x() + stop + 2) + zoom_width_;
}

void StatusPanels::place_note() {
    const int width = panels_[6]->x() - 2;
    const int height = std::max(18, written_note_->heightForWidth(width));
    const QRect bar = bar_->geometry();
    written_note_->setGeometry(bar.x(), bar.y() + kBarHeight - height, width, height);
}

void StatusPanels::show_sizes(const std::array<std::string, 4>& texts) {
    sizes_ = texts;
    panels_[1]->setText(QString::fromStdString(texts[0]));
    panels_[4]->setText(QString::fromStdString(texts[2]));
    for (int i = 0; i < 2; ++i)
        panels_[kCountPanels[i]]->setText(ui_text(Phrase(Msg::TileCount).arg(texts[1 + 2 * i]), language_));
}

void StatusPanels::show_pixel(StatusWords readout) {
    readout_ = std::move(readout);
    show_readout();
}

void StatusPanels::show_pixel(const Phrase& words) {
    show_pixel([words](Language language) { return ui_text(words, language); });
}

void StatusPanels::show_readout() {
    // The read-out, the faces and sprites using the pixel, or a picked face:
    // whole where it fits, else shortened, all of it in the tip.
    const QString readout = readout_ ? readout_(language_) : QString();
    QLabel* panel = panels_[8];
    const int room = panel->contentsRect().width() - 2 * panel->indent();
    panel->setText(panel->fontMetrics().elidedText(readout, Qt::ElideRight, std::max(room, 0)));
    panel->setToolTip(panel->text() == readout ? QString() : readout);
}

void StatusPanels::show_view(const QString& source_file, int source_zoom, int target_zoom) {
    zooms_[0] = source_zoom;
    zooms_[1] = target_zoom;
    panels_[kZoomPanel]->setText(ui_text(Msg::ZoomOfPanes, language_).arg(zooms_[0]).arg(zooms_[1]));
    panels_[kZoomPanel]->setToolTip(ui_text(Msg::ZoomTip, language_).arg(zooms_[0]).arg(zooms_[1]));
    if (source_file == source_file_) return;
    source_file_ = source_file;
    // The file's name where the caption stood, shortened to the panel; the whole path on hover.
    QLabel* panel = panels_[0];
    const QString name = QFileInfo(source_file).fileName();
    panel->setText(name.isEmpty() ? ui_text(Msg::SourcePackageLabel, language_)
                                  : panel->fontMetrics().elidedText(name, Qt::ElideMiddle, panel->width() - 4));
    panel->setToolTip(source_file);
}

QString StatusPanels::panel_text(int panel) const {
    if (panel == 8) return readout_ ? readout_(language_) : QString();
    return panel >= 0 && panel < int(panels_.size()) ? panels_[panel]->text() : QString();
}

void StatusPanels::note_written(const QString& file, const std::optional<Phrase>& more, bool lasting) {
    // A name too long for one line is shortened in its middle; the rest wraps.
    const QString name = written_note_->fontMetrics().elidedText(QFileInfo(file).fileName(), Qt::ElideMiddle,
                                                                  written_note_->width() * 2 / 3);
    note_ = [name, more](Language language) {
        const QString saved = ui_text(Msg::FileSaved, language).arg(name);
        return more ? saved + QStringLiteral("; ") + ui_text(*more, language) : saved;
    };
    note_tip_ = [file, more](Language language) {
        return more ? file + QLatin1Char('\n') + ui_text(*more, language) : file;
    };
    start_note(lasting);
}

void StatusPanels::note(const Phrase& words, bool lasting) {
    note_ = [words](Language language) { return ui_text(words, language); };
    note_tip_ = note_;
    start_note(lasting);
}

void StatusPanels::start_note(bool lasting) {
    show_note();
    note_lasts_ = lasting;
    if (lasting) note_timer_->stop();
    else note_timer_->start();
}

void StatusPanels::show_note() {
    if (!note_) return;
    written_note_->setText(note_(language_));
    written_note_->setToolTip(note_tip_(language_));
    place_note();
    written_note_->show();
    written_note_->raise();
}

void StatusPanels::next_command() {
    if (!note_lasts_) return;
    note_lasts_ = false;
    written_note_->hide();
    note_ = note_tip_ = {};
}

void StatusPanels::show_job(bool running) {
    stop_->setText(ui_text(Msg::StopJob, language_));
    stop_->setEnabled(true);
    stop_->setVisible(running);
}

void StatusPanels::show_stopping() {
    if (!stop_->isVisible()) return;
    stop_->setText(ui_text(Msg::StoppingJob, language_));
    stop_->setEnabled(false);
    fit_stop();
    stop_->repaint();
}

void StatusPanels::set_language(Language language) {
    language_ = language;
    for (const auto& [panel, caption] : kCaptions) panels_[panel]->setText(ui_text(caption, language_));
    show_sizes(sizes_);
    const QString file = source_file_;
    source_file_.clear();
    show_view(file, zooms_[0], zooms_[1]);
    show_readout();
    show_note();
    stop_->setText(ui_text(Msg::StopJob, language_));
    fit_stop();
}

void StatusPanels::fit_stop() {
    // Never narrower: a look whose buttons ask for less may be switched off again.
    stop_->resize(std::max(stop_->width(), stop_->sizeHint().width()), 18);
}

}  // namespace tilesmith
