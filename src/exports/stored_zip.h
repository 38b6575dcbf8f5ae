// A zip archive of stored (uncompressed) entries, as an OpenDocument
// package needs it: the entries in the order given, so that "mimetype" can
// come first and uncompressed, ASCII names, no extra fields and no data
// descriptors. Every entry carries the same fixed date (1980-01-01), so the
// same content gives the same bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::exports {

struct ZipEntry {
    std::string name;
    std::string bytes;
};

std::uint32_t crc32Of(const std::string& bytes);

// The archive; nothing when it would need the 64-bit extensions (an entry
// or the whole archive at 4 GiB or more, or 65,535 entries or more).
std::optional<std::string> storedZip(const std::vector<ZipEntry>& entries);

}  // namespace tolvane::exports
