// The folder each file dialog used last, in per-user settings.
#include "ui/last_folders.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace tilesmith {

namespace {

QString key(FolderSlot slot) {
    switch (slot) {
        case FolderSlot::source: return QStringLiteral("folders/source");
        case FolderSlot::target: return QStringLiteral("folders/target");
        case FolderSlot::save: return QStringLiteral("folders/save");
        case FolderSlot::export_base: return QStringLiteral("folders/export_base");
        case FolderSlot::export_output: return QStringLiteral("folders/export_output");
    }
    return {};
}

// ~/.config/tilesmith/dialogs.ini on Linux.
std::unique_ptr<QSettings> dialog_settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("tilesmith"), QStringLiteral("dialogs"));
}

}  // namespace

QString LastFolders::folder(FolderSlot slot) const {
    return dialog_settings()->value(key(slot)).toString();
}

void LastFolders::remember(FolderSlot slot, const QString& chosen_file) {
    if (chosen_file.isEmpty()) return;
    dialog_settings()->setValue(key(slot), QFileInfo(chosen_file).absolutePath());
}

}  // namespace tilesmith
