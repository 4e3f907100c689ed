// A large zero-filled byte buffer taken straight from the system, in huge
// pages where offered: its zeros cost nothing until touched.
#pragma once
#include <cstddef>
#include <cstdint>

namespace tilesmith {

class ZeroedBuffer {
public:
    // Throws std::bad_alloc when the memory cannot be had.
    explicit ZeroedBuffer(std::size_t size);
    ~ZeroedBuffer();
    ZeroedBuffer(const ZeroedBuffer&) = delete;
    ZeroedBuffer& operator=(const ZeroedBuffer&) = delete;

    std::uint8_t* data() { return data_; }
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0, mapped_ = 0;
};

}  // namespace tilesmith
