#include "listctrl/core/ColumnProfile.h"
#include "platform/core/Prompts.h"

#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

namespace {

CArray<tsTarnColInfoWiz> Defs(int n)
{
    CArray<tsTarnColInfoWiz> defs;
    for (int i = 0; i < n; ++i)
        defs.Add(MakeColInfo(CString(1, char('A' + i)), 10 * (i + 1), i % 3, i));
    return defs;
}

// "pos list | column defs with widths", e.g. "0,-1,1|A10,C30".
std::string Describe(const sColumnLayout &layout)
{
    std::string s;
    for (int i = 0; i < layout.aColPos.GetSize(); ++i)
        s += (i ? "," : "") + std::to_string(layout.aColPos.GetAt(i));
    s += "|";
    for (const sColumnSpec &c : layout.aColumns)
        s += (&c == &layout.aColumns.front() ? "" : ",") + c.strHeading + std::to_string(c.nWidth);
    return s + "|" + std::to_string(layout.nFirstColDef);
}

TEST(ColumnProfile, LayoutIsBuiltFromSensibleEntriesOnly)
{
    struct Case
    {
        const char *name;
        int n;
        std::vector<int> defaults;
        const char *profile; // nullptr: none stored
        const char *expected;
    } const cases[] = {
        {"no profile", 3, {}, nullptr, "0,1,2|A10,B20,C30|0"},
        {"default layout", 3, {1, -1, 0}, nullptr, "1,-1,0|C30,A10|2"},
        {"short default layout", 3, {0}, nullptr, "0,-1,-1|A10|0"},
        {"saved", 3, {}, "0,1,100,1,-1,0,2,0,120", "1,-1,0|C120,A100|2"},
        {"saved with fewer defs", 4, {}, "0,0,5,1,1,6,2,2,7", "0,1,2,-1|A5,B6,C7|0"},
        {"index equal to the count of defs ends the reading", 2, {}, "0,0,5,2,1,6,1,1,8", "0,-1|A5|0"},
        {"cut triplet", 3, {}, "0,0,5,1,1", "0,-1,-1|A5|0"},
        {"empty fields skipped", 2, {}, ",0,,1,5,,1,0,6,", "1,0|B6,A5|1"},
        {"repeated index", 2, {}, "0,0,5,0,1,6,1,2,7", "0,1|A10,B20|0"},
        {"negative index", 2, {}, "-1,0,5,1,1,6", "0,1|A10,B20|0"},
        {"position below -1", 2, {}, "0,-2,5,1,1,6", "0,1|A10,B20|0"},
        {"gap closed", 3, {}, "0,0,5,1,-1,0,2,5,7", "0,-1,1|A5,C7|0"},
        {"collision keeps both", 3, {}, "0,1,5,1,1,6,2,0,7", "1,2,0|C7,A5,B6|2"},
        {"bad widths use default", 2, {}, "0,0,-4,1,1,99999999", "0,1|A10,B20|0"},
        {"garbage", 2, {}, "\x01\xff,zz,\n", "0,-1|A0|0"},
        {"no definitions", 0, {}, "0,0,5", "||0"},
    };
    for (const Case &c : cases) {
        const CArray<int> defaults(c.defaults.begin(), c.defaults.end());
        const CString profile = c.profile ? c.profile : "";
        EXPECT_EQ(Describe(BuildColumnLayout(Defs(c.n), defaults, c.profile ? &profile : nullptr)), c.expected) << c.name;
    }
}

TEST(ColumnProfile, TextNamesWidthsOfMatchingHeaderItems)
{
    const CArray<int> pos = {0, -1, 1};
    EXPECT_EQ(BuildColumnProfileText(Defs(3), pos, {{"A", 100}, {"C", 120}, {"C", 7}}), "0,0,100,1,-1,0,2,1,120");
    EXPECT_EQ(BuildColumnProfileText(Defs(0), {}, {}), "");
    EXPECT_THROW(BuildColumnProfileText(Defs(2), {0}, {}), CInvalidArgException);
}

TEST(ColumnProfile, ReadAndWriteBesideTheHostExecutable)
{
    CTempBase base;
    CScriptedPromptsScope scope;
    CScriptedPrompts &prompts = scope.prompts;
    CString value;
    EXPECT_FALSE(ColumnProfileIO(0, "Validation List", value));
    CString saved = "0,0,100";
    EXPECT_TRUE(ColumnProfileIO(1, "Validation List", saved));
    EXPECT_EQ(base.Read("Tarn_Import_Wizard.ini"), "[Validation List]\nCOLUMNPROFILE=0,0,100\n");
    EXPECT_TRUE(ColumnProfileIO(0, "validation list", value));
    EXPECT_EQ(value, "0,0,100");
    EXPECT_FALSE(ColumnProfileIO(2, "Validation List", value));

    base.Write("Tarn_Import_Wizard.ini", "[L]\r\nCOLUMNPROFILE=Settings not found\r\n[M]\r\nCOLUMNPROFILE=\r\n");
    EXPECT_FALSE(ColumnProfileIO(0, "L", value));
    EXPECT_FALSE(ColumnProfileIO(0, "M", value));
    EXPECT_TRUE(prompts.m_messages.IsEmpty());
}

TEST(ColumnProfile, UnwritableFileReportsFileOpenFailed)
{
    CTempBase base;
    CScriptedPromptsScope scope;
    CScriptedPrompts &prompts = scope.prompts;
    const CString path = base.Write("Tarn_Import_Wizard.ini", "[L]\nCOLUMNPROFILE=0,0,5\n");
    SetReadOnly(path); // read-only also when the tests run as root
    CString value = "1,1,1";
    EXPECT_FALSE(ColumnProfileIO(1, "L", value));
    EXPECT_FALSE(ColumnProfileIO(0, "L", value)); // read-only counts as no profile
    EXPECT_EQ(prompts.m_messages, CStringArray{kMsgFileOpenFailed});
}

TEST(ColumnProfile, ColourLineSetsTheColoursGiven)
{
    struct Case
    {
        const char *line;
        bool bCustom;
        COLORREF crBack, crText; // before: 0 and 0x00FF00
    } const cases[] = {
        {"FFFFFF,0", true, 0xFFFFFF, 0},
        {"0", true, 0, 0x00FF00},
        {"ff0000,,00ff,ignored", true, 0xFF0000, 0xFF},
        {"zz,12", true, 0, 0x12},
        {"String not found", false, 0, 0x00FF00},
    };
    for (const Case &c : cases) {
        COLORREF back = 0, text = 0x00FF00;
        EXPECT_EQ(ParseColourLine(c.line, back, text), c.bCustom) << c.line;
        EXPECT_EQ(back, c.crBack) << c.line;
        EXPECT_EQ(text, c.crText) << c.line;
    }
}

} // namespace
