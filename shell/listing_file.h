#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp {

// Saves the listing as a text file: every line exactly as held, each
// followed by CR LF. A regular file is written beside the target under a
// temporary name and moved over it only once every line is written, so a
// save that fails part-way leaves the file that was there untouched; it
// keeps its permissions, owner and group. Where the folder takes no new
// file, or the owner cannot be kept, the file is written in place instead.
// A character device, a FIFO or a socket is written in place and stays what
// it was; a FIFO no one reads, a folder or a block device cannot be opened.
// Failures: "Unable to open file %s for writing." and
// "Unable to successfully write file %s.", with the path as given.
Outcome writeListingFile(const ReportListing* listing, const std::string& path);

// Where the lines of a file being saved go, each followed by CR LF; false
// once a line cannot be written.
class SavedLines {
public:
    virtual bool write(std::string_view line) = 0;

protected:
    ~SavedLines() = default;
};

// The bytes saveLines writes for these lines, for a front end that hands
// them over itself (a browser's download).
std::string savedBytes(const std::function<bool(SavedLines&)>& writeEveryLine);
// The bytes writeListingFile writes for a listing.
std::string savedBytes(const ReportListing& listing);

// Saves lines as writeListingFile does, as `writeEveryLine` produces them,
// so that a long file never needs to be held whole. When `writeEveryLine`
// returns false the save is abandoned as one that failed part-way.
Outcome saveLines(const std::string& path, const std::function<bool(SavedLines&)>& writeEveryLine);

}  // namespace csp
