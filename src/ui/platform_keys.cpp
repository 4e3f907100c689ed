// Keys a platform keeps for itself.
#include "ui/platform_keys.h"

#include <algorithm>

namespace tilesmith {

std::vector<QKeySequence> reserved_keys() {
#ifdef Q_OS_MACOS
    return {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_H),
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H)};
#else
    return {};
#endif
}

QKeySequence command_key(const QKeySequence& key, const std::vector<QKeySequence>& reserved) {
    return std::find(reserved.begin(), reserved.end(), key) == reserved.end() ? key : QKeySequence();
}

}  // namespace tilesmith
