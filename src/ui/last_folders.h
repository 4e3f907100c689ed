// The folder each file dialog used last, kept across runs in per-user settings.
#pragma once
#include <QString>

namespace tilesmith {

enum class FolderSlot { source, target, save, export_base, export_output };

// Kept in QSettings, apart from config.dat, whose 16-byte record has no room
// for paths.
class LastFolders {
public:
    // Where the slot's dialog starts; empty when it never chose a file.
    QString folder(FolderSlot slot) const;
    // Remembers the folder of a file the slot's dialog chose.
    void remember(FolderSlot slot, const QString& chosen_file);
};

}  // namespace tilesmith
