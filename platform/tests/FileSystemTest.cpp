#include "platform/core/FileSystem.h"
#include "FailingReads.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Every line of a file as ReadLine gives it into a CString or a string_view,
// with "!" appended to a line that was too long; read as it goes, or into
// memory first.
template <class Line>
std::vector<std::string> Lines(const CString &path, bool bWholeFirst, bool bComplete = true)
{
    CLineReader reader;
    std::vector<std::string> lines;
    Line line;
    if (reader.Open(path) && (!bWholeFirst || reader.ReadToEnd())) {
        while (reader.ReadLine(line))
            lines.push_back(std::string(line) + (reader.LineTooLong() ? "!" : ""));
    }
    EXPECT_EQ(reader.ReadFailed(), !bComplete) << path;
    if (bComplete) {
        EXPECT_EQ(reader.BytesRead(), reader.FileSize()) << path;
    }
    return lines;
}
}

// A physical line is one line, whatever its length, up to 16 MiB; CR LF ends
// a line as LF does. Both read forms give the same lines, also across the
// reader's own buffer (the many-lines case) and past a line too long to keep.
TEST(LineReader, ReadsWholeLines)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const size_t kMax = CLineReader::kMaxLineLength;
    const std::string a1023(1023, 'a'), a1024(1024, 'a'), a1MiB(size_t(1) << 20, 'a');
    const std::string aMax(kMax, 'a');
    std::string many;
    std::vector<std::string> manyLines;
    for (int i = 0; i < 40000; ++i) {
        manyLines.push_back(std::to_string(i) + ",x\r\n");
        many += manyLines.back();
    }
    const Case cases[] = {
        {"empty", "", {}},
        {"no final newline", "a,b\nc,d", {"a,b\n", "c,d"}},
        {"crlf is one line end, a lone cr none", "a,b\r\nc\rd\r\n", {"a,b\r\n", "c\rd\r\n"}},
        {"nul bytes kept", std::string("a\0b,c\n", 6), {std::string("a\0b,c\n", 6)}},
        {"many lines", many, manyLines},
        {"1023", a1023 + "\r\nz", {a1023 + "\r\n", "z"}},
        {"1024", a1024 + "\nz\n", {a1024 + "\n", "z\n"}},
        {"1 MiB after short lines", "x\n" + a1MiB + "\ny", {"x\n", a1MiB + "\n", "y"}},
        {"16 MiB is whole", aMax + "\n", {aMax + "\n"}},
        {"16 MiB + 1 is cut and read past", "x\n" + aMax + "b\nz\n", {"x\n", aMax + "!", "z\n"}},
        {"16 MiB + 1 at the end", aMax + "b", {aMax + "!"}},
    };
    for (const Case &c : cases) {
        CTempBase base;
        const CString path = base.Write("f.csv", c.bytes);
        for (const bool bWholeFirst : {false, true}) {
            EXPECT_TRUE(Lines<CString>(path, bWholeFirst) == c.lines) << c.name << bWholeFirst;
            EXPECT_TRUE(Lines<std::string_view>(path, bWholeFirst) == c.lines) << c.name << bWholeFirst;
        }
    }
}

// A read that fails ends the reading there, and the reader says so: no line
// is handed out past it (not even the cut one before it), and a reader that
// reads the whole file first hands out none at all.
TEST(LineReader, ReadErrorIsNotTheEnd)
{
    struct Case {
        const char *name;
        std::string bytes;
        size_t nBytesBeforeFailing;
    };
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += std::to_string(i) + ",x\r\n";
    const std::string longLine = std::string(CLineReader::kMaxLineLength + 1000, 'a') + "\nz\n";
    const Case cases[] = {
        {"first read", "a,b\nc,d\n", 0},
        {"part-way through many lines", many, many.size() / 2},
        {"inside a line too long to keep", longLine, longLine.size() - 500},
    };
    for (const Case &c : cases) {
        CTempBase base;
        const CString path = base.Write("f.csv", c.bytes);
        for (const bool bWholeFirst : {false, true}) {
            CFailingReads failing(c.nBytesBeforeFailing);
            const std::vector<std::string> lines = Lines<std::string_view>(path, bWholeFirst, false);
            std::string handed;
            for (const std::string &line : lines)
                handed += line;
            EXPECT_EQ(c.bytes.compare(0, handed.size(), handed), 0) << c.name;
            EXPECT_LE(handed.size(), c.nBytesBeforeFailing) << c.name;
            EXPECT_TRUE(handed.empty() || handed.back() == '\n') << c.name;
            EXPECT_TRUE(!bWholeFirst || lines.empty()) << c.name;
        }
    }
}

