// The text-file reader: whole-file reading with a size limit and the toolkit's UTF-16/UTF-32 codecs.
#include "io/TextFile.h"

#include "io/TextLines.h"

#include <fx.h>

#include <FXUTF16Codec.h>
#include <FXUTF32Codec.h>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads a regular file of 1..maxTextFileBytes bytes; opened without blocking so a named pipe cannot hang us.
bool readWholeFile(const std::string &path, std::string &bytes) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
              uint64_t(info.st_size) <= maxTextFileBytes;
    if (ok) {
        bytes.resize(size_t(info.st_size));
        size_t got = 0;
        while (got < bytes.size()) {
            ssize_t n = read(fd, &bytes[got], bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += size_t(n);
        }
        bytes.resize(got);
        ok = got > 0;
    }
    close(fd);
    return ok;
}

// The content after the byte-order mark, converted to UTF-8 by the codec.
std::string convertToUtf8(const FX::FXTextCodec &codec, const std::string &bytes, size_t markLength) {
    FX::FXString utf8 = codec.mb2utf(bytes.data() + markLength, FX::FXint(bytes.size() - markLength));
    return std::string(utf8.text(), size_t(utf8.length()));
}

} // namespace

bool readTextFile(const std::string &path, std::string &text) {
    text.clear();
    std::string bytes;
    if (path.empty() || !readWholeFile(path, bytes))
        return false;
    const TextEncoding encoding = detectTextEncoding(bytes);
    const size_t mark = byteOrderMarkLength(encoding);
    switch (encoding) {
    case TextEncoding::Plain:
    case TextEncoding::Utf8WithMark:
        text = std::move(bytes);
        break;
    case TextEncoding::Utf16LE:
        text = convertToUtf8(FX::FXUTF16LECodec(), bytes, mark);
        break;
    case TextEncoding::Utf16BE:
        text = convertToUtf8(FX::FXUTF16BECodec(), bytes, mark);
        break;
    case TextEncoding::Utf32LE:
        text = convertToUtf8(FX::FXUTF32LECodec(), bytes, mark);
        break;
    case TextEncoding::Utf32BE:
        text = convertToUtf8(FX::FXUTF32BECodec(), bytes, mark);
        break;
    }
    if (text.empty())
        return false;
    dropCarriageReturnsBeforeLineFeeds(text);
    return true;
}

bool readTextLines(const std::string &path, std::vector<std::string> &lines) {
    lines.clear();
    std::string text;
    if (!readTextFile(path, text))
        return false;
    lines = splitTextLines(text);
    return true;
}
