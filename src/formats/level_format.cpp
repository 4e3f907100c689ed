// Refusals of level headers shared by the readers and the export.
#include "formats/level_format.h"

#include "core/checked.h"
#include "core/error.h"

namespace tilesmith {

void refuse_level(const std::string& file_name, const std::string& problem) {
    throw Error("Cannot read \"" + file_name + "\": " + problem);
}

void check_level_pages(const std::string& file_name, std::int64_t pages) {
    const auto rows = checked_mul(pages, kLevelPageSide);
    const auto pixels = rows ? checked_mul(*rows, kLevelPageSide) : std::nullopt;
    const auto bytes = rows ? checked_mul(*rows, 3 * kLevelPageSide) : std::nullopt;
    if (pages < 0 || !pixels || !bytes || *pixels > kMaxPackagePixels || *bytes > kMaxBufferBytes)
        refuse_level(file_name, std::to_string(pages) +
                                    " texture pages would make a package larger than 1 GiB");
}

}  // namespace tilesmith
