// The two package panes: composing the visible part of a pane and the panel that shows it.
#pragma once
#include <QColor>
#include <QImage>
#include <QLocale>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/package.h"
#include "model/options.h"
#include "model/texture_use.h"
#include "model/view.h"

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

// draw_panes for one pane, composed into `buffer` (the pane's picture, at any
// device pixel ratio): background, the visible part of the package at the
// view's zoom (nearest neighbour), the grid (and at 4x and above a faint
// pixel grid), the marked tiles veiled and framed, the dashed two-pixel frame
// around the selection and the coordinates of its first tile with its size
// when larger than a tile. With
// `use` (a level's texture use, shown when the option is on), pixels no
// face or sprite of the level samples are dimmed and the faces and sprites are outlined.
void compose_pane(QImage& buffer, const Package& package, const View& view, const Options& options,
                  const QColor& background, const QLocale& locale, const TextureUse* use = nullptr);

// What a pane reports, in pixels of its picture (0,0 inside the bevel).
struct PaneEvents {
    std::function<const QImage&()> compose;
    std::function<void(MouseButton, int x, int y, bool extend)> press;
    std::function<void(int x, int y)> drag;       // the left button held
    std::function<void(int x, int y)> hover;      // the pointer over the picture
    std::function<void()> leave;
    // Whole wheel notches, vertical (+ up) and horizontal (+ left); with Ctrl held, zoom.
    std::function<void(int vertical, int horizontal)> wheel;
    std::function<void(int notches, int x, int y)> zoom;
    std::function<void(int width, int height)> resized;
};

// source_pane / target_pane: a panel with a lowered one-pixel bevel that shows the
// composed picture inside the bevel and reports the mouse in picture pixels.
class PaneView : public QWidget {
    Q_OBJECT
public:
    PaneView(QWidget* parent, PaneEvents events);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PaneEvents events_;
    QPoint wheel_rest_;  // eighths of a degree short of a notch, from fine-grained wheels
};

}  // namespace tilesmith
