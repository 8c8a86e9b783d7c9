// Decoding picture files with the toolkit's codecs, shielded from damaged files.
#pragma once
#include "image/DecodedImage.h"
#include "image/ImageFormat.h"

#include <string>

// Decodes the file at path with the codec, in a child process so that a decoder crash or hang on a damaged
// file costs only that child: the header is checked first, the child decodes and hands back its pixels,
// and a signal, a non-zero exit, a short or oversized answer or a time-out of 60 seconds is a failure.
// The pixels come back opaque (0xFFRRGGBB), row by row from the top-left.
DecodedImage decodeImageFile(const std::string &path, ImageCodec codec);
