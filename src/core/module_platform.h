// The platform's part of loading a module at run time: where the running
// program lies, and opening a module to find one of its functions.
#pragma once
#include <filesystem>
#include <string>

namespace tilesmith::platform {

// The folder of the running program; empty when the system does not tell.
std::filesystem::path program_folder();

// Loads the module `path` for the rest of the process and returns its
// function `symbol`; nullptr, with the system's words in `problem`, when
// either cannot be had.
void* load_module_function(const std::filesystem::path& path, const char* symbol, std::string& problem);

}  // namespace tilesmith::platform
