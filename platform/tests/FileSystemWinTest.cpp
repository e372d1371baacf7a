// What only Windows has: devices and pipes among the names of files, and
// attributes in place of permission bits.
#include "platform/core/FileSystem.h"
#include "TempBase.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cerrno>

// A device or a pipe is refused at once: opening either never waits.
TEST(LineReader, RefusesDevicesAndPipes)
{
    CString pipeName;
    pipeName.Format("\\\\.\\pipe\\tarniw-test-%lu", ::GetCurrentProcessId());
    const HANDLE pipe = ::CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096, 4096, 0,
                                           nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    for (const CString &path : {CString("NUL"), pipeName}) {
        CLineReader reader;
        EXPECT_FALSE(reader.Open(path)) << path;
        EXPECT_EQ(errno, EINVAL) << path;
    }
    ::CloseHandle(pipe);
}

// A replaced file keeps its attributes (ReplaceFileA); the read-only one is
// refused in the shared test.
TEST(WriteFileAtomically, KeepsTheReplacedFilesAttributes)
{
    CTempBase base;
    const CString path = base.Write("a.csv", "old");
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ::SetFileAttributesA(path.c_str(), kept);
    if ((::GetFileAttributesA(path.c_str()) & kept) != kept)
        GTEST_SKIP() << "this file system keeps no hidden attribute (wine without extended attributes)";
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(base.Read("a.csv"), "new");
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & kept, kept);
}
