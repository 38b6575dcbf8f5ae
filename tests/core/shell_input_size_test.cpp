// Projects and batch inputs far beyond any real size are refused before they
// are read. Files above the limit are sparse, so they cost no time or disk.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include "project_test_support.h"
#include "shell/input_size.h"
#include "shell/project_file.h"

namespace tolvane {
namespace {

using testing_support::addCalculations;
using testing_support::ScratchFolder;

std::string sparseFile(const ScratchFolder& dir, const std::string& name, off_t size) {
    const std::string path = dir.file(name);
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
    return path;
}

TEST(InputSize, SizeTexts) {
    const struct {
        std::uintmax_t bytes;
        const char* text;
    } cases[] = {{0, "0 bytes"},
                 {1023, "1023 bytes"},
                 {1536, "1.5 KB (1536 bytes)"},
                 {kLargestInputBytes, "64 MB (67108864 bytes)"},
                 {1073741824, "1 GB (1073741824 bytes)"},
                 {4509715660, "4.2 GB (4509715660 bytes)"}};
    for (const auto& c : cases) EXPECT_EQ(byteSizeText(c.bytes), c.text) << c.bytes;
}

TEST(InputSize, FileAboveTheLimitIsRefusedUnread) {
    ScratchFolder dir;
    const std::string path = sparseFile(dir, "big.json", 1073741824);
    const InputBytes read = readInputFile(path);
    EXPECT_EQ(read.status, InputBytes::Status::TooLarge);
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(tooLargeText(read),
              "is 1 GB (1073741824 bytes); at most 64 MB (67108864 bytes) are read");
}

TEST(InputSize, SmallFilesAreReadWhole) {
    ScratchFolder dir;
    std::ofstream(dir.file("small.json"), std::ios::binary) << "{\"steps\": []}\r\n";
    const InputBytes small = readInputFile(dir.file("small.json"));
    EXPECT_EQ(small.status, InputBytes::Status::Ok);
    EXPECT_EQ(small.bytes, "{\"steps\": []}\r\n");
    // At the limit exactly is still taken.
    const InputBytes atLimit = readInputFile(sparseFile(dir, "at.json", 4096), 4096);
    EXPECT_EQ(atLimit.status, InputBytes::Status::Ok);
    EXPECT_EQ(atLimit.bytes.size(), 4096u);
    EXPECT_EQ(readInputFile(sparseFile(dir, "over.json", 4097), 4096).status,
              InputBytes::Status::TooLarge);
}

TEST(InputSize, MissingFilesAndFoldersAreUnreadable) {
    ScratchFolder dir;
    const InputBytes missing = readInputFile(dir.file("missing.json"));
    EXPECT_EQ(missing.status, InputBytes::Status::Unreadable);
    EXPECT_EQ(missing.error, "No such file or directory");
    EXPECT_EQ(readInputFile(dir.path().string()).status, InputBytes::Status::Unreadable);
}

// A pipe has no size: it is read up to the limit and refused beyond it (one
// byte more is all it takes, and the writer is never left blocked).
TEST(InputSize, PipeIsReadOnlyUpToTheLimit) {
    for (const std::size_t written : {std::size_t{1000}, std::size_t{100001}}) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        std::thread writer([fd = fds[1], written] {
            const std::string chunk(written, 'x');
            std::size_t done = 0;
            while (done < chunk.size()) {
                const ssize_t n = ::write(fd, chunk.data() + done, chunk.size() - done);
                if (n <= 0) break;
                done += static_cast<std::size_t>(n);
            }
            ::close(fd);
        });
        std::FILE* in = ::fdopen(fds[0], "rb");
        const InputBytes read = readInputStream(in, 100000);
        std::fclose(in);
        writer.join();
        if (written <= 100000) {
            EXPECT_EQ(read.status, InputBytes::Status::Ok);
            EXPECT_EQ(read.bytes.size(), written);
        } else {
            EXPECT_EQ(read.status, InputBytes::Status::TooLarge);
            EXPECT_FALSE(read.sizeKnown);
            EXPECT_EQ(tooLargeText(read, 100000),
                      "holds more than 97.7 KB (100000 bytes); at most 97.7 KB (100000 bytes) are "
                      "read");
        }
    }
}

TEST(LoadProject, TooLargeFileIsRefusedAndLeavesTheTable) {
    ScratchFolder dir;
    const std::string path = sparseFile(dir, "huge.tlv", kLargestInputBytes + 1);
    Session s;
    addCalculations(s, 2);
    const std::string before = s.table.clipboardText();
    RecordingMessageSink messages;
    const ProjectOutcome out = LoadProject(s, path, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (Message{MessageType::Warning,
                       "The file \"" + path +
                           "\" is 64 MB (67108865 bytes); at most 64 MB (67108864 bytes) are read "
                           "for a project.\rThe project was not opened.",
                       ""}));
    EXPECT_FALSE(out.tableReplaced);
    EXPECT_EQ(s.table.clipboardText(), before);
    EXPECT_EQ(s.projectName, "NONAME.TLV");
    EXPECT_EQ(readProjectFile(path).status, ProjectReadStatus::TooLarge);
}

}  // namespace
}  // namespace tolvane
