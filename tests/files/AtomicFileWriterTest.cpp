// Saving never exposes the new content, never replaces what is not a regular
// file, and keeps what the old file was: owner, permissions, access control
// list, attributes, hard links.
#include "files/AtomicFileWriter.h"
#include "files/TemporaryFile.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct stat statOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

std::string attribute(const fs::path& path, const char* name) {
    std::string value(256, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
    return value;
}

// A POSIX access control list as the kernel stores it: version 2, then entries
// of tag, permissions and id.
std::string aclBlob(std::initializer_list<std::array<std::uint32_t, 3>> entries) {
    std::string blob;
    const auto put = [&blob](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            blob += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(2, 4);
    for (const auto& [tag, permissions, id] : entries) {
        put(tag, 2);
        put(permissions, 2);
        put(id, 4);
    }
    return blob;
}

class AtomicFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("protoscribe-files-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override {
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_root))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path m_root;
};

} // namespace

TEST_F(AtomicFileWriterTest, NothingOfTheNewContentIsReadableByOthersWhileItIsWritten) {
    const fs::path target = m_root / "study.xml";
    writeBytes(target, "old");
    ::chmod(target.c_str(), 0644);
    bool looked = false;
    const SaveResult saved = AtomicFileWriter::write(target, [&](const AtomicFileWriter::Sink& sink) {
        sink("new half");
        for (const auto& entry : fs::directory_iterator(m_root)) {
            if (entry.path() != target) {
                EXPECT_EQ(statOf(entry.path()).st_mode & 0777, 0600u) << entry.path();
            }
        }
        looked = true;
        return sink(" and the rest");
    });
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_TRUE(looked);
    EXPECT_EQ(readBytes(target), "new half and the rest");
    EXPECT_EQ(statOf(target).st_mode & 0777, 0644u);
    EXPECT_EQ(entries(), std::vector<std::string>{"study.xml"});
}

TEST_F(AtomicFileWriterTest, OnlyRegularFilesAreReplaced) {
    const fs::path fifo = m_root / "pipe.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path socketPath = m_root / "socket.xml";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(m_root / "folder.xml");

    for (const fs::path& target : {fifo, socketPath, m_root / "folder.xml"}) {
        const mode_t type = statOf(target).st_mode & S_IFMT;
        const SaveResult saved = AtomicFileWriter::write(target, "bytes");
        EXPECT_FALSE(saved.ok) << target;
        EXPECT_EQ(saved.reason, "This is not a regular file, so it is not replaced.");
        EXPECT_EQ(statOf(target).st_mode & S_IFMT, type) << target;
    }
    ::close(listener);
}

TEST_F(AtomicFileWriterTest, LinksAreKeptAndALinkToNothingCreatesItsTarget) {
    fs::create_symlink("first.xml", m_root / "link.xml");
    fs::create_symlink("second.xml", m_root / "first.xml");
    ASSERT_TRUE(AtomicFileWriter::write(m_root / "link.xml", "through two links").ok);
    EXPECT_TRUE(fs::is_symlink(m_root / "link.xml"));
    EXPECT_TRUE(fs::is_symlink(m_root / "first.xml"));
    EXPECT_EQ(readBytes(m_root / "second.xml"), "through two links");
    ASSERT_TRUE(AtomicFileWriter::write(m_root / "link.xml", "again").ok);
    EXPECT_EQ(readBytes(m_root / "second.xml"), "again");
    EXPECT_EQ(entries(), (std::vector<std::string>{"first.xml", "link.xml", "second.xml"}));
}

