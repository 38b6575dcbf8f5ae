#include "base/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tolvane {

namespace {

// Windows-1252 0x80..0x9F. The five bytes the code page leaves undefined keep
// their own value as a C1 control character (as Windows itself reads them), so
// they survive a round trip.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Next code point of a UTF-8 text; a malformed sequence yields one
// replacement per byte (U+FFFD, which then becomes '?').
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((b & 0xE0) == 0xC0) {
        length = 2, c = b & 0x1F, minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3, c = b & 0x0F, minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4, c = b & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        unsigned char t = byte(i + static_cast<std::size_t>(k));
        if ((t & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (t & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(length);
    return c;
}

char toCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] == c) return static_cast<char>(0x80 + k);
    return '?';
}

std::string errorText(const std::string& what, const std::string& path, int err) {
    return what + " \"" + path + "\": " + std::strerror(err);
}

// The file `path` stands for: the end of its chain of links, whether that
// file exists or not. A relative link is read from the link's own folder;
// the kernel resolves the joined path, so ".." after a linked folder means
// what it means to every other program. A chain that does not end (a loop)
// gives ELOOP, as open() would.
std::filesystem::path linkedFile(const std::string& path, int& error) {
    namespace fs = std::filesystem;
    constexpr int kMaxLinks = 40;  // the kernel's own limit
    fs::path file(path);
    std::error_code ec;
    for (int links = 0; fs::is_symlink(file, ec); ++links) {
        if (links == kMaxLinks) {
            error = ELOOP;
            return file;
        }
        const fs::path next = fs::read_symlink(file, ec);
        if (ec) {
            error = ec.value();
            return file;
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x110000) {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string utf8ToCp1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out.push_back(toCp1252(nextCodePoint(utf8, i)));
    return out;
}

std::string cp1252ToUtf8(const std::string& cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char ch : cp1252) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else if (b < 0xA0) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return textLinesOf(*bytes);
}

std::vector<std::string> textLinesOf(const std::string& b) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] != '\r' && b[i] != '\n') continue;
        lines.push_back(cp1252ToUtf8(b.substr(start, i - start)));
        if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < b.size()) lines.push_back(cp1252ToUtf8(b.substr(start)));
    return lines;
}

std::string oneLine(std::string text) {
    for (char& ch : text)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return text;
}

std::string writeTextLinesAtomically(const std::string& path,
                                     const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += utf8ToCp1252(line);
        bytes += "\r\n";
    }
    return writeFileAtomically(path, bytes);
}

std::optional<std::string> readFileBytes(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(content).str();
}

std::string writeFileAtomically(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Saving through a link replaces the file it points to, not the link;
    // a link whose file is missing gets that file.
    int linkError = 0;
    const fs::path target = linkedFile(path, linkError);
    if (linkError != 0) return errorText("Cannot write", path, linkError);
    if (fs::is_directory(target, ec)) return errorText("Cannot write", path, EISDIR);

    // A file that already exists keeps its permissions.
    mode_t mode = 0666;
    struct stat old {};
    bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld) mode = old.st_mode & 07777;
    // A file the user made read-only is not replaced behind his back (the
    // rename would succeed in a writable folder), also when running as root.
    if (hadOld &&
        ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0))
        return errorText("Cannot write", path, EACCES);

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target.string() + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return errorText("Cannot create a file beside", path, errno);

    auto abandon = [&](const char* what) {
        int err = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return errorText(what, path, err);
    };

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon("Cannot write");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (hadOld && ::fchmod(fd, mode) != 0) return abandon("Cannot write");
    if (::fsync(fd) != 0) return abandon("Cannot write");
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon("Cannot write");
    if (::rename(temp.c_str(), target.c_str()) != 0) return abandon("Cannot replace");
    // The new name must reach the disk as well, or a power cut right after
    // the save can leave the folder without the file. Not every file system
    // can sync a folder; the file itself is already safe then.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return "";
}

}  // namespace tolvane
