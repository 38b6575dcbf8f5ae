// Windows-1252 text files: conversion both ways, line ends, and saves that
// leave the previous file alone when they fail.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_file.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "tolvane-units-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void writeRaw(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(Cp1252, converts_known_characters_both_ways) {
    struct {
        const char* cp1252;
        const char* utf8;
    } cases[] = {
        {"Wasser", "Wasser"},
        {"Stra\xDF"
         "e",
         "Straße"},
        {"\xFC\xF6\xE4\xDC\xD6\xC4", "üöäÜÖÄ"},
        {"25 \xB0"
         "C",
         "25 °C"},
        {"m\xB3/h", "m³/h"},
        {"\x80", "€"},
        {"\x8A\x9A\x8C\x9C\x8E\x9E\x9F", "ŠšŒœŽžŸ"},
        {"\x93quoted\x94 \x96 \x97 \x85", "“quoted” – — …"},
        {"\x99\x83\x88\x98\x89\x8B\x9B", "™ƒˆ˜‰‹›"},
        {"\x82\x84\x86\x87\x91\x92\x95", "‚„†‡‘’•"},
        {"\xA0\xFF", "\u00A0ÿ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    }
}

TEST(Cp1252, every_byte_survives_a_round_trip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, unmappable_or_broken_text_becomes_question_marks) {
    struct {
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"Ω", "?"},      {"日本", "??"},    {"a😀b", "a?b"},
        {"\xC3", "?"},   {"x\xFFy", "x?y"}, {"\xC0\xAF", "??"},  // overlong '/'
        {"\u0080", "?"},  // a C1 control that has no byte of its own
    };
    for (const auto& c : cases) EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
}

TEST(ReadTextLines, splits_on_every_kind_of_line_end) {
    struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"cr", "a\rb\r", {"a", "b"}},
        {"no_final_end", "a\r\nb", {"a", "b"}},
        {"empty_lines_kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"lf_cr_is_two_ends", "a\n\rb", {"a", "", "b"}},
        {"empty_file", "", {}},
        {"only_end", "\r\n", {""}},
        {"cp1252", "Wei\xDF\r\n", {"Weiß"}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        std::string path = dir.file(c.name);
        writeRaw(path, c.bytes);
        auto lines = readTextLines(path);
        ASSERT_TRUE(lines) << c.name;
        EXPECT_EQ(*lines, c.lines) << c.name;
    }
}

TEST(ReadTextLines, missing_file_or_directory_reads_nothing) {
    TempDir dir;
    EXPECT_FALSE(readTextLines(dir.file("absent.txt")));
    EXPECT_FALSE(readTextLines(dir.path().string()));
    EXPECT_FALSE(readFileBytes(dir.file("absent.txt")));
}

TEST(OneLine, line_breaks_inside_a_value_become_blanks) {
    struct {
        std::string text;
        std::string line;
    } cases[] = {
        {"Arial", "Arial"},         {"a\r\nb", "a  b"}, {"a\nb\rc", "a b c"},
        {"\r\n", "  "},             {"", ""},            {"tab\tstays", "tab\tstays"},
        {"Wei\xC3\x9F\n", "Wei\xC3\x9F "},
    };
    for (const auto& c : cases) EXPECT_EQ(oneLine(c.text), c.line) << c.text;
}

TEST(WriteTextLines, writes_cp1252_with_crlf_and_reads_back) {
    TempDir dir;
    std::string path = dir.file("TOLV.INI");
    std::vector<std::string> lines = {"4.0", "Wasser 20 °C", "", "m³/h", "Ω"};
    EXPECT_EQ(writeTextLinesAtomically(path, lines), "");
    EXPECT_EQ(*readFileBytes(path),
              "4.0\r\nWasser 20 \xB0"
              "C\r\n\r\nm\xB3/h\r\n?\r\n");
    lines.back() = "?";
    EXPECT_EQ(*readTextLines(path), lines);
    EXPECT_EQ(dir.entries(), 1u);  // no temporary file left behind
}

TEST(WriteFileAtomically, replaces_old_content_and_keeps_permissions) {
    TempDir dir;
    std::string path = dir.file("project.tlv");
    writeRaw(path, "old content that is longer");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(writeFileAtomically(path, "new"), "");
    EXPECT_EQ(*readFileBytes(path), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(WriteFileAtomically, read_only_file_is_refused_and_kept) {
    TempDir dir;
    std::string path = dir.file("project.tlv");
    writeRaw(path, "the user's own");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string error = writeFileAtomically(path, "new");
    EXPECT_NE(error.find("Cannot write"), std::string::npos) << error;
    EXPECT_NE(error.find("project.tlv"), std::string::npos) << error;
    EXPECT_EQ(*readFileBytes(path), "the user's own");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(WriteFileAtomically, through_a_link_replaces_the_linked_file) {
    TempDir dir;
    std::string real = dir.file("real.tlv");
    std::string link = dir.file("link.tlv");
    writeRaw(real, "old");
    fs::create_symlink(real, link);
    EXPECT_EQ(writeFileAtomically(link, "new"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(*readFileBytes(real), "new");
}

TEST(WriteFileAtomically, read_only_file_keeps_its_mode) {
    // The superuser may write anywhere; the file's mode still decides.
    TempDir dir;
    std::string path = dir.file("table.pdf");
    writeRaw(path, "old");
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(path, readOnly);
    EXPECT_NE(writeFileAtomically(path, "new"), "");
    EXPECT_EQ(*readFileBytes(path), "old");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, readOnly);
}

// A link to a file not yet there: the file is made where the link points,
// and the link stays a link.
TEST(WriteFileAtomically, dangling_link_gets_its_file) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;  // link name -> target
        std::string written;                                     // where the bytes land
    };
    TempDir dir;
    fs::create_directory(dir.path() / "sub");
    const std::string absolute = dir.file("sub/absolute.svg");
    const std::vector<Case> cases = {
        {"relative", {{"rel.svg", "sub/new.svg"}}, "sub/new.svg"},
        {"absolute", {{"abs.svg", absolute}}, "sub/absolute.svg"},
        {"relative to the link's folder", {{"sub/up.svg", "../beside.svg"}}, "beside.svg"},
        {"chain", {{"first.svg", "second.svg"}, {"second.svg", "sub/end.svg"}}, "sub/end.svg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [link, target] : c.links) fs::create_symlink(target, dir.file(link));
        const std::string through = dir.file(c.links.front().first);
        EXPECT_EQ(writeFileAtomically(through, c.name), "");
        for (const auto& link : c.links) EXPECT_TRUE(fs::is_symlink(dir.file(link.first)));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.file(c.written))));
        EXPECT_EQ(readFileBytes(dir.file(c.written)).value_or(""), c.name);
        EXPECT_EQ(readFileBytes(through).value_or(""), c.name);
    }
}

