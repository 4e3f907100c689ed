// The handlers of the window's commands: each asks the model, then shows what it answered.
#include "ui/command_handlers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "model/file_kinds.h"
#include "model/tile_match.h"
#include "strings/messages.h"
#include "strings/strings.h"
#include "ui/clipboard.h"
#include "ui/dialog_host.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/feedback.h"
#include "ui/file_name_text.h"
#include "ui/flat_look.h"
#include "ui/job_control.h"
#include "ui/pane.h"
#include "ui/progress.h"
#include "ui/qt_texts.h"
#include "ui/status_panels.h"

namespace tilesmith {

namespace {

// The file dialogs' filters come from the format registry.
QString filter_text(const std::string& filter) { return QString::fromStdString(filter); }

}  // namespace

CommandHandlers::CommandHandlers(QWidget* window, Workspace& workspace, DialogHost& host, LastFolders& folders,
                   StatusPanels& status, JobControl& jobs)
    : window_(window), workspace_(workspace), host_(host), folders_(folders), status_(status), jobs_(jobs) {}

QString CommandHandlers::text(Msg message) const { return ui_text(message, workspace_.language()); }
QString CommandHandlers::text(const Phrase& phrase) const { return ui_text(phrase, workspace_.language()); }

void CommandHandlers::settle_unsaved_target(std::function<void()> then) {
    if (!workspace_.document().modified()) {
        then();
        return;
    }
    switch (host_.save_changes(window_, text(Msg::SaveChangesQuestion))) {
        case SaveAnswer::discard: then(); return;
        case SaveAnswer::cancel: return;
        case SaveAnswer::save:
            // Save as when the target has no name; cancelling that dialog, or
            // a save that writes nothing, cancels the whole command.
            save_target([this, then] {
                if (!workspace_.document().modified()) then();
            });
            return;
    }
}

void CommandHandlers::new_package() {
    // A new or resized package is an undo step like any other: the work it
    // replaces comes back with Undo, so nothing is asked here.
    if (!forms_.new_package) return;
    const Package& target = workspace_.document().target();
    forms_.new_package->open_dialog(target.width(), target.height(), workspace_.view(Side::target).selection());
}

std::optional<QString> CommandHandlers::whole_target_question() const {
    const auto warning = workspace_.edits().history_warning(true);
    return warning ? std::optional<QString>(text(*warning)) : std::nullopt;
}

QString CommandHandlers::take_pending_file() {
    QString name;
    name.swap(pending_file_name_);
    return name;
}

void CommandHandlers::open_source() {
    // A pending name (recent item, command line, drop) opens without the
    // dialog; it lives for this one command, also when the read fails.
    const QString name = file_to_open(take_pending_file(), FolderSlot::source);
    if (!name.isEmpty()) open_file(core_file_name(name), Side::source);
}

void CommandHandlers::open_target() {
    // The opened target is an undo step: Undo brings back the work it
    // replaced, unsaved mark and file name included, so nothing is asked.
    const QString name = file_to_open(take_pending_file(), FolderSlot::target);
    if (!name.isEmpty()) open_file(core_file_name(name), Side::target);
}

void CommandHandlers::open_file(const std::string& file, Side side) {
    // Opening a target replaces it as one step: a step too large for the history empties it.
    if (side == Side::target && !step_fits(true)) return;
    // Read aside on the worker; only the window's thread takes it in.
    jobs_.run(workspace_.files().open(side, file, [this, side](const OpenAnswer& answer) {
        // Kept at once: the list of a run that ends badly is not lost.
        if (answer.recognised && !answer.refusal) folders_.remember_recent(workspace_.files().recent());
        show_open_answer(side, answer);
    }));
}

bool CommandHandlers::step_fits(bool whole_target) {
    return step_fits(workspace_.edits().history_warning(whole_target));
}

bool CommandHandlers::step_fits(const std::optional<Phrase>& warning) {
    return !warning || host_.question(window_, text(*warning));
}

QString CommandHandlers::file_to_open(const QString& pending, FolderSlot slot) {
    if (!pending.isEmpty()) return pending;
    const QString name =
        host_.open_file(window_, filter_text(open_dialog_filter(workspace_.language())), folders_.folder(slot));
    folders_.remember(slot, name);
    return name;
}

void CommandHandlers::show_open_answer(Side side, const OpenAnswer& answer) {
    if (!answer.note) return;
    // A level cut off in its pages cannot be walked either: with texture use
    // shown, what that costs is told in the same box, not in a second one.
    QString words = text(*answer.note);
    if (workspace_.options().texture_use)
        if (const std::optional<Phrase> use = workspace_.origins().take_use_note(side))
            words += QStringLiteral("\n\n") + text(*use);
    host_.warning(window_, words);
}

void CommandHandlers::save_target(std::function<void()> saved) {
    if (workspace_.document().target_file_name().empty()) {
        save_target_as(std::move(saved));
        return;
    }
    save_to(qt_file_name(workspace_.document().target_file_name()), false,
            std::move(saved));
}

void CommandHandlers::save_target_as(std::function<void()> saved) {
    const QString filter = filter_text(save_dialog_filter(workspace_.language()));
    // The dialog proposes the target's own file, of its type. A target read
    // from a file no writer takes (a level) proposes that name in the type
    // saved last; an untitled one starts where the last save went.
    QString type = folders_.save_type();
    QString start = folders_.folder(FolderSlot::save);
    const std::string& own = workspace_.document().target_file_name();
    const std::string& read_from = own.empty() ? workspace_.origins().file_of(Side::target) : own;
    if (!read_from.empty()) {
        const QFileInfo file(qt_file_name(read_from));
        if (!own.empty()) type = QLatin1Char('.') + file.suffix().toLower();
        if (type.isEmpty()) type = QLatin1Char('.') + QString::fromStdString(save_dialog_suffix());
        start = own.empty() ? file.dir().filePath(file.completeBaseName() + type) : file.absoluteFilePath();
    }
    const QString line = QString::fromStdString(save_dialog_line(type.toStdString(), workspace_.language()));
    const QString name =
        host_.save_file(window_, filter, QString::fromStdString(save_dialog_suffix()), start, line);
    if (name.isEmpty()) return;
    folders_.remember(FolderSlot::save, name);
    save_to(name, true, std::move(saved));
}

void CommandHandlers::save_to(const QString& name, bool as, std::function<void()> saved) {
    const std::string file = core_file_name(name);
    if (const auto loss = workspace_.files().save_question(file))
        if (!host_.confirm(window_, text(*loss), text(Msg::SaveAnyway), text(Msg::Cancel))) return;
    jobs_.run(workspace_.files().save(file, [this, name, as, saved = std::move(saved)](bool written) {
        if (!written) {
            host_.warning(window_, text(Msg::ExtensionNotWritten).arg(QString::fromStdString(written_extensions())));
            return;
        }
        status_.note_written(name);
        if (as) folders_.remember_save_type(QLatin1Char('.') + QFileInfo(name).suffix().toLower());
        if (saved) saved();
    }));
}

void CommandHandlers::choose_base_level(std::function<void(const QString& base)> taken) {
    // Each file dialog says what it asks for in its title.
    const QString base = host_.open_file(window_, filter_text(export_base_filter_text(workspace_.language())),
                                         folders_.folder(FolderSlot::export_base), text(Msg::SelectBaseLevel));
    if (base.isEmpty()) return;
    folders_.remember(FolderSlot::export_base, base);
    // A base that cannot take the package is refused before anything else is
    // asked; the base is read on the worker.
    jobs_.run(workspace_.files().check_export_base(
        core_file_name(base), [this, base, taken = std::move(taken)](const std::optional<Phrase>& refusal) {
            if (refusal) host_.warning(window_, text(*refusal));
            else taken(base);
        }));
}

void CommandHandlers::preview_on_level(std::function<void()> shown) {
    choose_base_level([this, shown = std::move(shown)](const QString& base) {
        jobs_.run(workspace_.files().preview_on(core_file_name(base), shown));
    });
}

void CommandHandlers::export_to_level() {
    choose_base_level([this](const QString& base) { export_into(base); });
}

void CommandHandlers::export_into(const QString& base) {
    const Language language = workspace_.language();
    // The save dialog follows the base's extension; for one no exporter takes
    // it keeps what it had.
    if (const auto choice = export_output_dialog(core_file_name(base), language)) {
        export_filter_ = filter_text(choice->filter);
        export_suffix_ = QString::fromStdString(choice->suffix);
    } else if (export_filter_.isEmpty()) {
        export_filter_ = filter_text(export_base_filter_text(language));
        export_suffix_ = QString::fromStdString(export_base_suffix());
    }
    const QString output = host_.save_file(window_, export_filter_, export_suffix_,
                                           folders_.folder(FolderSlot::export_output), {}, text(Msg::SelectOutputFile));
    if (output.isEmpty()) return;
    folders_.remember(FolderSlot::export_output, output);
    jobs_.run(workspace_.files().export_level(core_file_name(output), core_file_name(base), [this, output](const ExportOutcome& outcome) {
        if (outcome.refusal) host_.warning(window_, text(*outcome.refusal));
        // What the export changed stays in sight until the next command.
        else status_.note_written(output, outcome.note, true);
    }));
}

void CommandHandlers::compact_level() {
    const std::optional<Side> side = workspace_.compaction_side();
    if (!side) return;
    jobs_.run(workspace_.files().plan_compaction(
        workspace_.origins().file_of(*side),
        [this, side = *side](const CompactionPreview& preview) { compact_into_copy(side, preview); }));
}

void CommandHandlers::compact_into_copy(Side side, const CompactionPreview& preview) {
    QStringList lines;
    for (const Phrase& line : compaction_sentences(preview)) lines << text(line);
    // The level named, a blank line, then the counts.
    lines.insert(1, QString());
    if (!host_.confirm(window_, lines.join(QLatin1Char('\n')), text(Msg::CompactButton), text(Msg::Cancel))) return;
    // The save dialog of an export into this level: its type, the export's
    // folder (at first the level's own), the level's name marked as compacted.
    const Language language = workspace_.language();
    QString filter = filter_text(export_base_filter_text(language));
    QString suffix = QString::fromStdString(export_base_suffix());
    if (const auto choice = export_output_dialog(preview.level, language)) {
        filter = filter_text(choice->filter);
        suffix = QString::fromStdString(choice->suffix);
    }
    const QString level = qt_file_name(preview.level);
    QString folder = folders_.folder(FolderSlot::export_output);
    if (folder.isEmpty()) folder = QFileInfo(level).absolutePath();
    const QString start =
        QDir(folder).filePath(qt_file_name(compacted_copy_name(preview.level)));
    const QString output = host_.save_file(window_, filter, suffix, start, {}, text(Msg::CompactOutputTitle));
    if (output.isEmpty()) return;
    folders_.remember(FolderSlot::export_output, output);
    jobs_.run(workspace_.files().compact_level(
        preview.level, core_file_name(output), [this, side, output](const CompactionSummary& summary) {
            status_.note_written(output, compaction_summary(summary), true);
            const Msg offer = side == Side::source ? Msg::OpenCopyAsSource : Msg::OpenCopyAsTarget;
            if (host_.question(window_, text(Phrase(offer).arg(QFileInfo(output).fileName().toStdString()))))
                open_file(core_file_name(output), side);
        }));
}

void CommandHandlers::open_recent_file(int index) {
    // The real path kept by the list, never the caption the menu shows.
    const auto& entries = workspace_.files().recent().entries();
    if (index < 0 || index >= int(entries.size())) return;
    pending_file_name_ = qt_file_name(entries[std::size_t(index)]);
    open_source();
}

void CommandHandlers::cut() {
    if (!step_fits(false)) return;
    // Cut takes from the target, whichever pane was clicked last.
    put_tile_on_clipboard(workspace_.edits().copy_selection(Side::target));
    workspace_.edits().tx_del(Msg::Cut);
}

void CommandHandlers::copy_to_clipboard() { put_tile_on_clipboard(workspace_.edits().copy_selection(workspace_.views().last_clicked())); }

void CommandHandlers::paste_from_clipboard() {
    // Anything but an image on the clipboard: no change and no undo step.
    // Only the part the package has room for is converted.
    if (const std::optional<Package> image =
            image_from_clipboard(workspace_.edits().paste_room_width(), workspace_.edits().paste_room_height()))
        if (step_fits(workspace_.edits().paste_warning(image->width(), image->height())))
            workspace_.edits().paste_into_target(*image);
}

void CommandHandlers::add_tiles() {
    if (!step_fits(false)) return;
    if (const auto left_out = workspace_.edits().tx_add()) host_.warning(window_, text(*left_out));
}

void CommandHandlers::copy_package() {
    // One undo step, also when the target takes the source's size: asked only
    // when it is too large for the history, which it then empties.
    if (step_fits(true)) workspace_.edits().tx_copy();
}

void CommandHandlers::find_duplicates() {
    const std::optional<int> tolerance =
        host_.ask_number(window_, text(Msg::DuplicatesRule) + QLatin1Char('\n') + text(Msg::ToleranceLabel), tolerance_, 0,
                         kMaxTolerance);
    if (!tolerance) return;
    tolerance_ = *tolerance;
    const int marked = workspace_.edits().mark_duplicates(workspace_.views().last_clicked(), tolerance_);
    status_.note(Phrase(Msg::TilesMarked).arg(marked));
}

void CommandHandlers::remove_duplicates() {
    if (!step_fits(true)) return;
    status_.note(Phrase(Msg::DuplicatesRemoved).arg(workspace_.edits().remove_duplicate_tiles()));
}

void CommandHandlers::select_unused() {
    const Side side = workspace_.views().last_clicked();
    if (const std::optional<Phrase> why = workspace_.origins().take_use_note(side)) {
        host_.warning(window_, text(*why));
        return;
    }
    if (!workspace_.origins().texture_use(side)) {
        host_.information(window_, text(Msg::TextureUseOnlyInLevels));
        return;
    }
    status_.note(Phrase(Msg::TilesMarked).arg(workspace_.edits().mark_unused(side)));
}

void CommandHandlers::effect(const Phrase& name, const Routine& routine) {
    const Rect selected = workspace_.view(Side::target).selection();
    if (const auto refusal = routine.refusal(selected.width(), selected.height())) {
        host_.warning(window_, text(*refusal));
        return;
    }
    if (!step_fits(false)) return;
    // A copy of the selection on the worker (or here, when it is small); one undo step here.
    jobs_.run(workspace_.edits().effect(name, [routine](Package& package, const Rect& a, Progress& progress) {
        routine(package, EffectArea{a.left, a.top, a.width(), a.height()}, progress);
    }));
}

void CommandHandlers::tile_command(const std::function<void()>& command) {
    if (step_fits(false)) command();
}

void CommandHandlers::effect_asking_colour(const Phrase& name, const Effect& e, const EffectItem& item) {
    // Cancel: no undo entry, nothing changes.
    const QColor chosen = host_.choose_color(window_, diaphragm_color_);
    if (!chosen.isValid()) return;
    diaphragm_color_ = chosen;
    const EffectCall call = parse_effect(item_call(e, item, to_packed(chosen)));
    if (!call.run) throw std::logic_error(call.error);
    effect(name, call.run);
}

void CommandHandlers::follow_flat_look() {
    const bool on = workspace_.options().flat_look;
    apply_flat_look(window_, on);
    apply_flat_look(forms_.new_package, on);
    apply_flat_look(forms_.history, on);
}

void CommandHandlers::choose_select_color() {
    const QColor chosen = host_.choose_color(window_, to_qcolor(workspace_.options().select_color));
    if (chosen.isValid()) workspace_.set_select_color(to_packed(chosen));
}

void CommandHandlers::show_author() {
    if (forms_.author) forms_.author->show_dialog();
}

void CommandHandlers::show_version_history() {
    if (forms_.history) forms_.history->show_dialog();
}

void CommandHandlers::write_proposal_mail() {
    const QString address = feedback_address();
    // A build without an address says where problems are reported, as the README does.
    if (address.isEmpty()) {
        host_.information(window_, text(Msg::ProblemsReported));
        return;
    }
    const QByteArray subject = QUrl::toPercentEncoding(text(Msg::MailSubject));
    if (!host_.open_link(QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + QString::fromLatin1(subject)))
        host_.information(window_, text(Msg::MailAddress).arg(address));
}

}  // namespace tilesmith
