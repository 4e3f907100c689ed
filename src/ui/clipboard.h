// Tiles to and from the system clipboard as images.
#pragma once
#include <QImage>
#include <optional>

#include "core/dimensions.h"
#include "core/package.h"

namespace tilesmith {

// A standalone RGB image of the package's pixels (a copy the clipboard may keep).
QImage package_to_image(const Package& package);
// The top-left part of `image`, at most max_w x max_h pixels, as a package;
// alpha is dropped. nullopt for a null image.
std::optional<Package> image_to_package(const QImage& image, int max_w = kTileSide, int max_h = kTileSide);

// copy_to_clipboard: puts `tile` (the whole selection) on the clipboard, replacing what it held.
void put_tile_on_clipboard(const Package& tile);
// paste_from_clipboard's source: the clipboard's image cut to at most max_w x max_h,
// nullopt when the clipboard holds no image (text, files, nothing).
std::optional<Package> image_from_clipboard(int max_w, int max_h);

}  // namespace tilesmith
