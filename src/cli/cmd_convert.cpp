// tilesmith-cli convert: read a package with one reader, write it with one writer.
#include "cli/cli.h"

namespace tilesmith::cli {

int cmd_convert(const std::vector<std::string>& args) {
    ReaderOptions options;
    std::vector<std::string> files;
    for (const auto& a : args) {
        if (a == "--8bit") options.as_8bit = true;
        else if (a == "--no-transparency-fix") options.correct_transparent = false;
        else if (a.size() > 1 && a[0] == '-') return usage_error("convert: unknown option \"" + a + "\"");
        else files.push_back(a);
    }
    if (files.size() < 2) return usage_error("convert: needs INPUT and OUTPUT");
    if (files.size() > 2) return usage_error("convert: unexpected argument \"" + files[2] + "\"");
    const std::string& input = files[0];
    const std::string& output = files[1];
    // Refuse an unwritable extension before a long read.
    if (!is_writable_extension(file_extension(output))) return unsupported_output(output);

    Package package;
    if (const int status = load_package(input, package, options); status != kOk) return status;
    return save_package(output, package);
}

}  // namespace tilesmith::cli
