// The texture package: a 24-bit bitmap of blue, green, red bytes, rows top down.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "core/color.h"

namespace tilesmith {

namespace detail {
// Leaves new bytes uninitialised: every byte of a package is written when it is
// sized, so zero-filling first would only cost time on large packages.
template <class T>
struct UninitializedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    using std::allocator<T>::allocator;
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    // Large packages live in huge pages where the system offers them: filling
    // a fresh 48 MB package otherwise spends much of its time in page faults.
    T* allocate(std::size_t n);
    void deallocate(T* p, std::size_t n) noexcept;
};
extern template struct UninitializedAllocator<std::uint8_t>;
}  // namespace detail

class Package {
public:
    Package() = default;
    // A width x height package filled with `brush`, which also becomes its brush colour.
    Package(int width, int height, PackedColor brush = kSilver);
    // A width x height package whose pixels are left undefined, for readers that
    // write every pixel anyway; the row padding is zero.
    static Package for_overwrite(int width, int height, PackedColor brush = kSilver);

    // A package holds megabytes: it is moved, and copied only where a caller
    // says so with clone(). A moved-from package is empty, 0 x 0, so nothing
    // can read rows of the buffer it gave away.
    Package(Package&& other) noexcept { swap(other); }
    Package& operator=(Package&& other) noexcept {
        Package taken(std::move(other));
        swap(taken);
        return *this;
    }
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;
    // The same size, brush and pixels in a buffer of its own.
    Package clone() const;

    int width() const { return width_; }
    int height() const { return height_; }
    // Bytes from one row to the next: width * 3 rounded up to 4, so the rows can
    // be shown through a QImage view of the same memory.
    std::size_t stride() const { return stride_; }
    std::uint8_t* row(int y) { return data_.data() + std::size_t(y) * stride_; }
    const std::uint8_t* row(int y) const { return data_.data() + std::size_t(y) * stride_; }
    std::uint8_t* bits() { return data_.data(); }
    const std::uint8_t* bits() const { return data_.data(); }

    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    // A read outside the package returns kOutside (every channel 255).
    PackedColor pixel(int x, int y) const;
    // A write outside the package is dropped.
    void set_pixel(int x, int y, PackedColor c);

    // The background colour: what resizing fills new area with.
    PackedColor brush() const { return brush_; }
    void set_brush(PackedColor c) { brush_ = c; }

    // Keeps the top-left pixels at their coordinates, drops what falls outside
    // and fills new area with the brush colour. Negative sizes count as 0.
    void resize(int width, int height);
    // Room for `height` rows of the present width, so that add_rows() up to
    // it never moves the pixels: a package that grows a band at a time then
    // never holds two copies of itself. Room never written costs address
    // space only, where the system maps memory as it is touched. Throws
    // std::bad_alloc when not even the address space is there.
    void reserve_rows(int height);
    // `rows` rows of the brush colour added at the bottom.
    void add_rows(int rows);
    // Fills the part of the rectangle inside the package.
    void fill_rect(int x, int y, int w, int h, PackedColor c);
    // Copies the w x h rectangle at (sx, sy) of `src` to (dx, dy) of this package;
    // only pixels inside both packages take part. `src` may be this package
    // only if the rectangles do not overlap.
    void copy_rect(const Package& src, int sx, int sy, int w, int h, int dx, int dy);

    void swap(Package& other) noexcept;
    // Takes the size and pixels of `fresh` and keeps this package's brush: how a
    // reader that decoded into a new bitmap hands its result over.
    void take_pixels(Package& fresh) noexcept {
        const PackedColor keep = brush_;
        swap(fresh);
        brush_ = keep;
    }
    bool operator==(const Package& other) const;  // same size and pixels

private:
    int width_ = 0, height_ = 0;
    std::size_t stride_ = 0;
    PackedColor brush_ = kSilver;
    std::vector<std::uint8_t, detail::UninitializedAllocator<std::uint8_t>> data_;
};

}  // namespace tilesmith
