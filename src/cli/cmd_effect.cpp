// Placeholder until the effect command lands.
#include "cli/cli.h"
namespace tilesmith::cli {
int cmd_effect(const std::vector<std::string>&) { return failure("the effect command is not built yet"); }
}  // namespace tilesmith::cli
