// Runs tilesmith-cli for tests.
#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/test_files.h"

namespace tilesmith {

CliRun run_cli(const std::string& shell_args) {
    const TempDir capture;
    const std::string out = capture.file("stdout"), err = capture.file("stderr");
    const std::string command = "'" TILESMITH_CLI_PATH "' " + shell_args + " >'" + out + "' 2>'" + err +
                                "' </dev/null";
    const int raw = std::system(command.c_str());
    CliRun r;
    r.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const Bytes o = read_bytes(out), e = read_bytes(err);
    r.out.assign(o.begin(), o.end());
    r.err.assign(e.begin(), e.end());
    return r;
}

CliRun run_cli(const std::vector<std::string>& args) {
    std::string shell_args;
    for (const auto& a : args) shell_args += (shell_args.empty() ? "'" : " '") + a + "'";
    return run_cli(shell_args);
}

}  // namespace tilesmith
