#include "platform/core/StoreFolders.h"
#include "platform/core/Paths.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

TEST(StoreFolders, EnsureCreatesOrRefuses)
{
    struct Case {
        const char *name;
        CString className;
        bool bPlainFileRoot;
        bool bPosixOk;
        bool bWindowsOk;
    };
    // Windows refuses what it cannot hold as a name of its own (every such
    // name: PathsTest; "." and ".." and a slash: the file operations' tests).
    const Case cases[] = {
        {"plain", "Alpha", false, true, true},
        {"empty class", "", false, true, true},
        {"root is a file", "Alpha", true, false, false},
        {"backslash", "a\\..\\x", false, true, false},
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
            const bool bOk = bWindows ? c.bWindowsOk : c.bPosixOk;
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

// Nothing outside the stores is cleared: not through a class name, nor
// through a link in place of a class folder or inside one (where the system
// lets the tests make links).
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
    const bool bLinks = MakeSymbolicLink(base.Path("victim"), base.Path("FileValues/L"));
    MakeSymbolicLink(base.Path("victim"), base.Path("FileValues/A/link"));

    for (const CString &name : {CString("."), CString(".."), CString("../victim"), CString("..\\victim"), CString("L")})
        ClearFileValueClassFolder(name);
    DeleteFilesInFolder(base.Path("FileValues/L"));
    EXPECT_TRUE(base.Exists("victim/v.csv"));
    EXPECT_TRUE(base.Exists("FileValues/loose.csv"));

    ClearFileValueClassFolder("A");
    EXPECT_FALSE(base.Exists("FileValues/A/a.csv"));
    EXPECT_FALSE(base.Exists("FileValues/A/link"));
    EXPECT_TRUE(base.Exists("FileValues/A/sub/s.csv"));

    ClearTemplateClassFolder("A");
    ClearTemplateClassFolder("A");
    EXPECT_FALSE(base.Exists("Templates/A_Template"));
    EXPECT_TRUE(base.Exists("Templates/B_Template/Template.csv"));

    ClearAllFileValueFolders();
    ClearAllTemplateFolders();
    EXPECT_TRUE(base.Exists("FileValues/A/sub/s.csv")); // A still holds a folder
    EXPECT_FALSE(base.Exists("FileValues/B"));
    EXPECT_FALSE(base.Exists("Templates/B_Template"));
    EXPECT_EQ(base.Exists("FileValues/L"), bLinks);
    EXPECT_TRUE(base.Exists("FileValues/loose.csv"));
    EXPECT_TRUE(base.Exists("Templates/keep.csv"));
    EXPECT_TRUE(base.Exists("victim/v.csv"));

    // An empty class name clears the store's loose files.
    ClearFileValueClassFolder("");
    EXPECT_FALSE(base.Exists("FileValues/loose.csv"));
}
