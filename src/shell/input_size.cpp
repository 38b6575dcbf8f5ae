#include "shell/input_size.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace tolvane {

namespace {

InputBytes unreadable(int error) {
    InputBytes r;
    r.status = InputBytes::Status::Unreadable;
    if (error != 0) r.error = std::strerror(error);
    return r;
}

InputBytes tooLarge(std::uintmax_t size, bool known) {
    InputBytes r;
    r.status = InputBytes::Status::TooLarge;
    r.size = size;
    r.sizeKnown = known;
    return r;
}

// Reads at most limit + 1 bytes: one more than allowed tells "too large".
InputBytes readBounded(std::FILE* stream, std::uintmax_t limit) {
    InputBytes r;
    char buffer[65536];
    for (;;) {
        const std::uintmax_t room = limit + 1 - r.bytes.size();
        const std::size_t want = room < sizeof buffer ? static_cast<std::size_t>(room) : sizeof buffer;
        const std::size_t n = std::fread(buffer, 1, want, stream);
        r.bytes.append(buffer, n);
        if (r.bytes.size() > limit) return tooLarge(r.bytes.size(), false);
        if (n < want) break;
    }
    if (std::ferror(stream)) return unreadable(errno);
    return r;
}

}  // namespace

InputBytes readInputStream(std::FILE* stream, std::uintmax_t limit) {
    struct stat info {};
    if (::fstat(::fileno(stream), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return unreadable(EISDIR);
        if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > limit)
            return tooLarge(static_cast<std::uintmax_t>(info.st_size), true);
    }
    return readBounded(stream, limit);
}

InputBytes readInputFile(const std::string& path, std::uintmax_t limit) {
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return unreadable(errno);
    InputBytes r = readInputStream(f, limit);
    std::fclose(f);
    return r;
}

std::string byteSizeText(std::uintmax_t bytes) {
    const std::string exact = std::to_string(bytes) + " bytes";
    const char* const units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes);
    int unit = -1;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    if (unit < 0) return exact;
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::fixed, 1).ptr;
    std::string shown(buffer, end);
    if (shown.size() > 2 && shown.compare(shown.size() - 2, 2, ".0") == 0)
        shown.resize(shown.size() - 2);
    return shown + " " + units[unit] + " (" + exact + ")";
}

std::string tooLargeText(const InputBytes& read, std::uintmax_t limit) {
    const std::string size =
        read.sizeKnown ? "is " + byteSizeText(read.size) : "holds more than " + byteSizeText(limit);
    return size + "; at most " + byteSizeText(limit) + " are read";
}

}  // namespace tolvane
