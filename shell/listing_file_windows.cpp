// Saving a listing file on Windows, with the wide-character file API: the
// same promise as on other systems (listing_file.h), in Windows' terms.
#include "shell/listing_file.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "shell/listing_file_lines.h"
#include "shell/utf8_path.h"

namespace csp {
namespace {

using listing_file::cannotOpen;
using listing_file::cannotWrite;
using listing_file::LineWriter;

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A file handle, closed on every way out.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !ok() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeLines(HANDLE file, const LineWriter& writeEveryLine) {
    const auto writeBytes = [file](const char* data, std::size_t size) {
        while (size > 0) {
            DWORD written = 0;
            const DWORD part = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
            if (!WriteFile(file, data, part, &written, nullptr) || written == 0) return false;
            data += written;
            size -= written;
        }
        return true;
    };
    return listing_file::writeLines(writeBytes, writeEveryLine);
}

// The file a symbolic link (a reparse point) leads to, so that the link
// itself stays in place; any other path as it is.
std::wstring resolveTarget(const std::wstring& target, HANDLE opened) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return target;
    std::vector<wchar_t> resolved(GetFinalPathNameByHandleW(opened, nullptr, 0, FILE_NAME_NORMALIZED) + 1);
    const DWORD length =
        GetFinalPathNameByHandleW(opened, resolved.data(), static_cast<DWORD>(resolved.size()), FILE_NAME_NORMALIZED);
    return length > 0 && length < resolved.size() ? std::wstring(resolved.data(), length) : target;
}

// Writes the listing into what `file` has open, from its start: a device
// or a pipe as it is, a disk file emptied first.
Outcome writeInPlace(Handle& file, const LineWriter& writeEveryLine, const std::string& path) {
    if (!file.ok()) return cannotOpen(path);
    const bool disk = GetFileType(file.get()) == FILE_TYPE_DISK;
    bool ok = !disk || SetEndOfFile(file.get());
    ok = ok && writeLines(file.get(), writeEveryLine) && (!disk || FlushFileBuffers(file.get()));
    ok = file.close() && ok;
    return ok ? Outcome::success() : cannotWrite(path);
}

// A new file beside the target, named after it: "<folder>\.<name>.<n>".
Handle createTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    const std::size_t cut = target.find_last_of(L"\\/:");
    const std::wstring folder = cut == std::wstring::npos ? std::wstring() : target.substr(0, cut + 1);
    const std::wstring name = target.substr(cut == std::wstring::npos ? 0 : cut + 1);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + L"." + name + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(++counter);
        Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
        if (file.ok() || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return Handle(INVALID_HANDLE_VALUE);
}

// The attributes a replaced file keeps: those a person sets on a file.
constexpr DWORD keptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Writes a new file beside the target and moves it over the target only
// once complete, so that a save failing part-way leaves the old file as it
// was. `existing` holds the attributes of the file replaced, or
// INVALID_FILE_ATTRIBUTES when there is none yet.
Outcome replaceFile(const LineWriter& writeEveryLine, const std::wstring& target, DWORD existing,
                    const std::string& path) {
    std::wstring temporary;
    Handle file = createTemporaryBeside(target, temporary);
    // A folder that takes no new file leaves only writing the file itself.
    if (!file.ok()) {
        if (existing == INVALID_FILE_ATTRIBUTES) return cannotOpen(path);
        Handle opened(CreateFileW(target.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING, 0, nullptr));
        return writeInPlace(opened, writeEveryLine, path);
    }
    bool ok = writeLines(file.get(), writeEveryLine) && FlushFileBuffers(file.get());
    ok = file.close() && ok;
    if (ok && existing != INVALID_FILE_ATTRIBUTES && (existing & keptAttributes) != 0)
        ok = SetFileAttributesW(temporary.c_str(), existing & keptAttributes);
    ok = ok && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temporary.c_str());
        return cannotWrite(path);
    }
    return Outcome::success();
}

}  // namespace

// The target is opened for writing first, without emptying it: that finds
// whether it exists, whether it may be written (a folder, or a file another
// program holds, cannot) and whether it is a file on a disk or a device
// such as NUL or COM1, which is written where it stands. A read-only file
// is refused as it is on Windows, whoever saves.
Outcome saveLines(const std::string& path, const LineWriter& writeEveryLine) {
    const std::wstring given = utf8Path(path).native();
    if (given.empty()) return cannotOpen(path);
    Handle opened(CreateFileW(given.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!opened.ok()) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND) return cannotOpen(path);
        return replaceFile(writeEveryLine, given, INVALID_FILE_ATTRIBUTES, path);
    }
    if (GetFileType(opened.get()) != FILE_TYPE_DISK) return writeInPlace(opened, writeEveryLine, path);
    BY_HANDLE_FILE_INFORMATION existing{};
    if (!GetFileInformationByHandle(opened.get(), &existing) ||
        (existing.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return cannotOpen(path);
    const std::wstring target = resolveTarget(given, opened.get());
    opened.close();
    return replaceFile(writeEveryLine, target, existing.dwFileAttributes, path);
}

}  // namespace csp
