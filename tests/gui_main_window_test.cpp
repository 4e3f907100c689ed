// The main window driven headless: its layout and command map, clicks into the
// panes, the language switch, settings at close and start, and the command line.
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <map>

#include "ui/dialogs/author_dialog.h"
#include "ui/feedback.h"
#include <QWindow>

#include "gui_window_support.h"
#include "ui/flat_look.h"
#include "model/settings.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/dialogs/history_dialog.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

QStringList names_of(const QList<QAction*>& actions) {
    QStringList names;
    for (QAction* a : actions) names << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    return names;
}

QRgb rgb(PackedColor c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, StartsWithSilverPanesDisabledBarsAndDesignTexts) {
    MainWindow& w = open();
    // The title as the window system shows it: no unsaved-work mark yet.
    EXPECT_EQ(w.windowHandle()->title(), QStringLiteral("Bez nazwy \u2014 Tilesmith"));
    EXPECT_EQ(w.centralWidget()->height(), 571);
    // The least size with a frame's title bar fits 1920 x 1080 at 200 % (960 x 540).
    EXPECT_LE(w.minimumSize().height() + 40, 540);

    for (const char* name : {"source_horizontal_bar", "source_vertical_bar", "target_horizontal_bar", "target_vertical_bar"}) {
        auto* bar = w.findChild<QScrollBar*>(QString::fromLatin1(name));
        ASSERT_NE(bar, nullptr) << name;
        EXPECT_FALSE(bar->isEnabled()) << name;
        EXPECT_EQ(bar->value(), 0) << name;
    }
    // As wide as the status bar asks: the panes share what the scroll bars and margins leave.
    const int across = w.centralWidget()->width(), pane_w = (across - 59) / 2, target_x = across - 21 - pane_w;
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("source_pane"))->geometry(), QRect(8, 38, pane_w, 514));
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("target_pane"))->geometry(), QRect(target_x, 38, pane_w, 514));
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("target_horizontal_bar"))->geometry(),
              QRect(target_x + 1, 553, pane_w - 2, 12));
    EXPECT_EQ(w.findChild<QProgressBar*>(QStringLiteral("progress_gauge"))->size(), QSize(106, 13));

    EXPECT_FALSE(action("undo")->isEnabled());
    EXPECT_FALSE(action("tool_undo")->isEnabled());
    EXPECT_FALSE(action("channels_rgb")->isEnabled());
    EXPECT_FALSE(action("recent_divider")->isVisible());
    EXPECT_FALSE(action("file1")->isVisible());
    EXPECT_TRUE(action("grid_64")->isChecked());
    EXPECT_TRUE(action("language_pl")->isChecked());
    EXPECT_FALSE(action("grid_visible")->isChecked());

    const QStringList panels{entry(160), "256 x 512", "płytki: 32", entry(162), "256 x 512", "płytki: 32", entry(164), "", "",
                             QStringLiteral("1\u00d7 | 1\u00d7")};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(w.panel_text(i), panels[i]) << i;

    const QImage pane = w.pane_image(2);
    EXPECT_EQ(pane.size(), QSize(pane_w - 2, 512));
    EXPECT_EQ(pane.pixel(128, 300), qRgb(192, 192, 192));
    EXPECT_EQ(pane.pixel(0, 0), qRgb(255, 255, 255)) << "frame corner in the selection colour";
    EXPECT_EQ(pane.pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, TheSelectionFrameShowsOnAWhitePicture) {
    MainWindow& w = open();
    use_target(ws(), Package(256, 512, kWhite));
    trigger("select_all");
    const QImage pane = w.pane_image(2);
    int dark = 0;
    for (int x = 0; x < 256; ++x) dark += qGray(pane.pixel(x, 0)) < 64 && qGray(pane.pixel(x, 511)) < 64;
    EXPECT_GT(dark, 64) << "dashes over a dark line along the top and the bottom";
}

