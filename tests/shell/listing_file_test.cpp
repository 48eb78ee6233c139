#include "shell/listing_file.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "tests/file_bytes.h"

namespace csp {
namespace {

namespace fs = std::filesystem;


std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::string replyOf(const Outcome& saved) { return (saved.ok() ? "ok:" : "failed:") + saved.message; }

// Runs `work` in a child process and returns its reply.
std::string replyFromChild(const std::function<std::string()>& work) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string reply = work();
        [[maybe_unused]] auto written = ::write(channel[1], reply.data(), reply.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string reply;
    char buffer[512];
    for (ssize_t n; child > 0 && (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        reply.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    if (child < 0) return "no child";
    ::waitpid(child, nullptr, 0);
    return reply;
}

// Reads a FIFO until its writer closes it, or nothing comes for ten seconds.
std::string drain(int fd) {
    std::string received;
    char buffer[4096];
    for (pollfd ready{fd, POLLIN, 0}; ::poll(&ready, 1, 10000) > 0;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) received.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EAGAIN) break;
    }
    return received;
}

class ListingFile : public testing::Test {
protected:
    void SetUp() override {
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        folder = fs::temp_directory_path() / ("listing-file-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::vector<std::string> filesInFolder() const { return filesIn(folder); }
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
    EXPECT_EQ(fileBytes(target), "Input Data:\r\n \r\ntrailing blanks   \r\nhalf \xBD\r\n");
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
    EXPECT_EQ(fileBytes(target), "new\r\n");
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
    EXPECT_EQ(fileBytes(target), "keep");
}

// A file-size limit in a child process makes the writes fail part-way,
// as a full disk would.
TEST_F(ListingFile, AWriteThatFailsPartWayLeavesTheOldFileByteForByte) {
    const fs::path target = folder / "report.txt";
    const std::string old = "the report saved yesterday\r\n";
    std::ofstream(target, std::ios::binary) << old;
    ReportListing listing;
    for (int i = 0; i < 20000; ++i) listing.append(std::string(70, 'x'));

    const std::string reply = replyFromChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return replyOf(writeListingFile(&listing, target.string()));
    });

    EXPECT_EQ(reply, "failed:Unable to successfully write file " + target.string() + ".");
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"report.txt"}) << "no temporary file is left behind";
}

// Root gives files to nobody (65534) and saves from a child that has become
// nobody; an ordinary user plays nobody and runs the case it can set up.
// Whoever saves, the file takes the new lines and keeps its owner and group.
TEST_F(ListingFile, SavingKeepsTheOwnerAndWritesInPlaceWhereTheFileCannotBeReplaced) {
    const bool root = ::geteuid() == 0;
    const struct {
        const char* name;
        mode_t folderMode;
        bool nobodysFile, savedByNobody;
    } cases[] = {{"folder-takes-no-new-file", 0555, true, true},
                 {"file-nobody-cannot-give-away", 0755, false, true},
                 {"root-saves-over-nobodys-file", 0755, true, false}};
    ReportListing listing;
    listing.append("new");
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        if (!root && !(row.nobodysFile && row.savedByNobody)) continue;  // only root gives files away
        const fs::path shared = folder / row.name;
        const fs::path target = shared / "report.txt";
        fs::create_directory(shared);
        std::ofstream(target) << "old";
        ::chmod(target.c_str(), 0666);
        if (root) {
            EXPECT_EQ(::chown(shared.c_str(), 65534, 65534), 0);
            EXPECT_EQ(::chown(target.c_str(), row.nobodysFile ? 65534 : 0, row.nobodysFile ? 65534 : 0), 0);
        }
        struct stat before {}, after {};
        ::stat(target.c_str(), &before);
        ::chmod(shared.c_str(), row.folderMode);
        const std::string reply = replyFromChild([&] {
            if (root && row.savedByNobody &&
                (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                return std::string("cannot become nobody");
            return replyOf(writeListingFile(&listing, target.string()));
        });
        ::chmod(shared.c_str(), 0755);
        ::stat(target.c_str(), &after);
        EXPECT_EQ(reply, "ok:");
        EXPECT_EQ(fileBytes(target), "new\r\n");
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(filesIn(shared), std::vector<std::string>{"report.txt"}) << "no temporary file is left behind";
    }
}

// A special file is made in the test's folder, never taken from /dev.
struct SpecialFile {
    const char* name;
    std::string (*make)(const fs::path& folder);  // why it cannot be made here, or ""
    const char* savedTo;
    bool read;  // another thread reads the FIFO while saving
    bool saved;
    fs::file_type entry, type;
};

std::string makeFifo(const fs::path& folder) {
    return ::mkfifo((folder / "pipe").c_str(), 0600) == 0 ? "" : "cannot make a FIFO here";
}

std::string makeNullDevice(const fs::path& folder) {
    if (::geteuid() != 0) return "only root may make a device";
    if (::mknod((folder / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) return "cannot make a device here";
    fs::create_symlink(folder / "null", folder / "link");
    return "";
}

void PrintTo(const SpecialFile& special, std::ostream* out) { *out << special.name; }

class SavingToASpecialFile : public ListingFile, public testing::WithParamInterface<SpecialFile> {};

TEST_P(SavingToASpecialFile, WritesItInPlaceAndLeavesItWhatItWas) {
    const SpecialFile& special = GetParam();
    if (const std::string why = special.make(folder); !why.empty()) GTEST_SKIP() << why;
    const std::vector<std::string> made = filesIn(folder);
    const fs::path target = folder / special.savedTo;
    // More than a pipe holds, so the writes must wait for the reader.
    ReportListing listing;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        listing.append(std::to_string(i) + std::string(70, 'x'));
        expected += listing.lines().back() + "\r\n";
    }
    const int reading = special.read ? ::open(target.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    std::string received;
    std::thread reader([&] { received = reading >= 0 ? drain(reading) : ""; });
    ::alarm(60);  // a save that hangs ends the run rather than stalling it
    const Outcome saved = writeListingFile(&listing, target.string());
    ::alarm(0);
    reader.join();
    if (reading >= 0) ::close(reading);

    EXPECT_EQ(replyOf(saved),
              special.saved ? "ok:" : "failed:Unable to open file " + target.string() + " for writing.");
    if (special.read) {
        EXPECT_TRUE(received == expected) << received.size() << " of " << expected.size() << " bytes";
    }
    EXPECT_EQ(fs::symlink_status(target).type(), special.entry);
    EXPECT_EQ(fs::status(target).type(), special.type);
    EXPECT_EQ(filesIn(folder), made) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SavingToASpecialFile,
    testing::Values(
        SpecialFile{"FifoBeingRead", makeFifo, "pipe", true, true, fs::file_type::fifo, fs::file_type::fifo},
        SpecialFile{"FifoNoOneReads", makeFifo, "pipe", false, false, fs::file_type::fifo, fs::file_type::fifo},
        SpecialFile{"CharacterDevice", makeNullDevice, "null", false, true, fs::file_type::character,
                    fs::file_type::character},
        SpecialFile{"LinkToACharacterDevice", makeNullDevice, "link", false, true, fs::file_type::symlink,
                    fs::file_type::character}),
    [](const testing::TestParamInfo<SpecialFile>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace csp
