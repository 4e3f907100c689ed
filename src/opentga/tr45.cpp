// Placeholder until the TR4/5 reader lands.
#include "opentga/tr45.h"
#include "core/error.h"
namespace tilesmith {
ReadResult open_tr45(const std::string&, Package&, bool, Progress&) { throw Error("TR4/5 levels are not built yet"); }
}  // namespace tilesmith
