// The new/modify package dialog, the author box and the version history box,
// driven headless against a real workspace and a scripted dialog host.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStringList>
#include <climits>

#include "formats/supported_games.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/feedback.h"
#include "ui/dialogs/history_dialog.h"
#include "strings/strings.h"
#include "ui/dialog_host.h"
#include "core/color.h"
#include "model/rect.h"
#include "ui/dialogs/new_package_dialog.h"

using namespace tilesmith;

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "gui_dialogs_test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The headless platform cannot raise windows and says so at every dialog.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (previous && !message.contains(QLatin1String("does not support raise()")))
                previous(type, context, message);
        });
    // Never destroyed: at exit Qt's own global objects go first, and an
    // application torn down after them corrupts the heap under wine.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

// Answers the dialogs' questions from a script and records what was asked.
class FakeHost : public DialogHost {
public:
    bool answer = true;
    QColor colour;  // what the colour chooser returns; invalid: cancelled
    QStringList questions;
    int colour_requests = 0;

    QString open_file(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString save_file(QWidget*, const QString&, const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool confirm(QWidget*, const QString&, const QString&, const QString&) override { return false; }
    bool question(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    SaveAnswer save_changes(QWidget*, const QString&) override { return SaveAnswer::cancel; }
    void warning(QWidget*, const QString&) override {}
    void information(QWidget*, const QString&) override {}
    void error(QWidget*, const QString&) override {}
    QColor choose_color(QWidget*, const QColor&) override {
        ++colour_requests;
        return colour;
    }
    std::optional<int> ask_number(QWidget*, const QString&, int, int, int) override { return std::nullopt; }
};

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

class NewPackageDialogTest : public ::testing::Test {
protected:
    NewPackageDialogTest() {
        main.show();
        QObject::connect(&dlg, &NewPackageDialog::closed, [this] { ++closed; });
        dlg.set_answer([this](const PackageChoice& c) { answers.push_back(c); });
    }

    // By the English name, in either language.
    void choose(const char* colour_name) {
        int index = dlg.background_box->findText(QString::fromLatin1(colour_name));
        if (index < 0) index = dlg.background_box->findText(QString::fromStdString(translate_text(colour_name, Language::Polish)));
        ASSERT_GE(index, 0) << colour_name;
        dlg.pick_background(index);
    }
    void set_size(int columns, int rows) {
        dlg.width_slider->setValue(columns);
        dlg.height_slider->setValue(rows);
    }
    // Opened over a target of the first size, its first tile selected.
    void open(int width = 256, int height = 512, Rect selection = Rect::of_size(0, 0, 64, 64)) {
        dlg.open_dialog(width, height, selection);
    }
    void expect_answer(const PackageChoice& wanted) {
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].columns, wanted.columns);
        EXPECT_EQ(answers[0].rows, wanted.rows);
        EXPECT_EQ(answers[0].background, wanted.background);
        EXPECT_EQ(answers[0].modify, wanted.modify);
    }

    QApplication& application = app();  // before any widget
    QWidget main;
    FakeHost host;
    NewPackageDialog dlg{host, &main};
    std::vector<PackageChoice> answers;
    int closed = 0;
};

}  // namespace

TEST_F(NewPackageDialogTest, OpensOverADisabledMainWindowWithTheTargetSize) {
    EXPECT_EQ(dlg.windowTitle(), qs(text_of(Msg::PackageDialogTitle, Language::Polish)));
    EXPECT_EQ(dlg.minimumSize(), QSize(217, 225));
    EXPECT_EQ(dlg.maximumSize(), QSize(217, 225));
    EXPECT_EQ(dlg.background_box->currentText(), qs(text_of(Msg::ColourSilver, Language::Polish)));

    open();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(main.isEnabled());
    // The dialog is a child of the main window and must stay usable.
    EXPECT_TRUE(dlg.isEnabled());
    EXPECT_TRUE(dlg.make_package->isEnabled());
    EXPECT_EQ(dlg.width_slider->value(), 4);
    EXPECT_EQ(dlg.height_slider->value(), 8);
    EXPECT_EQ(dlg.size_readout->text(), "4 x 8 (256 x 512)");
}

TEST_F(NewPackageDialogTest, TrackBarsClampTheTargetSize) {
    open(20, 30);  // smaller than one tile
    EXPECT_EQ(dlg.size_readout->text(), "1 x 1 (64 x 64)");
    dlg.close();
    open(4096, 64);
    EXPECT_EQ(dlg.size_readout->text(), "32 x 1 (2048 x 64)");
    dlg.modify_box->setChecked(true);
    dlg.make_package->click();
    expect_answer({32, 1, kSilver, true});
}

