// The per-user state as text: one "key=value" line each, newlines and
// backslashes of values escaped.
#include "model/user_state.h"

#include <exception>
#include <fstream>
#include <filesystem>
#include <sstream>

#include "core/file_io.h"
#include "core/pool.h"

namespace tilesmith {

namespace {

constexpr std::string_view kRecent = "recent=", kFolder = "folder.", kSaveType = "save_type=", kWindow = "window.";

// "prefix.name=value" into map[name].
void read_named(std::string_view line, std::string_view prefix, std::map<std::string, std::string>& map);

std::string escaped(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::string unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

void read_named(std::string_view line, std::string_view prefix, std::map<std::string, std::string>& map) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return;
    map[std::string(line.substr(prefix.size(), equals - prefix.size()))] = unescaped(line.substr(equals + 1));
}

}  // namespace

UserState load_user_state(const std::string& path) {
    UserState state;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view l = line;
        if (l.starts_with(kRecent)) {
            state.recent.push_back(unescaped(l.substr(kRecent.size())));
        } else if (l.starts_with(kSaveType)) {
            state.save_type = unescaped(l.substr(kSaveType.size()));
        } else if (l.starts_with(kFolder)) {
            read_named(l, kFolder, state.folders);
        } else if (l.starts_with(kWindow)) {
            read_named(l, kWindow, state.window);
        }
    }
    return state;
}

bool save_user_state(const std::string& path, const UserState& state, std::string* problem) {
    std::ostringstream text;
    for (const std::string& name : state.recent) text << kRecent << escaped(name) << '\n';
    for (const auto& [dialog, folder] : state.folders) text << kFolder << escaped(dialog) << '=' << escaped(folder) << '\n';
    for (const auto& [name, value] : state.window) text << kWindow << escaped(name) << '=' << escaped(value) << '\n';
    if (!state.save_type.empty()) text << kSaveType << escaped(state.save_type) << '\n';
    const std::string bytes = text.str();
    try {
        write_file_atomic(path, bytes.data(), bytes.size());
        return true;
    } catch (const std::exception& e) {
        if (problem) *problem = e.what();
        return false;
    }
}

namespace {

LatestWork& state_writes() {
    static LatestWork writes;
    return writes;
}

}  // namespace

void write_user_state_aside(const std::string& folder, const std::string& path, UserState state) {
    state_writes().post([folder, path, state = std::move(state)] {
        std::error_code ignored;
        std::filesystem::create_directories(path_from_utf8(folder), ignored);
        save_user_state(path, state);
    });
}

void wait_for_user_state_writes() { state_writes().wait(); }

}  // namespace tilesmith
