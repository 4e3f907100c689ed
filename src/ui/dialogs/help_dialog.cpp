// The help window: the manual from the string table, then the menus walked
// item by item, so that the list of commands and keys is never out of date.
#include "ui/dialogs/help_dialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/qt_texts.h"

namespace tilesmith {

namespace {

QString caption_of(const QAction* action) { return plain_caption(action->text()).toHtmlEscaped(); }

void list_menu(const QMenu* menu, const QString& path, QString& html) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || action->text().isEmpty() || action->property(kNotACommand).toBool()) continue;
        const QString here = path + QStringLiteral(" \u203a ") + caption_of(action);
        if (action->menu()) {
            list_menu(action->menu(), here, html);
            continue;
        }
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText).toHtmlEscaped();
        html += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>").arg(here, keys.join(QStringLiteral(", ")));
    }
}

}  // namespace

QString help_html(const QMenuBar* menus, Language language) {
    QString html = QStringLiteral("<h3>%1</h3>").arg(plain_text(Msg::HelpTitle, language).toHtmlEscaped());
    for (const QString& paragraph : ui_text(Msg::HelpManual, language).split(QLatin1Char('\n')))
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    // The 3D view's mouse and keys belong to no menu.
    html += QStringLiteral("<p>%1</p>").arg(ui_text(Msg::LevelViewKeys, language).toHtmlEscaped());
    html += QStringLiteral("<h3>%1</h3><table>").arg(ui_text(Msg::HelpCommands, language).toHtmlEscaped());
    for (const QAction* top : menus->actions())
        if (top->menu()) list_menu(top->menu(), caption_of(top), html);
    return html + QStringLiteral("</table>");
}

HelpDialog::HelpDialog(QWidget* parent, const QMenuBar* menus, Language language) : QDialog(parent) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(plain_text(Msg::HelpTitle, language));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("help_text"));
    text_->setHtml(help_html(menus, language));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text_);
    resize(text_->fontMetrics().averageCharWidth() * 80, text_->fontMetrics().height() * 36);
}

}  // namespace tilesmith
