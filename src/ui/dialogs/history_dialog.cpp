// HistoryDialog: the version history box, in the program's language.
#include "ui/dialogs/history_dialog.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>

#include "tilesmith_version.h"
#include "ui/dialogs/dialog_frame.h"

namespace tilesmith {

namespace {

const char* version_history_english() {
    return "Tilesmith " TILESMITH_VERSION ":\n"
           "- the rooms of a level in a 3D view, dressed in the package as it is edited,\n"
           "- every change an undo step with a name, and the Undo history panel to go back to any,\n"
           "- texture sets collected from many files, duplicate and unused tiles found,\n"
           "- PNG pictures read and written,\n"
           "- Tomb Raider 1 levels read, and textures written into them,\n"
           "- commands on whole regions of tiles, and panes zoomed from 1x to 8x,\n"
           "- long work done aside, with a gauge and a stop button,\n"
           "- the texture use of a level: which faces and sprites use a pixel,\n"
           "- textures written into TR 2, 3, 4 and 5 levels,\n"
           "- a list of the five files opened last,\n"
           "- a file opened from the command line,\n"
           "- the target saved through a temporary file,\n"
           "- damaged files read better,\n"
           "\n"
           "Tilesmith 2.6:\n"
           "- textures read from object packages (WAD),\n"
           "- transparent colour correction for TR 4 and 5,\n"
           "- a faster redraw of the work area,\n"
           "\n"
           "Tilesmith 2.5:\n"
           "- textures read from TR 4 and TR 5 levels,\n"
           "- a progress bar in the status bar,\n"
           "- brightening of one colour channel,\n"
           "\n"
           "Tilesmith 2.4:\n"
           "- textures read from TR 2 and TR 3 levels (8 and 16 bit),\n"
           "- transparency copied between textures,\n"
           "- tile coordinates shown,\n"
           "\n"
           "Tilesmith 2.3.1:\n"
           "- BMP files of unusual widths saved right,\n"
           "- scrolling of large packages mended,\n"
           "\n"
           "Tilesmith 2.3:\n"
           "- BMP and JPEG files read and written,\n"
           "- clipboard: copy, cut and paste of textures,\n"
           "- the grid's size can be changed,\n"
           "\n"
           "Tilesmith 2.2:\n"
           "- effects: blur, pixelate, diaphragm,\n"
           "- convex and concave 3D button,\n"
           "- colour channels swapped,\n"
           "\n"
           "Tilesmith 2.1:\n"
           "- up to 50 changes undone,\n"
           "- rotation by 90 degrees and flips,\n"
           "- gamma adjustment,\n"
           "\n"
           "Tilesmith 2.0:\n"
           "- a new look of the window and a toolbar,\n"
           "- an English interface,\n"
           "- settings kept in config.dat,\n"
           "\n"
           "Tilesmith 1.1:\n"
           "- 8 and 16 bit TGA files read,\n"
           "- colour reduction and grayscale,\n"
           "- the selection moves on by itself,\n"
           "\n"
           "Tilesmith 1.0:\n"
           "- 24 bit TGA files read and written,\n"
           "- a new texture package made,\n"
           "- textures added and deleted,\n";
}

}  // namespace

const char* version_history_text(Language language) {
    // The notes exist in Polish and in English; any other language reads the English ones.
    if (language != Language::Polish) return version_history_english();
    return "Tilesmith " TILESMITH_VERSION ":\n"
           "- widok 3D pomieszczeń poziomu w pakiecie takim, jaki jest edytowany,\n"
           "- każda zmiana krokiem cofania z nazwą, panel Historia zmian do powrotu do dowolnego,\n"
           "- zestawy tekstur zbierane z wielu plików, wyszukiwanie powtórzeń i nieużywanych płytek,\n"
           "- odczyt i zapis obrazów PNG,\n"
           "- odczyt poziomów Tomb Raider 1 i wpis tekstur do nich,\n"
           "- polecenia na całych obszarach płytek, powiększenie paneli od 1x do 8x,\n"
           "- długie prace w tle, ze wskaźnikiem postępu i przyciskiem zatrzymania,\n"
           "- użycie tekstur poziomu: które ściany i sprite’y używają piksela,\n"
           "- możliwość wpisu tekstur w level TR 2,3,4,5,\n"
           "- lista pięciu ostatnio otwartych plików,\n"
           "- możliwość otwarcia pliku z parametru,\n"
           "- zapis pliku docelowego przez plik tymczasowy,\n"
           "- poprawki w odczycie uszkodzonych plików,\n"
           "\n"
           "Tilesmith 2.6:\n"
           "- odczyt tekstur z pakietów obiektów (WAD),\n"
           "- korekcja koloru przeźroczystego dla TR 4,5,\n"
           "- szybsze odświeżanie obszaru roboczego,\n"
           "\n"
           "Tilesmith 2.5:\n"
           "- odczyt tekstur z leveli TR 4 i TR 5,\n"
           "- pasek postępu na pasku stanu,\n"
           "- rozjaśnianie wybranego kanału koloru,\n"
           "\n"
           "Tilesmith 2.4:\n"
           "- odczyt tekstur z leveli TR 2 i TR 3 (8 i 16 bit),\n"
           "- kopiowanie przeźroczystości między teksturami,\n"
           "- pokazywanie współrzędnych pola,\n"
           "\n"
           "Tilesmith 2.3.1:\n"
           "- poprawiony zapis plików BMP o nietypowej szerokości,\n"
           "- poprawione przewijanie dużych pakietów,\n"
           "\n"
           "Tilesmith 2.3:\n"
           "- odczyt i zapis plików BMP oraz JPEG,\n"
           "- schowek: kopiowanie, wycinanie i wklejanie tekstur,\n"
           "- zmiana rozmiaru siatki,\n"
           "\n"
           "Tilesmith 2.2:\n"
           "- efekty: rozmycie, pikseloza, przesłona,\n"
           "- przycisk 3D wypukły i wklęsły,\n"
           "- zamiana kanałów koloru,\n"
           "\n"
           "Tilesmith 2.1:\n"
           "- cofanie zmian do 50 kroków,\n"
           "- obrót o 90 stopni i odbicia,\n"
           "- regulacja gammy,\n"
           "\n"
           "Tilesmith 2.0:\n"
           "- nowy wygląd okna i pasek narzędzi,\n"
           "- wersja angielska interfejsu,\n"
           "- zapamiętywanie ustawień w pliku config.dat,\n"
           "\n"
           "Tilesmith 1.1:\n"
           "- odczyt plików TGA 8 i 16 bit,\n"
           "- redukcja kolorów i odcienie szarości,\n"
           "- automatyczne przesuwanie zaznaczenia,\n"
           "\n"
           "Tilesmith 1.0:\n"
           "- odczyt i zapis plików TGA 24 bit,\n"
           "- tworzenie nowego pakietu tekstur,\n"
           "- dodawanie i usuwanie tekstur,\n";
}

QPixmap draw_program_icon(int size) {
    // The installed icon's design: a 2 x 2 grid of raised tiles in a dark frame,
    // the fourth in the transparent colour inside a selection frame. Drawn in
    // 64 design units so every size keeps its proportions.
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.scale(size / 64.0, size / 64.0);
    const auto rect = [&p](int x, int y, int w, int h, QRgb colour) {
        p.fillRect(QRectF(x, y, w, h), QColor(colour));
    };
    const auto tile = [&rect](int x, int y, QRgb face, QRgb light, QRgb dark) {
        rect(x, y, 26, 26, face);
        rect(x, y, 26, 2, light);
        rect(x, y, 2, 26, light);
        rect(x, y + 24, 26, 2, dark);
        rect(x + 24, y, 2, 26, dark);
    };
    rect(2, 2, 60, 60, 0x2b2f36);
    tile(5, 5, 0xc8a15a, 0xe6c98c, 0x8a6a30);
    tile(33, 5, 0x5b8c3a, 0x8dbd68, 0x3a5e22);
    tile(5, 33, 0x3a7bbf, 0x74a8dc, 0x234f7e);
    tile(33, 33, 0xff00ff, 0xff80ff, 0xb000b0);
    rect(31, 31, 30, 2, 0xffffff);
    rect(31, 59, 30, 2, 0xffffff);
    rect(31, 31, 2, 30, 0xffffff);
    rect(59, 31, 2, 30, 0xffffff);
    return pm;
}

HistoryDialog::HistoryDialog(QWidget* main_window) : MainBoundDialog(main_window) {
    setObjectName(QStringLiteral("history_dialog"));
    setup_fixed_dialog(this, 457, 321);

    program_icon = new QLabel(this);
    program_icon->setObjectName(QStringLiteral("program_icon"));
    program_icon->setGeometry(8, 8, 32, 32);
    // The application's icon when the program set one, else our own drawing.
    const QIcon app_icon = QGuiApplication::windowIcon();
    program_icon->setPixmap(app_icon.isNull() ? draw_program_icon(32) : app_icon.pixmap(32, 32));

    notes_box = new QPlainTextEdit(this);
    notes_box->setObjectName(QStringLiteral("notes_box"));
    notes_box->setGeometry(48, 8, 401, 305);
    notes_box->setReadOnly(true);
    notes_box->setLineWrapMode(QPlainTextEdit::NoWrap);
    notes_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    set_language(Language::Polish);
}

void HistoryDialog::set_language(Language language) {
    notes_box->setPlainText(QString::fromUtf8(version_history_text(language)));
}

void HistoryDialog::show_dialog() {
    notes_box->moveCursor(QTextCursor::Start);
    show_over_main_window();
}

}  // namespace tilesmith
