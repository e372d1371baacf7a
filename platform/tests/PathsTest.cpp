#include "platform/core/Paths.h"

#include <gtest/gtest.h>

// Both styles are checked on every system: the rules are plain text work.
TEST(Paths, TakesPathsApart)
{
    struct Case {
        const char *name;
        PathStyle style;
        CString path;
        size_t root;
        CString directory; // DirectoryOf
        CString folder;    // FolderOf
        CString file;      // FileNameOf
    };
    const PathStyle P = PathStyle::Posix, W = PathStyle::Windows;
    const Case cases[] = {
        {"posix absolute", P, "/a/b/host", 1, "/a/b", "/a/b", "host"},
        {"posix in the root", P, "/host", 1, "", "/", "host"},
        {"posix bare name", P, "host", 0, "", ".", "host"},
        {"posix relative", P, "a/host", 0, "a", "a", "host"},
        {"posix backslash is a name", P, "a\\b", 0, "", ".", "a\\b"},
        {"drive and backslashes", W, "C:\\Program Files\\App\\host.exe", 3, "C:\\Program Files\\App",
         "C:\\Program Files\\App", "host.exe"},
        {"drive and slashes", W, "C:/x/host.exe", 3, "C:/x", "C:/x", "host.exe"},
        {"mixed separators", W, "C:\\x/y\\host.exe", 3, "C:\\x/y", "C:\\x/y", "host.exe"},
        {"in a drive's root", W, "C:\\host.exe", 3, "C:", "C:\\", "host.exe"},
        {"drive-relative", W, "d:host.exe", 2, "", "d:", "host.exe"},
        {"current drive's root", W, "\\x\\host.exe", 1, "\\x", "\\x", "host.exe"},
        {"network share", W, "\\\\server\\share\\x\\host.exe", 15, "\\\\server\\share\\x",
         "\\\\server\\share\\x", "host.exe"},
        {"in a share's root", W, "\\\\server\\share\\host.exe", 15, "\\\\server\\share",
         "\\\\server\\share\\", "host.exe"},
        {"windows bare name", W, "host.exe", 0, "", ".", "host.exe"},
        {"windows relative", W, "a\\host.exe", 0, "a", "a", "host.exe"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(RootLength(c.path, c.style), c.root) << c.name;
        EXPECT_EQ(DirectoryOf(c.path, c.style), c.directory) << c.name;
        EXPECT_EQ(FolderOf(c.path, c.style), c.folder) << c.name;
        EXPECT_EQ(FileNameOf(c.path, c.style), c.file) << c.name;
    }
}

TEST(Paths, NamesAFolderEntry)
{
    struct Case {
        const char *name;
        CString entry;
        bool bPosix;
        bool bWindows;
    };
    const Case cases[] = {
        {"plain", "Alpha", true, true},
        {"dots and blanks inside", "a. b.c", true, true},
        {"dot", ".", true, false},
        {"empty", "", false, false},
        {"slash", "a/b", false, false},
        {"nul byte", CString("a\0b", 3), false, false},
        {"backslash", "a\\b", true, false},
        {"colon (drive, stream)", "C:x", true, false},
        {"wildcards and quotes", "a*b?\"<>|", true, false},
        {"control character", "a\tb", true, false},
        {"trailing dot", "Alpha.", true, false},
        {"trailing space", "Alpha ", true, false},
        {"device name", "CON", true, false},
        {"device name in lower case", "nul", true, false},
        {"device name before an extension", "Com1.csv", true, false},
        {"console input device", "CONIN$", true, false},
        {"printer port", "LPT9", true, false},
        {"serial port 0", "COM0", true, false},
        {"serial port with a superscript digit", "COM\xB9", true, false},
        {"not a device: COM10", "COM10", true, true},
        {"not a device: longer", "CONSOLE", true, true},
        {"not a device: device name inside", "AUX_Template", true, true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CanNameFolderEntry(c.entry, PathStyle::Posix), c.bPosix) << c.name;
        EXPECT_EQ(CanNameFolderEntry(c.entry, PathStyle::Windows), c.bWindows) << c.name;
    }
}
