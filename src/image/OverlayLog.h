// The log of overlay pixels painted over the picture, and the paints that put the picture back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// One device point to draw on the screen picture: image pixel (x, y) in the ARGB colour.
struct PixelPaint {
    int x, y;
    uint32_t color;
};

// Applies paints in order to an ARGB buffer of width x height (index = y * width + x);
// paints outside the buffer are skipped.
void applyPaints(uint32_t* pixels, int width, int height, const std::vector<PixelPaint>& paints);

// Every overlay pixel painted since the last erase, as linear indices into the picture.
// The log grows with the pixels logged; its capacity is width x height entries, and when the
// count exceeds capacity - 2 it restarts at 0. The lost pixels are remembered, so that the next
// erase asks for the whole picture instead of leaving them on the screen.
class OverlayLog {
  public:
    // Starts an empty log for a picture of this size and frees the old entries.
    void reset(int width, int height);
    // Logs one pixel; pixels outside the picture are ignored.
    void add(int x, int y);
    void add(const std::vector<PixelPaint>& paints);
    // Appends the paints that put the clean picture back under every logged pixel and empties
    // the log. Returns false when that is not enough: pixels were lost to a restart, or clean is
    // missing or not of the picture's size; the caller then restores the whole picture.
    bool erase(const uint32_t* clean, int width, int height, std::vector<PixelPaint>& paints);
    // Forgets every entry without painting, for a screen just rebuilt from the clean picture.
    void clear();

    std::size_t count() const { return entries_.size(); }
    std::size_t capacity() const { return capacity_; }
    bool lostPixels() const { return lost_; }
    // Bytes held by the entries.
    std::size_t memoryBytes() const { return entries_.capacity() * sizeof(uint32_t); }

  private:
    std::vector<uint32_t> entries_;
    int width_ = 0, height_ = 0;
    std::size_t capacity_ = 0;
    bool lost_ = false;
};