// Alt and a letter reach every item of a menu: each its own letter, in each language.
// The submenus of numbers and channel letters are left as they read.
TEST_F(MainWindowTest, EveryMenuItemHasAMnemonicOfItsOwnInEachLanguage) {
    MainWindow& w = open();
    const QStringList literal{"menu_gamma", "menu_channel_swap", "menu_sharpen_channel", "menu_grid_size"};
    std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& items) {
        QString taken;
        for (QAction* a : items) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const qsizetype at = a->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << a->text().toStdString();
            const QChar key = a->text().at(at + 1).toLower();
            EXPECT_FALSE(taken.contains(key)) << a->text().toStdString();
            taken += key;
            if (a->menu() && !literal.contains(a->objectName())) check(a->menu()->actions());
        }
    };
    for (const char* language : {"language_en", "language_pl"}) {
        trigger(language);
        check(w.menuBar()->actions());
    }
}

TEST_F(MainWindowTest, MenusToolBarAndShortcutsFollowTheCommandMap) {
    MainWindow& w = open();
    auto* tools = w.findChild<QToolBar*>(QStringLiteral("tool_bar"));
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(names_of(tools->actions()).join(' '),
              "tool_new_package tool_open_source tool_save_target | tool_undo tool_redo tool_cut tool_copy_to_clipboard tool_paste_from_clipboard | "
              "tool_add tool_del tool_copytrans | tool_rotate90 tool_flip_horizontally tool_flip_vertically tool_gamma_up "
              "tool_gamma_down | tool_invert_colors tool_reduce_colors tool_gray_scale tool_black_white tool_blur tool_pixelate tool_button3d_convex tool_diaphragm");
    EXPECT_EQ(names_of(w.findChild<QMenu*>(QStringLiteral("menu_effects"))->actions()).join(' '),
              "invert_colors average_color menu_color_reduction menu_palette | menu_channel_swap menu_sharpen_channel | blur "
              "pixelate menu_button3d menu_diaphragm");
    EXPECT_EQ(names_of(w.findChild<QMenu*>(QStringLiteral("menu_channel_swap"))->actions()).join(' '),
              "channels_rgb channels_rbg | channels_grb channels_gbr | channels_brg channels_bgr");
    EXPECT_EQ(names_of(w.findChild<QMenu*>(QStringLiteral("menu_gamma"))->actions()).join(' '),
              "gamma_up5 gamma_up10 gamma_up25 | gamma_down5 gamma_down10 gamma_down25");

    const std::map<std::string, QString> keys{
        {"new_package", "Ctrl+N"},         {"open_source", "Ctrl+Q"}, {"open_target", "Ctrl+O"},
        {"save_target", "Ctrl+S"},  {"export_to_level", "Ctrl+E"},       {"undo", "Ctrl+Z"},
        {"cut", "Ctrl+X"},           {"copy_to_clipboard", "Ctrl+C"},          {"paste_from_clipboard", "Ctrl+V"},
        {"rotate90", "Ctrl+Alt+R"},  {"flip_horizontally", "Ctrl+Alt+H"},    {"flip_vertically", "Ctrl+Alt+V"},
        {"grid_visible", "F9"},            {"tx_add", "Ins"},             {"tx_del", "Del"},
        {"tx_copytrans", "Shift+Ins"},  {"invert_colors", "Ctrl+Alt+C"},       {"average_color", "Ctrl+Alt+A"},
        {"gray_scale", "Ctrl+Alt+G"},      {"black_white", "Ctrl+Alt+W"},       {"blur", "Ctrl+Alt+B"},
        {"pixelate", "Ctrl+Alt+X"},        {"button3d_convex", "Ctrl+Alt+U"},     {"button3d_concave", "Ctrl+Alt+D"},
        {"diaphragm_horizontal", "Ctrl+Alt+P"},       {"diaphragm_vertical", "Ctrl+Alt+Q"},      {"auto_move", "Ctrl+F1"},
        {"correct_transparent_color", "Ctrl+F2"},   {"open_8bit", "Ctrl+F3"},     {"flat_look", "Shift+F1"},
        {"show_coordinates", "Shift+F2"},     {"select_color", "Shift+F3"}, {"help", "F1"},
        {"version_history", "F2"},             {"save_target_as", ""},     {"tx_copy", ""},
        {"redo", "Ctrl+Y"},         {"view_zoomin", "Ctrl++"},     {"view_zoomout", "Ctrl+-"},
        {"view_actualsize", "Ctrl+0"}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(action(name.c_str())->shortcut().toString(), key) << name;

    // The hints that differ from their item's caption.
    EXPECT_EQ(action("tool_rotate90")->toolTip(), entry(58));
    EXPECT_EQ(action("tool_diaphragm")->toolTip(), entry(126));
    EXPECT_EQ(action("tool_reduce_colors")->toolTip(), plain_caption(entry(92)));
    EXPECT_EQ(action("tool_add")->toolTip(), plain_caption(action("tx_add")->text()));
}

TEST_F(MainWindowTest, EveryToolButtonRunsExactlyItsMenuItem) {
    open();
    const std::vector<std::pair<const char*, const char*>> pairs{
        {"tool_new_package", "new_package"},     {"tool_open_source", "open_source"},
        {"tool_save_target", "save_target"}, {"tool_cut", "cut"},
        {"tool_copy_to_clipboard", "copy_to_clipboard"},       {"tool_paste_from_clipboard", "paste_from_clipboard"},      {"tool_add", "tx_add"},
        {"tool_del", "tx_del"},       {"tool_copytrans", "tx_copytrans"},
        {"tool_rotate90", "rotate90"}, {"tool_flip_horizontally", "flip_horizontally"}, {"tool_flip_vertically", "flip_vertically"},
        {"tool_gamma_up", "gamma_up5"}, {"tool_gamma_down", "gamma_down5"}, {"tool_invert_colors", "invert_colors"},
        {"tool_reduce_colors", "reduce_colors_25"},   {"tool_gray_scale", "gray_scale"},    {"tool_black_white", "black_white"},
        {"tool_blur", "blur"},     {"tool_pixelate", "pixelate"},        {"tool_button3d_convex", "button3d_convex"},
        {"tool_diaphragm", "diaphragm_horizontal"},        {"tool_undo", "undo"}};
    for (const auto& [tool, item] : pairs) {
        int fired = 0;
        const auto link = QObject::connect(action(item), &QAction::triggered, [&] { ++fired; });
        trigger(tool);
        QObject::disconnect(link);
        EXPECT_EQ(fired, 1) << tool;
    }
}

TEST_F(MainWindowTest, ClicksMoveTheFramesAndIgnoreTheBevelAndEmptyArea) {
    MainWindow& w = open();
    QWidget* source_pane = w.findChild<QWidget*>(QStringLiteral("source_pane"));
    QWidget* target_pane = w.findChild<QWidget*>(QStringLiteral("target_pane"));
    click(target_pane, Qt::LeftButton, QPoint(65, 1));
    EXPECT_EQ(ws().view(Side::target).selection(), Rect::of_size(64, 0, 64, 64));
    const QImage pane = w.pane_image(2);
    EXPECT_EQ(pane.pixel(64, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pane.pixel(65, 1), qRgb(255, 255, 255));
    EXPECT_EQ(pane.pixel(0, 40), qRgb(192, 192, 192)) << "the old frame is gone";

    click(source_pane, Qt::RightButton, QPoint(13, 30));
    EXPECT_EQ(ws().view(Side::source).selection(), Rect::of_size(8, 24, 64, 64));
    EXPECT_EQ(ws().view(Side::target).selection().left, 64) << "panes are independent";

    click(source_pane, Qt::LeftButton, QPoint(0, 200));  // the bevel
    EXPECT_EQ(ws().view(Side::source).selection().left, 8);

    ws().edits().make_package(2, 4, kSilver, false);  // 128 x 256: the rest of the pane is empty
    click(target_pane, Qt::LeftButton, QPoint(200, 10));
    EXPECT_EQ(ws().view(Side::target).selection().left, 0);
    EXPECT_EQ(w.pane_image(2).pixel(200, 300), w.palette().color(QPalette::Button).rgb())
        << "button face beyond the package";
}

TEST_F(MainWindowTest, InsertCopiesATileMovesOnAndUndoRestoresIt) {
    open();
    ws().files().use_source(patterned());
    const Package before = ws().document().target().clone();
    trigger("tx_add");
    EXPECT_EQ(ws().document().target().pixel(10, 20), pattern(10, 20));
    EXPECT_EQ(ws().view(Side::target).selection().left, 64);
    EXPECT_TRUE(action("undo")->isEnabled());
    EXPECT_TRUE(action("tool_undo")->isEnabled());
    EXPECT_EQ(window->pane_image(2).pixel(30, 30), rgb(pattern(30, 30)));

    trigger("undo");
    EXPECT_EQ(ws().document().target(), before);
    EXPECT_EQ(ws().view(Side::target).selection().left, 64) << "undo does not move the selection";
    EXPECT_FALSE(action("undo")->isEnabled());
    EXPECT_FALSE(action("tool_undo")->isEnabled());
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

void run_event_loop_for(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST_F(MainWindowTest, PanesRepaintWhenTheQueueRunsEmptyAfterAChangeAndOnlyThen) {
    MainWindow& w = open();
    PaintCounter counter;
    w.findChild<QWidget*>(QStringLiteral("target_pane"))->installEventFilter(&counter);
    run_event_loop_for(100);
    counter.paints = 0;
    run_event_loop_for(100);
    EXPECT_EQ(counter.paints, 0) << "an idle window does not repaint";
    trigger("tx_del");
    run_event_loop_for(100);
    EXPECT_GE(counter.paints, 1);
}

TEST_F(MainWindowTest, GridLinesAtTheChosenStepOnlyWhileTheGridIsOn) {
    MainWindow& w = open();
    trigger("grid_128");
    EXPECT_EQ(ws().options().grid_step, 128);
    EXPECT_FALSE(action("grid_64")->isChecked());
    QImage pane = w.pane_image(1);
    EXPECT_EQ(pane.pixel(128, 300), qRgb(192, 192, 192)) << "grid hidden";

    trigger("grid_visible");
    pane = w.pane_image(1);
    const QRgb white = qRgb(255, 255, 255);
    for (int y : {100, 300, 511}) EXPECT_EQ(pane.pixel(128, y), white) << y;
    for (int x : {64, 127, 129, 192}) EXPECT_NE(pane.pixel(x, 300), white) << x;
    for (int y : {128, 256, 384}) EXPECT_EQ(pane.pixel(200, y), white) << y;
    for (int y : {192, 255, 257, 448}) EXPECT_NE(pane.pixel(200, y), white) << y;
}

TEST_F(MainWindowTest, CoordinatesAreDrawnInTheSelectionColourWithAShadow) {
    MainWindow& w = open();
    host.colour_answers.push_back(QColor(255, 0, 0));
    trigger("select_color");
    EXPECT_EQ(host.colour_initials.at(0), QColor(Qt::white));
    EXPECT_EQ(ws().options().select_color, pack_rgb(255, 0, 0));

    const auto count = [](const QImage& img, QRgb c) {
        int n = 0;
        for (int y = 2; y < 24; ++y)
            for (int x = 3; x < 40; ++x) n += img.pixel(x, y) == c;
        return n;
    };
    QImage pane = w.pane_image(2);
    EXPECT_EQ(pane.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_GT(count(pane, qRgb(255, 0, 0)), 10);
    EXPECT_GT(count(pane, qRgb(0, 0, 0)), 10);

    trigger("show_coordinates");
    pane = w.pane_image(2);
    EXPECT_EQ(count(pane, qRgb(0, 0, 0)), 0);
    EXPECT_EQ(pane.pixel(0, 0), qRgb(255, 0, 0)) << "the frame stays";
}

TEST_F(MainWindowTest, ScrollBarsFollowThePackageAndMoveTheView) {
    write_tga(path("wide.tga"), 512, 1024, [](int x, int) { return x / 64 == 1 ? pack_rgb(0, 0, 255) : kSilver; });
    MainWindow& w = open();
    host.open_answers = {path("wide.tga")};
    trigger("open_target");
    auto* h2 = w.findChild<QScrollBar*>(QStringLiteral("target_horizontal_bar"));
    EXPECT_TRUE(h2->isEnabled());
    EXPECT_EQ(h2->maximum(), 512 - ws().view(Side::target).visible_width());
    EXPECT_EQ(w.panel_text(4), QStringLiteral("512 x 1024"));
    EXPECT_EQ(w.panel_text(5), QStringLiteral("płytki: 128"));

    h2->setValue(64);
    EXPECT_EQ(ws().view(Side::target).scroll_x(), 64);
    EXPECT_EQ(w.pane_image(2).pixel(10, 10), qRgb(0, 0, 255));
}

// Every text of the window that has a pair in the string table.
std::map<QString, QString> window_texts(MainWindow& w) {
    std::map<QString, QString> texts;
    for (QAction* a : w.findChildren<QAction*>()) {
        if (a->objectName().isEmpty() || a->objectName().startsWith("file")) continue;
        texts[a->objectName() + ":text"] = a->text();
        texts[a->objectName() + ":hint"] = a->toolTip();
    }
    for (int i = 0; i < 9; ++i) texts["panel" + QString::number(i)] = w.panel_text(i);
    return texts;
}

TEST_F(MainWindowTest, LanguageSwitchTranslatesEveryCaptionHintPanelAndDialog) {
    MainWindow& w = open();
    NewPackageDialog new_package_dialog(host, &w);
    AuthorDialog author_dialog(&w);
    w.set_forms(&new_package_dialog, &author_dialog, nullptr);
    const auto polish = window_texts(w);
    QStringList polish_entries;
    for (int i = 18; i < kStringCount; i += 2)
        if (entry(i) != entry(i + 1)) polish_entries << entry(i);

    trigger("language_en");
    EXPECT_EQ(w.language_index(), 1);
    EXPECT_TRUE(action("language_en")->isChecked());
    EXPECT_FALSE(action("language_pl")->isChecked());
    EXPECT_EQ(action("menu_file")->text(), QStringLiteral("&File")) << "Alt+F opens it";
    EXPECT_EQ(action("tool_rotate90")->toolTip(), QStringLiteral("Rotate 90° anticlockwise"));
    EXPECT_EQ(w.panel_text(0), QStringLiteral("Source package:"));
    EXPECT_EQ(new_package_dialog.modify_box->text(), QStringLiteral("Modify package"));
    EXPECT_EQ(author_dialog.thanks_caption->text(), entry(181));
    EXPECT_EQ(action("channels_rgb")->text(), QStringLiteral("RGB"));
    int changed = 0;
    for (const auto& [key, text] : window_texts(w)) {
        EXPECT_FALSE(polish_entries.contains(text)) << qPrintable(key) << " still Polish";
        changed += text != polish.at(key);
    }
    EXPECT_GT(changed, 100);

    trigger("language_pl");
    EXPECT_EQ(window_texts(w), polish);
    EXPECT_EQ(w.language_index(), 0);
    EXPECT_EQ(new_package_dialog.modify_box->text(), entry(176));
}

TEST_F(MainWindowTest, AcceleratorMarkInACaptionIsStillTranslated) {
    open();
    action("tx_add")->setText("&" + entry(80));
    trigger("language_en");
    EXPECT_EQ(action("tx_add")->text(), entry(81));
}

TEST_F(MainWindowTest, SettingsAreWrittenAtCloseAndRestoredAtTheNextStart) {
    open();
    trigger("language_en");
    trigger("grid_32");
    trigger("grid_visible");
    trigger("show_coordinates");
    trigger("open_8bit");
    host.colour_answers.push_back(QColor(10, 20, 30));
    trigger("select_color");
    const Options chosen = ws().options();
    trigger("exit");  // closes exactly like the close box
    EXPECT_FALSE(window->isVisible());

    QFile file(path("config.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 16);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[13], 32);
    file.close();

    open();
    EXPECT_EQ(ws().options(), chosen);
    EXPECT_EQ(window->language_index(), 1);
    EXPECT_EQ(window->panel_text(3), QStringLiteral("Target package:"));
    EXPECT_TRUE(action("grid_32")->isChecked());
    EXPECT_TRUE(action("grid_visible")->isChecked());
    EXPECT_FALSE(action("show_coordinates")->isChecked());
    EXPECT_TRUE(action("open_8bit")->isChecked());
    EXPECT_FALSE(action("file1")->isVisible()) << "the recent list is not kept";
}

TEST_F(MainWindowTest, UnwritableSettingsFolderNeverKeepsTheWindowOpen) {
    window = std::make_unique<MainWindow>(path("missing/folder"), host);
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, FirstArgumentOpensAsSourceWithoutADialog) {
    write_tga(path("start.tga"), 128, 64, pattern);
    open({path("start.tga"), path("ignored.tga")});
    EXPECT_TRUE(host.open_filters.isEmpty());
    EXPECT_EQ(ws().document().source().width(), 128);
    EXPECT_EQ(ws().document().source().pixel(5, 7), pattern(5, 7));
    EXPECT_TRUE(action("recent_divider")->isVisible());
    EXPECT_TRUE(action("file1")->isVisible());
    EXPECT_EQ(action("file1")->text(), shown_path("start.tga"));
    EXPECT_EQ(window->panel_text(1), QStringLiteral("128 x 64"));
}

TEST_F(MainWindowTest, UnrecognisedFirstArgumentOpensNothingSaysSoAndTheDialogComesBack) {
    open({path("picture.gif")});
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings.value(0).contains(path("picture.gif")));
    EXPECT_FALSE(action("recent_divider")->isVisible());
    trigger("open_source");
    EXPECT_EQ(host.open_filters.size(), 1) << "no pending name left behind";
}

TEST_F(MainWindowTest, RecentItemsReopenTheRealPathEvenWithAnAmpersand) {
    write_tga(path("a&b.tga"), 64, 64, pattern);
    write_tga(path("second.tga"), 192, 64, pattern);
    open();
    host.open_answers = {path("a&b.tga"), path("second.tga")};
    trigger("open_source");
    trigger("open_source");
    EXPECT_EQ(action("file1")->text(), shown_path("second.tga"));
    EXPECT_EQ(action("file2")->text(), shown_path("a&&b.tga")) << "shown, not taken as a mnemonic";
    EXPECT_FALSE(action("file3")->isVisible());

    trigger("file2");
    EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
    EXPECT_EQ(ws().document().source().width(), 64);
    EXPECT_EQ(host.open_filters.size(), 2) << "a recent item asks no dialog";
    EXPECT_EQ(action("file1")->text(), shown_path("a&&b.tga")) << "the file used last comes first";
    EXPECT_EQ(action("file2")->text(), shown_path("second.tga"));

    write_tga(path("target.tga"), 64, 64, pattern);
    host.open_answers = {path("target.tga")};
    trigger("open_target");
    EXPECT_EQ(action("file1")->text(), shown_path("target.tga")) << "a target enters the list too";
    EXPECT_EQ(action("file3")->text(), shown_path("second.tga"));
}

TEST_F(MainWindowTest, FlatLookFollowsItsOptionOnTheWindowAndTheDialogs) {
    MainWindow& w = open();
    NewPackageDialog new_package_dialog(host, &w);
    HistoryDialog history_dialog(&w);
    w.set_forms(&new_package_dialog, nullptr, &history_dialog);
    EXPECT_TRUE(has_flat_look(&w));
    EXPECT_TRUE(has_flat_look(&new_package_dialog));
    trigger("flat_look");
    EXPECT_FALSE(ws().options().flat_look);
    EXPECT_FALSE(has_flat_look(&w));
    EXPECT_FALSE(has_flat_look(&new_package_dialog));
    EXPECT_FALSE(has_flat_look(&history_dialog));
    trigger("flat_look");
    EXPECT_TRUE(has_flat_look(&history_dialog));
}

// A build names the feedback address or none; without one the item says
// where problems are reported, as the README does, and makes no address up.
TEST_F(MainWindowTest, FeedbackItemWritesToTheBuildsAddressOrSaysWhereProblemsGo) {
    open();
    trigger("proposals_mail");
    if (feedback_address().isEmpty()) {
        EXPECT_EQ(host.informations, QStringList{qs(text_of(Msg::ProblemsReported, Language::Polish))});
        return;
    }
    ASSERT_EQ(host.links.size(), 1);
    EXPECT_TRUE(host.links[0].startsWith("mailto:" + feedback_address()));
    EXPECT_TRUE(host.links[0].endsWith("?subject=Tilesmith%3A%20propozycje%2C%20sugestie%2C%20b%C5%82%C4%99dy"))
        << host.links[0].toStdString();
}

}  // namespace
