// Zero-filled buffers straight from the system.
#include "core/zeroed_buffer.h"

#include <new>

#include "core/memory_platform.h"

namespace tilesmith {

namespace {
constexpr std::size_t kAlignment = alignof(std::max_align_t);
}

ZeroedBuffer::ZeroedBuffer(std::size_t size) : size_(size) {
    // One byte more than asked, so that even an empty buffer has an address.
    mapped_ = size + 1;
    data_ = static_cast<std::uint8_t*>(platform::allocate_pages(mapped_, kAlignment));
    if (!data_) throw std::bad_alloc();
}

ZeroedBuffer::~ZeroedBuffer() { platform::free_pages(data_, mapped_, kAlignment); }

}  // namespace tilesmith
