// tilesmith-cli collect: the tiles of many files gathered into one package,
// optionally only the distinct ones and only those a level's faces map.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "cli/cli.h"
#include "core/file_io.h"
#include "model/collect.h"
#include "model/tile_match.h"
#include "strings/messages.h"

namespace tilesmith::cli {

namespace {

// A whole number in [low, high], or nullopt.
std::optional<int> number_in(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int value = std::stoi(text);
    if (value < low || value > high) return std::nullopt;
    return value;
}

// On a terminal: the bar, how many inputs are done, the file and the time left.
class CollectBar {
public:
    explicit CollectBar(int total) : total_(total), enabled_(stderr_is_terminal()), start_(Clock::now()) {}
    ~CollectBar() {
        if (drawn_) std::fputc('\n', stderr);
    }
    CollectBar(const CollectBar&) = delete;
    CollectBar& operator=(const CollectBar&) = delete;

    void done(int count, const std::string& file) {
        if (!enabled_) return;
        constexpr int kWidth = 24;
        const int filled = total_ > 0 ? count * kWidth / total_ : kWidth;
        std::string bar(std::size_t(filled), '#');
        bar.resize(kWidth, '.');
        const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
        const long left = count > 0 ? long(elapsed / count * (total_ - count) + 0.5) : 0;
        std::string name = utf8_name(path_from_utf8(file).filename());
        if (name.size() > 28) name = name.substr(0, 27) + "~";
        std::fprintf(stderr, "\rcollecting [%s] %d/%d %-28s %ld:%02ld left ", bar.c_str(), count, total_, name.c_str(),
                     left / 60, left % 60);
        std::fflush(stderr);
        drawn_ = true;
    }
    // Before a message of its own line.
    void interrupt() {
        if (drawn_) std::fputc('\n', stderr);
        drawn_ = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    int total_;
    bool enabled_;
    bool drawn_ = false;
    Clock::time_point start_;
};

}  // namespace

int cmd_collect(const std::vector<std::string>& args) {
    CollectOptions options;
    std::string manifest;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        if (a == "--unique") options.unique = true;
        else if (a == "--used-only") options.used_only = true;
        else if (a == "--tolerance" || a == "--width") {
            const bool tolerance = a == "--tolerance";
            const auto value = has_value ? number_in(args[i + 1], tolerance ? 0 : 1,
                                                     tolerance ? kMaxTolerance : kMaxCollectWidth)
                                         : std::nullopt;
            if (!value)
                return usage_error("collect: " + a + " needs a whole number from " + (tolerance ? "0 to " : "1 to ") +
                                   std::to_string(tolerance ? kMaxTolerance : kMaxCollectWidth));
            (tolerance ? options.tolerance : options.width) = *value;
            ++i;
        } else if (a == "--manifest") {
            if (!has_value || args[i + 1].empty()) return usage_error("collect: --manifest needs a FILE");
            manifest = args[++i];
        } else if (a.size() > 1 && a[0] == '-') return usage_error("collect: unknown option \"" + a + "\"");
        else files.push_back(a);
    }
    if (files.size() < 2) return usage_error("collect: needs OUTPUT and at least one INPUT");
    const std::string output = files.front();
    files.erase(files.begin());
    // Refuse an unwritable extension before a long read.
    if (!is_writable_extension(file_extension(output))) return unsupported_output(output);

    std::vector<std::string> leave_out{output};
    if (!manifest.empty()) leave_out.push_back(manifest);
    const CollectInputs found = collect_inputs(files, leave_out);
    int status = kOk;
    for (const Phrase& problem : found.problems) status = failure(problem.text(Language::English));
    std::vector<std::string> inputs;
    // A file named is taken by what it is (a folder's files by their extensions).
    for (const std::string& file : found.files) {
        if (is_readable_file(file)) inputs.push_back(file);
        else status = failure("cannot read \"" + file + "\": supported input extensions are " +
                              extension_list(FormatRole::read));
    }

    CollectResult result;
    {
        CollectBar bar(int(inputs.size()));
        int done = 0;
        result = collect_tiles(inputs, options, [&](int input, const std::optional<Phrase>& why) {
            if (why) {
                bar.interrupt();
                status = failure(why->text(Language::English));
            }
            bar.done(++done, inputs[std::size_t(input)]);
        });
    }
    for (const Phrase& said : result.notes) note(said.text(Language::English));
    if (result.tiles.empty()) {
        failure("no tiles to write: \"" + output + "\" was not written");
        status = kFailed;
    } else {
        if (const int saved = save_package(output, result.package); saved != kOk) return saved;
        if (!manifest.empty()) {
            const std::string text = collect_manifest(result, inputs);
            write_file_atomic(manifest, text.data(), text.size());
        }
    }
    std::printf("tiles: read %lld, written %zu (%lld duplicates, %lld unused)\n", result.read, result.tiles.size(),
                result.duplicates, result.unused);
    if (std::fflush(stdout) != 0) return failure("cannot write to standard output");
    return status;
}

}  // namespace tilesmith::cli
