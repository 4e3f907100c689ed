// Compacting a level's textures: a copy of the level whose pages hold the
// areas its object and sprite textures map, packed as rectangles onto as few
// pages as they fit in. Only where the textures point changes: their number
// and indices, the faces, meshes and animated ranges stay as they are, and
// every texture samples the same pixels as before.
//
// Tomb Raider 1 keeps its palette, its pages written in 8 bits. Tomb Raider
// 2 and 3 write their 16-bit pages; their 8-bit pages, which the games do not
// read, are the first of the old ones, as many as the new count. Tomb Raider 4
// and 5 pack their room and object pages each within itself; a level with
// bump pages keeps its room pages where they are (each bump page belongs to
// one), and its font and sky pages are kept as they are.
#pragma once
#include <string>

#include "core/progress.h"
#include "formats/compaction_plan.h"
#include "formats/level_file.h"

namespace tilesmith {

// The counts of compacting `level` (read with its walk), nothing written:
// what the window shows before the user chooses where the copy goes. Reads
// the level's stored pages from its file. Throws Error (Msg::CompactRefused,
// naming the file and why) for an image, an object package, a level whose
// structures cannot be walked to their end or whose textures map outside its
// pages, and the errors of reading it.
CompactionSummary plan_compaction(const LevelFile& level);

// Reads `level` once, compacts it and writes the copy as `output` (a
// temporary file replaced when whole; nothing left on failure). Throws Error
// as plan_compaction does, Msg::CompactIntoItself when `output` is the level
// itself (by identity), and Msg::CannotWriteFile naming `output`. A level
// whose pages cannot shrink is written with its textures as they were.
CompactionSummary compact_level(const std::string& level, const std::string& output, Progress& progress);

}  // namespace tilesmith
