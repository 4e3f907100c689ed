// The one exception type of the core: input/output and decoding failures.
#pragma once
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

#include "strings/messages.h"
#include "strings/phrase.h"

namespace tilesmith {

// Ends the command; the window shows text() in the current language in its
// general error box, the command-line tool prints what() (the English text)
// and exits with status 1. Every error is a message of the string table, so it
// reaches whoever shows it in either language.
class Error : public std::runtime_error {
public:
    explicit Error(Phrase phrase);
    // A message naming the file (%1) and why (%2): a message of its own, or
    // the words of a library or the system, shown as they are.
    Error(Msg message, const std::string& file, Phrase reason);
    Error(Msg message, const std::string& file, Msg reason) : Error(message, file, Phrase(reason)) {}
    Error(Msg message, const std::string& file, const std::string& detail = {});

    std::string text(Language language) const { return phrase_.text(language); }
    const Phrase& phrase() const { return phrase_; }
    Msg message() const { return phrase_.message(); }
    // The message of %2, when it is one.
    std::optional<Msg> reason() const;

private:
    Phrase phrase_;
};

// A failure of the system call that set `err`: the common reasons in both
// languages, the others in the system's words.
Error errno_error(Msg message, const std::string& file, int err);

// Runs `body`; an Error whose text names neither `file_name` nor `other_file`
// becomes `message` about `file_name` with that error as its reason, so that
// whoever shows it can tell which file it is about. Running out of memory
// becomes such an Error too.
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
        throw Error(message, file_name, e.phrase());
    } catch (const std::bad_alloc&) {
        throw Error(message, file_name, Msg::NotEnoughMemory);
    }
}

}  // namespace tilesmith
