// The command map: menus, items, shortcuts, option items and tool buttons of
// MainWindow, each wired to its handler.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "effects/routines.h"
#include "ui/main_window.h"

namespace tilesmith {

namespace {

QKeySequence ctrl(Qt::Key k) { return QKeySequence(Qt::CTRL | k); }
QKeySequence ctrl_alt(Qt::Key k) { return QKeySequence(Qt::CTRL | Qt::ALT | k); }
QKeySequence shift(Qt::Key k) { return QKeySequence(Qt::SHIFT | k); }

}  // namespace

QMenu* MainWindow::add_menu(QMenu* parent, const char* name, int caption, Icon icon) {
    QMenu* menu = parent ? parent->addMenu(text(caption)) : menuBar()->addMenu(text(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (icon != Icon::none) menu->menuAction()->setIcon(make_icon(icon));
    captioned_.push_back(menu->menuAction());
    return menu;
}

QAction* MainWindow::add_item(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& key, Icon icon, std::function<void()> handler) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(key);
    if (icon != Icon::none) item->setIcon(make_icon(icon));
    if (handler) {
        connect(item, &QAction::triggered, this, [this, handler = std::move(handler)] { run(handler); });
    }
    captioned_.push_back(item);
    return item;
}

QAction* MainWindow::add_option(QMenu* menu, const char* name, int caption, const QKeySequence& key,
                           bool Options::*field) {
    QAction* item = add_item(menu, name, text(caption), key, Icon::none, {});
    item->setCheckable(true);
    // Toggles its own check mark; the commands read the option when they act.
    connect(item, &QAction::toggled, this, [this, field](bool on) {
        workspace_.options.*field = on;
        redraw_pending_ = true;
    });
    option_items_.push_back({item, field});
    return item;
}

void MainWindow::add_tool(const char* name, QAction* item, int hint, Icon icon) {
    const QString tip = hint >= 0 ? text(hint) : item->text();
    QAction* tool = new QAction(make_icon(icon), tip, this);
    tool->setObjectName(QString::fromLatin1(name));
    tool->setToolTip(tip);
    // A tool button has no logic of its own: it runs its menu item.
    connect(tool, &QAction::triggered, item, &QAction::trigger);
    main_tool_->addAction(tool);
    if (QWidget* button = main_tool_->widgetForAction(tool)) {
        button->setObjectName(QString::fromLatin1(name));
        // 22 x 22 buttons: all twenty-three and the dividers fit the window.
        button->setFixedSize(22, 22);
    }
    tools_.push_back(tool);
}

void MainWindow::build_commands() {
    const auto fx = [this](Routine routine) {
        return [this, routine = std::move(routine)] { effect(routine); };
    };

    // Plik
    QMenu* plik = add_menu(nullptr, "plik", 18);
    QAction* plik_new = add_item(plik, "plik_new", text(30), ctrl(Qt::Key_N), Icon::new_package,
                                 [this] { plik_newClick(); });
    QAction* plik_opensource = add_item(plik, "plik_opensource", text(32), ctrl(Qt::Key_Q),
                                        Icon::open_source, [this] { plik_opensourceClick(); });
    add_item(plik, "plik_opentarget", text(34), ctrl(Qt::Key_O), Icon::open_target,
             [this] { plik_opentargetClick(); });
    QAction* plik_savetarget = add_item(plik, "plik_savetarget", text(36), ctrl(Qt::Key_S),
                                        Icon::save, [this] { plik_savetargetClick(); });
    add_item(plik, "plik_savetargetas", text(38), {}, Icon::save_as,
             [this] { plik_savetargetasClick(); });
    plik->addSeparator();
    QMenu* plik_ex = add_menu(plik, "plik_ex", 40, Icon::export_level);
    add_item(plik_ex, "ex_tr2345", text(42), ctrl(Qt::Key_E), Icon::export_level,
             [this] { ex_tr2345Click(); });
    fileline_ = plik->addSeparator();
    fileline_->setObjectName(QStringLiteral("fileline"));
    fileline_->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        QAction* item = plik->addAction(make_icon(Icon::new_package), QString());
        item->setObjectName(QStringLiteral("file%1").arg(i + 1));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { run([this, i] { recent_fileClick(i); }); });
        recent_items_[i] = item;
    }
    plik->addSeparator();
    // Closes exactly as the close box does: FormClose writes the settings.
    add_item(plik, "plik_end", text(44), {}, Icon::exit, [this] { close(); });

