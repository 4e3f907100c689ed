// The one exception type of the core: input/output and decoding failures.
#pragma once
#include <stdexcept>
#include <string>

namespace tilesmith {

// Ends the command; the window shows what() in its general error box, the
// command-line tool prints it and exits with status 1.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tilesmith
