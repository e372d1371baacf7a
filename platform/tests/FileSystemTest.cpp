#include "platform/core/FileSystem.h"
#include "FailingReads.h"
#include "TempBase.h"
#include "platform/core/Paths.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

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
    const std::string a1MiB(size_t(1) << 20, 'a');
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

// Only what opens as a regular file is read; errno says why not (the
// system's special files: FileSystemWinTest.cpp, and CliTest.cpp on POSIX).
TEST(LineReader, OpensOnlyRegularFiles)
{
    CTempBase base;
    base.Write("dir/x", "1");
    const struct {
        const char *name;
        CString path;
        bool bOpens;
        int err;
    } cases[] = {
        {"missing", base.Path("missing.csv"), false, ENOENT},
        {"empty path", CString(), false, ENOENT},
        {"directory", base.Path("dir"), false, EISDIR},
        {"regular file", base.Write("real.csv", "a,b\n"), true, 0},
    };
    for (const auto &c : cases) {
        CLineReader reader;
        errno = 0;
        EXPECT_EQ(reader.Open(c.path), c.bOpens) << c.name;
        if (!c.bOpens) {
            EXPECT_EQ(errno, c.err) << c.name;
        }
    }
}

TEST(LineReader, OpensThroughALink)
{
    CTempBase base;
    if (!MakeSymbolicLink(base.Write("real.csv", "a,b\n"), base.Path("link.csv")))
        GTEST_SKIP() << kNoLinksHere;
    EXPECT_EQ(Lines<CString>(base.Path("link.csv"), false), std::vector<std::string>{"a,b\n"});
}

namespace {
// Temporary files of the writer anywhere under the base folder.
std::vector<std::string> Leftovers(const CTempBase &base)
{
    std::vector<std::string> found;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(std::string(base.Dir())))
        if (entry.path().filename().string().rfind(".tarniw-", 0) == 0)
            found.push_back(entry.path().string());
    return found;
}

struct CWriteCase
{
    const char *name;
    std::function<void(const CTempBase &)> setup;
    const char *target;  // written, relative to the base folder
    bool bOk;
    const char *real;    // the file the content lands in (or stays in)
    const char *content; // expected there afterwards
};

// Writes "new" to the target of each case: what CanReplaceFile said, what
// the write did, where the bytes are, and that nothing was left behind.
void CheckWrites(const std::vector<CWriteCase> &cases)
{
    for (const CWriteCase &c : cases) {
        CTempBase base;
        base.Write("d/.keep", "");
        c.setup(base);
        const bool bLink = std::filesystem::is_symlink(std::string(base.Path(c.target)));
        EXPECT_EQ(CanReplaceFile(base.Path(c.target)), c.bOk) << c.name;
        EXPECT_EQ(WriteFileAtomically(base.Path(c.target), "new"), c.bOk) << c.name;
        EXPECT_EQ(base.Read(c.real), c.content) << c.name;
        EXPECT_EQ(std::filesystem::is_symlink(std::string(base.Path(c.target))), bLink) << c.name;
        EXPECT_EQ(Leftovers(base), std::vector<std::string>()) << c.name;
    }
}

std::function<void(const CTempBase &)> OldFile(const char *rel, bool bReadOnly = false)
{
    return [rel, bReadOnly](const CTempBase &base) {
        const CString path = base.Write(rel, "old");
        if (bReadOnly)
            SetReadOnly(path);
    };
}
}

// A file is replaced whole or not at all; a read-only file stays as it is,
// also when the tests run as root. (Permission bits, owners and attributes:
// FileSystem<System>Test.cpp.)
TEST(WriteFileAtomically, RespectsTheFileThatIsThere)
{
    CheckWrites({
        {"replaces a file", OldFile("d/a.csv"), "d/a.csv", true, "d/a.csv", "new"},
        {"new file", OldFile("d/other"), "d/a.csv", true, "d/a.csv", "new"},
        {"read-only file", OldFile("d/a.csv", true), "d/a.csv", false, "d/a.csv", "old"},
        {"target is a folder", OldFile("d/sub/x"), "d/sub", false, "d/sub/x", "old"},
        {"folder missing", OldFile("d/x"), "none/a.csv", false, "d/x", "old"},
        {"folder is a file", OldFile("f"), "f/a.csv", false, "f", "old"},
    });
}

// A link is written through: the link stays, the file it leads to gets the
// bytes, and is judged as that file. (On Windows a link whose file is
// missing is refused.)
TEST(WriteFileAtomically, WritesThroughLinks)
{
    {
        CTempBase base;
        if (!MakeSymbolicLink(base.Write("a.csv", ""), base.Path("link")))
            GTEST_SKIP() << kNoLinksHere;
    }
    const auto link = [](const char *to, const char *rel, const char *file = nullptr, bool bReadOnly = false) {
        return [=](const CTempBase &base) {
            if (file)
                OldFile(file, bReadOnly)(base);
            base.Write("keep", "");
            MakeSymbolicLink(to, base.Path(rel));
        };
    };
    const bool bPosix = kNativePathStyle == PathStyle::Posix;
    CheckWrites({
        {"link is written through", link("d/a.csv", "link", "d/a.csv"), "link", true, "d/a.csv", "new"},
        {"chain of links", [&](const CTempBase &base) {
             link("a.csv", "d/l1", "d/a.csv")(base);
             MakeSymbolicLink(base.Path("d/l1"), base.Path("l2"));
         }, "l2", true, "d/a.csv", "new"},
        {"link to a read-only file", link("d/a.csv", "link", "d/a.csv", true), "link", false, "d/a.csv", "old"},
        {"dangling link makes its file", link("d/new.csv", "link"), "link", bPosix, "d/new.csv", bPosix ? "new" : ""},
        {"link into a missing folder", link("none/new.csv", "link"), "link", false, "keep", ""},
        {"link loop", link("loop", "loop"), "loop", false, "keep", ""},
    });
}