TEST_F(NewPackageDialogTest, OkAnswersTheSizeAndColourAndCloses) {
    open();
    set_size(6, 3);
    EXPECT_EQ(dlg.size_readout->text(), "6 x 3 (384 x 192)");
    choose("Red");

    dlg.make_package->click();
    EXPECT_TRUE(host.questions.isEmpty());
    expect_answer({6, 3, pack_rgb(255, 0, 0), false});
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(closed, 1);
}

TEST_F(NewPackageDialogTest, OkAsksOnlyTheQuestionItIsGivenAndNoKeepsTheDialog) {
    dlg.set_question([] { return std::optional<QString>(QStringLiteral("the history empties")); });
    dlg.set_dialog_language(Language::English);
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        host.answer = yes;
        host.questions.clear();
        open();
        dlg.modify_box->setChecked(true);
        set_size(6, 8);
        choose("Blue");
        dlg.make_package->click();
        EXPECT_EQ(host.questions, QStringList{QStringLiteral("the history empties")});
        if (yes) {
            expect_answer({6, 8, pack_rgb(0, 0, 255), true});
            EXPECT_EQ(closed, 1);
            EXPECT_TRUE(main.isEnabled());
        } else {
            // No: nothing answered, the dialog stays with its settings for a second try.
            EXPECT_TRUE(answers.empty());
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_FALSE(main.isEnabled());
            EXPECT_EQ(closed, 0);
            EXPECT_EQ(dlg.width_slider->value(), 6);
            EXPECT_EQ(dlg.background_box->currentText(), "Blue");
            dlg.close();
            closed = 0;
        }
    }
}

TEST_F(NewPackageDialogTest, CloseBoxEscapeAndCancelAnswerNothingButKeepChoices) {
    for (int way = 0; way < 3; ++way) {
        open();
        // Size comes from the target at each opening; check box and colour stay.
        EXPECT_EQ(dlg.size_readout->text(), "4 x 8 (256 x 512)");
        EXPECT_EQ(dlg.modify_box->isChecked(), way > 0);
        EXPECT_EQ(dlg.background_box->currentText(), QString::fromStdString(translate_text(way > 0 ? "Teal" : "Silver", Language::Polish)));
        set_size(1, 1);
        dlg.modify_box->setChecked(true);
        choose("Teal");
        if (way == 0)
            dlg.close();
        else if (way == 1)
            dlg.reject();
        else
            dlg.cancel_button->click();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_TRUE(main.isEnabled());
        EXPECT_EQ(closed, way + 1);
    }
    EXPECT_TRUE(answers.empty());
    EXPECT_TRUE(host.questions.isEmpty());
    // Closing the hidden dialog again (at shutdown) is not a second return.
    main.setEnabled(false);
    dlg.close();
    EXPECT_EQ(closed, 3);
    EXPECT_FALSE(main.isEnabled());
}

TEST_F(NewPackageDialogTest, SizeFromTheTargetSelection) {
    open(512, 512, Rect::of_size(192, 64, 64, 64));
    dlg.selection_size_button->click();
    EXPECT_EQ(dlg.width_slider->value(), 4);
    EXPECT_EQ(dlg.height_slider->value(), 2);
    EXPECT_EQ(dlg.size_readout->text(), "4 x 2 (256 x 128)");
    EXPECT_TRUE(answers.empty());  // only OK answers

    // A region counts to its last tile; sizes past the dialog's range clamp instead of overflowing.
    open(512, 512, Rect::of_size(192, 64, 128, 64));
    dlg.selection_size_button->click();
    EXPECT_EQ(dlg.width_slider->value(), 5);
    open(512, 512, Rect::of_size(INT_MAX - 64, INT_MAX - 64, 64, 64));
    dlg.selection_size_button->click();
    EXPECT_EQ(dlg.width_slider->value(), 32);
    EXPECT_EQ(dlg.height_slider->value(), 128);
}