    // Edycja
    QMenu* edycja = add_menu(nullptr, "edycja", 20);
    ed_cofnij_ = add_item(edycja, "ed_cofnij", text(46), ctrl(Qt::Key_Z), Icon::undo,
                          [this] { ed_cofnijClick(); });
    ed_cofnij_->setEnabled(false);
    edycja->addSeparator();
    QAction* ed_cut = add_item(edycja, "ed_cut", text(48), ctrl(Qt::Key_X), Icon::cut,
                               [this] { ed_cutClick(); });
    QAction* ed_ctc = add_item(edycja, "ed_ctc", text(50), ctrl(Qt::Key_C), Icon::copy,
                               [this] { ed_ctcClick(); });
    QAction* ed_pfc = add_item(edycja, "ed_pfc", text(52), ctrl(Qt::Key_V), Icon::paste,
                               [this] { ed_pfcClick(); });
    edycja->addSeparator();
    QMenu* obrot = add_menu(edycja, "Obro901", 54, Icon::rotate);
    QAction* ed_90stopni = add_item(obrot, "ed_90stopni", text(56), ctrl_alt(Qt::Key_R), Icon::rotate,
                                    fx([](Package& p, int x, int y, Progress& g) { rotate90(p, x, y, g); }));
    QMenu* odbij = add_menu(edycja, "Odbij1", 60, Icon::flip_h);
    QAction* ed_fliph = add_item(odbij, "ed_fliph", text(62), ctrl_alt(Qt::Key_H), Icon::flip_h,
                                 fx([](Package& p, int x, int y, Progress& g) { flip(p, x, y, 0, g); }));
    QAction* ed_flipv = add_item(odbij, "ed_flipv", text(64), ctrl_alt(Qt::Key_V), Icon::flip_v,
                                 fx([](Package& p, int x, int y, Progress& g) { flip(p, x, y, 1, g); }));
    QMenu* gamma = add_menu(edycja, "Gamma1", 70, Icon::gamma);
    const auto gamma_item = [&](const char* name, const char* caption, std::int8_t delta) {
        return add_item(gamma, name, QString::fromLatin1(caption), {},
                        delta > 0 ? Icon::gamma_up : Icon::gamma_down,
                        fx([delta](Package& p, int x, int y, Progress& g) { adjust_gamma(p, x, y, delta, g); }));
    };
    QAction* ed_gamma5 = gamma_item("ed_gamma5", "+ 5 %", 8);
    gamma_item("ed_gamma10", "+ 10 %", 25);
    gamma_item("ed_gamma25", "+ 25 %", 63);
    gamma->addSeparator();
    QAction* ed_gamma_5 = gamma_item("ed_gamma_5", "- 5 %", -8);
    gamma_item("ed_gamma_10", "- 10 %", -25);
    gamma_item("ed_gamma_25", "- 25 %", -63);

    // Widok
    QMenu* widok = add_menu(nullptr, "Widok1", 76);
    add_option(widok, "view_gird", 78, QKeySequence(Qt::Key_F9), &Options::view_gird)
        ->setIcon(make_check_icon(Icon::grid));

    // Tekstura
    QMenu* tx = add_menu(nullptr, "tx", 22);
    QAction* tx_add = add_item(tx, "tx_add", text(80), QKeySequence(Qt::Key_Insert), Icon::add,
                               [this] { tx_addClick(); });
    QAction* tx_del = add_item(tx, "tx_del", text(82), QKeySequence(Qt::Key_Delete), Icon::remove,
                               [this] { tx_delClick(); });
    QAction* tx_copytrans = add_item(tx, "tx_copytrans", text(84), shift(Qt::Key_Insert),
                                     Icon::copy_transparency, [this] { tx_copytransClick(); });
    add_item(tx, "tx_copy", text(86), {}, Icon::copy_package, [this] { tx_copyClick(); });

