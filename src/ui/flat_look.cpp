// The flat style sheet of the "XP style" option.
#include "ui/flat_look.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace tilesmith {

namespace {

// Button-face menu bar, white menus with a 24-pixel icon column, the system
// highlight with a frame for the current item, flat tool and push buttons.
// Pane panels and scroll bars are left to the platform.
const char kFlatSheet[] = R"(
QMenuBar { background: palette(button); }
QMenuBar::item { padding: 2px 7px; border: 1px solid transparent; background: transparent; }
QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text);
                          border: 1px solid palette(dark); }
QMenu { background: palette(base); border: 1px solid palette(dark);
        font-family: "Tahoma", "DejaVu Sans", sans-serif; }
QMenu::item { padding: 3px 20px 3px 28px; border: 1px solid transparent; }
QMenu::item:selected { background: palette(highlight); color: palette(highlighted-text);
                       border: 1px solid palette(shadow); }
QMenu::item:disabled { color: palette(mid); }
QMenu::icon { padding-left: 4px; }
QMenu::icon:checked { border: 1px solid palette(highlight); background: palette(light); }
QMenu::separator { height: 1px; background: palette(button); margin: 3px 2px 3px 28px; }
QToolButton { border: 1px solid transparent; padding: 2px; background: transparent; }
QToolButton:hover { border: 1px solid palette(highlight); background: palette(light); }
QToolButton:pressed { background: palette(midlight); }
QPushButton { border: 1px solid palette(dark); border-radius: 2px; padding: 3px 6px;
              background: palette(button); }
QPushButton:hover { border: 1px solid palette(highlight); }
QPushButton:pressed { background: palette(midlight); }
)";

const char kFlatProperty[] = "tilesmith_flat_look";

// A style sheet set or cleared on a window makes Qt resolve the fonts inside it
// afresh, and controls that only inherited their font (the dialogs' small face,
// the status bar's condensed one) fall back to the application's larger font,
// which no longer fits the places measured for them. Giving each control its
// current font as its own keeps it through any number of switches.
void pin_fonts(QWidget* root) {
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (!child->isWindow() && !child->testAttribute(Qt::WA_SetFont)) child->setFont(child->font());
    }
}

}  // namespace

void apply_flat_look(QWidget* w, bool on) {
    if (!w) return;
    pin_fonts(w);
    w->setStyleSheet(on ? QString::fromLatin1(kFlatSheet) : QString());
    w->setProperty(kFlatProperty, on);
}

bool has_flat_look(const QWidget* w) { return w && w->property(kFlatProperty).toBool(); }

}  // namespace tilesmith
