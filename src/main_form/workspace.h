// Placeholder: the workspace model of the main window.
#pragma once
namespace tilesmith {
class Workspace;
}
