// Picture files decoded by the toolkit's stand-alone loaders inside a child process.
#include "image/ImageDecode.h"

#include <fx.h>

#include <FXBMPImage.h>
#include <FXGIFImage.h>
#include <FXIFFImage.h>
#include <FXPCXImage.h>
#include <FXPPMImage.h>
#include <FXRASImage.h>
#include <FXTGAImage.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uint64_t maxImageFileBytes = uint64_t(2) << 30;
constexpr int decodeTimeLimitSeconds = 60;
constexpr uint32_t answerMagic = 0x4F445849;
// Room the child may map beyond what it inherits: the largest acceptable picture and the decoder's buffers.
constexpr uint64_t childMemoryBudget = uint64_t(3) << 30;

enum ChildExit { childDone = 0, childCannotDecode = 2, childCannotAnswer = 3 };

using Loader = bool (*)(FX::FXStream &, FX::FXColor *&, FX::FXint &, FX::FXint &);

Loader loaderFor(ImageCodec codec) {
    switch (codec) {
    case ImageCodec::Gif:
        return FX::fxloadGIF;
    case ImageCodec::Bmp:
        return FX::fxloadBMP;
    case ImageCodec::Pcx:
        return FX::fxloadPCX;
    case ImageCodec::Tga:
        return FX::fxloadTGA;
    case ImageCodec::Ppm:
        return FX::fxloadPPM;
    case ImageCodec::Iff:
        return FX::fxloadIFF;
    case ImageCodec::Ras:
        return FX::fxloadRAS;
    }
    return nullptr;
}

DecodedImage failed(const std::string &message) {
    DecodedImage result;
    result.message = message;
    return result;
}

