#include "base/file_stamp.h"

namespace tolvane {

FileStamp stampOf(const std::optional<std::string>& bytes) {
    FileStamp stamp;
    if (!bytes) return stamp;
    stamp.exists = true;
    stamp.size = bytes->size();
    std::uint64_t h = 14695981039346656037ull;
    for (char c : *bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    stamp.hash = h;
    return stamp;
}

}  // namespace tolvane
