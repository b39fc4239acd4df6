// Replacing a file's contents through PATH.part: a regular file is
// replaced, a link's target is replaced and the link stays a link, a device
// or a pipe is written through, and a failure is reported with nothing left
// behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/file/ReplaceFile.h"

namespace fs = std::filesystem;
using platform::replaceFile;

namespace {

constexpr const char* kContents = "txtBB\t2\nfocus\ttxtBB\n\n";

class Folder {
public:
    Folder()
    {
        char name[] = "/tmp/replace-file-XXXXXX";
        path_ = ::mkdtemp(name);
    }
    ~Folder() { fs::remove_all(path_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    fs::path operator/(const char* name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

bool anyPartLeft(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".part")
            return true;
    return false;
}

// How a case lays out its folder: `path` is what is replaced, `file` the
// regular file that must end with the contents.
struct LinkCase {
    const char* name;
    void (*layout)(const Folder&);
    const char* path;
    const char* file;
    int linksKept; // links in the folder that must still be links
};

class ReplaceRegular : public testing::TestWithParam<LinkCase> {};

} // namespace

TEST_P(ReplaceRegular, ReplacesTheFileALinkNames)
{
    const LinkCase& c = GetParam();
    Folder folder;
    c.layout(folder);
    const auto result = replaceFile((folder / c.path).string(), kContents);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(readAll(folder / c.file), kContents);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / c.file)));
    int links = 0;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        links += fs::is_symlink(entry.symlink_status()) ? 1 : 0;
    EXPECT_EQ(links, c.linksKept);
    EXPECT_FALSE(anyPartLeft(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ReplaceRegular, testing::Values(
    LinkCase{"NewFile", [](const Folder&) {}, "state.txt", "state.txt", 0},
    LinkCase{"ExistingFile", [](const Folder& f) { write(f / "state.txt", "old and longer than the new contents\n"); },
             "state.txt", "state.txt", 0},
    LinkCase{"AbsoluteLink", [](const Folder& f) {
                 write(f / "target.txt", "old");
                 fs::create_symlink(f / "target.txt", f / "state.txt");
             }, "state.txt", "target.txt", 1},
    LinkCase{"RelativeLinkIntoAFolder", [](const Folder& f) {
                 fs::create_directory(f / "real");
                 write(f / "real/target.txt", "old");
                 fs::create_symlink("real/target.txt", f / "state.txt");
             }, "state.txt", "real/target.txt", 1},
    LinkCase{"LinkToALink", [](const Folder& f) {
                 write(f / "target.txt", "old");
                 fs::create_symlink("target.txt", f / "middle.txt");
                 fs::create_symlink("middle.txt", f / "state.txt");
             }, "state.txt", "target.txt", 2},
    LinkCase{"LinkToNothingYet", [](const Folder& f) { fs::create_symlink("target.txt", f / "state.txt"); },
             "state.txt", "target.txt", 1}),
    [](const testing::TestParamInfo<LinkCase>& param) { return std::string(param.param.name); });

TEST(ReplaceFile, KeepsTheReplacedFilesPermissions)
{
    Folder folder;
    write(folder / "state.txt", "old");
    fs::permissions(folder / "state.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(replaceFile((folder / "state.txt").string(), kContents).ok);
    EXPECT_EQ(fs::status(folder / "state.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ReplaceFile, WritesThroughADeviceAndLeavesItADevice)
{
    const auto result = replaceFile("/dev/null", kContents);
    EXPECT_TRUE(result.ok) << result.error;
    struct stat st{};
    ASSERT_EQ(::lstat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_FALSE(fs::exists("/dev/null.part"));
}

TEST(ReplaceFile, WritesThroughAPipeToItsReader)
{
    Folder folder;
    const fs::path pipe = folder / "state.fifo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = readAll(pipe); });
    // The reader may not have opened the pipe yet: a pipe nobody reads is refused, so try again.
    platform::ReplaceFileResult result;
    for (int attempt = 0; attempt < 2000 && !(result = replaceFile(pipe.string(), kContents)).ok; ++attempt)
        std::this_thread::yield();
    reader.join();
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(received, kContents);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    EXPECT_FALSE(anyPartLeft(folder.path()));
}

TEST(ReplaceFile, RefusesAPipeNobodyReadsAtOnce)
{
    Folder folder;
    const fs::path pipe = folder / "state.fifo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto result = replaceFile(pipe.string(), kContents);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
}

namespace {

struct FailureCase {
    const char* name;
    void (*layout)(const Folder&);
    const char* path; // in the folder, or absolute
};

class ReplaceFailure : public testing::TestWithParam<FailureCase> {};

} // namespace

TEST_P(ReplaceFailure, SaysWhyAndLeavesNothingBehind)
{
    const FailureCase& c = GetParam();
    Folder folder;
    c.layout(folder);
    const std::string path = c.path[0] == '/' ? std::string(c.path) : (folder / c.path).string();
    const auto result = replaceFile(path, kContents);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(anyPartLeft(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(Failures, ReplaceFailure, testing::Values(
    FailureCase{"FullDevice", [](const Folder&) {}, "/dev/full"},
    FailureCase{"LinkToTheFullDevice", [](const Folder& f) { fs::create_symlink("/dev/full", f / "state.txt"); },
                "state.txt"},
    FailureCase{"AFolder", [](const Folder& f) { fs::create_directory(f / "state.txt"); }, "state.txt"},
    FailureCase{"NoSuchFolder", [](const Folder&) {}, "missing/state.txt"},
    FailureCase{"LinksInALoop", [](const Folder& f) {
                    fs::create_symlink("b.txt", f / "a.txt");
                    fs::create_symlink("a.txt", f / "b.txt");
                }, "a.txt"},
    FailureCase{"Empty", [](const Folder&) {}, ""}),
    [](const testing::TestParamInfo<FailureCase>& param) { return std::string(param.param.name); });
