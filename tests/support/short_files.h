// Files of every readable format that end before the data they announce.
#pragma once
#include <string>
#include <vector>

#include "support/test_files.h"

namespace tilesmith {

struct ShortFile {
    std::string path;
    // Rows the reader fills with the transparent colour; 0: the reader refuses
    // the file (its format has no way to read part of it).
    int missing_rows;
    int height;  // the height the file announces (read files only)
};

// Writes one cut file of each format into `dir`.
std::vector<ShortFile> short_files(const TempDir& dir);

}  // namespace tilesmith
