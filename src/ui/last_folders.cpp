// The window's per-user state, through model/user_state.
#include "ui/last_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>

#include "model/recent_files.h"
#include "model/user_state.h"
#include "ui/file_name_text.h"

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

// The state as last read or changed: read once, at the first question.
struct Kept {
    bool read = false;
    UserState state;
};

Kept& kept() {
    static Kept k;
    return k;
}

const UserState& load() {
    Kept& k = kept();
    if (!k.read) {
        // What an earlier window wrote aside is on disk before it is read.
        wait_for_user_state_writes();
        k.state = load_user_state(core_file_name(LastFolders::state_file()));
        k.read = true;
    }
    return k.state;
}

// A change is kept at once and written aside, on a worker. A folder that
// cannot be written loses the state quietly: config.dat's own warning has
// told the user so.
void change(const std::function<void(UserState&)>& edit) {
    load();
    UserState& state = kept().state;
    const UserState before = state;
    edit(state);
    if (state == before) return;
    const QString file = LastFolders::state_file();
    write_user_state_aside(core_file_name(QFileInfo(file).absolutePath()), core_file_name(file), state);
}

}  // namespace

void LastFolders::keep_in(const QString& state_file) {
    chosen_file() = state_file;
    kept().read = false;
}

QString LastFolders::state_file() {
    if (!chosen_file().isEmpty()) return chosen_file();
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') +
           QString::fromLatin1(kUserStateFile.data(), qsizetype(kUserStateFile.size()));
}

QString LastFolders::folder(FolderSlot slot) const {
    const UserState& state = load();
    const auto found = state.folders.find(key(slot));
    return found == state.folders.end() ? QString() : qt_file_name(found->second);
}

void LastFolders::remember(FolderSlot slot, const QString& chosen) {
    if (chosen.isEmpty()) return;
    change([&](UserState& state) { state.folders[key(slot)] = core_file_name(QFileInfo(chosen).absolutePath()); });
}

std::vector<std::string> LastFolders::recent() const { return load().recent; }

void LastFolders::remember_recent(const RecentFiles& recent) {
    change([&](UserState& state) { state.recent = recent.entries(); });
}

QString LastFolders::window_value(const char* name) const {
    const UserState& state = load();
    const auto found = state.window.find(name);
    return found == state.window.end() ? QString() : QString::fromStdString(found->second);
}

void LastFolders::remember_window(const std::map<std::string, std::string>& values) {
    change([&](UserState& state) {
        for (const auto& [name, value] : values) state.window[name] = value;
    });
}

QString LastFolders::save_type() const { return qt_file_name(load().save_type); }

void LastFolders::remember_save_type(const QString& extension) {
    change([&](UserState& state) { state.save_type = core_file_name(extension); });
}

}  // namespace tilesmith
