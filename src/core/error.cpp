// Texts of the core's errors in either language.
#include "core/error.h"

#include <cerrno>
#include <cstring>

namespace tilesmith {

namespace {

std::string fill(std::string_view pattern, const std::string& file, const std::string& detail) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? file : detail;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string english(Msg message, const std::string& file, const std::string& detail) {
    return fill(text_of(message, Language::English), file, detail);
}

}  // namespace

Error::Error(Msg message, const std::string& file, Msg reason)
    : std::runtime_error(english(message, file, std::string(text_of(reason, Language::English)))),
      message_(message), reason_(reason), file_(file) {}

Error::Error(Msg message, const std::string& file, const std::string& detail)
    : std::runtime_error(english(message, file, detail)), message_(message), file_(file),
      detail_(detail) {}

std::string Error::text(Language language) const {
    if (!message_) return what();
    const std::string detail = reason_ ? std::string(text_of(*reason_, language)) : detail_;
    return fill(text_of(*message_, language), file_, detail);
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
