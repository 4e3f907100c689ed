// Tautor: the author box with our own logo, the version and the credits.
#include "autor_form/autor_form.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "new_form/dialog_frame.h"

namespace tilesmith {

namespace {

QLabel* make_label(QWidget* parent, const char* name, const char* text, int x, int y) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

QPixmap draw_tilesmith_logo() {
    QPixmap pm(256, 64);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A strip of 16 x 16 tiles in warm stone colours, the program's subject.
    static const QColor stones[] = {QColor(118, 92, 62), QColor(142, 112, 74), QColor(96, 78, 58),
                                    QColor(160, 130, 88), QColor(128, 104, 70)};
    for (int ty = 0; ty < 4; ++ty)
        for (int tx = 0; tx < 16; ++tx)
            p.fillRect(tx * 16, ty * 16, 16, 16, stones[(tx * 3 + ty * 7 + tx * ty) % 5]);
    // Darken towards the right so the version reads well.
    QLinearGradient shade(0, 0, 256, 0);
    shade.setColorAt(0.0, QColor(0, 0, 0, 40));
    shade.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(pm.rect(), shade);
    p.setPen(QColor(40, 30, 20));
    for (int x = 0; x <= 256; x += 16) p.drawLine(x, 0, x, 63);
    for (int y = 0; y <= 64; y += 16) p.drawLine(0, y, 255, y);
    // One tile picked out in the transparent colour, as in the editor.
    p.fillRect(209, 1, 15, 15, QColor(255, 0, 255));

    QFont font(QStringLiteral("Sans Serif"), 26, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect text_rect(10, 0, 236, 52);
    p.setPen(QColor(20, 12, 4));
    p.drawText(text_rect.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tilesmith"));
    p.setPen(QColor(255, 226, 150));
    p.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tilesmith"));
    return pm;
}

Tautor::Tautor(QWidget* main_window) : QDialog(main_window), main_window_(main_window) {
    setObjectName(QStringLiteral("autor"));
    setup_fixed_dialog(this, 256, 235);

    logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(0, 0, 256, 64);
    logo->setPixmap(draw_tilesmith_logo());

    version_label = new QLabel(QStringLiteral("v 2.7"), this);
    version_label->setObjectName(QStringLiteral("version_label"));
    version_label->setStyleSheet(QStringLiteral("color: white;"));
    version_label->adjustSize();
    version_label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    version_label->move(252 - version_label->width(), 48);

    Label1 = make_label(this, "Label1", "© 2026 the Tilesmith developers", 8, 72);
    Label2 = make_label(this, "Label2", kFeedbackAddress, 16, 88);
    Label3 = make_label(this, "Label3", "Pełne wspomaganie do gier:", 8, 112);
    Label4 = make_label(this, "Label4", "Tomb Raider 2, 3, 4, 5", 16, 128);
    Label5 = make_label(this, "Label5", "Podziękowania dla:", 8, 152);
    Label6 = make_label(this, "Label6", "the level-format documenters", 16, 184);
    Label7 = make_label(this, "Label7", "the testers", 16, 168);
    Label8 = make_label(this, "Label8", "everyone who sent suggestions", 16, 200);
    Label9 = make_label(this, "Label9", "Packaged with CMake", 16, 216);
}

void Tautor::show_dialog() { show_over_main(this, main_window_); }

void Tautor::translate_labels(bool to_polish) {
    translate_children(this, to_polish);
}

void Tautor::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!isVisible()) return;  // closing the hidden box must not touch the main window
    hide();
    return_to_main(main_window_);
    emit closed();
}

void Tautor::reject() { close(); }

}  // namespace tilesmith
