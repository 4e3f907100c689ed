// Placeholder: the workspace model of the main window.
#include "main_form/workspace.h"
