// Zero-filled buffers from anonymous memory maps.
#include "core/zeroed_buffer.h"

#include <sys/mman.h>

#include <new>

namespace tilesmith {

ZeroedBuffer::ZeroedBuffer(std::size_t size) : size_(size) {
    // One byte more than asked, so that even an empty buffer has an address.
    mapped_ = size + 1;
    void* p = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    if (mapped_ >= (std::size_t(4) << 20)) madvise(p, mapped_, MADV_HUGEPAGE);  // advice only
#endif
    data_ = static_cast<std::uint8_t*>(p);
}

ZeroedBuffer::~ZeroedBuffer() { munmap(data_, mapped_); }

}  // namespace tilesmith
