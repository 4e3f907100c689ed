// tilesmith-cli: shared pieces of its commands.
#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "core/package.h"
#include "core/progress.h"
#include "formats/dispatch.h"
#include "formats/level_file.h"

namespace tilesmith::cli {

// Exit statuses scripts rely on.
constexpr int kOk = 0;
constexpr int kFailed = 1;  // refused file, input/output or decoding error
constexpr int kUsage = 2;   // bad command line

// Each command gets the arguments after its name and returns the exit status.
// Errors of the core (tilesmith::Error) may escape; main prints them, status 1.
int cmd_convert(const std::vector<std::string>& args);
int cmd_info(const std::vector<std::string>& args);
int cmd_export(const std::vector<std::string>& args);
int cmd_effect(const std::vector<std::string>& args);
int cmd_collect(const std::vector<std::string>& args);
int cmd_compact(const std::vector<std::string>& args);

// The usage text's list of effects with their parameters, wrapped and indented.
std::string effect_usage_lines();

// Prints "tilesmith-cli: <message>" and the usage hint to stderr; returns kUsage.
int usage_error(const std::string& message);
// Prints "tilesmith-cli: <message>" to stderr; returns kFailed.
int failure(const std::string& message);
// Prints "tilesmith-cli: <message>" to stderr, a note that changes no status.
void note(const std::string& message);

// The arguments after the program's name, in UTF-8 on every system.
std::vector<std::string> program_arguments(int argc, char** argv);

// True when stderr is a terminal rather than a file or pipe.
bool stderr_is_terminal();

// A bar on stderr when stderr is a terminal; silent otherwise.
class TerminalProgress : public Progress {
public:
    explicit TerminalProgress(std::string label);
    ~TerminalProgress() override;
    void reset(int maximum) override;
    void step() override;

private:
    void draw();
    // Steps may come from more than one thread at once.
    std::mutex mutex_;
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
    int maximum_ = 0, position_ = 0;
};

// Reads a package with the reader its extension selects, as "Open source file"
// does. Returns kOk, or prints the reason (an unreadable extension naming the
// supported ones, the English refusal message, or the rows a short file
// misses) and returns kFailed.
// The file is opened once (formats/level_file.h), its pages alone read.
int load_package(const std::string& path, Package& package, const ReaderOptions& options);
// The same for a file read once into its whole value. With `keep_incomplete`,
// a file read with rows missing is kOk, its warning left in read.result for
// the caller to say once it has said what was read.
int load_level_file(const std::string& path, LevelFile& read, LevelParts parts, const ReaderOptions& options = {},
                    bool keep_incomplete = false);
// Writes with the writer its extension selects; kFailed with a message naming
// the supported extensions when there is none.
int save_package(const std::string& path, const Package& package);
// The message of save_package for an extension no writer takes; returns kFailed.
int unsupported_output(const std::string& path);

}  // namespace tilesmith::cli
