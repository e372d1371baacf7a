// The module as a host sees it: a shared library with fifteen entries, whose
// messages go to standard error where there is no display.
#include "tarniw/TarnIW.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <set>

namespace {
const std::set<std::string> kEntries = {
    "InvokeTemplateDlg", "Load_Saved_File_and_Template", "SetFields", "Save_Template_From_Application",
    "ClearAllSavedTemplate", "ClearCurrentClassTemplate", "Save_File_As_CSV", "Save_File_As_DOT",
    "Load_CSV_File_Directly", "Save_File_As_CSV_From_FileName", "Load_CSV_File_Directly_From_FileName",
    "ClearAllSavedFileValues", "ClearCurrentClassFileValues", "TarnIm_ShowValidationDlg", "TarnIWPreTranslateMessage",
};

std::string RunCommand(const std::string &command)
{
    std::string out;
    if (std::FILE *pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            out.append(buf, n);
        ::pclose(pipe);
    }
    return out;
}
}

// The fifteen entries, each in version node TARNIW_1.0, behind the SONAME
// that hosts link against.
TEST(Module, ExportsExactlyTheFifteenEntries)
{
    std::set<std::string> expected = {"TARNIW_1.0"};
    for (const std::string &name : kEntries)
        expected.insert(name + "@@TARNIW_1.0");
    std::string symbols;
    for (const std::string &symbol : expected)
        symbols += symbol + "\n";
    EXPECT_EQ(RunCommand("nm -D --defined-only '" TARNIW_MODULE_PATH "' | awk '{print $NF}' | LC_ALL=C sort"), symbols);
    EXPECT_NE(RunCommand("readelf -d '" TARNIW_MODULE_PATH "'").find("Library soname: [libtarniw.so.1]"),
              std::string::npos);
}

// For a host that has neither a QApplication nor any display.
TEST(ModuleDeathTest, MessagesWithoutDisplayGoToStandardError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            for (const char *pszVariable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                ::unsetenv(pszVariable);
            void *module = ::dlopen(TARNIW_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
            auto save = reinterpret_cast<decltype(&Save_Template_From_Application)>(
                ::dlsym(module, "Save_Template_From_Application"));
            CStringArray fields{"A"};
            save(&fields, "a/b", "T");
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "TarnIW: Directory could not be created");
}
