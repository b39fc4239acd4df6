// What the program loads: the commands that draw nothing start without Qt;
// the chart's picture loads its painter as a module, found beside the program
// or in the installed layout, and a missing or broken module is a clear
// failure that writes nothing.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

using testsupport::readFile;

struct Outcome {
    int status;
    std::string err;
};

class StartUp : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tablewise-start-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs `program args` in the test's folder, standard input empty, and
    // the loader telling on standard error which libraries it loads.
    Outcome run(const fs::path& program, const std::string& args) const
    {
        const std::string cmd = "cd " + dir_.string() + " && LC_ALL=C LD_DEBUG=files " + program.string() + " " + args
            + " </dev/null >/dev/null 2>" + (dir_ / "err").string();
        const int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir_ / "err")};
    }

    // A copy of the program at `place`, with no module beside it.
    fs::path copyOfProgram(const fs::path& place) const
    {
        fs::create_directories(place.parent_path());
        fs::copy_file(TABLEWISE_EXE, place);
        return place;
    }

    // The lines of standard error that are not the loader's ("  PID:\t...").
    static std::string ownLines(const std::string& err)
    {
        std::string own;
        std::size_t at = 0;
        while (at < err.size()) {
            const std::size_t end = std::min(err.find('\n', at), err.size());
            const std::string line = err.substr(at, end - at);
            const std::size_t mark = line.find(":\t");
            const bool loaders = mark != std::string::npos && mark > 0
                && line.find_first_not_of(" 0123456789") == mark;
            if (!loaders)
                own += line + "\n";
            at = end + 1;
        }
        return own;
    }

    fs::path dir_;
};

constexpr const char* kQuietCommands[] = {
    "equity AhAs --vs KdKc --exact",
    "equity AhKh 'QQ+, AKs' random --board Qh7s2d --dead 3c --trials 2000 --seed 1",
    "board AhKh 'Qh Jh 2c' -f json",
    "range 'QQ+, AKs' --board Qh7s2d",
    "advise AK -a opened -p early",
    "postflop 5 --pot raised",
    "chart -a opened -p early -f html",
    "replay",
    "--version",
};

TEST_F(StartUp, CommandsThatDrawNothingLoadNoQt)
{
    for (const char* args : kQuietCommands) {
        const Outcome r = run(TABLEWISE_EXE, args);
        EXPECT_EQ(r.status, 0) << args << ": " << ownLines(r.err);
        // The loader did tell: the C library is always among them.
        ASSERT_NE(r.err.find("file=libc.so.6"), std::string::npos) << args << ": " << r.err.substr(0, 400);
        EXPECT_EQ(r.err.find("libQt6"), std::string::npos) << args << " loads Qt";
        EXPECT_EQ(r.err.find(TABLEWISE_PICTURE_MODULE_NAME), std::string::npos) << args;
    }
}

TEST_F(StartUp, APictureLoadsItsPainterFromBesideTheProgram)
{
    const Outcome r = run(TABLEWISE_EXE, "chart -a opened -p late -f png -o chart.png");
    EXPECT_EQ(r.status, 0) << ownLines(r.err);
    EXPECT_EQ(ownLines(r.err), "");
    EXPECT_NE(r.err.find(fs::path(TABLEWISE_PICTURE_MODULE).string()), std::string::npos);
    EXPECT_NE(r.err.find("file=libQt6Gui.so.6"), std::string::npos);
    EXPECT_EQ(readFile(dir_ / "chart.png").substr(0, 4), "\x89PNG");
}

TEST_F(StartUp, TheInstalledLayoutFindsThePainterInTheLibraryFolder)
{
    const fs::path program = copyOfProgram(dir_ / "prefix" / "bin" / "tablewise");
    const fs::path module = (program.parent_path() / TABLEWISE_PICTURE_MODULE_FROM_BIN / TABLEWISE_PICTURE_MODULE_NAME)
                                .lexically_normal();
    fs::create_directories(module.parent_path());
    fs::copy_file(TABLEWISE_PICTURE_MODULE, module);
    const std::string args = "chart -a limped -p blinds -l 2 -b 2 -f png -o ";
    const Outcome installed = run(program, args + "installed.png");
    EXPECT_EQ(installed.status, 0) << ownLines(installed.err);
    EXPECT_NE(installed.err.find(module.string()), std::string::npos);
    const Outcome built = run(TABLEWISE_EXE, args + "built.png");
    EXPECT_EQ(built.status, 0) << ownLines(built.err);
    const std::string picture = readFile(dir_ / "installed.png");
    EXPECT_GT(picture.size(), 1000u);
    EXPECT_EQ(picture, readFile(dir_ / "built.png"));
}

TEST_F(StartUp, WithoutItsPainterAPictureIsAFailureThatWritesNothing)
{
    const fs::path program = copyOfProgram(dir_ / "alone" / "tablewise");
    const Outcome r = run(program, "chart -a opened -p late -f png -o chart.png");
    EXPECT_EQ(r.status, 1);
    const std::string own = ownLines(r.err);
    EXPECT_TRUE(own.starts_with("tablewise: cannot draw pictures: the picture module is missing (looked for "
                                + (program.parent_path() / TABLEWISE_PICTURE_MODULE_NAME).string()))
        << own;
    EXPECT_EQ(std::count(own.begin(), own.end(), '\n'), 1) << own;
    EXPECT_FALSE(fs::exists(dir_ / "chart.png"));
    EXPECT_EQ(r.err.find("libQt6"), std::string::npos);
    // The chart's other formats need no painter.
    EXPECT_EQ(run(program, "chart -a opened -p late -f csv -o chart.csv").status, 0);
}

TEST_F(StartUp, APainterThatDoesNotLoadIsAFailureWithTheLoadersReason)
{
    const fs::path program = copyOfProgram(dir_ / "broken" / "tablewise");
    const fs::path module = program.parent_path() / TABLEWISE_PICTURE_MODULE_NAME;
    testsupport::writeFile(module, "not a library\n");
    const Outcome r = run(program, "chart -a opened -p late -f png -o chart.png");
    EXPECT_EQ(r.status, 1);
    const std::string own = ownLines(r.err);
    EXPECT_TRUE(own.starts_with("tablewise: cannot draw pictures: " + module.string())) << own;
    EXPECT_FALSE(fs::exists(dir_ / "chart.png"));
}

} // namespace
