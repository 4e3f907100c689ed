// Runs tilesmith-cli for tests.
#include "support/cli_run.h"

#include <QProcess>
#include <QStringList>
#include <utility>

namespace tilesmith {

CliRun run_cli(const std::string& shell_args) {
    // Words split at blanks; a single-quoted stretch is taken as it is.
    std::vector<std::string> args;
    bool quoted = false, in_word = false;
    for (const char c : shell_args) {
        if (c == ' ' && !quoted) in_word = false;
        else if (!std::exchange(in_word, true)) args.emplace_back(c == '\'' ? "" : std::string(1, c));
        else if (c != '\'') args.back() += c;
        if (c == '\'') quoted = !quoted;
    }
    return run_cli(args);
}

CliRun run_cli(const std::vector<std::string>& args) {
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(TILESMITH_CLI_PATH), list);
    process.waitForFinished(-1);
    CliRun r;
    r.status = process.exitStatus() == QProcess::NormalExit && process.error() == QProcess::UnknownError
                   ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput().toStdString();
    r.err = process.readAllStandardError().toStdString();
    return r;
}

}  // namespace tilesmith
