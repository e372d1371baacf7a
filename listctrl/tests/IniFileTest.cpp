#include "platform/core/IniFile.h"

#include "TempBase.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

CString Read(const CString &path, const CString &section, const CString &key, DWORD nSize = 256)
{
    CString out;
    GetPrivateProfileString(section, key, "<none>", out, nSize, path);
    return out;
}

struct ReadCase
{
    const char *name;
    std::string file;
    const char *section;
    const char *key;
    const char *expected;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsLikeThePlatform)
{
    CTempBase base;
    const ReadCase &c = GetParam();
    const CString path = base.Write("a.ini", c.file);
    EXPECT_EQ(Read(path, c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    ::testing::Values(
        ReadCase{"CrLf", "[Validation List]\r\nCOLUMNPROFILE=0,0,100\r\n", "Validation List", "COLUMNPROFILE", "0,0,100"},
        ReadCase{"Lf", "[S]\nK=v\n", "S", "K", "v"},
        ReadCase{"CaseAndSpace", "  [ sEcT ]  \n  kEy  =   some value  \n", "SECT", "KEY", "some value"},
        ReadCase{"DoubleQuotes", "[S]\nK=\" padded \"\n", "S", "K", " padded "},
        ReadCase{"SingleQuotes", "[S]\nK='x'\n", "S", "K", "x"},
        ReadCase{"UnmatchedQuote", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        ReadCase{"FirstSectionWins", "[S]\nK=1\n[s]\nK=2\n", "S", "K", "1"},
        ReadCase{"FirstKeyWins", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        ReadCase{"OtherSection", "[A]\nK=1\n[B]\nX=2\n", "B", "K", "<none>"},
        ReadCase{"CommentIsNoKey", "[S]\n;K=1\n", "S", ";K", "<none>"},
        ReadCase{"LineWithoutEquals", "[S]\nK\n", "S", "K", "<none>"},
        ReadCase{"EmptyValue", "[S]\nK=\n", "S", "K", ""},
        ReadCase{"EmptySectionName", "[]\nK=e\n", "", "K", "e"},
        ReadCase{"BinaryAround", std::string("\x01\xff\0garbage\n[S]\nK=\x80\x81\n", 20), "S", "K", "\x80\x81"},
        ReadCase{"KeyBeforeAnySection", "K=0\n[S]\nK=1\n", "S", "K", "1"}),
    [](const auto &info) { return std::string(info.param.name); });

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

struct WriteCase
{
    const char *name;
    std::string before;
    const char *section;
    const char *key;
    const char *value;
    std::string after;
};

class IniWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyItsLine)
{
    CTempBase base;
    const WriteCase &c = GetParam();
    if (!c.before.empty())
        base.Write("a.ini", c.before);
    ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, base.Path("a.ini")));
    EXPECT_EQ(base.Read("a.ini"), c.after);
    EXPECT_EQ(Read(base.Path("a.ini"), c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWriteTest,
    ::testing::Values(
        WriteCase{"NewFile", "", "S", "K", "v", "[S]\nK=v\n"},
        WriteCase{"ReplaceKeepsSpelling", "; c\r\n[s]\r\n  key = old \r\nX=1\r\n", "S", "KEY", "new",
                  "; c\r\n[s]\r\nkey=new\r\nX=1\r\n"},
        WriteCase{"AddKeyEndOfSection", "[A]\nX=1\n\n[B]\nY=2\n", "A", "K", "v", "[A]\nX=1\nK=v\n\n[B]\nY=2\n"},
        WriteCase{"AppendSectionKeepsCrLf", "[A]\r\nX=1", "B", "K", "v", "[A]\r\nX=1\r\n[B]\r\nK=v\r\n"},
        WriteCase{"DuplicateChangesFirst", "[A]\nK=1\nK=2\n[A]\nK=3\n", "a", "k", "9", "[A]\nK=9\nK=2\n[A]\nK=3\n"},
        WriteCase{"EmptyFile", "\n", "S", "K", "", "\n[S]\nK=\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IniFile, FailedWriteKeepsTheOldFile)
{
    CTempBase base;
    EXPECT_FALSE(WritePrivateProfileString("S", "K", "2", base.Path("no/such/dir.ini")));
    const CString path = base.Write("a.ini", "[S]\nK=1\n");
    ::chmod(path.c_str(), 0444);
    if (::access(path.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore file modes";
    EXPECT_FALSE(WritePrivateProfileString("S", "K", "2", path));
    EXPECT_EQ(base.Read("a.ini"), "[S]\nK=1\n");
}

} // namespace
