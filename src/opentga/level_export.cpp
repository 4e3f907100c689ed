// Placeholder until level export lands.
#include "opentga/level_export.h"
#include "core/error.h"
namespace tilesmith {
int ex_tr23(const std::string&, const std::string&, const Package&, Progress&) { throw Error("level export is not built yet"); }
int ex_tr45(const std::string&, const std::string&, const Package&, Progress&) { throw Error("level export is not built yet"); }
int export_level(const std::string&, const std::string&, const Package&, Progress&) { throw Error("level export is not built yet"); }
}  // namespace tilesmith
