#include "shell/listing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "shell/number_format.h"

namespace csp {
namespace {

Outcome cannotOpen(const std::string& path) { return Outcome::failure(format("Unable to open file %s for writing.", path)); }
Outcome cannotWrite(const std::string& path) { return Outcome::failure(format("Unable to successfully write file %s.", path)); }

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

bool writeLines(int fd, const ReportListing* listing) {
    if (listing == nullptr) return true;
    constexpr std::size_t chunk = 64 * 1024;
    std::string buffer;
    buffer.reserve(chunk + 256);
    for (const std::string& line : listing->lines()) {
        buffer += line;
        buffer += "\r\n";
        if (buffer.size() >= chunk) {
            if (!writeAll(fd, buffer.data(), buffer.size())) return false;
            buffer.clear();
        }
    }
    return writeAll(fd, buffer.data(), buffer.size());
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

}  // namespace

Outcome writeListingFile(const ReportListing* listing, const std::string& path) {
    if (path.empty()) return cannotOpen(path);
    const std::string target = resolveTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (S_ISDIR(existing.st_mode) || ::access(target.c_str(), W_OK) != 0)) return cannotOpen(path);

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = (slash == std::string::npos ? std::string() : folder) + "." + name + ".XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return cannotOpen(path);
    temporary.assign(pattern.data());

    const mode_t mode = exists ? (existing.st_mode & 07777) : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0 || !exists;
    ok = ok && writeLines(fd, listing) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return cannotWrite(path);
    }
    return Outcome::success();
}

}  // namespace csp
