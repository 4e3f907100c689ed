// The picture codecs that work through Qt's image library (PNG, the pixels of
// BMP), reached through a table: a program that links them (the editor, the
// tests) finds them in itself; the command-line tool loads them from a module
// the first time a picture needs them, so that opening a level never loads Qt.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

struct QtCodecs {
    // Decodes into `fresh`; throws Error naming the file.
    void (*read_bmp)(const std::string& file_name, Package& fresh, Progress& progress);
    // Qt's decoders refuse, before allocating, a picture larger than the
    // largest we accept; process-wide, set once.
    void (*set_allocation_limit)();
};

// The codecs; throws Error when the module cannot be loaded.
const QtCodecs& qt_codecs();

// Called before main by the codecs linked into a program (the editor, the
// tests, the benchmarks): then no module is loaded. Returns true.
bool use_linked_qt_codecs(const QtCodecs& codecs);

// Sets Qt's picture allocation limit at start, before any job decodes a
// picture on a worker thread.
void set_picture_allocation_limit();

}  // namespace tilesmith
