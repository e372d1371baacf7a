#include "platform/core/FileSystem.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// Every line of a file as ReadLine gives it into a CString or a string_view,
// with "!" appended to a line that was too long.
template <class Line>
std::vector<std::string> Lines(const CString &path)
{
    CLineReader reader;
    std::vector<std::string> lines;
    Line line;
    if (reader.Open(path)) {
        while (reader.ReadLine(line))
            lines.push_back(std::string(line) + (reader.LineTooLong() ? "!" : ""));
        EXPECT_EQ(reader.BytesRead(), reader.FileSize());
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
        EXPECT_TRUE(Lines<CString>(path) == c.lines) << c.name;
        EXPECT_TRUE(Lines<std::string_view>(path) == c.lines) << c.name;
    }
}

TEST(LineReader, RefusesWhatIsNotAReadableFile)
{
    CTempBase base;
    base.Write("dir/x", "1");
    CLineReader reader;
    EXPECT_FALSE(reader.Open(base.Path("missing.csv")));
    EXPECT_FALSE(reader.Open(base.Path("dir")));
    EXPECT_FALSE(reader.Open(CString()));
}

TEST(WriteFileAtomically, FailureLeavesOldFileAndNoTemporary)
{
    CTempBase base;
    base.Write("out/a.csv", "old");
    EXPECT_TRUE(WriteFileAtomically(base.Path("out/a.csv"), "new"));
    EXPECT_EQ(base.Read("out/a.csv"), "new");

    // Target is a directory; target's folder missing; folder not writable.
    EXPECT_FALSE(WriteFileAtomically(base.Path("out"), "x"));
    EXPECT_FALSE(WriteFileAtomically(base.Path("nowhere/a.csv"), "x"));
    if (::geteuid() != 0) {
        ::chmod(base.Path("out").c_str(), 0555);
        EXPECT_FALSE(CanReplaceFile(base.Path("out/a.csv")));
        EXPECT_FALSE(WriteFileAtomically(base.Path("out/a.csv"), "x"));
        ::chmod(base.Path("out").c_str(), 0755);
    }
    EXPECT_EQ(base.Read("out/a.csv"), "new");
    const auto entries = ListDirectory(base.Path("out"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].strName, "a.csv");
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
