// Projects and batch inputs are read whole into memory. A real one is small
// (a table of 10,000 calculations is about 8 MB), so anything far beyond is
// refused before it is read: a wrong file picked by mistake would otherwise
// take minutes and gigabytes before it turns out to be no project.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace tolvane {

inline constexpr std::uintmax_t kLargestInputBytes = 64ull * 1024 * 1024;

struct InputBytes {
    enum class Status { Ok, Unreadable, TooLarge };
    Status status = Status::Ok;
    std::string bytes;        // Ok: the whole content, as it is
    std::uintmax_t size = 0;  // TooLarge: the size found
    bool sizeKnown = true;    // TooLarge from a pipe: only "more than the limit" is known
    std::string error;        // Unreadable: why, when the system said so
};

// The file at `path` (a directory is unreadable). The size of a regular file
// is checked before anything is read; other files (pipes, devices) are read
// up to `limit` bytes and refused when there is more.
InputBytes readInputFile(const std::string& path, std::uintmax_t limit = kLargestInputBytes);
// The same for a stream already open (standard input); it is not closed.
InputBytes readInputStream(std::FILE* stream, std::uintmax_t limit = kLargestInputBytes);

// "1.0 GB (1073741824 bytes)", "64 MB (67108864 bytes)", "512 bytes".
std::string byteSizeText(std::uintmax_t bytes);

// Why a TooLarge input is not read, to follow its name: "is 1 GB (1073741824
// bytes); at most 64 MB (67108864 bytes) are read".
std::string tooLargeText(const InputBytes& read, std::uintmax_t limit = kLargestInputBytes);

}  // namespace tolvane