// Opened once and without blocking: a FIFO without a writer, a device or a
// socket is refused at once instead of hanging the reader.
TEST(LineReader, OpensOnlyRegularFiles)
{
    CTempBase base;
    base.Write("dir/x", "1");
    ::mkfifo(base.Path("fifo").c_str(), 0644);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const CString sockPath = base.Path("sock");
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::memcpy(addr.sun_path, sockPath.c_str(), sockPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr *>(&addr), sizeof addr), 0);
    ::symlink(base.Write("real.csv", "a,b\n").c_str(), base.Path("link.csv").c_str());
    const struct {
        const char *name;
        CString path;
        bool bOpens;
    } cases[] = {
        {"missing", base.Path("missing.csv"), false},
        {"empty path", CString(), false},
        {"directory", base.Path("dir"), false},
        {"fifo without writer", base.Path("fifo"), false},
        {"character device", "/dev/zero", false},
        {"socket", sockPath, false},
        {"link to a regular file", base.Path("link.csv"), true},
    };
    ::alarm(10); // a reader that blocks ends the test instead of hanging it
    for (const auto &c : cases) {
        CLineReader reader;
        EXPECT_EQ(reader.Open(c.path), c.bOpens) << c.name;
    }
    ::alarm(0);
    ::close(sock);
}

namespace {
mode_t ModeOf(const CString &path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Temporary files of the writer anywhere under the base folder.
std::vector<std::string> Leftovers(const CTempBase &base)
{
    std::vector<std::string> found;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(std::string(base.Dir())))
        if (entry.path().filename().string().rfind(".tarniw-", 0) == 0)
            found.push_back(entry.path().string());
    return found;
}

constexpr uid_t kOtherUser = 4321;
}

