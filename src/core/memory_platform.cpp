// Large blocks from anonymous memory maps, or from operator new where the
// system has none.
#include "core/memory_platform.h"

#include <cstdint>
#include <cstring>
#include <new>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#include <unistd.h>
#define TILESMITH_MEMORY_MAPS 1
#endif

namespace tilesmith::platform {

#ifdef TILESMITH_MEMORY_MAPS

namespace {
std::size_t page_size() {
    static const std::size_t size = std::size_t(sysconf(_SC_PAGESIZE));
    return size;
}
std::size_t round_up(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }
}  // namespace

void* allocate_pages(std::size_t bytes, std::size_t alignment) {
    const std::size_t length = round_up(bytes ? bytes : 1, page_size());
    const std::size_t slack = alignment > page_size() ? alignment - page_size() : 0;
    if (length + slack < length) return nullptr;
    void* raw = mmap(nullptr, length + slack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    // Map more than asked and give back what lies before and after the aligned block.
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = round_up(start, alignment > page_size() ? alignment : page_size());
    if (aligned > start) munmap(raw, aligned - start);
    if (const std::size_t tail = start + length + slack - (aligned + length))
        munmap(reinterpret_cast<void*>(aligned + length), tail);
    void* block = reinterpret_cast<void*>(aligned);
    if (length >= (std::size_t(4) << 20)) advise_huge_pages(block, length);
    return block;
}

void free_pages(void* block, std::size_t bytes, std::size_t) noexcept {
    if (block) munmap(block, round_up(bytes ? bytes : 1, page_size()));
}

void advise_huge_pages([[maybe_unused]] void* block, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
    madvise(block, bytes, MADV_HUGEPAGE);  // failure is harmless
#endif
}

void populate_pages([[maybe_unused]] void* start, [[maybe_unused]] std::size_t bytes) noexcept {
#ifdef MADV_POPULATE_WRITE
    if (!bytes) return;
    const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(start) / page_size() * page_size();
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(start) + bytes;
    madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);  // failure is harmless
#endif
}

#else

void* allocate_pages(std::size_t bytes, std::size_t alignment) {
    void* block = ::operator new(bytes ? bytes : 1, std::align_val_t(alignment), std::nothrow);
    if (block) std::memset(block, 0, bytes);
    return block;
}

void free_pages(void* block, std::size_t, std::size_t alignment) noexcept {
    ::operator delete(block, std::align_val_t(alignment));
}

void advise_huge_pages(void*, std::size_t) noexcept {}
void populate_pages(void*, std::size_t) noexcept {}

#endif

}  // namespace tilesmith::platform
