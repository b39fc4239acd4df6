#include "sheerpane/registry/RegistryFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/PlatformError.h"

namespace sheerpane {

namespace fs = std::filesystem;
using platform::PlatformError;

namespace {

[[noreturn]] void accessError(const std::string& what, const fs::path& path, int error)
{
    throw PlatformError(kErrPathFileAccess, "Path/File access error: cannot " + what + " " + path.string() + " (" +
                                                std::strerror(error) + ")");
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

// Holds an exclusive lock on a folder for as long as it lives.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
    {
        fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0)
            accessError("open", folder, errno);
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                const int error = errno;
                ::close(fd_);
                accessError("lock", folder, error);
            }
        }
    }
    ~FolderLock() { ::close(fd_); } // closing lets go of the lock
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

void writeWhole(int fd, const std::string& text, const fs::path& path)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            accessError("write", path, n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
}

// A new file beside the old one, moved over it once complete.
void replaceFile(const fs::path& file, const std::string& text)
{
    const fs::path temporary = file.parent_path() / ("." + file.filename().string() + "." + std::to_string(::getpid()));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        accessError("create", temporary, errno);
    try {
        writeWhole(fd, text, temporary);
        if (::fsync(fd) != 0)
            accessError("write", temporary, errno);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    ::close(fd);
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        accessError("replace", file, error);
    }
}

} // namespace

fs::path registryPath()
{
    fs::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && fs::path(xdg).is_absolute()) {
        data = xdg;
    } else {
        const std::string home = homeFolder();
        if (home.empty())
            throw PlatformError(kErrPathFileAccess, "Path/File access error: there is no home folder for the registry");
        data = fs::path(home) / ".local" / "share";
    }
    return data / "control-registry" / "registry";
}

Registry loadRegistry(const fs::path& file)
{
    std::error_code ignored;
    if (fs::is_directory(file, ignored))
        accessError("read", file, EISDIR);
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (!fs::exists(file, ignored))
            return {};
        accessError("read", file, errno);
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        accessError("read", file, errno);
    try {
        return readRegistryText(text.str());
    } catch (const PlatformError& error) {
        throw PlatformError(error.number(), error.description() + " (" + file.string() + ")");
    }
}

void updateRegistry(const fs::path& file, const std::function<bool(Registry&)>& change)
{
    const fs::path folder = file.parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        accessError("create", folder, error.value());
    const FolderLock lock(folder);

    Registry registry = loadRegistry(file);
    if (!change(registry))
        return;
    if (registry.empty()) {
        if (::unlink(file.c_str()) != 0 && errno != ENOENT)
            accessError("remove", file, errno);
        return;
    }
    replaceFile(file, writeRegistryText(registry));
}

} // namespace sheerpane