TEST(AuthorDialog, LayoutTranslationAndReturn) {
    app();
    QWidget main;
    main.show();
    AuthorDialog dlg(&main);
    int closed = 0;
    QObject::connect(&dlg, &AuthorDialog::closed, [&] { ++closed; });
    EXPECT_EQ(dlg.windowTitle(), "Tilesmith");
    EXPECT_EQ(dlg.maximumSize(), QSize(256, 235));
    EXPECT_EQ(dlg.version_label->text(), "v 2.7");
    EXPECT_EQ(dlg.version_label->geometry().right() + 1, 252);
    EXPECT_EQ(dlg.version_label->y(), 48);
    ASSERT_FALSE(dlg.logo->pixmap().isNull());
    EXPECT_EQ(dlg.logo->pixmap().size(), QSize(256, 64));
    EXPECT_EQ(dlg.feedback_label->text(), feedback_address()) << "no address made up";
    EXPECT_EQ(dlg.feedback_label->isVisibleTo(&dlg), !feedback_address().isEmpty());

    dlg.translate_labels(Language::English);
    EXPECT_EQ(dlg.games_caption->text(), "Supported games:");
    EXPECT_EQ(dlg.thanks_caption->text(), "Thanks to:");
    EXPECT_EQ(dlg.games_label->text(), QString::fromStdString(supported_games()));
    EXPECT_EQ(dlg.testers_label->text(), "the testers");
    EXPECT_EQ(dlg.version_label->text(), "v 2.7");
    EXPECT_FALSE(dlg.logo->pixmap().isNull());  // translation leaves the picture alone
    dlg.translate_labels(Language::English);
    EXPECT_EQ(dlg.games_caption->text(), "Supported games:");
    dlg.translate_labels(Language::Polish);
    EXPECT_EQ(dlg.games_caption->text(), QString::fromUtf8("Pełne wspomaganie do gier:"));
    EXPECT_EQ(dlg.thanks_caption->text(), QString::fromUtf8("Podziękowania dla:"));

    dlg.show_dialog();
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(dlg.isEnabled());
    dlg.close();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(closed, 1);
}

TEST(FileDialogs, SaveDialogsSayTheProgramsOwnSaveInEachLanguage) {
    app();
    for (const Language language : {Language::Polish, Language::English}) {
        const auto dialog = make_save_dialog(nullptr, QStringLiteral("TGA (*.tga)"), QStringLiteral("tga"), {}, {}, language);
        EXPECT_EQ(dialog->labelText(QFileDialog::Accept).toStdString(), text_of(Msg::SaveButton, language));
    }
}

TEST(HistoryDialog, TheEnglishNotesFollowThePolishLineForLine) {
    const QStringList pl = QString::fromUtf8(version_history_text(Language::Polish)).split('\n');
    const QStringList en = QString::fromUtf8(version_history_text(Language::English)).split('\n');
    ASSERT_EQ(en.size(), pl.size());
    for (qsizetype i = 0; i < pl.size(); ++i) {
        if (pl[i].startsWith("Tilesmith") || pl[i].isEmpty()) {
            EXPECT_EQ(en[i], pl[i]);
        } else {
            EXPECT_TRUE(en[i].startsWith("- ") && en[i] != pl[i]) << en[i].toStdString();
        }
    }
}

TEST(HistoryDialog, TextLayoutAndReturn) {
    app();
    QWidget main;
    main.show();
    HistoryDialog dlg(&main);
    EXPECT_EQ(dlg.maximumSize(), QSize(457, 321));
    EXPECT_EQ(dlg.notes_box->geometry(), QRect(48, 8, 401, 305));
    EXPECT_TRUE(dlg.notes_box->isReadOnly());
    EXPECT_EQ(dlg.notes_box->lineWrapMode(), QPlainTextEdit::NoWrap);

    const QStringList lines = dlg.notes_box->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "Tilesmith 2.7:");
    const QStringList first_block = lines.mid(1, lines.indexOf(QString()) - 1);
    for (const char* wanted : {"- możliwość wpisu tekstur w level TR 2,3,4,5,",
                               "- lista pięciu ostatnio otwartych plików,",
                               "- możliwość otwarcia pliku z parametru,"})
        EXPECT_TRUE(first_block.contains(QString::fromUtf8(wanted))) << wanted;

    // Releases newest first: a header, "- ...," lines, an empty line between.
    QStringList headers;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (i == 0 || (lines[i - 1].isEmpty() && !line.isEmpty())) {
            headers << line;
        } else if (!line.isEmpty()) {
            EXPECT_TRUE(line.startsWith("- ") && line.endsWith(',')) << line.toStdString();
        }
    }
    EXPECT_EQ(headers, QStringList({"Tilesmith 2.7:", "Tilesmith 2.6:", "Tilesmith 2.5:", "Tilesmith 2.4:",
                                    "Tilesmith 2.3.1:", "Tilesmith 2.3:", "Tilesmith 2.2:", "Tilesmith 2.1:",
                                    "Tilesmith 2.0:", "Tilesmith 1.1:", "Tilesmith 1.0:"}));

    int closed = 0;
    QObject::connect(&dlg, &HistoryDialog::closed, [&] { ++closed; });
    dlg.show_dialog();
    EXPECT_FALSE(main.isEnabled());
    dlg.reject();  // Escape
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(closed, 1);
}