TEST(WriteFileAtomically, dangling_link_into_a_missing_folder_is_an_error) {
    TempDir dir;
    std::string link = dir.file("link.pdf");
    fs::create_symlink("no/such/folder/x.pdf", link);
    const std::string error = writeFileAtomically(link, "new");
    EXPECT_NE(error.find("link.pdf"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(WriteFileAtomically, link_loop_is_refused_and_left_alone) {
    TempDir dir;
    fs::create_symlink("b.png", dir.file("a.png"));
    fs::create_symlink("a.png", dir.file("b.png"));
    const std::string error = writeFileAtomically(dir.file("a.png"), "new");
    EXPECT_NE(error.find(std::strerror(ELOOP)), std::string::npos) << error;
    EXPECT_TRUE(fs::is_symlink(dir.file("a.png")));
    EXPECT_TRUE(fs::is_symlink(dir.file("b.png")));
    EXPECT_EQ(dir.entries(), 2u);
}

TEST(WriteFileAtomically, failed_rename_over_a_directory_changes_nothing) {
    TempDir dir;
    std::string target = dir.file("busy");
    fs::create_directory(target);
    writeRaw(target + "/inside", "keep");
    EXPECT_NE(writeFileAtomically(target, "new"), "");
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(*readFileBytes(target + "/inside"), "keep");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(WriteFileAtomically, missing_directory_is_an_error) {
    TempDir dir;
    EXPECT_NE(writeFileAtomically(dir.file("no/such/dir/file.tlv"), "x"), "");
}

// The superuser ignores directory permissions, so the save runs in a child that
// first becomes "nobody" when the test runs as root. The child's exit status
// tells what happened.
enum class UnprivilegedSave { Failed = 0, Succeeded = 1, CannotDrop = 2, CannotRead = 3, CanWrite = 4 };

UnprivilegedSave saveAsUnprivileged(const std::string& dir, const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
                                 ::setuid(kNobody) != 0))
            ::_exit(static_cast<int>(UnprivilegedSave::CannotDrop));
        if (::access(path.c_str(), R_OK) != 0)
            ::_exit(static_cast<int>(UnprivilegedSave::CannotRead));
        if (::access(dir.c_str(), W_OK) == 0) ::_exit(static_cast<int>(UnprivilegedSave::CanWrite));
        const bool failed = !writeFileAtomically(path, "new").empty();
        ::_exit(static_cast<int>(failed ? UnprivilegedSave::Failed : UnprivilegedSave::Succeeded));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return UnprivilegedSave::CannotDrop;
    return static_cast<UnprivilegedSave>(WEXITSTATUS(status));
}

TEST(WriteFileAtomically, unwritable_directory_leaves_old_file) {
    TempDir dir;
    std::string path = dir.file("project.tlv");
    writeRaw(path, "old");
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(dir.path(), readOnly);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    const UnprivilegedSave outcome = saveAsUnprivileged(dir.path().string(), path);
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(static_cast<int>(outcome), static_cast<int>(UnprivilegedSave::Failed))
        << "1: the save succeeded, 2: could not become nobody, 3: nobody cannot reach the "
           "file, 4: the directory is still writable";
    EXPECT_EQ(*readFileBytes(path), "old");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(WriteFileAtomically, write_cut_short_leaves_old_file) {
    // A file-size limit makes the write fail half way, as a full disk would.
    TempDir dir;
    std::string path = dir.file("project.tlv");
    writeRaw(path, "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error = writeFileAtomically(path, std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(error, "");
    EXPECT_EQ(*readFileBytes(path), "old");
    EXPECT_EQ(dir.entries(), 1u);
}

}  // namespace
}  // namespace tolvane

TEST(AppendUtf8, WritesOneToFourBytesAndNothingBeyondTheLastCodePoint) {
    const struct {
        char32_t code;
        std::string utf8;
    } cases[] = {
        {U'A', "A"},         {U'\u00E4', "\xC3\xA4"},          {U'\u20AC', "\xE2\x82\xAC"},
        {U'\U0001F600', "\xF0\x9F\x98\x80"}, {0x110000, ""},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        tolvane::appendUtf8(out, c.code);
        EXPECT_EQ(out, "x" + c.utf8) << static_cast<unsigned long>(c.code);
    }
}
