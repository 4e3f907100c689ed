// The main window's commands through their real actions and a scripted dialog
// host: files, export, effects, the diaphragm colour, clipboard, copy package.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <set>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <stdexcept>

#include "effects/effect_registry.h"
#include "effects/routines.h"
#include "gui_window_support.h"
#include "support/level_builder.h"
#include "ui/dialogs/new_package_dialog.h"
#include <QTextBrowser>

#include "ui/dialogs/help_dialog.h"
#include "ui/qt_texts.h"
#include "ui/effect_places.h"
#include "ui/pane.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

const char kOpenFilter[] =
    "Obsługiwane formaty (*.tga *.bmp *.jpg *.jpeg *.png *.tr2 *.tr4 *.trc *.phd *.tub *.wad);;Pakiet tekstur (*.tga);;"
    "Mapa bitowa (*.bmp);;Mapa bitowa JPEG (*.jpg *.jpeg);;Obraz PNG (*.png);;Level Tomb Raider 2, 3, 4, 5 (*.tr2 *.tr4 "
    "*.trc);;Poziom Tomb Raider 1 (*.phd *.tub);;Pakiet obiektów Tomb Raider (*.wad);;Wszystkie pliki (*)";

class Commands : public WindowTest {
protected:
    // A patterned target with the selection on the tile at (64, 64).
    void patterned_target() {
        use_target(ws(), patterned());
        click(window->findChild<QWidget*>(QStringLiteral("target_pane")), Qt::LeftButton, QPoint(70, 70));
        ASSERT_EQ(ws().view(Side::target).selection().left, 64);
    }
};

