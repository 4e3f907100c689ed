// tilesmith-cli export PACKAGE BASE OUTPUT: the package into a copy of a level.
#include "cli/cli.h"
#include "strings/messages.h"
#include "core/error.h"
#include "formats/level_export.h"
#include "formats/level_kind.h"

namespace tilesmith::cli {

int cmd_export(const std::vector<std::string>& args) {
    if (args.size() != 3) return usage_error("export needs PACKAGE BASE OUTPUT");
    const std::string& package_name = args[0];
    const std::string& base_name = args[1];
    const std::string& output_name = args[2];

    Package package;
    if (const int status = load_package(package_name, package, ReaderOptions{}); status != kOk)
        return status;

    // A base named as another kind is written as what it is, and said so.
    try {
        if (const auto renamed = renamed_note(read_level_kind(base_name), base_name))
            note(renamed->text(Language::English));
    } catch (const Error&) {
        // The export itself says why the base cannot be read.
    }
    TerminalProgress progress("exporting");
    const ExportResult answer = export_level(output_name, base_name, package, progress);
    if (answer == ExportResult::not_a_level)
        return failure("cannot export into \"" + base_name +
                       "\": the base level must be a " + extension_list(FormatRole::export_base, " or ") +
                       " file");
    // The size of the texture set, or the output is the base: the English message.
    if (const auto refusal = refusal_message(answer))
        return failure(std::string(text_of(*refusal, Language::English)));
    return kOk;
}

}  // namespace tilesmith::cli
