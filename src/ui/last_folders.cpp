// The window's per-user state, through model/user_state.
#include "ui/last_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/recent_files.h"
#include "model/user_state.h"

namespace tilesmith {

namespace {

std::string key(FolderSlot slot) {
    switch (slot) {
        case FolderSlot::source: return "source";
        case FolderSlot::target: return "target";
        case FolderSlot::save: return "save";
        case FolderSlot::export_base: return "export_base";
        case FolderSlot::export_output: return "export_output";
    }
    return {};
}

QString& chosen_file() {
    static QString file;
    return file;
}

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString from_local(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

UserState load() { return load_user_state(local(LastFolders::state_file())); }

// A folder that cannot be written loses the state quietly: config.dat's own
// warning has told the user so.
void save(const UserState& state) {
    const QString file = LastFolders::state_file();
    QDir().mkpath(QFileInfo(file).absolutePath());
    save_user_state(local(file), state);
}

}  // namespace

void LastFolders::keep_in(const QString& state_file) { chosen_file() = state_file; }

QString LastFolders::state_file() {
    if (!chosen_file().isEmpty()) return chosen_file();
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') +
           QString::fromLatin1(kUserStateFile.data(), qsizetype(kUserStateFile.size()));
}

QString LastFolders::folder(FolderSlot slot) const {
    const UserState state = load();
    const auto found = state.folders.find(key(slot));
    return found == state.folders.end() ? QString() : from_local(found->second);
}

void LastFolders::remember(FolderSlot slot, const QString& chosen) {
    if (chosen.isEmpty()) return;
    UserState state = load();
    state.folders[key(slot)] = local(QFileInfo(chosen).absolutePath());
    save(state);
}

std::vector<std::string> LastFolders::recent() const { return load().recent; }

void LastFolders::remember_recent(const RecentFiles& recent) {
    UserState state = load();
    state.recent = recent.entries();
    save(state);
}

QString LastFolders::window_value(const char* name) const {
    const UserState state = load();
    const auto found = state.window.find(name);
    return found == state.window.end() ? QString() : QString::fromStdString(found->second);
}

void LastFolders::remember_window(const std::map<std::string, std::string>& values) {
    UserState state = load();
    for (const auto& [name, value] : values) state.window[name] = value;
    save(state);
}

QString LastFolders::save_type() const { return from_local(load().save_type); }

void LastFolders::remember_save_type(const QString& extension) {
    UserState state = load();
    state.save_type = local(extension);
    save(state);
}

}  // namespace tilesmith
