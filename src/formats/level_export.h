// Writing the target package into a copy of a Tomb Raider 2-5 base level.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/export_result.h"

namespace tilesmith {

// Both answer written, or package_size_mismatch when the package does not have
// the size of the base's texture set; nothing is written then.
ExportResult ex_tr23(const std::string& output_name, const std::string& base_name,
                     const Package& package, Progress& progress);
ExportResult ex_tr45(const std::string& output_name, const std::string& base_name,
                     const Package& package, Progress& progress);

// The checks and the choice of writer of the export command: output_is_base
// when the output is the base file itself (by file identity), otherwise the
// writer of the format the base's extension names in the registry, and its
// answer; not_a_level when no format exports into bases of that extension;
// the refusal of a base whose first bytes name a kind its extension does not
// take (nothing written).
ExportResult export_level(const std::string& output_name, const std::string& base_name,
                          const Package& package, Progress& progress);

}  // namespace tilesmith
