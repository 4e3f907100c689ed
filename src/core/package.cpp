// The texture package bitmap.
#include "core/package.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/memory_platform.h"

namespace tilesmith {

namespace detail {

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kHugeFrom = std::size_t(4) << 20;
std::size_t huge_size(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }
}  // namespace

template <class T>
T* UninitializedAllocator<T>::allocate(std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kHugeFrom) return std::allocator<T>::allocate(n);
    // The C++ allocator, not fresh pages: a block given back is reused at once.
    void* p = ::operator new(huge_size(bytes), std::align_val_t(kHugePage));
    platform::advise_huge_pages(p, huge_size(bytes));
    return static_cast<T*>(p);
}

template <class T>
void UninitializedAllocator<T>::deallocate(T* p, std::size_t n) noexcept {
    if (n * sizeof(T) < kHugeFrom) std::allocator<T>::deallocate(p, n);
    else ::operator delete(p, std::align_val_t(kHugePage));
}

template struct UninitializedAllocator<std::uint8_t>;

}  // namespace detail

namespace {
std::size_t stride_for(int width) { return (std::size_t(width) * 3 + 3) & ~std::size_t(3); }

void fill_span(std::uint8_t* p, int count, PackedColor c) {
    for (int i = 0; i < count; ++i) {
        p[3 * i] = blue_of(c);
        p[3 * i + 1] = green_of(c);
        p[3 * i + 2] = red_of(c);
    }
}

// Rows are padded to 4 bytes; keep the padding zero so the memory is fully defined.
void clear_padding(std::uint8_t* row, int width, std::size_t stride) {
    for (std::size_t i = std::size_t(width) * 3; i < stride; ++i) row[i] = 0;
}
}  // namespace

Package::Package(int width, int height, PackedColor brush) : brush_(brush) {
    resize(width, height);
}

Package Package::for_overwrite(int width, int height, PackedColor brush) {
    Package p;
    p.brush_ = brush;
    p.width_ = std::max(width, 0);
    p.height_ = std::max(height, 0);
    p.stride_ = stride_for(p.width_);
    p.data_.resize(p.stride_ * std::size_t(p.height_));
    for (int y = 0; y < p.height_; ++y) clear_padding(p.row(y), p.width_, p.stride_);
    return p;
}

Package Package::clone() const {
    Package copy;
    copy.width_ = width_;
    copy.height_ = height_;
    copy.stride_ = stride_;
    copy.brush_ = brush_;
    copy.data_ = data_;
    return copy;
}

PackedColor Package::pixel(int x, int y) const {
    if (!contains(x, y)) return kOutside;
    const std::uint8_t* p = row(y) + 3 * std::size_t(x);
    return pack_rgb(p[2], p[1], p[0]);
}

void Package::set_pixel(int x, int y, PackedColor c) {
    if (!contains(x, y)) return;
    std::uint8_t* p = row(y) + 3 * std::size_t(x);
    p[0] = blue_of(c);
    p[1] = green_of(c);
    p[2] = red_of(c);
}

void Package::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    Package fresh;
    fresh.width_ = width;
    fresh.height_ = height;
    fresh.stride_ = stride_for(width);
    fresh.brush_ = brush_;
    fresh.data_.resize(fresh.stride_ * std::size_t(height));
    const int keep_w = std::min(width, width_), keep_h = std::min(height, height_);
    for (int y = 0; width > 0 && y < height; ++y) {
        std::uint8_t* dst = fresh.row(y);
        if (y < keep_h) {
            std::memcpy(dst, row(y), std::size_t(keep_w) * 3);
            fill_span(dst + 3 * std::size_t(keep_w), width - keep_w, brush_);
            clear_padding(dst, width, fresh.stride_);
        } else if (y > keep_h) {
            // Every new row is the same brush-coloured row: copy the first one.
            std::memcpy(dst, fresh.row(keep_h), fresh.stride_);
        } else {
            fill_span(dst, width, brush_);
            clear_padding(dst, width, fresh.stride_);
        }
    }
    swap(fresh);
}

void Package::reserve_rows(int height) {
    data_.reserve(stride_ * std::size_t(std::max(height, 0)));
}

void Package::add_rows(int rows) {
    if (rows <= 0) return;
    const int first = height_;
    data_.resize(stride_ * (std::size_t(height_) + std::size_t(rows)));
    height_ += rows;
    fill_span(row(first), width_, brush_);
    clear_padding(row(first), width_, stride_);
    for (int y = first + 1; y < height_; ++y) std::memcpy(row(y), row(first), stride_);
}

void Package::fill_rect(int x, int y, int w, int h, PackedColor c) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min<long long>((long long)x + w, width_), y1 = std::min<long long>((long long)y + h, height_);
    for (int yy = y0; yy < y1; ++yy) fill_span(row(yy) + 3 * std::size_t(x0), x1 - x0, c);
}

void Package::copy_rect(const Package& src, int sx, int sy, int w, int h, int dx, int dy) {
    // Clip against both packages, moving source and destination together.
    long long x0 = 0, y0 = 0, x1 = w, y1 = h;
    x0 = std::max({x0, -(long long)sx, -(long long)dx});
    y0 = std::max({y0, -(long long)sy, -(long long)dy});
    x1 = std::min({x1, (long long)src.width_ - sx, (long long)width_ - dx});
    y1 = std::min({y1, (long long)src.height_ - sy, (long long)height_ - dy});
    if (x0 >= x1 || y0 >= y1) return;
    for (long long j = y0; j < y1; ++j) {
        std::memmove(row(int(dy + j)) + 3 * std::size_t(dx + x0),
                     src.row(int(sy + j)) + 3 * std::size_t(sx + x0), std::size_t(x1 - x0) * 3);
    }
}

void Package::swap(Package& other) noexcept {
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(stride_, other.stride_);
    std::swap(brush_, other.brush_);
    data_.swap(other.data_);
}

bool Package::operator==(const Package& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; width_ > 0 && y < height_; ++y)
        if (std::memcmp(row(y), other.row(y), std::size_t(width_) * 3) != 0) return false;
    return true;
}

}  // namespace tilesmith
