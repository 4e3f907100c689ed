// The target's history: every command an undo step with its name, the
// document refusing changes while a job holds it, jumps through the history
// and the saved revision.
#include <cctype>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/error.h"
#include "model/workspace.h"
#include "support/test_files.h"
#include "support/workspace_fixtures.h"

using namespace tilesmith;

namespace {

struct NamedCommand {
    const char* english;
    const char* polish;
    std::function<void(Workspace&)> run;
};

const NamedCommand kCommands[] = {
    {"Add", "Dodaj", [](Workspace& ws) { ws.edits().tx_add(); }},
    {"Delete", "Usuń", [](Workspace& ws) { ws.edits().tx_del(); }},
    {"Cut", "Wytnij", [](Workspace& ws) { ws.edits().tx_del(Msg::Cut); }},
    {"Copy transparency", "Kopiuj przeźroczystość", [](Workspace& ws) { ws.edits().tx_copytrans(); }},
    {"Paste from clipboard", "Wklej ze schowka",
     [](Workspace& ws) { ws.edits().paste_into_target(Package(64, 64, kWhite)); }},
    {"Rotate 90° anticlockwise", "Obróć o 90° w lewo",
     [](Workspace& ws) { run_task(ws.edits().effect(Msg::Rotate90Hint, [](Package& p, const Rect& a, Progress&) {
                             p.fill_rect(a.left, a.top, 8, 8, kBlack);
                         })); }},
    {"Copy package", "Kopiuj pakiet", [](Workspace& ws) { ws.edits().tx_copy(); }},
    {"New package", "Nowy pakiet", [](Workspace& ws) { ws.edits().make_package(2, 3, kBlack, false); }},
    {"Resize package", "Zmiana rozmiaru pakietu", [](Workspace& ws) { ws.edits().make_package(5, 2, kWhite, true); }},
    {"Open target", "Otwarcie pliku docelowego", [](Workspace& ws) { ws.edits().use_target(pattern(128, 64, 2)); }},
};

class NamedUndo : public ::testing::TestWithParam<NamedCommand> {};

TEST_P(NamedUndo, TakesOneStepByNameAndUndoesAndRedoesIt) {
    const NamedCommand& c = GetParam();
    Workspace ws;
    Package source = pattern(320, 192, 5);
    source.set_pixel(3, 3, kTransparent);  // a hole for the mask
    ws.files().use_source(std::move(source));
    ws.edits().use_target(pattern(256, 512, 1));
    ws.views().select(Side::target, Rect::of_size(64, 64, 64, 64));
    const Package before = ws.document().target().clone();
    const int steps = int(ws.document().history().undo_count());
    c.run(ws);
    const Package after = ws.document().target().clone();
    ASSERT_NE(after, before);
    EXPECT_EQ(int(ws.document().history().undo_count()), steps + 1);
    ASSERT_TRUE(ws.document().undo_name());
    EXPECT_EQ(ws.document().undo_name()->text(Language::English), c.english);
    EXPECT_EQ(ws.document().undo_name()->text(Language::Polish), c.polish);
    EXPECT_EQ(Phrase(Msg::UndoStep).arg(*ws.document().undo_name()).text(Language::English), std::string("Undo ") + c.english);
    EXPECT_EQ(Phrase(Msg::UndoStep).arg(*ws.document().undo_name()).text(Language::Polish), std::string("Cofnij: ") + c.polish);
    ws.edits().undo();
    EXPECT_EQ(ws.document().target(), before);
    EXPECT_EQ(ws.size_texts()[2], "256 x 512");
    EXPECT_EQ(ws.document().redo_name()->text(Language::English), c.english);
    ws.edits().redo();
    EXPECT_EQ(ws.document().target(), after);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, NamedUndo, ::testing::ValuesIn(kCommands), [](const auto& info) {
    std::string name = info.param.english;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(DocumentBusy, ATaskHandedOutHoldsTheDocumentUntilItsReleaseBeforeItsCommit) {
    Workspace ws;
    bool free_at_commit = false;
    const Task held = ws.files().preview_on("nowhere.tr4", [&] { free_at_commit = !ws.busy(); });
    for (const Operation op : {Operation::open, Operation::new_package, Operation::save, Operation::export_level,
                               Operation::undo, Operation::redo, Operation::edit_target, Operation::copy_target})
        EXPECT_FALSE(ws.available(op));
    const Package before = ws.document().target().clone();
    for (const NamedCommand& c : kCommands) EXPECT_THROW(c.run(ws), Error) << c.english;
    EXPECT_THROW(ws.files().use_source(Package(64, 64)), Error);
    EXPECT_EQ(ws.document().target(), before);
    EXPECT_EQ(int(ws.document().history().undo_count()), 0);
    EXPECT_THROW(ws.files().preview_on("nowhere.tr4", nullptr), Error) << "one task at a time";
    run_task(held);
    EXPECT_TRUE(free_at_commit);
    EXPECT_TRUE(ws.available(Operation::edit_target));
    EXPECT_FALSE(ws.available(Operation::undo)) << "nothing to undo";
}

TEST(History, JumpsToAnyRowAndMarksTheSavedOne) {
    TempDir dir;
    Workspace ws;
    ws.edits().tx_del();
    ws.edits().make_package(3, 3, kWhite, true);
    bool written = false;
    run_task(ws.files().save(dir.file("saved.tga"), [&](bool w) { written = w; }));
    ASSERT_TRUE(written);
    ws.edits().tx_add();
    auto rows = ws.document().history_rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].name.text(Language::English), "(start)");
    EXPECT_EQ(rows[2].name.text(Language::English), "Resize package");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(rows[i].done);
        EXPECT_EQ(rows[i].saved, i == 2) << i;
    }
    EXPECT_TRUE(ws.document().modified());

    ws.edits().go_to_history(2);  // back to the saved revision: nothing unsaved
    EXPECT_FALSE(ws.document().modified());
    EXPECT_FALSE(ws.document().history_rows()[3].done);
    ws.edits().go_to_history(0);
    EXPECT_EQ(ws.size_texts()[2], "256 x 512");
    EXPECT_FALSE(ws.document().modified()) << "the fresh package again: nothing to keep";
    ws.edits().go_to_history(3);  // redo away from it: unsaved again
    EXPECT_EQ(ws.size_texts()[2], "192 x 192");
    EXPECT_TRUE(ws.document().modified());
    EXPECT_EQ(ws.document().revision(), ws.document().saved_revision() + 1);
}

TEST(History, ASaveRecordsTheRevisionItStartedFrom) {
    TempDir dir;
    Workspace ws;
    ws.edits().tx_del();
    const Task save = ws.files().save(dir.file("t.tga"), {});
    const Revision written = ws.document().revision();
    // The commit of work that ended after the target moved on: the mark
    // stays with what was written.
    CountingProgress quiet;
    const Job::Commit commit = save.work(quiet);
    save.release();
    ws.edits().tx_add();
    commit();
    EXPECT_EQ(ws.document().saved_revision(), written);
    EXPECT_TRUE(ws.document().modified());
    ws.edits().undo();
    EXPECT_FALSE(ws.document().modified());
}

}  // namespace
