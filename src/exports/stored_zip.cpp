#include "exports/stored_zip.h"

#include <array>
#include <limits>

namespace tolvane::exports {

namespace {

// The reflected CRC-32 of zip (polynomial 0xEDB88320), a byte at a time.
const std::array<std::uint32_t, 256>& crcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

constexpr std::uint32_t kVersionNeeded = 10;                 // 1.0: stored entries only
constexpr std::uint32_t kDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01
constexpr std::uint32_t kDosTime = 0;
constexpr std::uint64_t kLimit = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::uint32_t crc32Of(const std::string& bytes) {
    const auto& table = crcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::optional<std::string> storedZip(const std::vector<ZipEntry>& entries) {
    if (entries.size() >= 0xFFFF) return std::nullopt;
    std::uint64_t total = 0;
    for (const ZipEntry& e : entries) total += 30 + 46 + 2 * e.name.size() + e.bytes.size();
    if (total + 22 >= kLimit) return std::nullopt;

    std::string out;
    out.reserve(static_cast<std::size_t>(total + 22));
    std::string directory;
    for (const ZipEntry& e : entries) {
        const std::uint32_t crc = crc32Of(e.bytes);
        const auto size = static_cast<std::uint32_t>(e.bytes.size());
        const auto offset = static_cast<std::uint32_t>(out.size());
        const auto nameLength = static_cast<std::uint32_t>(e.name.size());

        put32(out, 0x04034b50);  // local file header
        put16(out, kVersionNeeded);
        put16(out, 0);  // flags
        put16(out, 0);  // stored
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, nameLength);
        put16(out, 0);  // extra field
        out += e.name;
        out += e.bytes;

        put32(directory, 0x02014b50);      // central directory header
        put16(directory, kVersionNeeded);  // made by: MS-DOS, 1.0
        put16(directory, kVersionNeeded);
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, kDosTime);
        put16(directory, kDosDate);
        put32(directory, crc);
        put32(directory, size);
        put32(directory, size);
        put16(directory, nameLength);
        put16(directory, 0);  // extra field
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += e.name;
    }
    const auto directoryOffset = static_cast<std::uint32_t>(out.size());
    out += directory;
    put32(out, 0x06054b50);  // end of central directory
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    put16(out, static_cast<std::uint32_t>(entries.size()));
    put32(out, static_cast<std::uint32_t>(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);  // comment
    return out;
}

}  // namespace tolvane::exports
