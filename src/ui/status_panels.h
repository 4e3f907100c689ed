// The main window's status bar, across the whole window under the panes and
// any dock: each package's size and count of tiles, the gauge of long work
// with its stop button, the pixel under the pointer, the zoom of the panes,
// and the note naming a file just written.
#pragma once
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "strings/messages.h"
#include "strings/phrase.h"
#include "ui/exception_barrier.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QWidget;

namespace tilesmith {

// A status text in any language: written again when the language changes.
using StatusWords = std::function<QString(Language)>;

class StatusPanels {
public:
    // The bar of `window`, in `face`. `stop`: the stop button beside the gauge was clicked.
    StatusPanels(QMainWindow* window, const QFont& face, Language language, const Guard& guard,
                 std::function<void()> stop);
    ~StatusPanels();

    QStatusBar* bar() const { return bar_; }
    // The gauge of long work.
    QProgressBar* gauge_bar() const { return gauge_bar_; }
    // The zoom panel at the bar's right end; the pixel under the pointer takes
    // what is left of the bar's width.
    void fit_width();
    // The least width at which the pixel read-out, the zoom and the stop
    // button, in every language and either of its captions, are whole: the
    // bar's, and so the window's, least width.
    int whole_width() const;

    // Panels 1, 2, 4, 5: each package's size and its count of whole tiles, labelled.
    void show_sizes(const std::array<std::string, 4>& texts);
    // The pixel under the pointer, or what a click in the 3D view picked (an
    // empty function: none), in the language of the moment.
    void show_pixel(StatusWords readout);
    void show_pixel(const Phrase& words);
    // The source's file (empty: none) in the source panel, and the zoom of each pane in the last.
    void show_view(const QString& source_file, int source_zoom, int target_zoom);
    // The text of panel 0..9 (8: the pixel under the pointer, whole where the panel shortens it; 9: the zoom).
    QString panel_text(int panel) const;
    // "Saved: file", with `more` after it, over the size panels for a moment,
    // or until the next command (`lasting`).
    void note_written(const QString& file, const std::optional<Phrase>& more = std::nullopt, bool lasting = false);
    // Any other brief note there.
    void note(const Phrase& words, bool lasting = false);
    // A command begins: a lasting note has been read.
    void next_command();
    // The stop button shows while a job runs.
    void show_job(bool running);
    // The stop button says at once that the job is stopping, and takes no second click.
    void show_stopping();
    void set_language(Language language);

private:
    // The stop button as wide as its caption asks.
    void fit_stop();
    // The note's bottom on the bar's, as tall as its wrapped text.
    void place_note();
    // The note and the pixel panel in the language now.
    void show_note();
    void show_readout();
    // Shows the note now held, for a moment or until the next command.
    void start_note(bool lasting);

    Language language_;
    QStatusBar* bar_ = nullptr;
    std::array<QLabel*, 10> panels_{};
    // The widest count and zoom in every language: the panels keep their places through a language switch.
    int count_width_ = 0;
    int zoom_width_ = 0;
    QProgressBar* gauge_bar_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* written_note_ = nullptr;
    QTimer* note_timer_ = nullptr;
    QString source_file_;
    std::array<std::string, 4> sizes_;
    int zooms_[2] = {1, 1};
    StatusWords readout_;
    // The note's text and tip.
    StatusWords note_, note_tip_;
    bool note_lasts_ = false;
};

}  // namespace tilesmith
