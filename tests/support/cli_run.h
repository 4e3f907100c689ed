// Runs the built tilesmith-cli as a separate program and keeps what it said.
#pragma once
#include <string>
#include <vector>

namespace tilesmith {

struct CliRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out, err;
};

// `shell_args` split at blanks, as a shell would: single quotes keep a path
// with blanks in one word. Standard input is empty; no shell takes part.
CliRun run_cli(const std::string& shell_args);
// Each argument passed as it is.
CliRun run_cli(const std::vector<std::string>& args);

}  // namespace tilesmith
