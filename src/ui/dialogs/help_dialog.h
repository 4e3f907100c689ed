// Help (F1): a short manual of the editor and every command of the menus with
// its keys, read from the menu bar itself, in the program's language.
#pragma once
#include <QDialog>

#include "strings/messages.h"

class QMenuBar;
class QTextBrowser;

namespace tilesmith {

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    HelpDialog(QWidget* parent, const QMenuBar* menus, Language language);
    QTextBrowser* text() const { return text_; }

private:
    QTextBrowser* text_;
};

// The property of a menu item that is no command (a recent file).
inline constexpr char kNotACommand[] = "not_a_command";

// The manual and the command list as HTML.
QString help_html(const QMenuBar* menus, Language language);

}  // namespace tilesmith
