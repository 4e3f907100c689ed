// The places of the window and its captions: the window is centred before it
// first shows, and the captions of the status bar and the dialogs stay inside
// their controls in both languages and through switches of the flat look.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QPushButton>
#include <QStatusBar>
#include <map>

#include "ui/dialogs/author_dialog.h"
#include "gui_window_support.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/new_package_dialog.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

// The application as main() builds it: the window and its three dialogs.
class Layout : public WindowTest {
protected:
    Layout() {
        window = std::make_unique<MainWindow>(dir.path(), host);
        new_package_dialog = std::make_unique<NewPackageDialog>(host, window.get());
        author_dialog = std::make_unique<AuthorDialog>(window.get());
        history_dialog = std::make_unique<HistoryDialog>(window.get());
        window->set_forms(new_package_dialog.get(), author_dialog.get(), history_dialog.get());
    }
    ~Layout() override {
        // The dialogs go before the window that owns them as a parent.
        history_dialog.reset();
        author_dialog.reset();
        new_package_dialog.reset();
    }

    // Every caption in its box: labels by their text, buttons and check boxes
    // by the room their style asks for.
    void expect_captions_fit(QWidget* root, const char* when) {
        for (QLabel* label : root->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(root)) continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                << when << ": " << qPrintable(label->objectName()) << " \"" << qPrintable(label->text()) << "\"";
        }
        for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) continue;
            EXPECT_LE(button->sizeHint().width(), button->width())
                << when << ": " << qPrintable(button->objectName()) << " \"" << qPrintable(button->text()) << "\"";
        }
    }

    std::map<QString, QFont> fonts(QWidget* root) {
        std::map<QString, QFont> result;
        for (QWidget* w : root->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
                result[w->objectName()] = w->font();
        return result;
    }

    std::unique_ptr<NewPackageDialog> new_package_dialog;
    std::unique_ptr<AuthorDialog> author_dialog;
    std::unique_ptr<HistoryDialog> history_dialog;
};

TEST_F(Layout, TheWindowIsCentredBeforeItFirstShows) {
    // main() reads the settings and opens the command-line file before the
    // window shows; a message about that file is placed over this window.
    window->start_up();
    EXPECT_FALSE(window->isVisible());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((window->geometry().center() - centre).manhattanLength(), 2);
    // A share of the screen, wide enough for the status bar's read-out and stop button.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_EQ(window->height(), std::max(screen.height() * 85 / 100, window->minimumHeight()));
    EXPECT_GE(window->width(), screen.width() / 2);
    window->show();
    const auto* readout = window->findChild<QLabel*>(QStringLiteral("status_panel8"));
    EXPECT_GE(readout->contentsRect().width() - 2 * readout->indent(),
              readout->fontMetrics().horizontalAdvance(QStringLiteral("16383, 16383  #FFFFFF")));
    const auto* stop = window->findChild<QPushButton*>(QStringLiteral("job_stop"));
    EXPECT_LE(stop->x() + stop->sizeHint().width(), readout->parentWidget()->width());
}

TEST_F(Layout, CaptionsKeepTheirFontsAndFitThroughLookAndLanguageSwitches) {
    window->start_up();
    window->show();
    QStatusBar* status_bar = window->findChild<QStatusBar*>(QStringLiteral("status_bar"));
    ASSERT_NE(status_bar, nullptr);
    const auto main_fonts = fonts(status_bar);
    const auto dialog_fonts = fonts(new_package_dialog.get());
    const auto author_fonts = fonts(author_dialog.get());

    for (const char* step : {"flat_look off", "flat_look on", "flat_look off", "flat_look on"}) {
        trigger("flat_look");
        for (const char* language : {"language_en", "language_pl"}) {
            trigger(language);
            const std::string when = std::string(step) + ", " + language;
            expect_captions_fit(status_bar, when.c_str());
            expect_captions_fit(new_package_dialog.get(), when.c_str());
            expect_captions_fit(author_dialog.get(), when.c_str());
        }
        EXPECT_EQ(fonts(status_bar), main_fonts) << step;
        EXPECT_EQ(fonts(new_package_dialog.get()), dialog_fonts) << step;
        EXPECT_EQ(fonts(author_dialog.get()), author_fonts) << step;
    }
    EXPECT_TRUE(ws().options().flat_look);
}

TEST_F(Layout, TheLongestSizeReadOutNeverRunsIntoItsCaption) {
    window->start_up();
    window->show();
    for (const char* language : {"language_pl", "language_en"}) {
        trigger(language);
        for (const auto& [columns, rows] : {std::pair{4, 8}, {32, 128}, {1, 1}, {32, 1}}) {
            new_package_dialog->width_slider->setValue(columns);
            new_package_dialog->height_slider->setValue(rows);
            const QLabel* size_readout = new_package_dialog->size_readout;
            const int text_left = size_readout->geometry().right() + 1 - size_readout->fontMetrics().horizontalAdvance(size_readout->text());
            EXPECT_GT(text_left, new_package_dialog->size_caption->geometry().right()) << qPrintable(size_readout->text());
            EXPECT_EQ(size_readout->geometry().right() + 1, 207);
        }
    }
}

}  // namespace