TEST_F(AtomicFileWriterTest, OwnerAccessListAndAttributesSurvive) {
    const fs::path target = m_root / "shared.xml";
    writeBytes(target, "old");
    // The owner may read and write, user 1234 too, the owning group only read.
    const std::string acl = aclBlob({{0x01, 6, 0xFFFFFFFF},
                                     {0x02, 6, 1234},
                                     {0x04, 4, 0xFFFFFFFF},
                                     {0x10, 6, 0xFFFFFFFF},
                                     {0x20, 0, 0xFFFFFFFF}});
    if (::setxattr(target.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0 ||
        ::setxattr(target.c_str(), "user.origin", "registry", 8, 0) != 0)
        GTEST_SKIP() << "this file system keeps no access lists or attributes";
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(target.c_str(), 4321, 4322), 0);
    }
    const struct stat before = statOf(target);

    ASSERT_TRUE(AtomicFileWriter::write(target, "new").ok);
    const struct stat after = statOf(target);
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(attribute(target, "system.posix_acl_access"), acl);
    EXPECT_EQ(attribute(target, "user.origin"), "registry");
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(AtomicFileWriterTest, AFileWithSeveralLinksStaysOneFile) {
    const fs::path first = m_root / "a.xml";
    const fs::path second = m_root / "b.xml";
    writeBytes(first, "old bytes");
    fs::create_hard_link(first, second);
    const ino_t inode = statOf(first).st_ino;

    ASSERT_TRUE(AtomicFileWriter::write(first, "new").ok);
    EXPECT_EQ(readBytes(second), "new");
    EXPECT_EQ(statOf(first).st_ino, inode);

    // A failure puts the old bytes back under both names.
    const SaveResult failed = AtomicFileWriter::write(
        second, [](const AtomicFileWriter::Sink& sink) { return sink("partial") && false; });
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(readBytes(first), "new");
    EXPECT_EQ(statOf(second).st_nlink, 2u);
}

// Root may create files anywhere, so the folder is made read-only for
// another user, who saves in a child process.
TEST_F(AtomicFileWriterTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const fs::path folder = m_root / "locked";
    fs::create_directory(folder);
    const fs::path target = folder / "study.xml";
    writeBytes(target, "old");
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    ASSERT_EQ(::chown(folder.c_str(), user, user), 0);
    ASSERT_EQ(::chown(target.c_str(), user, user), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    fs::permissions(m_root, fs::perms::others_exec, fs::perm_options::add);
    const ino_t inode = statOf(target).st_ino;

    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(user) != 0 || ::setuid(user) != 0))
            _exit(3);
        _exit(AtomicFileWriter::write(target, "new").ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(statOf(target).st_ino, inode);
    ::chmod(folder.c_str(), 0755);
}

TEST_F(AtomicFileWriterTest, AReadOnlyFileIsReplacedOnlyWhenTheCallerSaysSo) {
    const fs::path target = m_root / "final.xml";
    writeBytes(target, "approved");
    ::chmod(target.c_str(), 0444);
    const SaveResult refused = AtomicFileWriter::write(target, "changed");
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.readOnly);
    EXPECT_EQ(readBytes(target), "approved");

    ASSERT_TRUE(AtomicFileWriter::write(target, "changed", {.replaceReadOnly = true}).ok);
    EXPECT_EQ(readBytes(target), "changed");
    EXPECT_EQ(statOf(target).st_mode & 0777, 0444u);
}

TEST_F(AtomicFileWriterTest, AnyNameThatFitsTheFolderCanBeSavedAndLeftoversGo) {
    const fs::path longest = m_root / (std::string(251, 'n') + ".xml");
    ASSERT_TRUE(AtomicFileWriter::write(longest, "long").ok);
    EXPECT_EQ(readBytes(longest), "long");

    // Left by a process that has ended, by this one, and by one still running.
    const std::string prefix(TemporaryFile::kPrefix);
    const std::string gone = prefix + "4194999-7";
    const std::string mine = prefix + std::to_string(getpid()) + "-999";
    const std::string running = prefix + "1-3";
    for (const std::string& name : {gone, mine, running})
        writeBytes(m_root / name, "left");
    ASSERT_TRUE(AtomicFileWriter::write(m_root / "study.xml", "saved").ok);
    const auto names = entries();
    EXPECT_EQ(std::count(names.begin(), names.end(), gone), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), mine), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), running), 1);
}
