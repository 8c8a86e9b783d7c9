// Reading small text files (settings, data and conversion-factor files) whole, as UTF-8, and as lines.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Files above this size are refused rather than read: the program's own text files stay far below it.
constexpr size_t maxTextFileBytes = size_t(16) << 20;

// Reads the whole file: UTF-16 and UTF-32 files (told by their byte-order mark) are converted to UTF-8
// without the mark, UTF-8 files with a mark and plain files are taken byte for byte (the mark kept), then
// every carriage return directly before a line feed is dropped. False for an empty path, a file that is
// missing, not a regular file, unreadable, empty or above maxTextFileBytes, and a conversion that yields
// nothing.
bool readTextFile(const std::string &path, std::string &text);

// readTextFile, then the text split into lines with every carriage return removed.
bool readTextLines(const std::string &path, std::vector<std::string> &lines);
