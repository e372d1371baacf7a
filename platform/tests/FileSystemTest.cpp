#include "platform/core/FileSystem.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// Every piece of a file as ReadLine gives it into a CString or a string_view.
template <class Piece>
std::vector<std::string> Pieces(const CString &path)
{
    CLineReader reader;
    std::vector<std::string> pieces;
    Piece piece;
    if (reader.Open(path))
        while (reader.ReadLine(piece))
            pieces.emplace_back(piece);
    return pieces;
}
}

// The 1024-byte buffer rule: at most 1023 bytes per piece, a piece ends after
// '\n'. Both read forms must give the same pieces, also across the internal
// read buffer's end (the long file).
TEST(LineReader, PiecesFollowTheBufferRule)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::vector<std::string> pieces;
    };
    const std::string a1022(1022, 'a'), a1023(1023, 'a'), a1024(1024, 'a');
    std::string many;
    std::vector<std::string> manyPieces;
    for (int i = 0; i < 40000; ++i) {
        const std::string line = std::to_string(i) + ",x\n";
        many += line;
        manyPieces.push_back(line);
    }
    // A 1022-byte line whose CR LF straddles the reader's 64 KiB buffer.
    std::string edge;
    std::vector<std::string> edgePieces;
    for (int i = 0; i < 21503; ++i) {
        edge += "xx\n";
        edgePieces.push_back("xx\n");
    }
    edge += "xxx\n" + a1022 + "\r\n";
    edgePieces.push_back("xxx\n");
    edgePieces.push_back(a1022 + "\r\n");
    const Case cases[] = {
        {"empty", "", {}},
        {"no final newline", "a,b\nc,d", {"a,b\n", "c,d"}},
        {"crlf", "a,b\r\nc\r\n", {"a,b\r\n", "c\r\n"}},
        {"1022 + newline fits", a1022 + "\n", {a1022 + "\n"}},
        {"1022 + crlf fits: crlf is one line end", a1022 + "\r\nz", {a1022 + "\r\n", "z"}},
        {"1022 + crlf across the read buffer", edge, edgePieces},
        {"1023 + newline splits before newline", a1023 + "\nz", {a1023, "\n", "z"}},
        {"1024 splits after 1023", a1024 + "\n", {a1023, "a\n"}},
        {"nul bytes kept", std::string("a\0b,c\n", 6), {std::string("a\0b,c\n", 6)}},
        {"no line ends", std::string(2500, '\x01'), {std::string(1023, '\x01'), std::string(1023, '\x01'), std::string(454, '\x01')}},
        {"many lines", many, manyPieces},
    };
    for (const Case &c : cases) {
        CTempBase base;
        const CString path = base.Write("f.csv", c.bytes);
        EXPECT_EQ(Pieces<CString>(path), c.pieces) << c.name;
        EXPECT_EQ(Pieces<std::string_view>(path), c.pieces) << c.name;
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
