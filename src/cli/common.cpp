// tilesmith-cli: messages, the terminal progress bar, loading and saving.
#include <cstdio>

#include "cli/cli.h"
#include "strings/messages.h"

namespace tilesmith::cli {

int usage_error(const std::string& message) {
    std::fprintf(stderr, "tilesmith-cli: %s\nTry 'tilesmith-cli --help'.\n", message.c_str());
    return kUsage;
}

int failure(const std::string& message) {
    note(message);
    return kFailed;
}

void note(const std::string& message) { std::fprintf(stderr, "tilesmith-cli: %s\n", message.c_str()); }

TerminalProgress::TerminalProgress(std::string label)
    : label_(std::move(label)), enabled_(stderr_is_terminal()) {}

TerminalProgress::~TerminalProgress() {
    if (drawn_) std::fputc('\n', stderr);
}

void TerminalProgress::reset(int maximum) {
    const std::lock_guard<std::mutex> lock(mutex_);
    maximum_ = maximum;
    position_ = 0;
    draw();
}

void TerminalProgress::step() {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (position_ < maximum_) ++position_;
    draw();
}

void TerminalProgress::draw() {
    if (!enabled_) return;
    constexpr int kWidth = 30;
    const int filled = maximum_ > 0 ? position_ * kWidth / maximum_ : kWidth;
    std::string bar(std::size_t(filled), '#');
    bar.resize(kWidth, '.');
    const int percent = maximum_ > 0 ? position_ * 100 / maximum_ : 100;
    std::fprintf(stderr, "\r%s [%s] %3d%%", label_.c_str(), bar.c_str(), percent);
    std::fflush(stderr);
    drawn_ = true;
}

int load_package(const std::string& path, Package& package, const ReaderOptions& options) {
    LevelFile read;
    const int status = load_level_file(path, read, LevelParts::pages_only, options);
    if (status == kOk) package = std::move(read.package);
    return status;
}

int load_level_file(const std::string& path, LevelFile& read, LevelParts parts, const ReaderOptions& options,
                    bool keep_incomplete) {
    TerminalProgress progress("reading");
    read = read_level_file(path, options, progress, parts);
    if (!read.format || !read.format->read)
        return failure("cannot read \"" + path +
                       "\": supported input extensions are " + extension_list(FormatRole::read));
    if (!read.result) return failure("cannot read \"" + path + "\"");
    // A refused file, or one read with rows missing (the window shows what is
    // there; a script must not take it for whole): the string table's English words.
    if (read.result->refusal) return failure(read.result->refusal_text().text(Language::English));
    if (read.result->warning && !keep_incomplete) return failure(read.result->warning->text(Language::English));
    if (read.result->note) note(read.result->note->text(Language::English));
    return kOk;
}

int unsupported_output(const std::string& path) {
    return failure("cannot write \"" + path +
                   "\": supported output extensions are " + extension_list(FormatRole::write));
}

int save_package(const std::string& path, const Package& package) {
    if (!is_writable_extension(file_extension(path))) return unsupported_output(path);
    TerminalProgress progress("writing");
    write_package(path, package, progress);
    return kOk;
}

}  // namespace tilesmith::cli
