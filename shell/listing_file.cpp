#include "shell/listing_file.h"

#include "shell/listing_file_lines.h"
#include "shell/number_format.h"

namespace csp {
namespace listing_file {
namespace {

// Lines gathered into chunks for the system's writes.
class ChunkedLines final : public SavedLines {
public:
    explicit ChunkedLines(const ByteWriter& writeBytes) : writeBytes_(writeBytes) { buffer_.reserve(chunk + 256); }
    bool write(std::string_view line) override {
        buffer_ += line;
        buffer_ += "\r\n";
        if (buffer_.size() < chunk) return true;
        return flush();
    }
    bool flush() {
        const bool written = writeBytes_(buffer_.data(), buffer_.size());
        buffer_.clear();
        return written;
    }

private:
    static constexpr std::size_t chunk = 64 * 1024;
    const ByteWriter& writeBytes_;
    std::string buffer_;
};

}  // namespace

Outcome cannotOpen(const std::string& path) { return Outcome::failure(format("Unable to open file %s for writing.", path)); }
Outcome cannotWrite(const std::string& path) { return Outcome::failure(format("Unable to successfully write file %s.", path)); }

bool writeLines(const ByteWriter& writeBytes, const LineWriter& writeEveryLine) {
    ChunkedLines lines(writeBytes);
    return writeEveryLine(lines) && lines.flush();
}

}  // namespace listing_file

namespace {

listing_file::LineWriter linesOf(const ReportListing* listing) {
    return [listing](SavedLines& lines) {
        if (listing != nullptr)
            for (const std::string& line : listing->lines())
                if (!lines.write(line)) return false;
        return true;
    };
}

}  // namespace

Outcome writeListingFile(const ReportListing* listing, const std::string& path) {
    return saveLines(path, linesOf(listing));
}

std::string savedBytes(const std::function<bool(SavedLines&)>& writeEveryLine) {
    std::string bytes;
    listing_file::writeLines(
        [&bytes](const char* data, std::size_t size) {
            bytes.append(data, size);
            return true;
        },
        writeEveryLine);
    return bytes;
}

std::string savedBytes(const ReportListing& listing) { return savedBytes(linesOf(&listing)); }

}  // namespace csp
