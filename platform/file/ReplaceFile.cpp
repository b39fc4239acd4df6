#include "platform/file/ReplaceFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// More links than this in a row are taken for a loop, as the system does.
constexpr int kMaxLinks = 40;

ReplaceFileResult failure(int error)
{
    return {false, std::strerror(error)};
}

// The file a path finally names: each symbolic link's target, a relative
// one read from the link's folder. Empty (errno set) for a loop.
std::string finalTarget(std::string path)
{
    for (int links = 0;; ++links) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        if (links == kMaxLinks) {
            errno = ELOOP;
            return {};
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof target) {
            errno = n < 0 ? errno : ENAMETOOLONG;
            return {};
        }
        std::string next(target, static_cast<std::size_t>(n));
        const std::size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos)
            next = path.substr(0, slash + 1) + next;
        path = std::move(next);
    }
}

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t n = ::write(fd, contents.data(), contents.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        contents.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A device or a pipe: written through, never replaced. A pipe nobody reads
// is refused at once rather than waited on.
ReplaceFileResult writeThrough(const std::string& path, std::string_view contents)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    bool ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && writeAll(fd, contents);
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? ReplaceFileResult{true, {}} : failure(error);
}

} // namespace

ReplaceFileResult replaceFile(const std::string& path, std::string_view contents)
{
    if (path.empty())
        return failure(ENOENT);
    const std::string target = finalTarget(path);
    if (target.empty())
        return failure(errno);
    struct stat st{};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode))
            return failure(EISDIR);
        return writeThrough(target, contents);
    }

    const std::string temporary = target + ".part";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return failure(errno);
    // The new file keeps the old one's permissions.
    bool ok = (!exists || ::fchmod(fd, st.st_mode & 07777) == 0) && writeAll(fd, contents);
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    return {true, {}};
}

} // namespace platform
