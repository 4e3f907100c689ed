// Runs the built tilesmith-cli as a separate program and keeps what it said.
#pragma once
#include <string>
#include <vector>

namespace tilesmith {

struct CliRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out, err;
};

// `shell_args` as the shell should see them (quote paths yourself); standard
// input is /dev/null.
CliRun run_cli(const std::string& shell_args);
// Each argument passed single-quoted; none of ours hold a quote.
CliRun run_cli(const std::vector<std::string>& args);

}  // namespace tilesmith