TEST_F(Commands, OpenTargetSaveAndSaveAgainWithoutAsking) {
    write_tga(path("in.tga"), 256, 128, pattern);
    open();
    trigger("tx_del");
    host.open_answers = {path("in.tga")};
    trigger("open_target");
    EXPECT_EQ(host.open_filters.value(0), QString::fromUtf8(kOpenFilter));
    EXPECT_EQ(ws().document().target().pixel(3, 100), pattern(3, 100));
    EXPECT_EQ(int(ws().document().history().undo_count()), 2) << "the delete, then the open";
    EXPECT_TRUE(action("undo")->isEnabled());
    EXPECT_EQ(action("file1")->text(), shown_path("in.tga")) << "targets enter the recent list too";

    EXPECT_EQ(window->windowTitle(), QStringLiteral("in.tga[*] \u2014 Tilesmith")) << "the caption names the file";
    trigger("save_target");
    EXPECT_TRUE(host.save_filters.isEmpty()) << "Save writes back to the image it opened";
    QFile::remove(path("in.tga"));
    ws().edits().make_package(4, 2, kBlack, false);  // a new package has no name yet

    host.save_answers = {path("out.bmp")};
    trigger("save_target");  // no name yet: Save is Save as
    EXPECT_EQ(host.save_filters.value(0),
              QStringLiteral("Pakiet tekstur (*.tga);;Mapa bitowa (*.bmp);;Mapa bitowa JPEG (*.jpg *.jpeg);;Obraz PNG (*.png)"));
    EXPECT_EQ(host.save_suffixes.value(0), QStringLiteral("tga"));
    ASSERT_TRUE(QFile::exists(path("out.bmp")));

    QFile::remove(path("out.bmp"));
    trigger("save_target");
    EXPECT_EQ(host.save_filters.size(), 1) << "the second save asks nothing";
    EXPECT_TRUE(QFile::exists(path("out.bmp")));
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(Commands, SaveAsProposesTheTargetsOwnNameAndType) {
    open();
    host.save_answers = {path("out.bmp")};
    trigger("save_target_as");
    trigger("save_target_as");
    EXPECT_EQ(host.save_folders.value(1), path("out.bmp"));
    EXPECT_EQ(host.save_selected.value(1), QStringLiteral("Mapa bitowa (*.bmp)"));
}

TEST_F(Commands, RefusedTgaWarnsInTheCurrentLanguageAndKeepsThePackage) {
    // A 32-bit TGA: a depth the reader does not take.
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = 64;
    bytes[14] = 64;
    bytes[16] = 32;
    bytes.append(QByteArray(64 * 64 * 4, '\x7f'));
    QFile f(path("deep.tga"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    open();
    const Package before = ws().document().source().clone();
    host.open_answers = {path("deep.tga"), path("deep.tga")};
    trigger("open_source");
    trigger("language_en");
    trigger("open_source");
    ASSERT_EQ(host.warnings.size(), 2);
    for (int i : {0, 1}) {
        EXPECT_TRUE(host.warnings[i].contains(entry(8 + i))) << "in the language of the moment";
        EXPECT_TRUE(host.warnings[i].contains(path("deep.tga"))) << "naming the file";
    }
    EXPECT_EQ(ws().document().source(), before);
}

TEST_F(Commands, ReadErrorsShowTheErrorBoxAndLeaveThePackage) {
    open();
    QFile f(path("broken.jpg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xff\xd8\xff\xe0 not really a picture");
    f.close();
    const Package before = ws().document().source().clone();
    host.open_answers = {path("missing.tga"), path("broken.jpg")};
    trigger("open_source");
    trigger("open_source");
    ASSERT_EQ(host.errors.size(), 2);
    EXPECT_FALSE(host.errors[0].isEmpty());
    EXPECT_FALSE(host.errors[1].isEmpty());
    EXPECT_EQ(ws().document().source(), before);
    EXPECT_FALSE(action("file1")->isVisible());
}

// A Tomb Raider 2 level of `pages` pages, every structure of its layout in place.
QByteArray tr2_level(int pages) {
    const Bytes bytes = make_level(LevelSpec(Game::tr2, pages)).bytes;
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

TEST_F(Commands, ExportAsksForBaseAndOutputAndRefusesWhatItMust) {
    {
        QFile base(path("base.tr2"));
        ASSERT_TRUE(base.open(QIODevice::WriteOnly));
        base.write(tr2_level(2));
    }
    open();

    trigger("export_to_level");  // cancelled at the base dialog
    EXPECT_TRUE(host.informations.isEmpty()) << "no box before the dialog";
    EXPECT_EQ(host.open_titles, QStringList{entry(10)}) << "the dialog's title says what it asks for";
    EXPECT_EQ(host.open_filters.value(0),
              QString::fromUtf8("Obsługiwane formaty (*.tr2 *.tr4 *.trc *.phd *.tub *.wad);;Level Tomb Raider 2, 3, 4, 5 "
                                "(*.tr2 *.tr4 *.trc);;Poziom Tomb Raider 1 (*.phd *.tub);;Pakiet obiektów Tomb Raider (*.wad)"));
    EXPECT_TRUE(host.save_filters.isEmpty());

    host.informations.clear();
    host.open_answers = {path("base.tr2")};
    host.save_answers = {path("out.tr2")};
    trigger("export_to_level");
    EXPECT_TRUE(host.informations.isEmpty());
    EXPECT_EQ(host.save_titles, QStringList{entry(12)});
    EXPECT_EQ(host.save_filters.value(0), QStringLiteral("Level Tomb Raider 2, 3 (*.tr2)"));
    EXPECT_EQ(host.save_suffixes.value(0), QStringLiteral("tr2"));
    EXPECT_TRUE(host.warnings.isEmpty());
    EXPECT_EQ(QFileInfo(path("out.tr2")).size(), QFileInfo(path("base.tr2")).size());

    host.open_answers = {path("base.tr2")};
    host.save_answers = {path("base.tr2")};
    trigger("export_to_level");
    EXPECT_EQ(host.warnings, QStringList{entry(16)});

    ws().edits().make_package(4, 4, kSilver, false);  // 256 x 256 against a two-page base
    host.open_answers = {path("base.tr2")};
    host.save_answers = {path("other.tr2")};
    const qsizetype asked = host.save_filters.size();
    trigger("export_to_level");
    EXPECT_TRUE(host.warnings.value(1).contains(QStringLiteral("256 x 256"))) << "both sizes, before the output dialog";
    EXPECT_TRUE(host.warnings.value(1).contains(QStringLiteral("256 x 512")));
    EXPECT_EQ(host.save_filters.size(), asked);
    EXPECT_FALSE(QFile::exists(path("other.tr2")));
}

TEST_F(Commands, TombRaider1LevelsAndObjectPackagesTakeExportsAndMisnamedLevelsOpenWithANote) {
    const Bytes level = make_tr1(1).bytes;
    write_bytes(path("base.phd").toStdString(), level);
    write_bytes(path("level.tr2").toStdString(), level);
    open();
    trigger("language_en");

    host.open_answers = {path("level.tr2")};
    trigger("open_source");
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("is a Tomb Raider 1 level under another kind's extension")));
    EXPECT_TRUE(host.warnings[0].contains(path("level.tr2")));
    EXPECT_EQ(ws().document().source().height(), 256);
    EXPECT_NE(host.open_filters.value(0).indexOf(QStringLiteral(";;Tomb Raider 1 level (*.phd *.tub);;")), -1);

    host.open_answers = {path("base.phd")};
    trigger("open_target");
    ASSERT_EQ(ws().document().target().height(), 256);
    host.open_answers = {path("base.phd")};
    host.save_answers = {path("out.phd")};
    trigger("export_to_level");
    EXPECT_EQ(host.save_filters.value(0), QStringLiteral("Tomb Raider 1 level (*.phd)"));
    EXPECT_EQ(host.save_suffixes.value(0), QStringLiteral("phd"));
    EXPECT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(read_bytes(path("out.phd").toStdString()) == level);

    write_bytes(path("base.wad").toStdString(), make_wad(2, 196608));
    host.open_answers = {path("base.wad")};
    host.save_answers = {path("out.wad")};
    trigger("export_to_level");
    EXPECT_EQ(std::pair(host.save_suffixes.value(1), host.warnings.size()), std::pair(QStringLiteral("wad"), qsizetype(1)));
    EXPECT_EQ(read_bytes(path("out.wad").toStdString()).size(), make_wad(2, 196608).size());
}

// Level > Compact textures: offered for a level a pane was read from; its
// counts asked about, the copy written where the export's dialog says, and
// offered to that pane.
TEST_F(Commands, CompactTexturesAsksWithItsCountsWritesTheCopyAndOpensIt) {
    LevelSpec wanted(Game::tr2, 3);
    wanted.object_textures = 4;
    write_bytes(path("level.tr2").toStdString(), make_level(wanted).bytes);
    open();
    trigger("language_en");
    EXPECT_FALSE(action("compact_level")->isEnabled()) << "no level in either pane";
    host.open_answers = {path("level.tr2")};
    trigger("open_source");

    trigger("compact_level");  // cancelled at its question
    const QStringList lines = host.questions.value(0).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"Compact the textures of \"level.tr2\" into a copy:", "", "Pages: 3 before, 1 after."}));
    EXPECT_EQ(lines.size(), 6) << "and the 8-bit pages kept, in a Tomb Raider 2 level";
    EXPECT_TRUE(host.save_titles.isEmpty());

    host.question_answers = {true};
    host.save_answers = {path("level.tr2")};
    trigger("compact_level");
    EXPECT_TRUE(host.errors.value(0).contains(path("level.tr2"))) << "not into itself";
    host.question_answers = {true, true};
    host.save_answers = {path("copy.tr2")};
    trigger("compact_level");
    EXPECT_EQ(host.save_folders.value(0), path("level-compact.tr2"));
    EXPECT_EQ(host.save_filters.value(0), QStringLiteral("Tomb Raider 2 or 3 level (*.tr2)"));
    EXPECT_EQ(ws().origins().file_of(Side::source), path("copy.tr2").toStdString());
    EXPECT_EQ(ws().document().source().height(), 256) << "the one-page copy opened as the source";
    EXPECT_NE(ws().origins().origin(Side::source).level, nullptr) << "and walked";
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("written_note"))->text().contains("pages: 3 before, 1 after"));
}

