// Textures of Tomb Raider 1 levels (.phd, .tub): 8-bit pages and the palette far behind them.
#pragma once
#include <cstdint>
#include <string>

#include "core/file_io.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/export_result.h"
#include "formats/file_format.h"
#include "formats/level_walk.h"

namespace tilesmith {

extern const FileFormat kTr1Format;

// Where a walk of every structure of a Tomb Raider 1 level found what the
// textures need.
struct Tr1Layout {
    std::int64_t pages = 0;           // 8-bit pages from kTr1PagesOffset
    std::int64_t palette_offset = 0;  // 256 red, green, blue triples of 6 bits
    // Unfinished Business and the demos keep the palette after the sprite
    // sequences instead of after the light map.
    bool palette_after_sprites = false;
    Table object_textures, sprite_textures;
    std::int64_t ignored = 0;  // bytes after the last structure
};

constexpr std::int64_t kTr1PageCountOffset = 4;
constexpr std::int64_t kTr1PagesOffset = 8;

// Walks the level by its counts in both palette orders and keeps the one whose
// last structure ends nearest the end of the file (both as near, the name's
// extension decides: ".tub" the Unfinished Business order). Throws Error
// naming the file when neither fits, before anything is allocated.
Tr1Layout walk_tr1(InFile& in);

// The texture references of the walk above; throws Error
// (refuse_texture_walk) when the level cannot be walked.
LevelTextureRefs walk_tr1_textures(InFile& in);
// The rooms and static meshes of the same walk; throws Error (refuse_room_walk).
LevelGeometry walk_tr1_level(InFile& in);

// Each pixel is its palette entry times four; index 0, the game's transparent
// colour, reads as magenta while `correct_transparent` is set.
ReadResult open_tr1(InFile& in, Package& package, bool correct_transparent, Progress& progress);
ReadResult open_tr1(const std::string& file_name, Package& package, bool correct_transparent, Progress& progress);

// Writes the package into a copy of the base with each pixel turned into the
// nearest palette colour of entries 1..255 (magenta into index 0); everything
// but the 8-bit pages stays byte for byte. package_size_mismatch when the
// package does not have the size of the base's pages (nothing written then).
ExportResult ex_tr1(const std::string& output_name, InFile& base, const Package& package, Progress& progress);
ExportResult ex_tr1(const std::string& output_name, const std::string& base_name, const Package& package,
                    Progress& progress);

}  // namespace tilesmith
