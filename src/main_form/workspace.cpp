// Placeholder: the workspace model lands with its own issue.
#include "main_form/workspace.h"
