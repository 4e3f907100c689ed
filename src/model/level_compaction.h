// Compacting the textures of a pane's level into a copy, as the window does
// it: what the user is told before anything is written and the name offered
// for the copy. The tasks that plan and write it are the file service's.
#pragma once
#include <string>
#include <vector>

#include "formats/compaction_plan.h"
#include "strings/phrase.h"

namespace tilesmith {

// What compacting a level would do, planned on the worker.
struct CompactionPreview {
    std::string level;  // the level's file
    int game = 0;       // 1-5
    CompactionSummary summary;
};

// The question's sentences, one a line: the level, its pages before and
// after, its textures, the areas kept, shared and dropped; for Tomb Raider 2
// and 3 what becomes of the 8-bit pages; and that nothing shrinks, when so.
std::vector<Phrase> compaction_sentences(const CompactionPreview& preview);

// The counts of a compaction done, for the note that the copy was written.
Phrase compaction_summary(const CompactionSummary& summary);

// The name offered for the copy of `level`: its own name with "-compact"
// before its own extension ("CITY.TR2" -> "CITY-compact.TR2"), no folder.
std::string compacted_copy_name(const std::string& level);

}  // namespace tilesmith
