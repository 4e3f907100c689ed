// Every file the window reads or writes, as tasks: opens, saves, exports,
// the export's check of its base and its preview, a level's compacted copy,
// with the recent list. The work of a task runs on a worker and reads a copy
// of what it needs; its commit takes the result into the document and the
// panes on the window's thread. Errors (tilesmith::Error) and refusals leave
// everything unchanged.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/document.h"
#include "model/level_compaction.h"
#include "model/options.h"
#include "model/pane_origins.h"
#include "model/pane_views.h"
#include "model/recent_files.h"

namespace tilesmith {

// What an open command did.
struct OpenAnswer {
    bool recognised = false;  // false: a file of no kind we read, nothing happened
    std::optional<Msg> refusal;  // the message of a refused TGA or level
    // What the user is told: the refusal naming the file, the warning of a
    // file read with rows missing, the note of a level read as what its first
    // bytes say under another kind's extension, or that a file is of no kind we read.
    std::optional<Phrase> note;
};

// What an export did: refused (nothing written), or written, with the note of
// the tiles it changed among those the level maps when that could be read.
struct ExportOutcome {
    std::optional<Msg> refusal;
    std::optional<Phrase> note;
};

class FileService {
public:
    FileService(Document& document, PaneViews& views, PaneOrigins& origins, const Options& options)
        : document_(document), views_(views), origins_(origins), options_(options) {}

    // Open (source or target): reads `file_name` aside, with the whole level
    // when it is one; the commit takes it in and calls `then` with the answer.
    // A target opened from an image of a kind we write is saved back to it;
    // opening a target is one undo step.
    Task open(Side side, std::string file_name, std::function<void(const OpenAnswer&)> then);
    // A package as the source, its view anew (not read from a file).
    void use_source(Package package);

    // Save and Save As: the question to ask before writing `file_name` (a type
    // that loses the transparent colour), if any.
    std::optional<Phrase> save_question(const std::string& file_name) const;
    // Writes the target as it is now to `file_name` with the writer its
    // extension selects; the commit records the revision written (Save writes
    // there from now on) and calls `then` (false: no writer takes the
    // extension, nothing was written).
    Task save(std::string file_name, std::function<void(bool written)> then);

    // Export: whether the level `base` can take the target; the commit calls
    // `then` with the refusal, if any.
    Task check_export_base(std::string base, std::function<void(const std::optional<Phrase>& refusal)> then);
    // Writes the target into a copy of the level `base` as `output`; the work
    // also counts what it changed among the tiles the level maps.
    Task export_level(std::string output, std::string base, std::function<void(const ExportOutcome&)> then);
    // Export preview: the rooms of the level `base` dressed in the target, in
    // the 3D view, while the target was not read from a level itself.
    Task preview_on(std::string base, std::function<void()> then);

    // Compacting a pane's level (Workspace::compaction_side): the level read
    // again and its compaction planned, nothing written; the commit calls
    // `then` with what the copy would be. Then the copy written as `output`
    // (level_compact.h says what it refuses); the commit calls `then` with its counts.
    Task plan_compaction(std::string level, std::function<void(const CompactionPreview&)> then);
    Task compact_level(std::string level, std::string output, std::function<void(const CompactionSummary&)> then);

    // The files opened, newest first; the recent list of the last run taken back.
    const RecentFiles& recent() const { return recent_; }
    void restore_recent(const std::vector<std::string>& newest_first) { recent_.restore(newest_first); }

private:
    // A package read from `origin`'s file into a pane.
    void take_opened(Side side, Package package, std::shared_ptr<const PaneOrigin> origin, std::optional<Phrase> note);

    Document& document_;
    PaneViews& views_;
    PaneOrigins& origins_;
    const Options& options_;
    RecentFiles recent_;
};

}  // namespace tilesmith
