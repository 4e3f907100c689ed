// Extension dispatch of the open and save commands.
#include "formats/dispatch.h"

#include "formats/bmpjpg.h"
#include "formats/tga.h"
#include "formats/tr23.h"
#include "formats/tr45.h"
#include "formats/wad.h"

namespace tilesmith {

std::string file_extension(const std::string& file_name) {
    const auto slash = file_name.find_last_of('/');
    const auto dot = file_name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = file_name.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return ext;
}

bool is_readable_extension(const std::string& e) {
    return e == ".tga" || e == ".bmp" || e == ".jpg" || e == ".wad" || e == ".tr2" || e == ".tr4" ||
           e == ".trc";
}

bool is_writable_extension(const std::string& e) { return e == ".tga" || e == ".bmp" || e == ".jpg"; }

std::optional<ReadResult> read_package(const std::string& file_name, Package& package,
                                       const ReaderOptions& options, Progress& progress) {
    const std::string e = file_extension(file_name);
    if (e == ".tga") return open_tga(file_name, package, progress);
    if (e == ".bmp" || e == ".jpg") return open_bmpjpg(file_name, package, progress);
    if (e == ".wad") return open_wad(file_name, package, progress);
    if (e == ".tr2")
        return open_tr23(file_name, package, options.as_8bit, options.correct_transparent, progress);
    if (e == ".tr4" || e == ".trc")
        return open_tr45(file_name, package, options.correct_transparent, progress);
    return std::nullopt;
}

bool write_package(const std::string& file_name, const Package& package, Progress& progress) {
    const std::string e = file_extension(file_name);
    if (e == ".tga") save_tga(file_name, package, progress);
    else if (e == ".bmp") save_bmp(file_name, package, progress);
    else if (e == ".jpg") save_jpg(file_name, package, progress);
    else return false;
    return true;
}

}  // namespace tilesmith