// What may be written is judged by the permission bits and the owner as for
// an ordinary user, also when the tests run as root; a link is written
// through; a file keeps its mode and owner; nothing but the target changes.
TEST(WriteFileAtomically, RespectsTheFileThatIsThere)
{
    const bool bRoot = ::geteuid() == 0;
    struct Case {
        const char *name;
        std::function<void(const CTempBase &)> setup;
        const char *target;  // written, relative to the base folder
        bool bOk;
        const char *real;    // the file the content lands in (or stays in)
        const char *content; // expected there afterwards
        mode_t mode;         // expected permission bits there (umask 027)
    };
    const auto file = [](const char *rel, mode_t mode) {
        return [rel, mode](const CTempBase &base) { ::chmod(base.Write(rel, "old").c_str(), mode); };
    };
    const auto link = [](const char *to, const char *rel) {
        return [to, rel](const CTempBase &base) {
            base.Write("keep", "");
            ::symlink(to, base.Path(rel).c_str());
        };
    };
    std::vector<Case> cases = {
        {"replaces a file", file("d/a.csv", 0644), "d/a.csv", true, "d/a.csv", "new", 0644},
        {"keeps the permission bits", file("d/a.csv", 0604), "d/a.csv", true, "d/a.csv", "new", 0604},
        {"new file gets 0666 less the umask (027)", file("d/other", 0644), "d/a.csv", true, "d/a.csv", "new", 0640},
        {"read-only file", file("d/a.csv", 0444), "d/a.csv", false, "d/a.csv", "old", 0444},
        {"read-only folder",
         [](const CTempBase &base) {
             ::chmod(base.Write("d/a.csv", "old").c_str(), 0644);
             ::chmod(base.Path("d").c_str(), 0555);
         },
         "d/a.csv", false, "d/a.csv", "old", 0644},
        {"link is written through", [](const CTempBase &base) {
             ::chmod(base.Write("d/a.csv", "old").c_str(), 0644);
             ::symlink("d/a.csv", base.Path("link").c_str());
         }, "link", true, "d/a.csv", "new", 0644},
        {"chain of links", [](const CTempBase &base) {
             ::chmod(base.Write("d/a.csv", "old").c_str(), 0644);
             ::symlink("a.csv", base.Path("d/l1").c_str());
             ::symlink(base.Path("d/l1").c_str(), base.Path("l2").c_str());
         }, "l2", true, "d/a.csv", "new", 0644},
        {"link to a read-only file", [](const CTempBase &base) {
             ::chmod(base.Write("d/a.csv", "old").c_str(), 0444);
             ::symlink("d/a.csv", base.Path("link").c_str());
         }, "link", false, "d/a.csv", "old", 0444},
        {"dangling link makes its file", link("d/new.csv", "link"), "link", true, "d/new.csv", "new", 0640},
        {"link into a missing folder", link("none/new.csv", "link"), "link", false, "keep", "", 0640},
        {"link loop", link("loop", "loop"), "loop", false, "keep", "", 0640},
        {"target is a folder", file("d/sub/x", 0644), "d/sub", false, "d/sub/x", "old", 0644},
        {"folder missing", file("d/x", 0644), "none/a.csv", false, "d/x", "old", 0644},
    };
    if (bRoot) {
        cases.push_back({"keeps another user's ownership", [](const CTempBase &base) {
                             const CString path = base.Write("d/a.csv", "old");
                             ::chown(path.c_str(), kOtherUser, kOtherUser);
                             ::chmod(path.c_str(), 0666);
                         }, "d/a.csv", true, "d/a.csv", "new", 0666});
        cases.push_back({"another user's file that only its owner may write", [](const CTempBase &base) {
                             const CString path = base.Write("d/a.csv", "old");
                             ::chown(path.c_str(), kOtherUser, kOtherUser);
                             ::chmod(path.c_str(), 0644);
                         }, "d/a.csv", false, "d/a.csv", "old", 0644});
    }
    const mode_t mask = ::umask(027);
    for (const Case &c : cases) {
        CTempBase base;
        base.Write("d/.keep", "");
        c.setup(base);
        struct stat before;
        const bool bExisted = ::stat(base.Path(c.real).c_str(), &before) == 0;
        const bool bLink = std::filesystem::is_symlink(std::string(base.Path(c.target)));
        EXPECT_EQ(CanReplaceFile(base.Path(c.target)), c.bOk) << c.name;
        EXPECT_EQ(WriteFileAtomically(base.Path(c.target), "new"), c.bOk) << c.name;
        if (c.content) {
            EXPECT_EQ(base.Read(c.real), c.content) << c.name;
            EXPECT_EQ(ModeOf(base.Path(c.real)), c.mode) << c.name;
        }
        struct stat after;
        if (bExisted && ::stat(base.Path(c.real).c_str(), &after) == 0) {
            EXPECT_EQ(after.st_uid, before.st_uid) << c.name;
        }
        EXPECT_EQ(std::filesystem::is_symlink(std::string(base.Path(c.target))), bLink) << c.name;
        EXPECT_EQ(Leftovers(base), std::vector<std::string>()) << c.name;
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

TEST(DeleteFiles, NeverFollowsLinks)
{
    CTempBase base;
    base.Write("outside/keep.txt", "k");
    base.Write("outside/sub/keep2.txt", "k");
    base.Write("store/A/a.txt", "a");
    base.Write("store/A/sub/deep.txt", "d");
    base.Write("store/B/b.txt", "b");
    base.Write("store/loose.txt", "l");
    ::symlink(base.Path("outside").c_str(), base.Path("store/A/link").c_str());
    ::symlink(base.Path("outside").c_str(), base.Path("store/C").c_str());
    ::symlink(base.Path("outside").c_str(), base.Path("linkdir").c_str());

    DeleteFilesInDirectory(base.Path("linkdir"));
    EXPECT_TRUE(base.Exists("outside/keep.txt"));

    DeleteFilesInDirectory(base.Path("store/A"));
    EXPECT_FALSE(base.Exists("store/A/a.txt"));
    EXPECT_FALSE(base.Exists("store/A/link"));
    EXPECT_TRUE(base.Exists("store/A/sub/deep.txt"));

    ClearSubdirectories(base.Path("store"));
    EXPECT_TRUE(base.Exists("store/A/sub/deep.txt")); // A still holds a folder
    EXPECT_FALSE(base.Exists("store/B"));
    EXPECT_TRUE(base.Exists("store/C"));
    EXPECT_TRUE(base.Exists("store/loose.txt"));
    EXPECT_TRUE(base.Exists("outside/keep.txt"));
    EXPECT_TRUE(base.Exists("outside/sub/keep2.txt"));
}
