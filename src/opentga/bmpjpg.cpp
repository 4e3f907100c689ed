// Placeholder until the BMP and JPEG codecs land.
#include "opentga/bmpjpg.h"
#include "core/error.h"
namespace tilesmith {
ReadResult open_bmpjpg(const std::string&, Package&, Progress&) { throw Error("BMP/JPEG reading is not built yet"); }
void save_bmp(const std::string&, const Package&, Progress&) { throw Error("BMP writing is not built yet"); }
void save_jpg(const std::string&, const Package&, Progress&) { throw Error("JPEG writing is not built yet"); }
}  // namespace tilesmith
