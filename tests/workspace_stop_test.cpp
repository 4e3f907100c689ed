// Long work stopped midway: an export, a PNG save and a collect each come
// back stopped with nothing of theirs still running on any thread.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>

#include "core/pool.h"
#include "formats/dispatch.h"
#include "formats/level_export.h"
#include "formats/png.h"
#include "model/collect.h"
#include "support/level_builder.h"
#include "support/workspace_fixtures.h"

namespace tilesmith {
namespace {

// Asks to stop at its `steps`th step.
class StopAt : public Progress {
public:
    explicit StopAt(int steps) : left_(steps) {}
    void reset(int) override {}
    void step() override { --left_, check(); }
    bool cancelled() const override { return left_ <= 0; }

private:
    std::atomic<int> left_;
};

TEST(Stop, LeavesNothingRunningWhenTheWorkComesBack) {
    TempDir dir;
    const std::string base = dir.put("base.tr4", make_level(LevelSpec{Game::tr4, 3, 2}).bytes);
    CountingProgress writing;
    std::vector<std::string> inputs;
    for (int n = 0; n < 8; ++n) {
        inputs.push_back(dir.file(std::to_string(n) + ".tga"));
        write_package(inputs.back(), tiles_of({n, n + 1, n + 2}), writing);
    }
    struct Case {
        const char* what;
        int steps;  // the one that stops it
        std::function<void(Progress&)> run;
    };
    const Case cases[] = {
        {"export", 2, [&](Progress& p) { export_level(dir.file("out.tr4"), base, pattern(256, 3 * 256), p); }},
        {"PNG save", 100, [&](Progress& p) { save_png(dir.file("out.png"), pattern(1024, 2048), p); }},
        {"collect", 2,
         [&](Progress& p) { collect_tiles(inputs, {}, [&](int, const std::optional<Phrase>&) { p.step(); }); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StopAt progress(c.steps);
        EXPECT_THROW(c.run(progress), Cancelled);
        EXPECT_EQ(WorkerPool::shared().running_pieces(), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tr4")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.png")));
}

}  // namespace
}  // namespace tilesmith
