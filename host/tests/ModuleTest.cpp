// The module as a host sees it: a shared library with fifteen entries.
#include "tarniw/TarnIW.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
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

TEST(Module, ExportsExactlyTheFifteenEntries)
{
    std::set<std::string> exported;
    const std::string listing = RunCommand("nm -D --defined-only '" TARNIW_MODULE_PATH "'");
    size_t start = 0;
    while (start < listing.size()) {
        const size_t end = std::min(listing.find('\n', start), listing.size());
        const std::string line = listing.substr(start, end - start);
        const size_t space = line.find_last_of(' ');
        if (space != std::string::npos)
            exported.insert(line.substr(space + 1));
        start = end + 1;
    }
    EXPECT_EQ(exported, kEntries);

    void *module = ::dlopen(TARNIW_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << ::dlerror();
    for (const std::string &name : kEntries)
        EXPECT_NE(::dlsym(module, name.c_str()), nullptr) << name;
    EXPECT_EQ(::dlsym(module, "_Z13WriteFileAtomicallyRK7CStringRKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"), nullptr);

    // Entries work through the boundary, without a QApplication.
    CTempBase base;
    auto save = reinterpret_cast<decltype(&Save_File_As_CSV_From_FileName)>(::dlsym(module, "Save_File_As_CSV_From_FileName"));
    CStringArray lines{"a,b", "c,d"};
    save(&lines, base.Path("out.csv"), "Alpha");
    EXPECT_EQ(base.Read("out.csv"), "a,b\nc,d\n");
    auto pre = reinterpret_cast<decltype(&TarnIWPreTranslateMessage)>(::dlsym(module, "TarnIWPreTranslateMessage"));
    MSG msg{nullptr, nullptr};
    EXPECT_EQ(pre(&msg), 0);
    ::dlclose(module);
}
