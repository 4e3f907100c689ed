// The core's errors as messages of the string table.
#include "core/error.h"

#include <cerrno>
#include <cstring>

namespace tilesmith {

Error::Error(Phrase phrase) : std::runtime_error(phrase.text(Language::English)), phrase_(std::move(phrase)) {}

Error::Error(Msg message, const std::string& file, Phrase reason)
    : Error(Phrase(message).arg(file).arg(std::move(reason))) {}

Error::Error(Msg message, const std::string& file, const std::string& detail)
    : Error(Phrase(message).arg(file).arg(detail)) {}

std::optional<Msg> Error::reason() const {
    if (const Phrase* nested = phrase_.nested(1)) return nested->message();
    return std::nullopt;
}

Error errno_error(Msg message, const std::string& file, int err) {
    switch (err) {
        case ENOENT: return Error(message, file, Msg::NoSuchFile);
        case EACCES: return Error(message, file, Msg::PermissionDenied);
        case ENOSPC: return Error(message, file, Msg::DiskFull);
        case EROFS: return Error(message, file, Msg::ReadOnlyFileSystem);
        default: return Error(message, file, std::string(std::strerror(err)));
    }
}

}  // namespace tilesmith
