#include "platform/core/Prompts.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompts, AnswersLikeADialog)
{
    struct Case {
        const char *name;
        bool bOpen;
        CString answer;
        CString filterName;
        CString expectedPath;
        int expectedIndex;
    };
    const Case cases[] = {
        {"absolute open kept", true, "/d/x", "", "/d/x", 1},
        {"relative lies in initial folder", true, "x.csv", "", "/init/x.csv", 1},
        {"save gets default extension", false, "/d/out", "", "/d/out.csv", 1},
        {"save keeps extension", false, "/d/out.dot", "", "/d/out.dot", 1},
        {"filter chosen by name", true, "/d/x", "Daily", "/d/x", 2},
        {"unknown filter name selects none", true, "/d/x", "Weekly", "/d/x", 0},
    };
    for (const Case &c : cases) {
        CScriptedPrompts prompts;
        if (c.filterName.IsEmpty())
            prompts.QueueAnswer(c.answer);
        else
            prompts.QueueAnswerWithFilter(c.answer, c.filterName);
        sFileDialogRequest request;
        request.bOpen = c.bOpen;
        request.strDefExt = ".csv";
        request.strFilter = "Template|*.csv|Daily|*.csv|";
        request.strInitialDir = "/init";
        sFileDialogResult result;
        ASSERT_TRUE(prompts.DoFileDialog(request, result)) << c.name;
        EXPECT_EQ(result.strPathName, c.expectedPath) << c.name;
        EXPECT_EQ(result.nFilterIndex, c.expectedIndex) << c.name;
        EXPECT_FALSE(prompts.DoFileDialog(request, result)) << c.name; // queue empty: cancelled
    }
}

TEST(ScriptedPrompts, MessageBoxesGoToTheInstalledPrompts)
{
    CScriptedPrompts prompts;
    SetPrompts(&prompts);
    AfxMessageBox("hello");
    EXPECT_EQ(prompts.m_messages, CStringArray{"hello"});
    SetPrompts(nullptr);
    EXPECT_EQ(InstalledPrompts(), nullptr);
}
