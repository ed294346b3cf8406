#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

// Pixel work for icons on plain arrays, laid out as device-independent bitmaps are: rows from
// the bottom of the image to the top, pixels left to right, four bytes blue, green, red, alpha
// per pixel in the 32-bit array.
namespace iconpixels {

// Bytes in one row of a colour image at a depth (rows are padded to 4 bytes); 0 for a depth
// that is not 1, 4, 8, 16, 24 or 32.
int rowBytes(int depth, int width);
// Bytes in one row of the one-bit transparency mask.
int maskRowBytes(int width);
// Entries in the colour table of a depth: 2, 16, 256, or 0 for the depths without one.
int paletteEntries(int depth);

// The fixed colour tables, each entry 0x00RRGGBB (as the file stores them: blue, green, red).
// Depth 1: black and white. Depth 4: the sixteen standard system colours. Depth 8: those
// sixteen, the web-safe colours not among them, then greys. Empty for other depths.
const std::vector<uint32_t> &palette(int depth);
// Index of the entry nearest to a colour (smallest squared distance, the lower index on ties).
int nearestEntry(const std::vector<uint32_t> &table, int r, int g, int b);

struct PixelArray
{
    int size = 0;
    std::vector<uint8_t> bgra; // 4 x size x size, bottom row first
    std::vector<uint8_t> mask; // maskRowBytes(size) x size, bottom row first, set = transparent
};

// The top-left size x size pixels of a picture as a bottom-up 32-bit array with a clear mask.
// Pixels the picture does not cover are zero. Empty (size 0) for a null picture or size < 1.
PixelArray readPixels(const QImage &picture, int size);

// Makes every pixel opaque, then every pixel whose red, green and blue equal the colour
// (0x00BBGGRR) all zero with its mask bit set.
void applyTransparency(PixelArray &pixels, int32_t colour);

bool maskBit(const std::vector<uint8_t> &mask, int width, int x, int y);
void setMaskBit(std::vector<uint8_t> &mask, int width, int x, int y, bool on);

// The colour image at a depth, rows bottom first and padded; depth 32 copies the array.
// Depths 1, 4 and 8 map each pixel to its nearest palette entry, 16 keeps the top five bits
// of each channel (5-5-5, high bit clear), 24 drops the alpha byte. Empty for other depths.
std::vector<uint8_t> reduceDepth(const PixelArray &pixels, int depth);

} // namespace iconpixels