bool writeAll(int fd, const void *data, size_t size) {
    const char *p = static_cast<const char *>(data);
    while (size > 0) {
        ssize_t n = write(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

#if !defined(__SANITIZE_ADDRESS__)
// Bytes of address space the process maps now, from /proc/self/statm; 0 when unknown.
uint64_t mappedBytes() {
    int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[64] = {};
    ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    return n > 0 ? std::strtoull(text, nullptr, 10) * uint64_t(sysconf(_SC_PAGESIZE)) : 0;
}
#endif

// No core files, no decoder warnings on our output, bounded CPU time, and (without the address sanitizer,
// which maps huge shadow areas) bounded memory, so that a damaged header cannot take the machine's memory.
void limitChild() {
    int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (quiet >= 0) {
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        close(quiet);
    }
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit cpu{decodeTimeLimitSeconds, decodeTimeLimitSeconds};
    setrlimit(RLIMIT_CPU, &cpu);
#if !defined(__SANITIZE_ADDRESS__)
    if (uint64_t mapped = mappedBytes()) {
        const rlimit memory{mapped + childMemoryBudget, mapped + childMemoryBudget};
        setrlimit(RLIMIT_AS, &memory);
    }
#endif
}

// The child: decode, then send a header (magic, width, height) and the opaque ARGB pixels.
[[noreturn]] void decodeInChild(const std::string &path, ImageCodec codec, int out) {
    limitChild();
    FX::FXFileStream stream;
    FX::FXColor *data = nullptr;
    FX::FXint width = 0, height = 0;
    const bool decoded = stream.open(FX::FXString(path.c_str()), FX::FXStreamLoad, 8192) &&
                         loaderFor(codec)(stream, data, width, height);
    if (!decoded || !data || !imageSizeAcceptable(width, height))
        _exit(childCannotDecode);
    const size_t count = size_t(width) * size_t(height);
    for (size_t i = 0; i < count; i++) {
        const FX::FXColor c = data[i];
        data[i] = 0xFF000000u | uint32_t(FXREDVAL(c)) << 16 | uint32_t(FXGREENVAL(c)) << 8 | FXBLUEVAL(c);
    }
    const uint32_t header[3] = {answerMagic, uint32_t(width), uint32_t(height)};
    const bool sent = writeAll(out, header, sizeof header) && writeAll(out, data, count * sizeof(uint32_t));
    _exit(sent ? childDone : childCannotAnswer);
}

enum class ReadOutcome { Complete, Closed, TimedOut, Failed };

// Reads exactly size bytes from the pipe before the deadline.
ReadOutcome readExactly(int fd, void *buffer, size_t size, std::chrono::steady_clock::time_point deadline) {
    char *p = static_cast<char *>(buffer);
    while (size > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return ReadOutcome::TimedOut;
        pollfd waitFor{fd, POLLIN, 0};
        int ready = poll(&waitFor, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return ReadOutcome::Failed;
        if (ready == 0)
            return ReadOutcome::TimedOut;
        ssize_t n = read(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadOutcome::Failed;
        if (n == 0)
            return ReadOutcome::Closed;
        p += n;
        size -= size_t(n);
    }
    return ReadOutcome::Complete;
}

// The parent: take the child's answer with size limits, then its exit status.
DecodedImage receiveFromChild(pid_t child, int in) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(decodeTimeLimitSeconds);
    DecodedImage result;
    uint32_t header[3] = {};
    ReadOutcome outcome = readExactly(in, header, sizeof header, deadline);
    if (outcome == ReadOutcome::Complete) {
        if (header[0] != answerMagic || !imageSizeAcceptable(header[1], header[2])) {
            result.message = "The decoder gave an unusable answer.";
            outcome = ReadOutcome::Failed;
        } else {
            try {
                result.pixels.resize(size_t(header[1]) * header[2]);
            } catch (const std::bad_alloc &) {
                result.message = "There is not enough memory for the picture.";
                outcome = ReadOutcome::Failed;
            }
        }
    }
    if (outcome == ReadOutcome::Complete)
        outcome = readExactly(in, result.pixels.data(), result.pixels.size() * sizeof(uint32_t), deadline);
    char extra;
    if (outcome == ReadOutcome::Complete && readExactly(in, &extra, 1, deadline) != ReadOutcome::Closed) {
        result.message = "The decoder gave an unusable answer.";
        outcome = ReadOutcome::Failed;
    }
    if (outcome != ReadOutcome::Complete)
        kill(child, SIGKILL);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (outcome == ReadOutcome::TimedOut)
        return failed("Decoding took longer than " + std::to_string(decodeTimeLimitSeconds) + " seconds.");
    if (WIFSIGNALED(status) && outcome != ReadOutcome::Failed)
        return failed("The decoder stopped on signal " + std::to_string(WTERMSIG(status)) + ".");
    if (WIFEXITED(status) && WEXITSTATUS(status) == childCannotDecode)
        return failed("The file cannot be decoded.");
    if (outcome != ReadOutcome::Complete || !WIFEXITED(status) || WEXITSTATUS(status) != childDone)
        return failed(result.message.empty() ? "The decoder's answer was incomplete." : result.message);
    result.ok = true;
    result.width = int(header[1]);
    result.height = int(header[2]);
    result.message.clear();
    return result;
}

// Opens the file (without blocking, so a named pipe cannot hang us) and checks that it is a regular file of
// sane length whose header fits the codec.
std::string checkFile(const std::string &path, ImageCodec codec) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return "The file cannot be opened.";
    struct stat info;
    std::string problem;
    uint8_t head[imageHeaderProbeSize];
    ssize_t got = 0;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        problem = "The file is not a regular file.";
    else if (info.st_size == 0)
        problem = "The file is empty.";
    else if (uint64_t(info.st_size) > maxImageFileBytes)
        problem = "The file is too large.";
    else if ((got = pread(fd, head, sizeof head, 0)) < 0)
        problem = "The file cannot be read.";
    close(fd);
    if (!problem.empty())
        return problem;
    return checkImageHeader(codec, head, size_t(got), uint64_t(info.st_size));
}

} // namespace

DecodedImage decodeImageFile(const std::string &path, ImageCodec codec) {
    std::string problem = checkFile(path, codec);
    if (!problem.empty())
        return failed(problem);

    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return failed("The decoder cannot be started.");
    pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return failed("The decoder cannot be started.");
    }
    if (child == 0) {
        close(channel[0]);
        decodeInChild(path, codec, channel[1]);
    }
    close(channel[1]);
    DecodedImage result = receiveFromChild(child, channel[0]);
    close(channel[0]);
    return result;
}