TEST_F(Commands, EveryEffectRunsItsRoutineWithItsParametersAsOneUndoStep) {
    using Fn = std::function<void(Package&, int, int, Progress&)>;
    const std::vector<std::pair<const char*, Fn>> effects{
        {"rotate90", [](Package& p, int x, int y, Progress& g) { rotate90(p, {x, y}, g); }},
        {"flip_horizontally", [](Package& p, int x, int y, Progress& g) { flip(p, {x, y}, 0, g); }},
        {"flip_vertically", [](Package& p, int x, int y, Progress& g) { flip(p, {x, y}, 1, g); }},
        {"gamma_up5", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, {x, y}, 8, g); }},
        {"gamma_up10", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, {x, y}, 25, g); }},
        {"gamma_up25", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, {x, y}, 63, g); }},
        {"gamma_down5", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, {x, y}, -8, g); }},
        {"gamma_down10", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, {x, y}, -25, g); }},
        {"gamma_down25", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, {x, y}, -63, g); }},
        {"invert_colors", [](Package& p, int x, int y, Progress& g) { invert_colors(p, {x, y}, g); }},
        {"average_color", [](Package& p, int x, int y, Progress& g) { average_color(p, {x, y}, g); }},
        {"reduce_colors_625", [](Package& p, int x, int y, Progress& g) { reduce_colors(p, {x, y}, 16, g); }},
        {"reduce_colors_125", [](Package& p, int x, int y, Progress& g) { reduce_colors(p, {x, y}, 32, g); }},
        {"reduce_colors_25", [](Package& p, int x, int y, Progress& g) { reduce_colors(p, {x, y}, 64, g); }},
        {"reduce_colors_375", [](Package& p, int x, int y, Progress& g) { reduce_colors(p, {x, y}, 96, g); }},
        {"gray_scale", [](Package& p, int x, int y, Progress& g) { gray_scale(p, {x, y}, g); }},
        {"black_white", [](Package& p, int x, int y, Progress& g) { black_white(p, {x, y}, g); }},
        {"channels_rbg", [](Package& p, int x, int y, Progress& g) { swap_channels(p, {x, y}, 1, 3, 2, g); }},
        {"channels_grb", [](Package& p, int x, int y, Progress& g) { swap_channels(p, {x, y}, 2, 1, 3, g); }},
        {"channels_gbr", [](Package& p, int x, int y, Progress& g) { swap_channels(p, {x, y}, 2, 3, 1, g); }},
        {"channels_brg", [](Package& p, int x, int y, Progress& g) { swap_channels(p, {x, y}, 3, 1, 2, g); }},
        {"channels_bgr", [](Package& p, int x, int y, Progress& g) { swap_channels(p, {x, y}, 3, 2, 1, g); }},
        {"sharpen_red", [](Package& p, int x, int y, Progress& g) { sharpen_channel(p, {x, y}, 1, 32, g); }},
        {"sharpen_green", [](Package& p, int x, int y, Progress& g) { sharpen_channel(p, {x, y}, 2, 32, g); }},
        {"sharpen_blue", [](Package& p, int x, int y, Progress& g) { sharpen_channel(p, {x, y}, 3, 32, g); }},
        {"blur", [](Package& p, int x, int y, Progress& g) { blur(p, {x, y}, g); }},
        {"pixelate", [](Package& p, int x, int y, Progress& g) { pixelate(p, {x, y}, g); }},
        {"button3d_convex", [](Package& p, int x, int y, Progress& g) { button3d(p, {x, y}, 0, g); }},
        {"button3d_concave", [](Package& p, int x, int y, Progress& g) { button3d(p, {x, y}, 1, g); }},
    };
    open();
    patterned_target();
    auto* gauge = window->findChild<QProgressBar*>(QStringLiteral("progress_gauge"));
    const Package before = ws().document().target().clone();
    for (const auto& [name, routine] : effects) {
        Package expected = before.clone();
        CountingProgress ignored;
        routine(expected, 64, 64, ignored);
        ASSERT_NE(expected, before) << name << ": the pattern must show the effect";

        trigger(name);
        EXPECT_EQ(ws().document().target(), expected) << name;
        EXPECT_EQ(int(ws().document().history().undo_count()), 2) << name;
        EXPECT_EQ(gauge->value(), 0) << name << ": the gauge empties when the work ends";
        trigger("undo");
        EXPECT_EQ(ws().document().target(), before) << name << ": one undo gives the tile back";
    }
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(Commands, DiaphragmAsksForItsColourAndCancelChangesNothing) {
    open();
    patterned_target();
    const Package before = ws().document().target().clone();
    trigger("diaphragm_horizontal");  // cancelled
    EXPECT_EQ(ws().document().target(), before);
    EXPECT_EQ(int(ws().document().history().undo_count()), 1);
    EXPECT_EQ(host.colour_initials.at(0), QColor(Qt::black));

    host.colour_answers = {QColor(0, 0, 255)};
    trigger("diaphragm_vertical");
    Package expected = before.clone();
    CountingProgress ignored;
    diaphragm(expected, {64, 64}, 1, pack_rgb(0, 0, 255), ignored);
    EXPECT_EQ(ws().document().target(), expected);
    EXPECT_EQ(int(ws().document().history().undo_count()), 2);

    trigger("tool_diaphragm");  // cancelled again; the last confirmed colour is offered
    EXPECT_EQ(host.colour_initials.at(2), QColor(0, 0, 255));
    EXPECT_EQ(int(ws().document().history().undo_count()), 2);
}

