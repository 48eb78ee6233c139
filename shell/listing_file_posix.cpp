#include "shell/listing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "shell/listing_file_lines.h"

namespace csp {
namespace {

using listing_file::cannotOpen;
using listing_file::cannotWrite;
using listing_file::LineWriter;

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool writeLines(int fd, const LineWriter& writeEveryLine) {
    return listing_file::writeLines([fd](const char* data, std::size_t size) { return writeAll(fd, data, size); },
                                    writeEveryLine);
}

// The file that will really be replaced: a symbolic link is followed so
// that the link itself stays in place.
std::string resolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A character device, a FIFO or a socket is written where it stands:
// replacing it with a regular file would break it for every other program.
bool isWrittenInPlace(mode_t mode) { return S_ISCHR(mode) || S_ISFIFO(mode) || S_ISSOCK(mode); }

// Writes the listing into the existing file itself, with no temporary file.
// Opened without waiting, so that a FIFO no one reads fails (ENXIO) at once
// instead of hanging the save; the writes themselves then wait as usual.
// What was opened is checked again, so a path changed since it was looked
// at cannot lead the save onto a disk, and a regular file is emptied only
// once it is known to be one.
Outcome writeInPlace(const LineWriter& writeEveryLine, const std::string& target, const std::string& path) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return cannotOpen(path);
    struct stat opened {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 || ::fstat(fd, &opened) != 0 ||
        !(S_ISREG(opened.st_mode) || isWrittenInPlace(opened.st_mode))) {
        ::close(fd);
        return cannotOpen(path);
    }
    const bool regular = S_ISREG(opened.st_mode);
    bool ok = !regular || ::ftruncate(fd, 0) == 0;
    ok = ok && writeLines(fd, writeEveryLine) && (!regular || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    return ok ? Outcome::success() : cannotWrite(path);
}

// Gives the new file the owner and group of the one it replaces; false
// when they differ and cannot be given (an ordinary user cannot give a
// file away).
bool keepOwner(int fd, const struct stat& existing) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    if (made.st_uid == existing.st_uid && made.st_gid == existing.st_gid) return true;
    return ::fchown(fd, existing.st_uid, existing.st_gid) == 0;
}

// Writes a new file beside the target under a temporary name and moves it
// over the target only once complete, so that a save failing part-way
// leaves the old file as it was. `existing` is the target's status, or
// null when there is no target yet.
Outcome replaceFile(const LineWriter& writeEveryLine, const std::string& target, const struct stat* existing,
                    const std::string& path) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = (slash == std::string::npos ? std::string() : folder) + "." + name + ".XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    // A folder that will not take a new file, or a file whose owner could
    // not be kept, leaves only writing the file itself. That gives up the
    // all-or-nothing promise, but only where the folder (or the owner to be
    // kept) leaves no other way.
    if (fd < 0) return existing != nullptr ? writeInPlace(writeEveryLine, target, path) : cannotOpen(path);
    temporary.assign(pattern.data());
    if (existing != nullptr && !keepOwner(fd, *existing)) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return writeInPlace(writeEveryLine, target, path);
    }

    const mode_t mode = existing != nullptr ? (existing->st_mode & 07777) : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0 || existing == nullptr;
    ok = ok && writeLines(fd, writeEveryLine) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return cannotWrite(path);
    }
    return Outcome::success();
}

}  // namespace

Outcome saveLines(const std::string& path, const LineWriter& writeEveryLine) {
    if (path.empty()) return cannotOpen(path);
    const std::string target = resolveTarget(path);

    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) return replaceFile(writeEveryLine, target, nullptr, path);
    if (isWrittenInPlace(existing.st_mode)) return writeInPlace(writeEveryLine, target, path);
    // A block device is a disk or a partition: a report saved over it would
    // destroy the file system on it, so it is refused like a folder.
    if (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0) return cannotOpen(path);
    return replaceFile(writeEveryLine, target, &existing, path);
}

}  // namespace csp
