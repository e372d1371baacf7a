#include "platform/core/StoreFolders.h"
#include "platform/core/Paths.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

TEST(StoreFolders, PathsBesideTheHostExecutable)
{
    CTempBase base;
    EXPECT_EQ(GetExeDirectory(), base.Dir());
    EXPECT_EQ(TemplateClassFolder("Alpha"), base.Path("Templates/Alpha_Template"));
    EXPECT_EQ(FileValueClassFolder("Alpha"), base.Path("FileValues/Alpha"));
    EXPECT_EQ(FileValueClassFolder(""), base.Path("FileValues"));
    SetHostExecutablePath("host");
    EXPECT_EQ(GetExeDirectory(), "");
}

TEST(StoreFolders, EnsureCreatesOrRefuses)
{
    struct Case {
        const char *name;
        CString className;
        bool bPlainFileRoot;
        bool bTemplateOk;
        bool bFileValueOk;
        bool bWindowsOk; // in both stores
    };
    // "." and ".." name the store itself or the host's folder as a file-value
    // class folder; as "._Template" they are ordinary template folders, but
    // not on Windows, which drops a name's trailing dots. Windows refuses
    // what it cannot hold as a name of its own (every such name: PathsTest).
    const Case cases[] = {
        {"plain", "Alpha", false, true, true, true},
        {"empty class", "", false, true, true, true},
        {"dot", ".", false, true, false, false},
        {"dot dot", "..", false, true, false, false},
        {"slash", "a/../../x", false, false, false, false},
        {"nul", CString("a\0b", 3), false, false, false, false},
        {"root is a file", "Alpha", true, false, false, false},
        {"backslash", "a\\..\\x", false, true, true, false},
    };
    const bool bWindows = kNativePathStyle == PathStyle::Windows;
    for (const Case &c : cases) {
        for (bool bTemplates : {true, false}) {
            CTempBase base;
            CScriptedPromptsScope s;
            if (c.bPlainFileRoot)
                base.Write(bTemplates ? "Templates" : "FileValues", "x");
            CString folder;
            const bool ok = bTemplates ? EnsureTemplateFolder(c.className, folder) : EnsureClassFolder(c.className, folder);
            const bool bOk = bWindows ? c.bWindowsOk : bTemplates ? c.bTemplateOk : c.bFileValueOk;
            EXPECT_EQ(ok, bOk) << c.name;
            if (bOk) {
                EXPECT_TRUE(IsDirectory(folder)) << c.name;
                if (bTemplates) {
                    EXPECT_EQ(DirectoryOf(folder), base.Path("Templates")) << c.name;
                }
            } else if (!c.bPlainFileRoot) {
                EXPECT_FALSE(base.Exists(bTemplates ? "Templates" : "FileValues")) << c.name; // nothing made
            }
            const CStringArray expected = bOk ? CStringArray() : CStringArray{kDirectoryNotCreated};
            EXPECT_EQ(s.prompts.m_messages, expected) << c.name;
            // Nothing outside the stores.
            EXPECT_FALSE(base.Exists("x")) << c.name;
        }
    }
}

TEST(StoreFolders, ClearsStayInsideTheStore)
{
    CTempBase base;
    base.Write("FileValues/A/a.csv", "1");
    base.Write("FileValues/A/sub/s.csv", "1");
    base.Write("FileValues/B/b.csv", "1");
    base.Write("FileValues/loose.csv", "1");
    base.Write("Templates/A_Template/Template.csv", "1");
    base.Write("Templates/B_Template/Template.csv", "1");
    base.Write("victim/v.csv", "1");
    base.Write("Templates/keep.csv", "1");

    for (const CString &name : {CString("."), CString(".."), CString("../victim"), CString("..\\victim")})
        ClearFileValueClassFolder(name);
    EXPECT_TRUE(base.Exists("victim/v.csv"));
    EXPECT_TRUE(base.Exists("FileValues/loose.csv"));

    ClearFileValueClassFolder("A");
    EXPECT_FALSE(base.Exists("FileValues/A/a.csv"));
    EXPECT_TRUE(base.Exists("FileValues/A/sub/s.csv"));

    ClearTemplateClassFolder("A");
    ClearTemplateClassFolder("A");
    EXPECT_FALSE(base.Exists("Templates/A_Template"));
    EXPECT_TRUE(base.Exists("Templates/B_Template/Template.csv"));

    ClearAllFileValueFolders();
    ClearAllTemplateFolders();
    EXPECT_FALSE(base.Exists("FileValues/B"));
    EXPECT_FALSE(base.Exists("Templates/B_Template"));
    EXPECT_TRUE(base.Exists("FileValues/loose.csv"));
    EXPECT_TRUE(base.Exists("Templates/keep.csv"));
    EXPECT_TRUE(base.Exists("victim/v.csv"));

    // An empty class name clears the store's loose files.
    ClearFileValueClassFolder("");
    EXPECT_FALSE(base.Exists("FileValues/loose.csv"));
}

// A link in place of a class folder is never cleared through.
TEST(StoreFolders, ClearsNeverFollowALinkedClassFolder)
{
    CTempBase base;
    base.Write("victim/v.csv", "1");
    base.Write("FileValues/loose.csv", "1");
    if (!MakeSymbolicLink(base.Path("victim"), base.Path("FileValues/L")))
        GTEST_SKIP() << kNoLinksHere;
    ClearFileValueClassFolder("L");
    ClearAllFileValueFolders();
    EXPECT_TRUE(base.Exists("victim/v.csv"));
    EXPECT_TRUE(base.Exists("FileValues/L"));
}
