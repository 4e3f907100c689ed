// The one exception type of the core: input/output and decoding failures.
#pragma once
#include <optional>
#include <stdexcept>
#include <string>

#include "strings/messages.h"

namespace tilesmith {

// Ends the command; the window shows text() in the current language in its
// general error box, the command-line tool prints what() (the English text)
// and exits with status 1.
class Error : public std::runtime_error {
public:
    // A text of its own, the same in both languages.
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    // A message of the string table naming the file (%1) and why (%2): a
    // reason with a pair of its own, or a text from elsewhere (the system, a
    // decoder).
    Error(Msg message, const std::string& file, Msg reason);
    Error(Msg message, const std::string& file, const std::string& detail = {});

    std::string text(Language language) const;
    std::optional<Msg> message() const { return message_; }
    std::optional<Msg> reason() const { return reason_; }

private:
    std::optional<Msg> message_, reason_;
    std::string file_, detail_;
};

// A failure of the system call that set `err`: the common reasons in both
// languages, the others in the system's words.
Error errno_error(Msg message, const std::string& file, int err);

}  // namespace tilesmith
