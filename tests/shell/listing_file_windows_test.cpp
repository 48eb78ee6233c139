// Saving a listing file on Windows (run under Wine by tools/run-windows-tests).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/listing_file.h"
#include "tests/file_bytes.h"

namespace csp {
namespace {

namespace fs = std::filesystem;


std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A listing longer than one chunk of writes, so that a save abandoned at
// its end has written into the new file.
ReportListing longListing() {
    ReportListing listing;
    for (int i = 0; i < 2000; ++i) listing.append(std::to_string(i) + std::string(70, 'x'));
    return listing;
}

class WindowsListingFile : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("listing-file-" + std::to_string(GetCurrentProcessId()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        for (const fs::path& name : filesIn(folder)) SetFileAttributesW((folder / name).c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder);
    }
    fs::path folder;
};

TEST_F(WindowsListingFile, AUtf8NameReachesTheFileSystemAsItsWideName) {
    const fs::path name = u8"Bericht 7\u00BD \u2013 \u03A9.txt";
    ReportListing listing;
    listing.append("half \xBD");
    ASSERT_EQ(writeListingFile(&listing, utf8(folder / name)).message, "");
    EXPECT_EQ(fileBytes(folder / name), "half \xBD\r\n");
    EXPECT_EQ(filesIn(folder), std::vector<fs::path>{name});
}

// Whatever goes wrong after the new file is begun, the old file stays byte
// for byte and no temporary file is left behind: a save abandoned part-way,
// and one whose replacing is refused because another program holds the
// file open without letting it be deleted.
TEST_F(WindowsListingFile, ASaveThatFailsPartWayLeavesTheOldFileByteForByte) {
    const fs::path target = folder / "report.txt";
    const std::string old = "the report saved yesterday\r\n";
    const ReportListing listing = longListing();
    const std::string failed = "Unable to successfully write file " + utf8(target) + ".";

    std::ofstream(target, std::ios::binary) << old;
    std::size_t written = 0;
    const Outcome abandoned = saveLines(utf8(target), [&](SavedLines& lines) {
        for (const std::string& line : listing.lines())
            if (!lines.write(line) || ++written == listing.count() - 1) return false;
        return true;
    });
    EXPECT_EQ(abandoned.message, failed);
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(filesIn(folder), std::vector<fs::path>{"report.txt"});

    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(writeListingFile(&listing, utf8(target)).message, failed);
    CloseHandle(held);
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(filesIn(folder), std::vector<fs::path>{"report.txt"});
}

TEST_F(WindowsListingFile, ReplacingAFileKeepsItsAttributes) {
    const fs::path target = folder / "kept.txt";
    std::ofstream(target, std::ios::binary) << "old";
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    const ReportListing listing = longListing();
    ASSERT_EQ(writeListingFile(&listing, utf8(target)).message, "");
    EXPECT_EQ(fs::file_size(target), 2000 * 72 + 10 * 1 + 90 * 2 + 900 * 3 + 1000 * 4);
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(filesIn(folder), std::vector<fs::path>{"kept.txt"});
}

TEST_F(WindowsListingFile, WhatCannotBeWrittenGivesTheOpenMessageAndStaysAsItWas) {
    const fs::path readOnly = folder / "locked.txt";
    std::ofstream(readOnly, std::ios::binary) << "keep";
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string cases[] = {utf8(readOnly), utf8(folder), utf8(folder / "missing-folder" / "report.txt"),
                                 utf8(folder) + "\\not-utf-8-\xBD.txt", ""};
    ReportListing listing;
    listing.append("line");
    for (const std::string& path : cases)
        EXPECT_EQ(writeListingFile(&listing, path).message, "Unable to open file " + path + " for writing.");
    EXPECT_EQ(fileBytes(readOnly), "keep");
    EXPECT_EQ(filesIn(folder), std::vector<fs::path>{"locked.txt"});
}

// NUL is a device: it is written, and no file of that name appears.
TEST_F(WindowsListingFile, ADeviceIsWrittenInPlace) {
    fs::current_path(folder);
    const ReportListing listing = longListing();
    EXPECT_EQ(writeListingFile(&listing, "NUL").message, "");
    EXPECT_EQ(writeListingFile(&listing, "nul").message, "");
    EXPECT_TRUE(filesIn(folder).empty());
    fs::current_path(folder.parent_path());
}

}  // namespace
}  // namespace csp
