// The file dialogs in the program's language: Qt's own widgets (a desktop's
// native dialog speaks the system's language), whose sizes and dates are
// written in the language chosen in the program, not the system's locale.
#pragma once
#include <QLocale>
#include <memory>

#include "strings/messages.h"

class QFileDialog;
class QWidget;

namespace tilesmith {

// The locale of the interface's language (its registry code).
QLocale locale_of(Language language);

// A file dialog titled `title` in `folder`, speaking `language`.
std::unique_ptr<QFileDialog> make_file_dialog(QWidget* parent, const QString& title, const QString& folder,
                                              Language language);

}  // namespace tilesmith
