// Writing the target package into a copy of a Tomb Raider 2-5 base level.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// Both return -1 when the output was written, or the even base entry of the
// string table that refuses the export (14: the package does not have the size
// of the base's texture set); nothing is written then.
int ex_tr23(const std::string& output_name, const std::string& base_name, const Package& package,
            Progress& progress);
int ex_tr45(const std::string& output_name, const std::string& base_name, const Package& package,
            Progress& progress);

// The checks and the choice of writer of the export command: 16 when the
// output is the base file itself (by file identity), otherwise the writer
// of the format the base's extension names in the registry, and its answer;
// -2 when no format exports into bases of that extension (nothing done).
int export_level(const std::string& output_name, const std::string& base_name,
                 const Package& package, Progress& progress);

}  // namespace tilesmith
