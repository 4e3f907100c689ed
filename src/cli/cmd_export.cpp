// Placeholder until the export command lands.
#include "cli/cli.h"
namespace tilesmith::cli {
int cmd_export(const std::vector<std::string>&) { return failure("the export command is not built yet"); }
}  // namespace tilesmith::cli
