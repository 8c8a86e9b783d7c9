// Text file contents: the encoding told by the first bytes, carriage returns, line splitting.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum class TextEncoding { Plain, Utf8WithMark, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

// The encoding the first four bytes announce: FF FE 00 00 UTF-32LE, FF FE UTF-16LE, FE FF UTF-16BE,
// 00 00 FE FF UTF-32BE, EF BB BF UTF-8 with a mark, anything else plain. Bytes missing in texts shorter than
// four bytes count as the character '0'.
TextEncoding detectTextEncoding(const std::string &bytes);

// The length of the encoding's byte-order mark (0 for plain text).
size_t byteOrderMarkLength(TextEncoding encoding);

// Drops every carriage return that is directly followed by a line feed.
void dropCarriageReturnsBeforeLineFeeds(std::string &text);

// One line per line feed, plus one when the last byte is not a line feed (so a final line feed gives no empty
// last line). The line feeds and every carriage return are removed; empty lines stay as empty strings.
std::vector<std::string> splitTextLines(const std::string &text);
