// Large blocks of memory straight from the system: memory maps where the
// system has them, the standard allocator elsewhere.
#pragma once
#include <cstddef>

namespace tilesmith::platform {

// `bytes` bytes that read as zero, aligned to `alignment` (a power of two), in
// huge pages where the system offers them. nullptr when there is not enough
// memory. With memory maps the zeros cost nothing until the pages are touched.
void* allocate_pages(std::size_t bytes, std::size_t alignment);
// Gives back a block of allocate_pages() with the same size and alignment.
void free_pages(void* block, std::size_t bytes, std::size_t alignment) noexcept;
// Asks for huge pages under a block of any allocator; only advice, which a
// system without them ignores.
void advise_huge_pages(void* block, std::size_t bytes) noexcept;
// Has the system give the untouched pages under `bytes` bytes at `start` their
// memory now, on the calling thread, rather than at their first write, so that
// a thread with time to spare can take that cost off a busier one. Contents
// are kept; only advice, which a system without it ignores.
void populate_pages(void* start, std::size_t bytes) noexcept;

}  // namespace tilesmith::platform
