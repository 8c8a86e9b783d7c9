// Image file formats: the codec chosen by the file extension, and cheap checks of a file's header.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

enum class ImageCodec { Gif, Bmp, Pcx, Tga, Ppm, Iff, Ras };

// The codec for an extension (without the dot), compared without regard to case: gif, bmp, pcx, tga,
// ppm or pgm, lbm, ras. Anything else, the empty text included, has none.
std::optional<ImageCodec> codecForExtension(const std::string &extension);

// How many leading bytes of a file checkImageHeader looks at.
constexpr size_t imageHeaderProbeSize = 4096;

// Checks the first bytes of a file (up to imageHeaderProbeSize of them) against the format and the file's
// length: the signature, a picture size of 1..32768 pixels per side and 2^28 pixels in all, and for
// uncompressed data that the file holds the pixel bytes the header claims. Returns why the file cannot be a
// usable picture, or an empty text when nothing found speaks against decoding it.
std::string checkImageHeader(ImageCodec codec, const uint8_t *head, size_t headSize, uint64_t fileSize);
