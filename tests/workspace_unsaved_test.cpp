// Unsaved work of the target: which commands make it, which settle it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/progress.h"
#include "model/workspace.h"
#include "support/test_files.h"
#include "support/workspace_setup.h"

using namespace tilesmith;

namespace {

struct Step {
    const char* name;
    std::function<void(Workspace&, const TempDir&)> run;
    bool modified_after;
};

void save(Workspace& ws, const TempDir& dir) {
    bool written = false;
    run_task(ws.save(dir.file("t.tga"), [&](bool w) { written = w; }));
    ASSERT_TRUE(written);
}

class UnsavedWork : public ::testing::TestWithParam<std::vector<Step>> {};

TEST_P(UnsavedWork, FollowsTheTargetsHistory) {
    TempDir dir;
    Workspace ws;
    EXPECT_FALSE(ws.target_modified()) << "a fresh workspace holds no work";
    for (const Step& step : GetParam()) {
        step.run(ws, dir);
        EXPECT_EQ(ws.target_modified(), step.modified_after) << "after " << step.name;
    }
}

const Step edit{"delete", [](Workspace& ws, const TempDir&) { ws.tx_del(); }, true};
const Step edit_again{"add", [](Workspace& ws, const TempDir&) { ws.tx_add(); }, true};
const Step undo_to_saved{"undo", [](Workspace& ws, const TempDir&) { ws.undo(); }, false};
const Step undo_to_edit{"undo", [](Workspace& ws, const TempDir&) { ws.undo(); }, true};
const Step redo_to_saved{"redo", [](Workspace& ws, const TempDir&) { ws.redo(); }, false};
const Step redo_to_edit{"redo", [](Workspace& ws, const TempDir&) { ws.redo(); }, true};
const Step saved{"save", save, false};
const Step opened{"open", [](Workspace& ws, const TempDir& d) { run_task(ws.open(Side::target, d.file("t.tga"), {})); },
                  false};
const Step made_new{"new", [](Workspace& ws, const TempDir&) { ws.make_package(2, 2, kBlack, false); }, false};
const Step resized{"modify", [](Workspace& ws, const TempDir&) { ws.make_package(3, 2, kBlack, true); }, true};
const Step copied{"copy package", [](Workspace& ws, const TempDir&) { ws.tx_copy(); }, true};
const Step pasted{"paste", [](Workspace& ws, const TempDir&) { ws.paste_into_target(Package(8, 8, kWhite)); }, true};

INSTANTIATE_TEST_SUITE_P(
    Histories, UnsavedWork,
    ::testing::Values(std::vector<Step>{edit, edit_again, undo_to_edit, undo_to_saved},
                      std::vector<Step>{edit, saved, edit_again, undo_to_saved},
                      std::vector<Step>{edit, saved, undo_to_edit, redo_to_saved},
                      std::vector<Step>{edit, edit_again, undo_to_edit, undo_to_saved, redo_to_edit},
                      std::vector<Step>{edit, saved, edit_again, opened},
                      std::vector<Step>{edit, made_new, resized, made_new},
                      std::vector<Step>{copied, saved, pasted}),
    [](const auto& info) {
        std::string name;
        for (const Step& step : info.param) name += std::string(name.empty() ? "" : "_then_") + step.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

}  // namespace
