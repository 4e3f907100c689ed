// What every refused read must leave behind, for the reader tests.
#pragma once
#include <functional>
#include <string>

#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// Expects `read` to end in an Error whose text names `path`, with the package
// it was given (pixels and brush) and the gauge untouched.
void expect_refused(const std::string& path, const std::function<void(Package&, Progress&)>& read);

}  // namespace tilesmith
