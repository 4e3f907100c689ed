// What the editor remembers for the user besides config.dat: the recent list,
// the folder each file dialog used last and the Save dialog's last file type.
// It is kept in kUserStateFile beside config.dat (SettingsPlaces).
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tilesmith {

constexpr std::string_view kUserStateFile = "state.txt";

struct UserState {
    std::vector<std::string> recent;             // newest first
    std::map<std::string, std::string> folders;  // by file dialog
    std::string save_type;                       // the extension last saved as, ".png"
    std::map<std::string, std::string> window;   // the window's place and the panes' zoom, by name

    bool operator==(const UserState&) const = default;
};

// The state in the file; an empty one when it is missing or cannot be read
// (unknown lines are skipped, so an older program reads a newer file).
UserState load_user_state(const std::string& path);
// Writes through a temporary file and a rename; false, with `problem` filled,
// when it cannot. Never throws.
bool save_user_state(const std::string& path, const UserState& state, std::string* problem = nullptr);
// The same on a worker, after the writes asked for before it, in `folder`
// (made when missing); what fails is lost quietly. Returns at once.
void write_user_state_aside(const std::string& folder, const std::string& path, UserState state);
// Waits for the writes asked for so far.
void wait_for_user_state_writes();

}  // namespace tilesmith
