// The module's messages for a host that has neither a QApplication nor any
// display: they go to standard error.
#include "tarniw/TarnIW.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>

TEST(ModuleMessagesDeathTest, WithoutDisplayGoToStandardError)
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
