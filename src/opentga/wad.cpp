// Placeholder until the object-package reader lands.
#include "opentga/wad.h"
#include "core/error.h"
namespace tilesmith {
ReadResult open_wad(const std::string&, Package&, Progress&) { throw Error("object packages are not built yet"); }
}  // namespace tilesmith
