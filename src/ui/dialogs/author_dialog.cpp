// AuthorDialog: the author box with our own logo, the version and the credits.
#include "ui/dialogs/author_dialog.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include "model/file_kinds.h"
#include "strings/messages.h"
#include "tilesmith_version.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/feedback.h"

namespace tilesmith {

QPixmap draw_tilesmith_logo() {
    QPixmap pm(256, 64);
    pm.fill(QColor(0x2b, 0x2f, 0x36));
    QPainter p(&pm);
    // A wall of raised 16 x 16 tiles in the icon's colours, the program's subject.
    struct Face {
        QRgb face, light, dark;
    };
    static const Face faces[] = {{0xc8a15a, 0xe6c98c, 0x8a6a30},
                                 {0x5b8c3a, 0x8dbd68, 0x3a5e22},
                                 {0x3a7bbf, 0x74a8dc, 0x234f7e},
                                 {0xa08a6a, 0xc0ac8c, 0x6a5a44}};
    for (int ty = 0; ty < 4; ++ty)
        for (int tx = 0; tx < 16; ++tx) {
            const Face& f = faces[(tx * 5 + ty * 3 + (tx / 3) * ty) % 4];
            const int x = tx * 16, y = ty * 16;
            p.fillRect(x, y, 15, 15, QColor(f.face));
            p.fillRect(x, y, 15, 1, QColor(f.light));
            p.fillRect(x, y, 1, 15, QColor(f.light));
            p.fillRect(x, y + 14, 15, 1, QColor(f.dark));
            p.fillRect(x + 14, y, 1, 15, QColor(f.dark));
        }
    // One tile in the transparent colour with the editor's selection frame.
    p.fillRect(224, 0, 15, 15, QColor(255, 0, 255));
    p.setPen(Qt::white);
    p.drawRect(223, 0, 16, 16);
    // Dim the wall so the name and the version read well.
    p.fillRect(pm.rect(), QColor(0, 0, 0, 110));

    QFont font(QStringLiteral("Sans Serif"), 24, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect text_rect(10, 0, 236, 50);
    p.setPen(QColor(10, 8, 4));
    p.drawText(text_rect.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tilesmith"));
    p.setPen(QColor(255, 230, 160));
    p.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tilesmith"));
    return pm;
}

AuthorDialog::AuthorDialog(QWidget* main_window) : MainBoundDialog(main_window) {
    setObjectName(QStringLiteral("author_dialog"));
    setup_fixed_dialog(this, 256, 235);

    logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(0, 0, 256, 64);
    logo->setPixmap(draw_tilesmith_logo());

    version_label = new QLabel(QStringLiteral("v " TILESMITH_VERSION), this);
    version_label->setObjectName(QStringLiteral("version_label"));
    // White on the dark logo. A palette, not a style sheet: a label with its
    // own sheet loses the dialog's font and its text no longer fits its box.
    QPalette on_logo = version_label->palette();
    on_logo.setColor(QPalette::WindowText, Qt::white);
    version_label->setPalette(on_logo);
    version_label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Right edge at 252; the box reaches far to the left so that no face cuts
    // the text, which is drawn flush right.
    version_label->setGeometry(252 - 64, 48, 64, version_label->sizeHint().height());

    // Captions in the design's Polish; the language switch rewrites them.
    copyright_label = make_label(this, "copyright_label", Msg::CopyrightLine, 8, 72);
    // No address is made up: a build without one leaves the line empty.
    feedback_label = make_label(this, "feedback_label", feedback_address().toUtf8().constData(), 16, 88);
    feedback_label->setVisible(!feedback_address().isEmpty());
    games_caption = make_label(this, "games_caption", Msg::SupportedGames, 8, 112);
    games_label = make_label(this, "games_label", games_supported(), 16, 128);
    thanks_caption = make_label(this, "thanks_caption", Msg::ThanksTo, 8, 152);
    documenters_label = make_label(this, "documenters_label", Msg::FormatDocumenters, 16, 184);
    testers_label = make_label(this, "testers_label", Msg::Testers, 16, 168);
    senders_label = make_label(this, "senders_label", Msg::SuggestionSenders, 16, 200);
    packaging_label = make_label(this, "packaging_label", Msg::PackagedWithCMake, 16, 216);
}

void AuthorDialog::show_dialog() { show_over_main_window(); }

void AuthorDialog::translate_labels(Language language) {
    translate_children(this, language);
}

}  // namespace tilesmith
