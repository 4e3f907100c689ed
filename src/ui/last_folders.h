// The per-user state of the window's file dialogs and recent list, kept across
// runs in model/user_state's file beside config.dat: read once, kept in
// memory, and written aside, on a worker, whenever it changes.
#pragma once
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace tilesmith {

class RecentFiles;

enum class FolderSlot { source, target, save, export_base, export_output };

class LastFolders {
public:
    // The file every LastFolders reads and writes; main() names the one beside
    // config.dat (SettingsPlaces::write_path(kUserStateFile)) before the window
    // exists. Until then: the user's settings folder, where config.dat goes too.
    static void keep_in(const QString& state_file);
    static QString state_file();

    // Where the slot's dialog starts; empty when it never chose a file.
    QString folder(FolderSlot slot) const;
    // Remembers the folder of a file the slot's dialog chose.
    void remember(FolderSlot slot, const QString& chosen_file);

    // The recent list of the last run, newest first (RecentFiles::restore takes it).
    std::vector<std::string> recent() const;
    void remember_recent(const RecentFiles& recent);

    // The window's own values (its place, the panes' zoom) by name; empty at first.
    QString window_value(const char* name) const;
    void remember_window(const std::map<std::string, std::string>& values);

    // The extension the Save dialog saved as last (".png"); empty at first.
    QString save_type() const;
    void remember_save_type(const QString& extension);
};

}  // namespace tilesmith