    // Efekty
    QMenu* ef = add_menu(nullptr, "ef", 24);
    QAction* ef_cr = add_item(ef, "ef_cr", text(88), ctrl_alt(Qt::Key_C), Icon::invert,
                              fx([](Package& p, int x, int y, Progress& g) { invert_colors(p, x, y, g); }));
    add_item(ef, "ef_abcolor", text(90), ctrl_alt(Qt::Key_A), Icon::average,
             fx([](Package& p, int x, int y, Progress& g) { average_color(p, x, y, g); }));
    QMenu* reduction = add_menu(ef, "BumpMapping1", 92, Icon::reduce);
    const auto reduce_item = [&](const char* name, const char* caption, std::uint8_t step) {
        return add_item(reduction, name, QString::fromLatin1(caption), {}, Icon::none,
                        fx([step](Package& p, int x, int y, Progress& g) { reduce_colors(p, x, y, step, g); }));
    };
    reduce_item("ef_cred625", "6,25 %", 16);
    reduce_item("ef_cred125", "12,5 %", 32);
    QAction* ef_cred25 = reduce_item("ef_cred25", "25 %", 64);
    reduce_item("ef_cred375", "37,5 %", 96);
    QMenu* palette = add_menu(ef, "Paletakolorw1", 94, Icon::palette);
    QAction* ef_gray = add_item(palette, "ef_gray", text(96), ctrl_alt(Qt::Key_G), Icon::gray,
                                fx([](Package& p, int x, int y, Progress& g) { gray_scale(p, x, y, g); }));
    QAction* ef_bw = add_item(palette, "ef_bw", text(100), ctrl_alt(Qt::Key_W), Icon::black_white,
                              fx([](Package& p, int x, int y, Progress& g) { black_white(p, x, y, g); }));
    ef->addSeparator();
    QMenu* channels = add_menu(ef, "Zamianakanaw1", 104, Icon::channels);
    add_item(channels, "RGB1", QStringLiteral("RGB"), {}, Icon::none, {})->setEnabled(false);
    const auto swap_item = [&](const char* name, const char* caption, std::uint8_t r, std::uint8_t g,
                               std::uint8_t b) {
        add_item(channels, name, QString::fromLatin1(caption), {}, Icon::none,
                 fx([r, g, b](Package& p, int x, int y, Progress& gauge) {
                     swap_channels(p, x, y, r, g, b, gauge);
                 }));
    };
    swap_item("RBG1", "RBG", 1, 3, 2);
    channels->addSeparator();
    swap_item("GRB1", "GRB", 2, 1, 3);
    swap_item("GBR1", "GBR", 2, 3, 1);
    channels->addSeparator();
    swap_item("BRG1", "BRG", 3, 1, 2);
    swap_item("BGR1", "BGR", 3, 2, 1);
    QMenu* sharpen = add_menu(ef, "Wyostrzkana1", 106, Icon::sharpen);
    const auto sharpen_item = [&](const char* name, const char* caption, std::uint8_t channel) {
        add_item(sharpen, name, QString::fromLatin1(caption), {}, Icon::none,
                 fx([channel](Package& p, int x, int y, Progress& g) { sharpen_channel(p, x, y, channel, 32, g); }));
    };
    sharpen_item("R1", "R", 1);
    sharpen_item("G1", "G", 2);
    sharpen_item("B1", "B", 3);
    ef->addSeparator();
    QAction* ef_blur = add_item(ef, "ef_blur", text(108), ctrl_alt(Qt::Key_B), Icon::blur,
                                fx([](Package& p, int x, int y, Progress& g) { blur(p, x, y, g); }));
    QAction* ef_px = add_item(ef, "ef_px", text(110), ctrl_alt(Qt::Key_X), Icon::pixelate,
                              fx([](Package& p, int x, int y, Progress& g) { pixelate(p, x, y, g); }));
    QMenu* button = add_menu(ef, "Przycisk3D1", 112, Icon::button3d);
    QAction* ef_3dup = add_item(button, "ef_3dup", text(114), ctrl_alt(Qt::Key_U), Icon::convex,
                                fx([](Package& p, int x, int y, Progress& g) { button3d(p, x, y, 0, g); }));
    add_item(button, "ef_3ddown", text(116), ctrl_alt(Qt::Key_D), Icon::concave,
             fx([](Package& p, int x, int y, Progress& g) { button3d(p, x, y, 1, g); }));
    QMenu* shutter = add_menu(ef, "Przeslona1", 120, Icon::diaphragm);
    QAction* ef_lmh = add_item(shutter, "ef_lmh", text(122), ctrl_alt(Qt::Key_P), Icon::diaphragm_h,
                               [this] { diaphragm_command(0); });
    add_item(shutter, "ef_lmv", text(124), ctrl_alt(Qt::Key_Q), Icon::diaphragm_v,
             [this] { diaphragm_command(1); });

