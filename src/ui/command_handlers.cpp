// The handlers of the window's commands: each asks the model, then shows what it answered.
#include "ui/command_handlers.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "formats/export_check.h"
#include "formats/format_registry.h"
#include "formats/level_export.h"
#include "formats/save_checks.h"
#include "formats/dispatch.h"
#include "strings/messages.h"
#include "strings/strings.h"
#include "ui/clipboard.h"
#include "ui/dialog_host.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/flat_look.h"
#include "ui/job_control.h"
#include "ui/job_runner.h"
#include "ui/pane.h"
#include "ui/progress.h"
#include "ui/qt_texts.h"
#include "ui/status_panels.h"

namespace tilesmith {

namespace {

// The file dialogs' filters come from the format registry.
QString filter_text(const std::string& filter) { return QString::fromStdString(filter); }

std::string local_path(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Clears a string when the command ends, however it ends.
struct ClearOnExit {
    QString& s;
    ~ClearOnExit() { s.clear(); }
};

}  // namespace

CommandHandlers::CommandHandlers(QWidget* window, Workspace& workspace, DialogHost& host, LastFolders& folders,
                   StatusPanels& status, JobControl& jobs)
    : window_(window), workspace_(workspace), host_(host), folders_(folders), status_(status), jobs_(jobs) {}

QString CommandHandlers::text(Msg message) const { return ui_text(message, workspace_.language()); }
QString CommandHandlers::text(const Phrase& phrase) const { return ui_text(phrase, workspace_.language()); }

bool CommandHandlers::settle_unsaved_target() {
    if (!workspace_.target_modified()) return true;
    switch (host_.save_changes(window_, text(Msg::SaveChangesQuestion))) {
        case SaveAnswer::discard: return true;
        case SaveAnswer::cancel: return false;
        case SaveAnswer::save:
            // Save as when the target has no name; cancelling that dialog
            // cancels the whole command.
            plik_savetargetClick(true);
            return !workspace_.target_modified();
    }
    return false;
}

void CommandHandlers::plik_newClick() {
    // A new package replaces the target: unsaved work is settled first.
    if (!settle_unsaved_target() || !forms_.new_package) return;
    const Package& target = workspace_.target_package();
    forms_.new_package->open_dialog(target.width(), target.height(), workspace_.selected_target_rect());
}

void CommandHandlers::plik_opensourceClick() {
    // A pending name (recent item, command line, drop) opens without the
    // dialog; it lives for this one command, also when the read fails.
    ClearOnExit clear{pending_file_name_};
    const QString name = file_to_open(FolderSlot::source);
    if (!name.isEmpty()) open_file(local_path(name), Side::source);
}

void CommandHandlers::plik_opentargetClick() {
    ClearOnExit clear{pending_file_name_};
    // Unsaved work is settled before anything replaces it.
    if (!settle_unsaved_target()) return;
    const QString name = file_to_open(FolderSlot::target);
    if (!name.isEmpty()) open_file(local_path(name), Side::target);
}

void CommandHandlers::open_file(const std::string& file, Side side) {
    // Read aside on the worker; only the window's thread takes it in.
    jobs_.run(
        [this, file, side, reader = workspace_.reader_options()](Progress& progress) -> Job::Commit {
            auto opened = std::make_shared<OpenedFile>(Workspace::read_aside(file, reader, progress));
            return [this, side, opened] {
                const OpenAnswer answer = side == Side::target ? workspace_.commit_target(std::move(*opened))
                                                               : workspace_.commit_source(std::move(*opened));
                // Kept at once: the list of a run that ends badly is not lost.
                folders_.remember_recent(workspace_.recent());
                show_open_answer(answer);
            };
        },
        is_small_file(file));
}

QString CommandHandlers::file_to_open(FolderSlot slot) {
    if (!pending_file_name_.isEmpty()) return pending_file_name_;
    const QString name =
        host_.open_file(window_, filter_text(open_filter(workspace_.language())), folders_.folder(slot));
    folders_.remember(slot, name);
    return name;
}

void CommandHandlers::show_open_answer(const OpenAnswer& answer) {
    if (answer.note) host_.warning(window_, text(*answer.note));
}

void CommandHandlers::plik_savetargetClick(bool here) {
    if (workspace_.target_file_name().empty()) {
        plik_savetargetasClick(here);
        return;
    }
    save_to(QFile::decodeName(QByteArray::fromStdString(workspace_.target_file_name())), false, here);
}

void CommandHandlers::plik_savetargetasClick(bool here) {
    const QString filter = filter_text(save_filter(workspace_.language()));
    // The dialog starts on the type saved last.
    const QString last = QString::fromStdString(save_filter_line(folders_.save_type().toStdString(), workspace_.language()));
    const QString name = host_.save_file(window_, filter, QString::fromStdString(default_suffix(FormatRole::write)),
                                         folders_.folder(FolderSlot::save), last);
    if (name.isEmpty()) return;
    folders_.remember(FolderSlot::save, name);
    save_to(name, true, here);
}

void CommandHandlers::save_to(const QString& name, bool as, bool here) {
    const std::string file = local_path(name);
    if (const auto loss = transparency_loss_question(file, workspace_.target_package()))
        if (!host_.confirm(window_, text(*loss), text(Msg::SaveAnyway), text(Msg::Cancel))) return;
    // The job writes a copy: the target stays the window's alone.
    jobs_.run(
        [this, file, name, as, target = workspace_.target_snapshot()](Progress& progress) -> Job::Commit {
            const bool written = write_package(file, *target, progress);
            return [this, file, name, as, written] {
                if (!written) {
                    say_extension_not_written();
                    return;
                }
                workspace_.commit_saved(file);
                status_.note_written(name);
                if (as) folders_.remember_save_type(QLatin1Char('.') + QFileInfo(name).suffix().toLower());
            };
        },
        here || is_small_package(workspace_.target_package()));
}

void CommandHandlers::say_extension_not_written() {
    QStringList extensions;
    for (const std::string_view e : extensions_for(FormatRole::write))
        extensions << QString::fromUtf8(e.data(), qsizetype(e.size()));
    host_.warning(window_, text(Msg::ExtensionNotWritten).arg(extensions.join(QStringLiteral(", "))));
}

void CommandHandlers::ex_tr2345Click() {
    const Language language = workspace_.language();
    // Each file dialog says what it asks for in its title.
    const QString base = host_.open_file(window_, filter_text(export_base_filter(language)),
                                         folders_.folder(FolderSlot::export_base), text(Msg::SelectBaseLevel));
    if (base.isEmpty()) return;
    folders_.remember(FolderSlot::export_base, base);
    // A base that cannot take the package is refused before the output is asked for.
    if (const auto why = export_base_refusal(local_path(base), workspace_.target_package())) {
        host_.warning(window_, text(*why));
        return;
    }
    // The save dialog follows the base's extension; for one no exporter takes
    // it keeps what it had.
    if (const auto choice = export_output_choice(file_extension(local_path(base)), language)) {
        export_filter_ = filter_text(choice->filter);
        export_suffix_ = QString::fromStdString(choice->suffix);
    } else if (export_filter_.isEmpty()) {
        export_filter_ = filter_text(export_base_filter(language));
        export_suffix_ = QString::fromStdString(default_suffix(FormatRole::export_base));
    }
    const QString output = host_.save_file(window_, export_filter_, export_suffix_,
                                           folders_.folder(FolderSlot::export_output), {}, text(Msg::SelectOutputFile));
    if (output.isEmpty()) return;
    folders_.remember(FolderSlot::export_output, output);
    jobs_.run(
        [this, out = local_path(output), base = local_path(base), output,
         target = workspace_.target_snapshot(), ttcolor = workspace_.options().ttcolor](Progress& progress) -> Job::Commit {
            // The export fills most of the gauge, the note of what changed the rest.
            progress.reset(1000);
            ProgressShare writing(progress, 0, 800), noting(progress, 800, 1000);
            const ExportResult result = export_level(out, base, *target, writing);
            // What the export changed among the tiles the level maps.
            const auto note = refusal_message(result) ? std::nullopt
                                                      : Workspace::export_note(base, *target, ttcolor, noting);
            return [this, result, output, note] {
                if (const auto refusal = refusal_message(result)) host_.warning(window_, text(*refusal));
                else status_.note_written(output, note ? text(*note) : QString());
            };
        },
        is_small_package(workspace_.target_package()));
}

void CommandHandlers::recent_fileClick(int index) {
    // The real path kept by the list, never the caption the menu shows.
    const auto& entries = workspace_.recent().entries();
    if (index < 0 || index >= int(entries.size())) return;
    pending_file_name_ = QFile::decodeName(QByteArray::fromStdString(entries[std::size_t(index)]));
    plik_opensourceClick();
}


void CommandHandlers::ed_cutClick() {
    // Cut takes from the target, whichever pane was clicked last.
    put_tile_on_clipboard(workspace_.copy_selection(Side::target));
    tx_delClick();
}

void CommandHandlers::ed_ctcClick() { put_tile_on_clipboard(workspace_.copy_selection(workspace_.last_clicked())); }

void CommandHandlers::ed_pfcClick() {
    // Anything but an image on the clipboard: no change and no undo step.
    // Only the part the package has room for is converted.
    if (const std::optional<Package> image =
            image_from_clipboard(workspace_.paste_room_width(), workspace_.paste_room_height()))
        workspace_.paste_into_target(*image);
}

void CommandHandlers::tx_addClick() {
    if (const auto left_out = workspace_.tx_add()) host_.warning(window_, text(*left_out));
}

void CommandHandlers::tx_copyClick() {
    if (!host_.question(window_, text(Msg::CopyPackageQuestion))) return;
    if (workspace_.tx_copy_sizes_differ() && !host_.question(window_, text(Msg::TakeSourceSizeQuestion)))
        return;
    workspace_.tx_copy();
}

void CommandHandlers::effect(const Routine& routine) {
    const Rect selected = workspace_.selected_target_rect();
    if (const auto refusal = routine.refusal(selected.width(), selected.height())) {
        host_.warning(window_, text(*refusal));
        return;
    }
    const auto on_area = [routine](Package& package, const Rect& a, Progress& progress) {
        routine(package, EffectArea{a.left, a.top, a.width(), a.height()}, progress);
    };
    if (workspace_.effect_tiles() <= kSmallEffectTiles) {
        workspace_.apply_effect([&](Package& package, const Rect& a) { on_area(package, a, status_.gauge()); });
        status_.gauge().clear();
        return;
    }
    // A copy of the selection on the worker; one undo step here.
    jobs_.start([this, on_area, region = std::make_shared<EffectRegion>(workspace_.effect_region())](
                  Progress& progress) -> Job::Commit {
        Workspace::effect_aside(*region, [&](Package& package, const Rect& a) { on_area(package, a, progress); });
        return [this, region] { workspace_.commit_effect(std::move(*region)); };
    });
}

void CommandHandlers::effect_asking_colour(const Effect& e, const EffectItem& item) {
    // Cancel: no undo entry, nothing changes.
    const QColor chosen = host_.choose_color(window_, lm_color_);
    if (!chosen.isValid()) return;
    lm_color_ = chosen;
    const EffectCall call = parse_effect(item_call(e, item, to_packed(chosen)));
    if (!call.run) throw std::logic_error(call.error);
    effect(call.run);
}

void CommandHandlers::opcje_xpClick() {
    const bool on = workspace_.options().xp;
    apply_flat_look(window_, on);
    apply_flat_look(forms_.new_package, on);
    apply_flat_look(forms_.history, on);
}

void CommandHandlers::opcje_selectcolorClick() {
    const QColor chosen = host_.choose_color(window_, to_qcolor(workspace_.options().select_color));
    if (chosen.isValid()) workspace_.set_select_color(to_packed(chosen));
}

void CommandHandlers::info_autorClick() {
    if (forms_.author) forms_.author->show_dialog();
}

void CommandHandlers::info_hisClick() {
    if (forms_.history) forms_.history->show_dialog();
}

void CommandHandlers::info_mailClick() {
    const QString address = QString::fromLatin1(AuthorDialog::kFeedbackAddress);
    const QByteArray subject = QUrl::toPercentEncoding(text(Msg::MailSubject));
    if (!host_.open_link(QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + QString::fromLatin1(subject)))
        host_.information(window_, text(Msg::MailAddress).arg(address));
}

}  // namespace tilesmith
