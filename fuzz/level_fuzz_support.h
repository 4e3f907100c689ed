// Shared by the level fuzz targets: the check that a refused file leaves the
// package unchanged, and the texture and whole-level walks of a format's versions.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/checked.h"
#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"
#include "formats/level_geometry.h"
#include "fuzz_support.h"
#include "model/texture_use.h"

namespace tilesmith {

// Runs `read` on a small marked package: it either loads 256 pixels wide or
// throws Error with the package untouched. Anything else aborts.
template <typename Read>
void fuzz_read(Read read) {
    Package package(64, 64, kBlack);
    package.set_pixel(1, 2, kWhite);
    const Package before = package.clone();
    CountingProgress progress;
    try {
        read(package, progress);
        if (package.width() != 256 || progress.position() != progress.maximum()) std::abort();
    } catch (const Error&) {
        if (!(package == before)) std::abort();
    }
}

// Walks the file with the whole-level walk of each version: it either gives a
// level whose indices into its own tables all lead somewhere or to -1, or
// throws Error. Anything else aborts.
inline void fuzz_level_walks(const std::string& path, std::span<const LevelVersion* const> versions) {
    for (const LevelVersion* version : versions) {
        if (!version->walk_level) continue;
        try {
            InFile in(path);
            const LevelGeometry level = version->walk_level(in);
            const auto leads_somewhere = [&](int mesh) { return mesh >= -1 && mesh < int(level.meshes.size()); };
            for (const int mesh : level.mesh_of_pointer)
                if (!leads_somewhere(mesh)) std::abort();
            for (const MoveableDef& m : level.moveables) {
                for (const int mesh : m.meshes)
                    if (!leads_somewhere(mesh)) std::abort();
                if (m.turns.size() > m.meshes.size() || (!m.tree.empty() && m.tree.size() + 1 != m.meshes.size()))
                    std::abort();
            }
            for (const PlacedItem& item : level.items)
                if (item.room < -1 || item.room >= int(level.rooms.size())) std::abort();
            if (level.textured_object_face_count() < 0 || level.placed_moveable_count() < 0 ||
                level.placed_sprite_item_count() < 0 || level.room_sprite_count() < 0)
                std::abort();
        } catch (const Error&) {
        }
    }
}

// Walks the file with the texture walk of each version: it either gives the
// references, which place on a package of two pages, or throws Error.
// Anything else aborts (through the fuzzer's own crash report).
inline void fuzz_walks(const std::string& path, std::span<const LevelVersion* const> versions) {
    for (const LevelVersion* version : versions) {
        if (!version->walk_textures) continue;
        try {
            InFile in(path);
            const TextureUse use(version->walk_textures(in), 2);
            if (use.used_pixels(0) < 0) std::abort();
        } catch (const Error&) {
        }
    }
    fuzz_level_walks(path, versions);
}

}  // namespace tilesmith
