// Our own 16 x 16 pictograms for the menu items and tool buttons, drawn in code.
#pragma once
#include <QIcon>

#include "ui/icon_id.h"

namespace tilesmith {

// The pictogram for `which`; an empty icon for Icon::none.
QIcon make_icon(Icon which);
// The pictogram of a checkable item: when checked it carries a check mark.
QIcon make_check_icon(Icon which);

}  // namespace tilesmith
