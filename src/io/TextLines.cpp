// Encoding detection, carriage-return removal and line splitting for text files.
#include "io/TextLines.h"

#include <algorithm>

TextEncoding detectTextEncoding(const std::string &bytes) {
    unsigned char b[4];
    for (size_t i = 0; i < 4; i++)
        b[i] = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : '0';
    if (b[0] == 0xFF && b[1] == 0xFE)
        return b[2] == 0 && b[3] == 0 ? TextEncoding::Utf32LE : TextEncoding::Utf16LE;
    if (b[0] == 0xFE && b[1] == 0xFF)
        return TextEncoding::Utf16BE;
    if (b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF)
        return TextEncoding::Utf32BE;
    if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        return TextEncoding::Utf8WithMark;
    return TextEncoding::Plain;
}

size_t byteOrderMarkLength(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Plain:
        return 0;
    case TextEncoding::Utf8WithMark:
        return 3;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return 2;
    case TextEncoding::Utf32LE:
    case TextEncoding::Utf32BE:
        return 4;
    }
    return 0;
}

void dropCarriageReturnsBeforeLineFeeds(std::string &text) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); i++)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            text[kept++] = text[i];
    text.resize(kept);
}

std::vector<std::string> splitTextLines(const std::string &text) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    lines.reserve(size_t(std::count(text.begin(), text.end(), '\n')) + (text.back() != '\n'));
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (text.back() != '\n')
        lines.push_back(std::move(line));
    return lines;
}
