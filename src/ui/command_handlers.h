// The handlers of the window's commands: each asks the model, then shows what
// it answered. They run inside the window's barrier, which shows any error in
// the general error box and then the state the model holds now.
#pragma once
#include <QColor>
#include <QString>
#include <functional>
#include <string>

#include "core/job.h"
#include "core/progress.h"
#include "effects/effect_registry.h"
#include "model/workspace.h"
#include "ui/last_folders.h"

class QWidget;

namespace tilesmith {

class AuthorDialog;
class DialogHost;
class HistoryDialog;
class JobControl;
class NewPackageDialog;
class StatusPanels;

// The dialogs the commands show; any may be null.
struct Forms {
    NewPackageDialog* new_package = nullptr;
    AuthorDialog* author = nullptr;
    HistoryDialog* history = nullptr;
};

class CommandHandlers {
public:
    using Routine = BoundEffect;

    CommandHandlers(QWidget* window, Workspace& workspace, DialogHost& host, LastFolders& folders, StatusPanels& status,
             JobControl& jobs);

    void set_forms(const Forms& forms) { forms_ = forms; }
    // The next open command reads this file instead of asking (recent item,
    // command line, drop); it lives for that one command.
    void set_pending_file(const QString& file) { pending_file_name_ = file; }

    // "Save changes?" when the target has unsaved work, before the window
    // closes: `then` once it is settled (discarded at once, or saved by a job
    // that wrote it); never when the user cancels or nothing was written.
    void settle_unsaved_target(std::function<void()> then);
    // The one question a step replacing the whole target asks: it is too
    // large for the history, which it would empty. None when it fits.
    std::optional<QString> whole_target_question() const;

    void new_package();
    void open_source();
    void open_target();
    // `saved`: told once the target is written.
    void save_target(std::function<void()> saved = {});
    void save_target_as(std::function<void()> saved = {});
    void export_to_level();
    // The target on the rooms of a base level chosen as for an export; `shown`
    // brings the 3D view up once the rooms are read.
    void preview_on_level(std::function<void()> shown);
    // Level > Compact textures: the level of Workspace::compaction_side
    // planned on the worker, its counts shown with the choice to go on, the
    // copy's name asked as for an export, the copy written as a job; then
    // the offer to open it in the pane the level came from.
    void compact_level();
    void open_recent_file(int index);
    void undo() { workspace_.edits().undo(); }
    void redo() { workspace_.edits().redo(); }
    void cut();
    void copy_to_clipboard();
    void paste_from_clipboard();
    void add_tiles();
    void delete_tiles() { tile_command([this] { workspace_.edits().tx_del(); }); }
    void copy_transparency() { tile_command([this] { workspace_.edits().tx_copytrans(); }); }
    void copy_package();
    // Find duplicates (asks the tolerance), Remove duplicate tiles, Select
    // unused tiles; the status bar counts what they marked or removed.
    void find_duplicates();
    void remove_duplicates();
    void select_unused();
    // An effect as the undo step `name`.
    void effect(const Phrase& name, const Routine& routine);
    // An effect item whose last parameter is a colour: asks the colour chooser,
    // offering the last confirmed colour, and runs the item with it.
    void effect_asking_colour(const Phrase& name, const Effect& effect, const EffectItem& item);
    void zoom_command(int direction) { workspace_.views().zoom_step(direction); }
    void follow_flat_look();
    void choose_select_color();
    // A grid size item: `step` pixels, else a tile.
    void choose_grid_step(int step) { workspace_.set_grid_step(step); }
    void show_author();
    void show_version_history();
    void write_proposal_mail();

private:
    // The base level of an export or a preview, asked for and checked against
    // the target on the worker; `taken` is told the base the check accepted
    // (cancelled or refused: never; the user was told why).
    void choose_base_level(std::function<void(const QString& base)> taken);
    // The export's output asked for, then the export into `base` as a job.
    void export_into(const QString& base);
    // The compaction's question, then the copy's name and the copy written.
    void compact_into_copy(Side side, const CompactionPreview& preview);
    // The pending name, taken for one command.
    QString take_pending_file();
    QString text(Msg message) const;
    QString text(const Phrase& phrase) const;
    void open_file(const std::string& file, Side side);
    // The file an open command reads: the pending name or the one chosen in
    // the open dialog of `slot`'s folder.
    QString file_to_open(const QString& pending, FolderSlot slot);
    // The refusal of an open in the current language, or the full gauge.
    // With texture use shown, a note about the level's use joins it.
    void show_open_answer(Side side, const OpenAnswer& answer);
    // A step too large for the history empties it: true when it may be taken
    // (it fits, or the user said yes to the question).
    bool step_fits(bool whole_target);
    bool step_fits(const std::optional<Phrase>& warning);
    void tile_command(const std::function<void()>& command);
    // Save and Save As: writes the target to `name` after the questions its
    // type asks (a JPEG loses the transparent colour), as a job; Save As also
    // keeps the type for the next one; `saved` is told once it is written.
    void save_to(const QString& name, bool as, std::function<void()> saved);

    QWidget* window_;
    Workspace& workspace_;
    DialogHost& host_;
    LastFolders& folders_;
    StatusPanels& status_;
    JobControl& jobs_;
    Forms forms_;
    QString pending_file_name_;
    QColor diaphragm_color_{Qt::black};
    // Find duplicates offers the tolerance last given.
    int tolerance_ = 0;
    // The save dialog of the export keeps its last filter and suffix.
    QString export_filter_, export_suffix_;
};

}  // namespace tilesmith
