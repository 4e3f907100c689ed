// The five files opened last (as source or target), newest first; kept across runs with the
// other per-user state (model/user_state.h).
#pragma once
#include <string>
#include <vector>

namespace tilesmith {

class RecentFiles {
public:
    static constexpr int kMax = 5;
    // Puts the name, made absolute, at the top; a listed one (exact,
    // case-sensitive) moves up there. The sixth name pushes the oldest out.
    void add_recent_file(const std::string& file_name);
    // The list as a previous run left it, newest first: empty and repeated
    // names are skipped, and no more than kMax are kept.
    void restore(const std::vector<std::string>& newest_first);
    // The real paths, file1 first. The window shows them as captions; a click
    // reopens the path kept here, never a caption the menu may have altered.
    const std::vector<std::string>& entries() const { return entries_; }
    // The list and its separator are shown once anything was added.
    bool visible() const { return !entries_.empty(); }

private:
    std::vector<std::string> entries_;
};

}  // namespace tilesmith
