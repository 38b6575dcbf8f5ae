// What a file held when the program read it, so that a save can notice that
// another program (a second Tolvane, an editor) changed the file meanwhile.
// The content decides: a file touched but unchanged is not a conflict, and a
// change within the file system's time resolution is still seen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tolvane {

struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;  // FNV-1a of the bytes
    bool operator==(const FileStamp&) const = default;
};

// The stamp of bytes read (nothing = the file was missing or unreadable).
FileStamp stampOf(const std::optional<std::string>& bytes);

}  // namespace tolvane
