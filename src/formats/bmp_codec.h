// BMP decoding, our own: the pixels of every common kind of BMP file.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// Decodes a whole BMP file into `fresh` (resized to the picture). Throws Error
// naming the file for a file that is no BMP, or one of a kind not read
// (embedded JPEG or PNG, Huffman coding); `fresh` may then hold anything.
void read_bmp_pixels(const std::string& file_name, Package& fresh, Progress& progress);

}  // namespace tilesmith
