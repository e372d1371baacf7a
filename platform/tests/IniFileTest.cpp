#include "platform/core/IniFile.h"

#include "TempBase.h"

#include <gtest/gtest.h>

namespace {

CString Read(const CString &path, const CString &section, const CString &key, DWORD nSize = 256)
{
    CString out;
    GetPrivateProfileString(section, key, "<none>", out, nSize, path);
    return out;
}

TEST(IniFile, ReadsLikeThePlatform)
{
    struct Case
    {
        const char *name;
        std::string file;
        const char *section;
        const char *key;
        const char *expected;
    } const cases[] = {
        {"case and space", "  [ sEcT ]  \n  kEy  =   some value  \n", "SECT", "KEY", "some value"},
        {"double quotes", "[S]\nK=\" padded \"\n", "S", "K", " padded "},
        {"single quotes", "[S]\nK='x'\n", "S", "K", "x"},
        {"unmatched quote", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        {"other section", "[A]\nK=1\n[B]\nX=2\n", "B", "K", "<none>"},
        {"comment is no key", "[S]\n;K=1\n", "S", ";K", "<none>"},
        {"line without equals", "[S]\nK\n", "S", "K", "<none>"},
        {"empty section name", "[]\nK=e\n", "", "K", "e"},
        {"binary around", std::string("\x01\xff\0garbage\n[S]\nK=\x80\x81\n", 20), "S", "K", "\x80\x81"},
        {"key before any section", "K=0\n[S]\nK=1\n", "S", "K", "1"},
    };
    for (const Case &c : cases) {
        CTempBase base;
        EXPECT_EQ(Read(base.Write("a.ini", c.file), c.section, c.key), c.expected) << c.name;
    }
}

TEST(IniFile, DefaultLosesTrailingBlanksAndValuesAreCut)
{
    CTempBase base;
    CString out;
    EXPECT_EQ(GetPrivateProfileString("S", "K", "def  ", out, 100, base.Path("missing.ini")), 3u);
    EXPECT_EQ(out, "def");
    const CString path = base.Write("a.ini", "[S]\nK=" + std::string(10000, 'x') + "\n");
    EXPECT_EQ(GetPrivateProfileString("S", "K", "", out, 4096, path), 4095u);
    EXPECT_EQ(out.size(), 4095u);
    EXPECT_EQ(GetPrivateProfileString("S", "K", "", out, 0, path), 0u);
}

TEST(IniFile, WriteChangesOnlyItsLine)
{
    struct Case
    {
        const char *name;
        std::string before;
        const char *section;
        const char *key;
        const char *value;
        std::string after;
    } const cases[] = {
        {"replace keeps spelling", "; c\r\n[s]\r\n  key = old \r\nX=1\r\n", "S", "KEY", "new",
         "; c\r\n[s]\r\nkey=new\r\nX=1\r\n"},
        {"add key at end of section", "[A]\nX=1\n\n[B]\nY=2\n", "A", "K", "v", "[A]\nX=1\nK=v\n\n[B]\nY=2\n"},
        {"append section keeps crlf", "[A]\r\nX=1", "B", "K", "v", "[A]\r\nX=1\r\n[B]\r\nK=v\r\n"},
        {"duplicate changes first", "[A]\nK=1\nK=2\n[A]\nK=3\n", "a", "k", "9", "[A]\nK=9\nK=2\n[A]\nK=3\n"},
        {"empty file", "\n", "S", "K", "", "\n[S]\nK=\n"},
        {"last line ends in a lone CR", "[S]\nK=1\r", "S", "X", "v", "[S]\nK=1\rX=v\n"},
        {"lone CR line ends", "[S]\rK=1\r[T]\rK=2\r", "S", "K", "3", "[S]\rK=3\r[T]\rK=2\r"},
        {"no line end at all", "[S]\nK=1", "S", "X", "v", "[S]\nK=1\nX=v\n"},
        {"mixed CR LF and LF", "[A]\r\nX=1\n[B]\nY=2\r\n", "A", "K", "v", "[A]\r\nX=1\nK=v\r\n[B]\nY=2\r\n"},
        {"next to a 100 KB line", "[S]\nBIG=" + std::string(100000, 'x') + "\nK=1\n", "S", "K", "2",
         "[S]\nBIG=" + std::string(100000, 'x') + "\nK=2\n"},
        {"repeated section: its first copy", "[A]\nX=1\n[B]\n[A]\nK=1\n", "A", "K", "2",
         "[A]\nX=1\nK=2\n[B]\n[A]\nK=1\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CTempBase base;
        ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, base.Write("a.ini", c.before)));
        EXPECT_EQ(base.Read("a.ini"), c.after);
        EXPECT_EQ(Read(base.Path("a.ini"), c.section, c.key), c.value);
    }
}

// What would not read back as written is refused, the file left as it was
// (a read-only file: ColumnProfileTest.cpp and the file writer's tests).
TEST(IniFile, RefusedWriteKeepsTheOldFile)
{
    const std::string before = "[S]\nK=1\n";
    struct Case {
        const char *name;
        const char *section;
        const char *key;
        const char *value;
    } const cases[] = {
        {"line break in the value", "S", "K", "2\n[T]"},
        {"line break in the section", "S\rT", "K", "2"},
        {"key holding =", "S", "K=X", "2"},
        {"key read as a comment", "S", ";K", "2"},
    };
    for (const Case &c : cases) {
        CTempBase base;
        const CString path = base.Write("d/a.ini", before);
        EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, path)) << c.name;
        EXPECT_EQ(base.Read("d/a.ini"), before) << c.name;
    }
}

} // namespace
