// What only a POSIX system has: permission bits and owners, a small file
// system of its own. (FIFOs and devices are refused to read: CliTest.cpp.)
#include "platform/core/FileSystem.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
mode_t ModeOf(const CString &path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

constexpr uid_t kOtherUser = 4321;
}

// What may be written is judged by the permission bits and the owner as for
// an ordinary user, also when the tests run as root; a file keeps its mode
// and owner.
TEST(WriteFileAtomically, KeepsModesAndOwners)
{
    const bool bRoot = ::geteuid() == 0;
    struct Case {
        const char *name;
        std::function<void(const CTempBase &)> setup;
        bool bOk;
        const char *content; // expected in d/a.csv afterwards
        mode_t mode;         // its expected permission bits (umask 027)
    };
    const auto file = [](mode_t mode, uid_t owner = uid_t(-1)) {
        return [mode, owner](const CTempBase &base) {
            const CString path = base.Write("d/a.csv", "old");
            if (owner != uid_t(-1))
                ::chown(path.c_str(), owner, owner);
            ::chmod(path.c_str(), mode);
        };
    };
    std::vector<Case> cases = {
        {"keeps the permission bits", file(0604), true, "new", 0604},
        {"new file gets 0666 less the umask (027)", [](const CTempBase &) {}, true, "new", 0640},
        {"read-only folder",
         [&](const CTempBase &base) {
             file(0644)(base);
             ::chmod(base.Path("d").c_str(), 0555);
         },
         false, "old", 0644},
    };
    if (bRoot) {
        cases.push_back({"keeps another user's ownership", file(0666, kOtherUser), true, "new", 0666});
        cases.push_back({"another user's file that only its owner may write", file(0644, kOtherUser), false, "old",
                         0644});
    }
    const mode_t mask = ::umask(027);
    for (const Case &c : cases) {
        CTempBase base;
        base.Write("d/.keep", "");
        c.setup(base);
        const CString path = base.Path("d/a.csv");
        struct stat before;
        const bool bExisted = ::stat(path.c_str(), &before) == 0;
        EXPECT_EQ(CanReplaceFile(path), c.bOk) << c.name;
        EXPECT_EQ(WriteFileAtomically(path, "new"), c.bOk) << c.name;
        EXPECT_EQ(base.Read("d/a.csv"), c.content) << c.name;
        EXPECT_EQ(ModeOf(path), c.mode) << c.name;
        struct stat after;
        if (bExisted && ::stat(path.c_str(), &after) == 0) {
            EXPECT_EQ(after.st_uid, before.st_uid) << c.name;
        }
        ::chmod(base.Path("d").c_str(), 0755);
    }
    ::umask(mask);
}

// A full disk: the write fails, the old file stays whole, no temporary file
// is left. Needs a small file system of its own, mounted in a mount
// namespace of a child process; skipped where that is not allowed.
TEST(WriteFileAtomically, FullDiskKeepsTheOldFile)
{
    CTempBase base;
    const CString disk = base.Path("disk");
    ::mkdir(disk.c_str(), 0755);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // 77: no small file system here; 1: the write did not fail cleanly.
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        const CString path = disk + "/a.csv";
        if (!WriteFileAtomically(path, "old"))
            ::_exit(1);
        const bool bRefused = !WriteFileAtomically(path, std::string(1 << 20, 'x')) && errno == ENOSPC;
        std::string text;
        const bool bOldKept = ReadWholeFile(path, text) && text == "old";
        ::_exit(bRefused && bOldKept && ListDirectory(disk).size() == 1 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
