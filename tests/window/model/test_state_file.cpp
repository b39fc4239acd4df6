// The state file as scripts read it: written whole through a link to its
// target, written through a device, and a failure said on stderr.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "window/model/StateDump.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct StateFileCase {
    const char* name;
    bool throughLink;
    bool existing;
};

class StateFile : public testing::TestWithParam<StateFileCase> {};

} // namespace

TEST_P(StateFile, HoldsTheWholeDumpAndTheLinkStays)
{
    const StateFileCase& c = GetParam();
    char name[] = "/tmp/state-file-XXXXXX";
    const fs::path folder = ::mkdtemp(name);
    const fs::path target = folder / "state.txt";
    const fs::path path = c.throughLink ? folder / "link.txt" : target;
    if (c.existing)
        std::ofstream(target) << "an older and longer dump than the new one\n";
    if (c.throughLink)
        fs::create_symlink("state.txt", path);
    std::string dump;
    window::appendDumpLine(dump, "txtPreFlop", "Fold.\r\nRaise\t3");
    window::appendDumpLine(dump, "groupNo", 4);
    EXPECT_TRUE(window::writeDumpFile(dump, path.string()));
    EXPECT_EQ(readAll(path), dump);
    EXPECT_EQ(readAll(target), dump);
    EXPECT_EQ(fs::is_symlink(fs::symlink_status(path)), c.throughLink);
    EXPECT_FALSE(fs::exists(folder / "state.txt.part"));
    EXPECT_FALSE(fs::exists(folder / "link.txt.part"));
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, StateFile, testing::Values(
    StateFileCase{"NewFile", false, false},
    StateFileCase{"OldFile", false, true},
    StateFileCase{"LinkToAnOldFile", true, true},
    StateFileCase{"LinkToNoFileYet", true, false}),
    [](const testing::TestParamInfo<StateFileCase>& param) { return std::string(param.param.name); });

struct DeviceCase {
    const char* path;
    bool written;
};

class StateFileOnADevice : public testing::TestWithParam<DeviceCase> {};

TEST_P(StateFileOnADevice, IsWrittenThroughAndStaysADevice)
{
    const DeviceCase& c = GetParam();
    testing::internal::CaptureStderr();
    EXPECT_EQ(window::writeDumpFile("focus\ttxtBB\n\n", c.path), c.written);
    const std::string said = testing::internal::GetCapturedStderr();
    if (c.written) {
        EXPECT_EQ(said, "");
    } else {
        EXPECT_NE(said.find(std::string("cannot write the state file ") + c.path + ": "), std::string::npos) << said;
    }
    struct stat st{};
    ASSERT_EQ(::lstat(c.path, &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

INSTANTIATE_TEST_SUITE_P(Devices, StateFileOnADevice, testing::Values(
    DeviceCase{"/dev/null", true},
    DeviceCase{"/dev/full", false}));
