// The two package panes: composing a pane off-screen and the panel that shows it.
#pragma once
#include <QColor>
#include <QImage>
#include <QLocale>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/package.h"
#include "model/options.h"
#include "model/workspace.h"

namespace tilesmith {

QColor to_qcolor(PackedColor c);
PackedColor to_packed(const QColor& c);

// A read-only QImage over the package's own rows: no copy is made, so it must
// not outlive a resize of the package.
QImage package_view(const Package& package);

// The tile number as the panes write it: shortest form, up to 15 significant
// digits, the locale's decimal separator and no digit grouping ("1,125").
QString tile_number_text(double value, const QLocale& locale);

// The 7-point bold Verdana of the coordinates, or the nearest sans face.
QFont pane_font();

// draw_panes for one pane, composed into `buffer` (pane_width x pane_height
// pane pixels, at any device pixel ratio):
// background, the package window at the scroll position, grid, the dashed
// two-pixel selection frame and the tile number with its black shadow.
void compose_pane(QImage& buffer, const Package& package, const Pane& pane,
                  const Options& options, const QColor& background, const QLocale& locale);

// surf1 / surf2: a 258 x 514 panel with a lowered one-pixel bevel that shows the
// composed pane inside the bevel and reports mouse presses in panel pixels.
class PaneView : public QWidget {
    Q_OBJECT
public:
    using Compose = std::function<const QImage&()>;
    using Press = std::function<void(MouseButton, int x, int y)>;
    // Whole wheel notches: vertical (+ up) and horizontal (+ left); Shift turns
    // a vertical wheel into a horizontal one.
    using Wheel = std::function<void(int vertical_notches, int horizontal_notches)>;
    PaneView(QWidget* parent, Compose compose, Press press, Wheel wheel = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Compose compose_;
    Press press_;
    Wheel wheel_;
    QPoint wheel_rest_;  // eighths of a degree short of a notch, from fine-grained wheels
};

}  // namespace tilesmith
