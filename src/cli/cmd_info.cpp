// Placeholder until the info command lands.
#include "cli/cli.h"
namespace tilesmith::cli {
int cmd_info(const std::vector<std::string>&) { return failure("the info command is not built yet"); }
}  // namespace tilesmith::cli