TEST_F(Commands, ClipboardCopyPasteAndCutOfTiles) {
    open();
    patterned_target();
    QClipboard* clipboard = QGuiApplication::clipboard();

    trigger("copy_to_clipboard");
    QImage copied = clipboard->image();
    ASSERT_EQ(copied.size(), QSize(64, 64));
    EXPECT_EQ(copied.pixel(3, 4), qRgb(red_of(pattern(67, 68)), green_of(pattern(67, 68)), blue_of(pattern(67, 68))));
    EXPECT_EQ(int(ws().document().history().undo_count()), 1);

    click(window->findChild<QWidget*>(QStringLiteral("target_pane")), Qt::RightButton, QPoint(9, 9));  // (8, 8)
    const Package before = ws().document().target().clone();
    trigger("paste_from_clipboard");
    EXPECT_EQ(ws().document().target().pixel(8 + 5, 8 + 6), pattern(64 + 5, 64 + 6));
    EXPECT_EQ(ws().document().target().pixel(8 + 63, 8 + 63), pattern(127, 127));
    trigger("undo");
    EXPECT_EQ(ws().document().target(), before);

    QImage small(32, 32, QImage::Format_RGB32);
    small.fill(QColor(255, 0, 0));
    clipboard->setImage(small);
    trigger("paste_from_clipboard");
    EXPECT_EQ(ws().document().target().pixel(8 + 31, 8 + 31), pack_rgb(255, 0, 0));
    EXPECT_EQ(ws().document().target().pixel(8 + 40, 8 + 40), pattern(48, 48)) << "uncovered pixels stay";

    QImage large(128, 128, QImage::Format_ARGB32);
    large.fill(QColor(0, 255, 0));
    large.setPixelColor(63, 63, QColor(1, 2, 3));
    large.setPixelColor(64, 64, QColor(9, 9, 9));
    clipboard->setImage(large);
    trigger("paste_from_clipboard");
    EXPECT_EQ(ws().document().target().pixel(8 + 63, 8 + 63), pack_rgb(1, 2, 3));
    EXPECT_EQ(ws().document().target().pixel(8 + 64, 8 + 64), pack_rgb(9, 9, 9)) << "the whole picture is pasted";
    EXPECT_EQ(ws().view(Side::target).selection(), Rect::of_size(8, 8, 128, 128)) << "and selected";
    EXPECT_EQ(int(ws().document().history().undo_count()), 3);

    clipboard->setText(QStringLiteral("not a picture"));
    const Package with_text = ws().document().target().clone();
    trigger("paste_from_clipboard");
    EXPECT_EQ(ws().document().target(), with_text);
    EXPECT_EQ(int(ws().document().history().undo_count()), 3) << "no image: no undo step";

    trigger("cut");
    EXPECT_EQ(ws().document().target().pixel(8 + 10, 8 + 10), kSilver);
    EXPECT_EQ(clipboard->image().pixel(0, 0), qRgb(0, 255, 0));
    trigger("undo");
    EXPECT_EQ(ws().document().target(), with_text);
    EXPECT_EQ(clipboard->image().size(), QSize(128, 128)) << "undo leaves the clipboard alone";
}

