// The command map: menus, items, shortcuts, option items and tool buttons of
// the main window, each wired to its handler.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <string>

#include "ui/command_map.h"

#include <QFile>
#include <QMainWindow>
#include <QSignalBlocker>

#include "model/workspace.h"
#include "strings/languages.h"
#include "strings/messages.h"
#include "ui/command_handlers.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/file_name_text.h"
#include "ui/platform_keys.h"
#include "ui/qt_texts.h"

namespace tilesmith {

namespace {

QKeySequence ctrl(Qt::Key k) { return QKeySequence(Qt::CTRL | k); }
QKeySequence shift(Qt::Key k) { return QKeySequence(Qt::SHIFT | k); }

}  // namespace

CommandMap::CommandMap(QMainWindow* window, QToolBar* tools, Workspace& workspace, CommandHandlers& commands,
                       Guard command, Guard guard, WindowActions actions)
    : window_(window),
      tools_bar_(tools),
      workspace_(workspace),
      commands_(commands),
      command_(std::move(command)),
      guard_(std::move(guard)),
      actions_(std::move(actions)) {
    build();
}

QString CommandMap::text(Msg message) const { return ui_text(message, workspace_.language()); }

void CommandMap::connect_command(QAction* item, std::function<void()> handler) {
    connect_through(item, &QAction::triggered, window_, command_, std::move(handler));
}

QMenu* CommandMap::add_menu(QMenu* parent, const char* name, Msg title, Icon icon) {
    QMenu* menu = parent ? parent->addMenu(text(title)) : window_->menuBar()->addMenu(text(title));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (icon != Icon::none) menu->menuAction()->setIcon(make_icon(icon));
    captioned_.push_back({menu->menuAction(), title});
    return menu;
}

QAction* CommandMap::add_item(QMenu* menu, const char* name, Msg caption, const QList<QKeySequence>& keys,
                              Icon icon, std::function<void()> handler) {
    QAction* item = add_literal_item(menu, name, text(caption), icon, std::move(handler));
    QList<QKeySequence> shortcuts;
    for (const QKeySequence& key : keys) shortcuts << command_key(key);
    item->setShortcuts(shortcuts);
    captioned_.push_back({item, caption});
    return item;
}

QAction* CommandMap::add_literal_item(QMenu* menu, const char* name, const QString& caption, Icon icon,
                                      std::function<void()> handler) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    if (icon != Icon::none) item->setIcon(make_icon(icon));
    if (handler) connect_command(item, std::move(handler));
    return item;
}

QAction* CommandMap::add_option(QMenu* menu, const char* name, Msg title, const QKeySequence& key,
                                bool Options::*field) {
    QAction* item = add_item(menu, name, title, {key}, Icon::none, {});
    item->setCheckable(true);
    // Toggles its own check mark; the commands read the option when they act.
    connect_through(item, &QAction::toggled, window_, guard_, [this, field](bool on) {
        workspace_.set_option(field, on);
        actions_.options_changed();
    });
    option_items_.push_back({item, field});
    return item;
}

QAction* CommandMap::add_tool(const char* name, QAction* item, std::optional<Msg> hint, Icon icon) {
    const QString tip = plain_caption(hint ? text(*hint) : item->text());
    QAction* tool = new QAction(make_icon(icon), tip, window_);
    tool->setObjectName(QString::fromLatin1(name));
    tool->setToolTip(tip);
    // A tool button has no logic of its own: it runs its menu item.
    QObject::connect(tool, &QAction::triggered, item, &QAction::trigger);
    tools_bar_->addAction(tool);
    if (QWidget* button = tools_bar_->widgetForAction(tool)) {
        button->setObjectName(QString::fromLatin1(name));
        // 21 x 21 buttons: all twenty-four and the dividers fit the designed width.
        button->setFixedSize(21, 21);
    }
    tools_.push_back({tool, item, hint});
    return tool;
}