    // Opcje
    QMenu* opcje = add_menu(nullptr, "opcje", 26);
    QMenu* jezyk = add_menu(opcje, "Wersjajzykowa1", 128, Icon::language);
    auto* languages = new QActionGroup(this);
    jezyk_pl_ = add_item(jezyk, "jezyk_pl", text(130), {}, Icon::none, [this] { set_language(true); });
    jezyk_eng_ = add_item(jezyk, "jezyk_eng", text(132), {}, Icon::none, [this] { set_language(false); });
    for (QAction* item : {jezyk_pl_, jezyk_eng_}) {
        item->setCheckable(true);
        languages->addAction(item);
    }
    opcje->addSeparator();
    add_option(opcje, "opcje_automove", 134, ctrl(Qt::Key_F1), &Options::automove);
    add_option(opcje, "opcje_ttcolor", 138, ctrl(Qt::Key_F2), &Options::ttcolor);
    add_option(opcje, "opcje_8bit", 140, ctrl(Qt::Key_F3), &Options::eight_bit);
    opcje_xp_ = add_option(opcje, "opcje_xp", 142, shift(Qt::Key_F1), &Options::xp);
    connect(opcje_xp_, &QAction::triggered, this, [this] { run([this] { opcje_xpClick(); }); });
    add_option(opcje, "opcje_cord", 144, shift(Qt::Key_F2), &Options::cord);
    opcje->addSeparator();
    add_item(opcje, "opcje_selectcolor", text(146), shift(Qt::Key_F3), Icon::select_color,
             [this] { opcje_selectcolorClick(); });
    QMenu* grid_size = add_menu(opcje, "Rozmiarsiatki1", 148, Icon::grid_size);
    auto* grid_group = new QActionGroup(this);
    const std::array<const char*, 5> grid_names{"opcje_g8", "opcje_g16", "opcje_g32", "opcje_g64",
                                                "opcje_g128"};
    const std::array<const char*, 5> grid_captions{"8 x 8", "16 x 16", "32 x 32", "64 x 64",
                                                   "128 x 128"};
    for (int i = 0; i < 5; ++i) {
        grid_items_[i] = add_item(grid_size, grid_names[i], QString::fromLatin1(grid_captions[i]), {},
                                  Icon::none, [this] { update_grid_step(); });
        grid_items_[i]->setCheckable(true);
        grid_group->addAction(grid_items_[i]);
    }

    // Informacje
    QMenu* info = add_menu(nullptr, "info", 28);
    add_item(info, "info_autor", text(150), QKeySequence(Qt::Key_F1), Icon::author,
             [this] { info_autorClick(); });
    add_item(info, "info_his", text(152), QKeySequence(Qt::Key_F2), Icon::history,
             [this] { info_hisClick(); });
    QMenu* mail = add_menu(info, "Korespondencja1", 154, Icon::mail);
    add_item(mail, "info_mail", text(158), {}, Icon::mail, [this] { info_mailClick(); });

    // The tool bar, left to right, with its dividers.
    add_tool("tool_new", plik_new, -1, Icon::new_package);
    add_tool("tool_opensource", plik_opensource, -1, Icon::open_source);
    add_tool("tool_savetarget", plik_savetarget, -1, Icon::save);
    main_tool_->addSeparator();
    add_tool("tool_cofnij", ed_cofnij_, -1, Icon::undo);
    tool_cofnij_ = tools_.back();
    tool_cofnij_->setEnabled(false);
    add_tool("tool_cut", ed_cut, -1, Icon::cut);
    add_tool("tool_ctc", ed_ctc, -1, Icon::copy);
    add_tool("tool_pfc", ed_pfc, -1, Icon::paste);
    main_tool_->addSeparator();
    add_tool("tool_add", tx_add, -1, Icon::add);
    add_tool("tool_del", tx_del, -1, Icon::remove);
    add_tool("tool_copytrans", tx_copytrans, -1, Icon::copy_transparency);
    main_tool_->addSeparator();
    add_tool("tool_90stopni", ed_90stopni, 58, Icon::rotate);
    add_tool("tool_fliph", ed_fliph, 66, Icon::flip_h);
    add_tool("tool_flipv", ed_flipv, 68, Icon::flip_v);
    // The gamma and reduction buttons show their submenu's icon.
    add_tool("tool_gammap", ed_gamma5, 72, Icon::gamma);
    add_tool("tool_gammam", ed_gamma_5, 74, Icon::gamma);
    main_tool_->addSeparator();
    add_tool("tool_cr", ef_cr, -1, Icon::invert);
    add_tool("tool_cred", ef_cred25, 92, Icon::reduce);
    add_tool("tool_gray", ef_gray, 98, Icon::gray);
    add_tool("tool_bw", ef_bw, 102, Icon::black_white);
    add_tool("tool_blur", ef_blur, -1, Icon::blur);
    add_tool("tool_px", ef_px, -1, Icon::pixelate);
    add_tool("tool_3dup", ef_3dup, 118, Icon::convex);
    add_tool("tool_lm", ef_lmh, 126, Icon::diaphragm_h);
}

}  // namespace tilesmith
