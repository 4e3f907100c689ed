// The "XP style" option: a flat look of our own for menus and controls.
#pragma once

class QWidget;

namespace tilesmith {

// Puts the flat style sheet on `w` (and so on its menus and controls) when `on`,
// and gives it back the plain platform look when not. Null `w` does nothing.
void apply_flat_look(QWidget* w, bool on);
// True while `w` carries the flat look.
bool has_flat_look(const QWidget* w);

}  // namespace tilesmith
