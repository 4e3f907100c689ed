// The one exception type of the core: input/output and decoding failures.
#pragma once
#include <new>
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

// Runs `body`; an Error whose text names neither `file_name` nor `other_file`
// (zlib's fixed words, for one) becomes `message` about `file_name` with those
// words as its reason, so that whoever shows it can tell which file it is
// about. Running out of memory becomes such an Error too.
template <class Body>
auto naming_file(Msg message, const std::string& file_name, Body&& body, const std::string& other_file = {})
    -> decltype(body()) {
    try {
        return body();
    } catch (const Error& e) {
        const std::string text = e.what();
        if (text.find(file_name) != std::string::npos ||
            (!other_file.empty() && text.find(other_file) != std::string::npos))
            throw;
        throw Error(message, file_name, text);
    } catch (const std::bad_alloc&) {
        throw Error(message, file_name, "not enough memory");
    }
}

}  // namespace tilesmith
