#include "shell/listing_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace csp {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ListingFile : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("listing-file-" + std::to_string(::getpid()) + "-" +
                                               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
        return names;
    }
    fs::path folder;
};

TEST_F(ListingFile, WritesEveryLineAsHeldWithCrLf) {
    ReportListing listing;
    listing.append("Input Data:");
    listing.append(" ");
    listing.append("trailing blanks   ");
    listing.append("half \xBD");
    const fs::path target = folder / "report.txt";
    ASSERT_TRUE(writeListingFile(&listing, target));
    EXPECT_EQ(contentsOf(target), "Input Data:\r\n \r\ntrailing blanks   \r\nhalf \xBD\r\n");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"report.txt"});
}

TEST_F(ListingFile, AnEmptyOrAbsentListingWritesAnEmptyFile) {
    ReportListing empty;
    const fs::path target = folder / "empty.txt";
    std::ofstream(target) << "old contents";
    ASSERT_TRUE(writeListingFile(&empty, target));
    EXPECT_EQ(fs::file_size(target), 0u);
    ASSERT_TRUE(writeListingFile(nullptr, folder / "absent.txt"));
    EXPECT_EQ(fs::file_size(folder / "absent.txt"), 0u);
}

TEST_F(ListingFile, ReplacingAFileKeepsItsPermissionsAndFollowsALink) {
    ReportListing listing;
    listing.append("new");
    const fs::path target = folder / "kept.txt";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, folder / "link.txt");
    ASSERT_TRUE(writeListingFile(&listing, folder / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(contentsOf(target), "new\r\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ListingFile, AFolderThatCannotBeWrittenGivesTheOpenMessage) {
    const std::string target = (folder / "missing-folder" / "report.txt").string();
    ReportListing listing;
    listing.append("line");
    const Outcome saved = writeListingFile(&listing, target);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.message, "Unable to open file " + target + " for writing.");
    EXPECT_EQ(writeListingFile(&listing, folder.string()).message,
              "Unable to open file " + folder.string() + " for writing.");
    // No one, root included, may create a file in /proc.
    EXPECT_EQ(writeListingFile(&listing, "/proc/report.txt").message,
              "Unable to open file /proc/report.txt for writing.");
}

TEST_F(ListingFile, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    const fs::path target = folder / "locked.txt";
    std::ofstream(target) << "keep";
    fs::permissions(target, fs::perms::owner_read);
    ReportListing listing;
    listing.append("line");
    EXPECT_FALSE(writeListingFile(&listing, target));
    EXPECT_EQ(contentsOf(target), "keep");
}

// A file-size limit in a child process makes the writes fail part-way,
// as a full disk would.
TEST_F(ListingFile, AWriteThatFailsPartWayLeavesTheOldFileByteForByte) {
    const fs::path target = folder / "report.txt";
    const std::string old = "the report saved yesterday\r\n";
    std::ofstream(target, std::ios::binary) << old;
    ReportListing listing;
    for (int i = 0; i < 20000; ++i) listing.append(std::string(70, 'x'));

    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome saved = writeListingFile(&listing, target.string());
        const std::string reply = (saved.ok() ? "ok:" : "failed:") + saved.message;
        [[maybe_unused]] auto written = ::write(channel[1], reply.data(), reply.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string reply;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) reply.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);

    EXPECT_EQ(reply, "failed:Unable to successfully write file " + target.string() + ".");
    EXPECT_EQ(contentsOf(target), old);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"report.txt"}) << "no temporary file is left behind";
}

}  // namespace
}  // namespace csp
