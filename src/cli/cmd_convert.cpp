// Placeholder until the convert command lands.
#include "cli/cli.h"
namespace tilesmith::cli {
int cmd_convert(const std::vector<std::string>&) { return failure("the convert command is not built yet"); }
}  // namespace tilesmith::cli