TEST_F(Commands, CopyPackageIsOneUndoStepThatTakesTheSourceSize) {
    write_tga(path("small.tga"), 128, 64, pattern);
    open();
    trigger("tx_add");
    trigger("tx_copy");
    EXPECT_EQ(int(ws().document().history().undo_count()), 2) << "the add, then the copy";
    EXPECT_EQ(action("tool_undo")->toolTip(), qs(Phrase(Msg::UndoStep).arg(Msg::CopyPackage).text(Language::Polish)));

    host.open_answers = {path("small.tga")};
    trigger("open_source");
    trigger("tx_add");
    const Package after_add = ws().document().target().clone();
    trigger("tx_copy");
    EXPECT_EQ(window->panel_text(4), QStringLiteral("128 x 64"));
    trigger("undo");
    EXPECT_EQ(ws().document().target(), after_add) << "the size comes back with the pixels";
    EXPECT_TRUE(host.questions.isEmpty());
}

}  // namespace

TEST_F(Commands, EveryEffectItemOfTheRegistryIsInTheMenusWithItsKeyAndToolAndRunsItsCall) {
    open();
    patterned_target();
    const Package before = ws().document().target().clone();
    const QColor chosen(10, 128, 255);
    std::set<std::string> widgets;
    for (const Effect& e : effect_registry()) {
        const EffectPlace& place = place_of(e);
        for (std::size_t i = 0; i < e.items.size(); ++i) {
            const EffectItem& item = e.items[i];
            const EffectItemPlace& at = place.items[i];
            EXPECT_TRUE(widgets.insert(at.name).second) << at.name << " names two items";
            QAction* a = action(at.name);
            ASSERT_NE(a, nullptr);
            const QList<QObject*> shown_in = a->associatedObjects();
            EXPECT_TRUE(std::any_of(shown_in.begin(), shown_in.end(),
                                    [](QObject* o) { return qobject_cast<QMenu*>(o) != nullptr; }))
                << at.name << " is in no menu";
            EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(at.shortcut), QKeySequence::PortableText))
                << at.name;
            if (at.tool.name) {
                EXPECT_TRUE(widgets.insert(at.tool.name).second) << at.tool.name << " names two tools";
                EXPECT_NE(action(at.tool.name), nullptr);
            }

            Package expected = before.clone();
            CountingProgress ignored;
            parse_effect(item_call(e, item, to_packed(chosen))).run(expected, 64, 64, ignored);
            if (item.asks_colour) host.colour_answers = {chosen};
            trigger(at.name);
            EXPECT_EQ(ws().document().target(), expected) << at.name;
            trigger("undo");
            ASSERT_EQ(ws().document().target(), before) << at.name;
        }
    }
    EXPECT_TRUE(host.errors.isEmpty());
}

