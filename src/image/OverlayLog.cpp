// The overlay pixel log: growing storage, the restart rule, and the restoring paints of an erase.
#include "image/OverlayLog.h"

#include <algorithm>
#include <limits>

void applyPaints(uint32_t* pixels, int width, int height, const std::vector<PixelPaint>& paints) {
    if (!pixels) return;
    for (const PixelPaint& p : paints)
        if (p.x >= 0 && p.x < width && p.y >= 0 && p.y < height)
            pixels[static_cast<std::size_t>(p.y) * width + p.x] = p.color;
}

void OverlayLog::reset(int width, int height) {
    std::vector<uint32_t>().swap(entries_);
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    capacity_ = static_cast<std::size_t>(width_) * height_;
    lost_ = false;
}

void OverlayLog::add(int x, int y) {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
    uint64_t index = static_cast<uint64_t>(y) * width_ + x;
    if (index > std::numeric_limits<uint32_t>::max()) {
        lost_ = true;
        return;
    }
    // Grow by doubling, but never beyond the capacity, so a full log costs 4 bytes per pixel.
    if (entries_.size() == entries_.capacity())
        entries_.reserve(std::min(std::max<std::size_t>(2 * entries_.capacity(), 256), capacity_));
    entries_.push_back(static_cast<uint32_t>(index));
    if (entries_.size() + 2 > capacity_) {
        entries_.clear();
        lost_ = true;
    }
}

void OverlayLog::add(const std::vector<PixelPaint>& paints) {
    for (const PixelPaint& p : paints) add(p.x, p.y);
}

bool OverlayLog::erase(const uint32_t* clean, int width, int height, std::vector<PixelPaint>& paints) {
    bool restorable = !lost_ && (entries_.empty() || (clean && width == width_ && height == height_));
    if (restorable) {
        paints.reserve(paints.size() + entries_.size());
        for (uint32_t index : entries_)
            paints.push_back(
                {static_cast<int>(index % width_), static_cast<int>(index / width_), clean[index]});
    }
    clear();
    return restorable;
}

void OverlayLog::clear() {
    entries_.clear();
    lost_ = false;
}
