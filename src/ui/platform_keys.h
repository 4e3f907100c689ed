// Keys a platform keeps for itself. Qt's Ctrl is the Command key on macOS,
// where Cmd+Q quits every program: a command bound to such a key gives it up,
// so the platform's meaning wins, and keeps its menu item.
#pragma once
#include <QKeySequence>
#include <vector>

namespace tilesmith {

// The keys of the application menu on macOS (Quit, Hide, Hide Others); none elsewhere.
std::vector<QKeySequence> reserved_keys();
// `key`, or no key when it is among `reserved`.
QKeySequence command_key(const QKeySequence& key, const std::vector<QKeySequence>& reserved = reserved_keys());

}  // namespace tilesmith
