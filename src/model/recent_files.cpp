// The recent-file list of the File menu.
#include "model/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/file_names.h"

namespace tilesmith {

namespace {

// The name from the root, so that an item still opens its file after the
// working folder changed; "." steps are dropped, ".." kept (a link may lead away).
std::string absolute_name(const std::string& file_name) {
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path_from_utf8(file_name), ec);
    if (ec) return file_name;
    std::filesystem::path kept;
    for (const auto& part : whole)
        if (part != ".") kept /= part;
    return utf8_name(kept.make_preferred());  // one kind of separator (Windows: "\\")
}

}  // namespace

void RecentFiles::add_recent_file(const std::string& given_name) {
    // An empty name would only make an item with nothing to reopen.
    if (given_name.empty()) return;
    const std::string file_name = absolute_name(given_name);
    // Real paths are compared, not menu captions, so "a&b.tga" and "ab.tga"
    // stay two different files.
    // Most recently used first: a listed file moves to the top.
    if (const auto listed = std::find(entries_.begin(), entries_.end(), file_name); listed != entries_.end())
        entries_.erase(listed);
    entries_.insert(entries_.begin(), file_name);
    if (entries_.size() > std::size_t(kMax)) entries_.resize(kMax);
}

void RecentFiles::restore(const std::vector<std::string>& newest_first) {
    entries_.clear();
    for (const std::string& name : newest_first)
        if (!name.empty() && entries_.size() < std::size_t(kMax) &&
            std::find(entries_.begin(), entries_.end(), name) == entries_.end())
            entries_.push_back(name);
}

}  // namespace tilesmith
