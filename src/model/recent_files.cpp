// The recent-file list of the File menu.
#include "model/recent_files.h"

#include <algorithm>

namespace tilesmith {

void RecentFiles::add_recent_file(const std::string& file_name) {
    // An empty name would only make an item with nothing to reopen.
    if (file_name.empty()) return;
    // Real paths are compared, not menu captions, so "a&b.tga" and "ab.tga"
    // stay two different files.
    if (std::find(entries_.begin(), entries_.end(), file_name) != entries_.end()) return;
    entries_.insert(entries_.begin(), file_name);
    if (entries_.size() > std::size_t(kMax)) entries_.resize(kMax);
}

}  // namespace tilesmith
