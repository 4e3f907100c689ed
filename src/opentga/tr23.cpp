// Placeholder until the TR2/3 reader lands.
#include "opentga/tr23.h"
#include "core/error.h"
namespace tilesmith {
ReadResult open_tr23(const std::string&, Package&, bool, bool, Progress&) { throw Error("TR2/3 levels are not built yet"); }
}  // namespace tilesmith
