#include "platform/core/StoreFolders.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <unistd.h>

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
    };
    // "." and ".." name the store itself or the host's folder as a file-value
    // class folder; as "._Template" they are ordinary template folders.
    const Case cases[] = {
        {"plain", "Alpha", false, true, true},
        {"empty class", "", false, true, true},
        {"dot", ".", false, true, false},
        {"dot dot", "..", false, true, false},
        {"slash", "a/../../x", false, false, false},
        {"nul", CString("a\0b", 3), false, false, false},
        {"root is a file", "Alpha", true, false, false},
    };
    for (const Case &c : cases) {
        for (bool bTemplates : {true, false}) {
            CTempBase base;
            CScriptedPromptsScope s;
            if (c.bPlainFileRoot)
                base.Write(bTemplates ? "Templates" : "FileValues", "x");
            CString folder;
            const bool ok = bTemplates ? EnsureTemplateFolder(c.className, folder) : EnsureClassFolder(c.className, folder);
            const bool bOk = bTemplates ? c.bTemplateOk : c.bFileValueOk;
            EXPECT_EQ(ok, bOk) << c.name;
            EXPECT_EQ(IsDirectory(folder), bOk) << c.name;
            if (bOk && bTemplates) {
                EXPECT_EQ(DirectoryOf(folder), base.Path("Templates")) << c.name;
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
    ::symlink(base.Path("victim").c_str(), base.Path("FileValues/L").c_str());

    for (const CString &name : {CString("."), CString(".."), CString("../victim"), CString("L")})
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
    EXPECT_TRUE(base.Exists("FileValues/L"));
    EXPECT_TRUE(base.Exists("Templates/keep.csv"));
    EXPECT_TRUE(base.Exists("victim/v.csv"));

    // An empty class name clears the store's loose files.
    ClearFileValueClassFolder("");
    EXPECT_FALSE(base.Exists("FileValues/loose.csv"));
}
