// Writing the target package into a copy of a Tomb Raider 2-5 base level.
#pragma once
#include <string>

#include "core/file_io.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/export_result.h"
#include "formats/level_file.h"

namespace tilesmith {

// Both answer written, or package_size_mismatch when the package does not have
// the size of the base's texture set; nothing is written then.
ExportResult ex_tr23(const std::string& output_name, InFile& base, const Package& package, Progress& progress);
ExportResult ex_tr45(const std::string& output_name, InFile& base, const Package& package, Progress& progress);
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
// The base is opened once: its kind, its walk and its bytes come from that
// opening. A base whose structures cannot be walked to their end is refused
// (Error Msg::BaseNotWalked, naming it and why) before the output exists.
// With `base_read`, the base's pages are read too (with `base_options`) and
// its value handed back.
ExportResult export_level(const std::string& output_name, const std::string& base_name,
                          const Package& package, Progress& progress, LevelFile* base_read = nullptr,
                          const ReaderOptions& base_options = {});

}  // namespace tilesmith