namespace {

// A host whose question fails, as a dialog of a broken desktop might.
class FailingQuestionHost : public FakeHost {
public:
    bool question(QWidget*, const QString&) override { throw std::runtime_error("no answer"); }
};

}  // namespace

TEST_F(Commands, AnExceptionFromTheNewPackageDialogsOkShowsTheErrorBox) {
    FailingQuestionHost failing;
    MainWindow w(dir.path(), failing);
    NewPackageDialog new_package_dialog(failing, &w);
    w.set_forms(&new_package_dialog, nullptr, nullptr);
    // The one question OK may ask: a step too large for the history.
    new_package_dialog.set_question([] { return std::optional<QString>(QStringLiteral("too large")); });
    w.show();
    const int width = w.workspace().document().target().width();

    w.findChild<QAction*>(QStringLiteral("new_package"))->trigger();
    new_package_dialog.modify_box->setChecked(true);
    new_package_dialog.width_slider->setValue(2);
    new_package_dialog.make_package->click();  // the question throws
    EXPECT_EQ(failing.errors, QStringList{"no answer"});
    EXPECT_TRUE(new_package_dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(w.workspace().document().target().width(), width);
    new_package_dialog.close();
}

TEST_F(Commands, F1HelpListsTheManualAndEveryCommandWithItsKeysInTheLanguage) {
    open();
    for (const char* language : {"language_en", "language_pl"}) {
        trigger(language);
        trigger("help");
        auto* help = window->findChild<HelpDialog*>(QStringLiteral("help"));
        ASSERT_NE(help, nullptr);
        const QString text = help->text()->toPlainText();
        const Language lang = ws().language();
        EXPECT_TRUE(text.contains(ui_text(Msg::HelpCommands, lang))) << language;
        // An effect's item under its menus, with its key.
        EXPECT_TRUE(text.contains(plain_caption(action("rotate90")->text()))) << language;
        EXPECT_TRUE(text.contains(QKeySequence(QStringLiteral("Ctrl+Alt+R")).toString(QKeySequence::NativeText)));
        delete help;
    }
}