void CommandMap::build() {
    // File
    QMenu* file_menu = add_menu(nullptr, "menu_file", Msg::MenuFile);
    QAction* new_package = add_item(file_menu, "new_package", Msg::NewModify, {ctrl(Qt::Key_N)}, Icon::new_package,
                                 [this] { commands_.new_package(); });
    QAction* open_source = add_item(file_menu, "open_source", Msg::OpenSource, {ctrl(Qt::Key_Q)},
                                        Icon::open_source, [this] { commands_.open_source(); });
    add_item(file_menu, "open_target", Msg::OpenTarget, {ctrl(Qt::Key_O)}, Icon::open_target,
             [this] { commands_.open_target(); });
    QAction* save_target = add_item(file_menu, "save_target", Msg::SaveTarget, {ctrl(Qt::Key_S)},
                                        Icon::save, [this] { commands_.save_target(); });
    add_item(file_menu, "save_target_as", Msg::SaveTargetAs, {}, Icon::save_as,
             [this] { commands_.save_target_as(); });
    file_menu->addSeparator();
    QMenu* menu_export = add_menu(file_menu, "menu_export", Msg::Export, Icon::export_level);
    add_item(menu_export, "export_to_level", Msg::ExportToLevel, {ctrl(Qt::Key_E)}, Icon::export_level,
             [this] { commands_.export_to_level(); });
    recent_divider_ = file_menu->addSeparator();
    recent_divider_->setObjectName(QStringLiteral("recent_divider"));
    recent_divider_->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        QAction* item = file_menu->addAction(make_icon(Icon::new_package), QString());
        item->setObjectName(QStringLiteral("file%1").arg(i + 1));
        item->setVisible(false);
        // A file, not a command: the help's list leaves it out.
        item->setProperty(kNotACommand, true);
        connect_command(item, [this, i] { commands_.open_recent_file(i); });
        recent_items_[i] = item;
    }
    file_menu->addSeparator();
    // Closes exactly as the close box does: the window writes the settings as it closes.
    add_item(file_menu, "exit", Msg::Exit, {}, Icon::exit, [this] { window_->close(); });

    // Edit
    QMenu* edit_menu = add_menu(nullptr, "menu_edit", Msg::MenuEdit);
    undo_item_ = add_item(edit_menu, "undo", Msg::Undo, {ctrl(Qt::Key_Z)}, Icon::undo,
                          [this] { commands_.undo(); });
    undo_item_->setEnabled(false);
    redo_item_ = add_item(edit_menu, "redo", Msg::Redo, {ctrl(Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                         Icon::redo, [this] { commands_.redo(); });
    redo_item_->setEnabled(false);
    edit_menu->addSeparator();
    QAction* cut = add_item(edit_menu, "cut", Msg::Cut, {ctrl(Qt::Key_X)}, Icon::cut,
                               [this] { commands_.cut(); });
    QAction* copy_to_clipboard = add_item(edit_menu, "copy_to_clipboard", Msg::CopyToClipboard, {ctrl(Qt::Key_C)}, Icon::copy,
                               [this] { commands_.copy_to_clipboard(); });
    QAction* paste_from_clipboard = add_item(edit_menu, "paste_from_clipboard", Msg::PasteFromClipboard, {ctrl(Qt::Key_V)}, Icon::paste,
                               [this] { commands_.paste_from_clipboard(); });
    add_item(edit_menu, "select_all", Msg::SelectAll, {ctrl(Qt::Key_A)}, Icon::none, [this] { workspace_.select_all(); });
    edit_menu->addSeparator();
    std::vector<EffectToolSlot> edit_tools = add_effects(EffectMenuRoot::edit, edit_menu);

    // View
    QMenu* view_menu = add_menu(nullptr, "menu_view", Msg::View);
    add_option(view_menu, "grid_visible", Msg::Grid, {QKeySequence(Qt::Key_F9)}, &Options::grid_visible)
        ->setIcon(make_check_icon(Icon::grid));
    // Turned on, it tells why a level's texture use could not be read (through run(): after_command asks).
    connect_through(add_option(view_menu, "view_texuse", Msg::ShowTextureUse, QKeySequence(Qt::Key_F8),
                               &Options::texture_use),
                    &QAction::toggled, window_, command_, [] {});
    history_item_ = add_item(view_menu, "view_history", Msg::HistoryPanel, {}, Icon::history, {});
    history_item_->setCheckable(true);
    // Not F9, the key of the grid since the first version.
    level_item_ = add_item(view_menu, "view_level3d", Msg::LevelIn3D, {QKeySequence(Qt::Key_F7)}, Icon::none,
                           [this] { actions_.level_view(true); });
    level_item_->setCheckable(true);
    add_item(view_menu, "view_preview3d", Msg::PreviewOnLevel, {}, Icon::none,
             [this] { commands_.preview_on_level([this] { actions_.level_view(false); }); });
    view_menu->addSeparator();
    add_item(view_menu, "view_zoomin", Msg::ZoomIn, {ctrl(Qt::Key_Plus), ctrl(Qt::Key_Equal)}, Icon::none,
             [this] { commands_.zoom_command(1); });
    add_item(view_menu, "view_zoomout", Msg::ZoomOut, {ctrl(Qt::Key_Minus)}, Icon::none, [this] { commands_.zoom_command(-1); });
    add_item(view_menu, "view_actualsize", Msg::ActualSize, {ctrl(Qt::Key_0)}, Icon::none, [this] { commands_.zoom_command(0); });

    // Texture
    QMenu* texture_menu = add_menu(nullptr, "menu_texture", Msg::MenuTexture);
    QAction* tx_add = add_item(texture_menu, "tx_add", Msg::Add, {QKeySequence(Qt::Key_Insert)}, Icon::add,
                               [this] { commands_.add_tiles(); });
    QAction* tx_del = add_item(texture_menu, "tx_del", Msg::Delete, {QKeySequence(Qt::Key_Delete)}, Icon::remove,
                               [this] { commands_.delete_tiles(); });
    QAction* tx_copytrans = add_item(texture_menu, "tx_copytrans", Msg::CopyTransparency, {shift(Qt::Key_Insert)},
                                     Icon::copy_transparency, [this] { commands_.copy_transparency(); });
    add_item(texture_menu, "tx_copy", Msg::CopyPackage, {}, Icon::copy_package, [this] { commands_.copy_package(); });
    texture_menu->addSeparator();
    add_item(texture_menu, "find_duplicates", Msg::FindDuplicates, {}, Icon::none, [this] { commands_.find_duplicates(); });
    add_item(texture_menu, "remove_duplicates", Msg::RemoveDuplicates, {}, Icon::none,
             [this] { commands_.remove_duplicates(); });
    add_item(texture_menu, "select_unused", Msg::SelectUnused, {}, Icon::none, [this] { commands_.select_unused(); });

    // Level
    QMenu* level_menu = add_menu(nullptr, "menu_level", Msg::MenuLevel);
    add_item(level_menu, "compact_level", Msg::CompactTextures, {}, Icon::none, [this] { commands_.compact_level(); });

    // Effects
    QMenu* effects_menu = add_menu(nullptr, "menu_effects", Msg::MenuEffects);
    std::vector<EffectToolSlot> effect_tools = add_effects(EffectMenuRoot::effects, effects_menu);

    // Options
    QMenu* options_menu = add_menu(nullptr, "menu_options", Msg::MenuOptions);
    QMenu* language_menu = add_menu(options_menu, "menu_language", Msg::Language, Icon::language);
    auto* languages = new QActionGroup(window_);
    // An item for each registered language, named by its code ("language_pl").
    for (const LanguageInfo& info : language_registry()) {
        const std::string name = "language_" + std::string(info.code);
        const auto handler = [this, language = info.language] { actions_.set_language(language); };
        QAction* item = info.name ? add_item(language_menu, name.c_str(), *info.name, {}, Icon::none, handler)
                                  : add_literal_item(language_menu, name.c_str(),
                                                     QString::fromUtf8(info.native_name.data(),
                                                                       qsizetype(info.native_name.size())),
                                                     Icon::none, handler);
        item->setCheckable(true);
        languages->addAction(item);
        language_items_.push_back({item, info.language});
    }
    options_menu->addSeparator();
    add_option(options_menu, "auto_move", Msg::AutoMove, {ctrl(Qt::Key_F1)}, &Options::automove);
    add_option(options_menu, "correct_transparent_color", Msg::CorrectTransparentColor, {ctrl(Qt::Key_F2)}, &Options::correct_transparent_color);
    add_option(options_menu, "open_8bit", Msg::Open8Bit, {ctrl(Qt::Key_F3)}, &Options::eight_bit);
    connect_command(add_option(options_menu, "flat_look", Msg::XpStyle, {shift(Qt::Key_F1)}, &Options::flat_look),
                    [this] { commands_.follow_flat_look(); });
    add_option(options_menu, "show_coordinates", Msg::ShowCoordinates, {shift(Qt::Key_F2)}, &Options::show_coordinates);
    options_menu->addSeparator();
    add_item(options_menu, "select_color", Msg::SelectGridColor, {shift(Qt::Key_F3)}, Icon::select_color,
             [this] { commands_.choose_select_color(); });
    QMenu* grid_size = add_menu(options_menu, "menu_grid_size", Msg::GridSize, Icon::grid_size);
    auto* grid_group = new QActionGroup(window_);
    const std::array<const char*, 5> grid_names{"grid_8", "grid_16", "grid_32", "grid_64",
                                                "grid_128"};
    const std::array<const char*, 5> grid_captions{"8 x 8", "16 x 16", "32 x 32", "64 x 64",
                                                   "128 x 128"};
    for (int i = 0; i < 5; ++i) {
        grid_items_[i] = add_literal_item(grid_size, grid_names[i], QString::fromLatin1(grid_captions[i]),
                                          Icon::none, [this, i] { commands_.choose_grid_step(kGridSteps[i]); });
        grid_items_[i]->setCheckable(true);
        grid_group->addAction(grid_items_[i]);
    }

    // About
    QMenu* about_menu = add_menu(nullptr, "menu_about", Msg::MenuAbout);
    add_item(about_menu, "help", Msg::HelpTitle, {QKeySequence(Qt::Key_F1)}, Icon::none, [this] {
        (new HelpDialog(window_, window_->menuBar(), workspace_.language()))->show();
    });
    add_item(about_menu, "author", Msg::Author, {}, Icon::author, [this] { commands_.show_author(); });
    add_item(about_menu, "version_history", Msg::VersionHistory, {QKeySequence(Qt::Key_F2)}, Icon::history,
             [this] { commands_.show_version_history(); });
    QMenu* mail = add_menu(about_menu, "menu_correspondence", Msg::Correspondence, Icon::mail);
    add_item(mail, "proposals_mail", Msg::ProposalsMail, {}, Icon::mail, [this] { commands_.write_proposal_mail(); });

    // What the model may refuse: each item follows what it says is available.
    const std::pair<const char*, Operation> gates[] = {
        {"new_package", Operation::new_package},     {"open_source", Operation::open},
        {"open_target", Operation::open},     {"save_target", Operation::save},
        {"save_target_as", Operation::save},   {"export_to_level", Operation::export_level}, {"view_preview3d", Operation::export_level},
        {"undo", Operation::undo},           {"redo", Operation::redo},
        {"cut", Operation::edit_target},       {"copy_to_clipboard", Operation::copy_target},
        {"paste_from_clipboard", Operation::edit_target},       {"tx_add", Operation::edit_target},
        {"tx_del", Operation::edit_target},       {"tx_copytrans", Operation::edit_target},
        {"tx_copy", Operation::edit_target},   {"compact_level", Operation::compact_level}};
    for (const auto& [name, op] : gates)
        gated_.push_back({window_->findChild<QAction*>(QLatin1String(name)), op});
    for (QAction* item : recent_items_) gated_.push_back({item, Operation::open});

    // The tool bar, left to right, with its dividers.
    add_tool("tool_new_package", new_package, std::nullopt, Icon::new_package);
    add_tool("tool_open_source", open_source, std::nullopt, Icon::open_source);
    add_tool("tool_save_target", save_target, std::nullopt, Icon::save);
    tools_bar_->addSeparator();
    undo_tool_ = add_tool("tool_undo", undo_item_, std::nullopt, Icon::undo);
    undo_tool_->setEnabled(false);
    redo_tool_ = add_tool("tool_redo", redo_item_, std::nullopt, Icon::redo);
    redo_tool_->setEnabled(false);
    add_tool("tool_cut", cut, std::nullopt, Icon::cut);
    add_tool("tool_copy_to_clipboard", copy_to_clipboard, std::nullopt, Icon::copy);
    add_tool("tool_paste_from_clipboard", paste_from_clipboard, std::nullopt, Icon::paste);
    tools_bar_->addSeparator();
    add_tool("tool_add", tx_add, std::nullopt, Icon::add);
    add_tool("tool_del", tx_del, std::nullopt, Icon::remove);
    add_tool("tool_copytrans", tx_copytrans, std::nullopt, Icon::copy_transparency);
    // The effects' buttons in menu order, a group for each menu.
    for (const auto* group : {&edit_tools, &effect_tools}) {
        tools_bar_->addSeparator();
        for (const auto& [item, tool] : *group) add_tool(tool->name, item, tool->hint, tool->icon);
    }
}

void CommandMap::sync() {
    for (const auto& [item, op] : gated_) item->setEnabled(workspace_.available(op));
    // A tool button is what its item is.
    for (const Tool& t : tools_) t.tool->setEnabled(t.item->isEnabled());
    sync_undo_captions();

    const auto& entries = workspace_.files().recent().entries();
    for (int i = 0; i < int(recent_items_.size()); ++i) {
        QAction* item = recent_items_[i];
        if (i < int(entries.size())) {
            // The caption shows the path; "&" would turn into an accelerator mark.
            QString caption = qt_file_name(entries[i]);
            caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
            item->setText(caption);
            item->setVisible(true);
        } else {
            item->setText(QString());
            item->setVisible(false);
        }
    }
    recent_divider_->setVisible(workspace_.files().recent().visible());
}

void CommandMap::sync_options() {
    const Options& o = workspace_.options();
    for (const OptionItem& item : option_items_) {
        const QSignalBlocker quiet(item.action);
        item.action->setChecked(o.*item.field);
    }
    // The radio items are set with their signals on: their groups must see
    // which item is checked. Only their triggers run handlers.
    bool any = false;
    for (std::size_t i = 0; i < kGridSteps.size(); ++i) {
        grid_items_[i]->setChecked(kGridSteps[i] == o.grid_step);
        any = any || kGridSteps[i] == o.grid_step;
    }
    if (!any) grid_items_[grid_step_index(kDefaultGridStep)]->setChecked(true);
    check_language(o.language);
}

void CommandMap::set_language(Language language) {
    for (const Captioned& c : captioned_) c.action->setText(ui_text(c.caption, language));
    for (const Tool& t : tools_) {
        const QString hint = plain_caption(t.hint ? ui_text(*t.hint, language) : t.item->text());
        t.tool->setToolTip(hint);
        t.tool->setText(hint);
    }
    check_language(language);
    sync_undo_captions();
}

void CommandMap::check_language(Language language) {
    for (const auto& [item, its_language] : language_items_) item->setChecked(its_language == language);
}

void CommandMap::sync_undo_captions() {
    // "Undo Rotate 90 degrees": the item names the step it takes.
    const Language language = workspace_.language();
    // The item keeps its mnemonic; the step's name shows without one.
    const auto caption = [&](Msg plain, Msg named, const std::optional<Phrase>& step) {
        if (!step) return ui_text(plain, language);
        const std::string_view pattern = text_of(named, language);
        return QString::fromStdString(fill_pattern(pattern, {step->text(language)}));
    };
    undo_item_->setText(caption(Msg::Undo, Msg::UndoStep, workspace_.document().undo_name()));
    redo_item_->setText(caption(Msg::Redo, Msg::RedoStep, workspace_.document().redo_name()));
    for (const Tool& t : tools_)
        if (t.item == undo_item_ || t.item == redo_item_) {
            t.tool->setText(plain_caption(t.item->text()));
            t.tool->setToolTip(t.tool->text());
        }
}

}  // namespace tilesmith
