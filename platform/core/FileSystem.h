// The host executable's folder, folder and file primitives, and the two ways
// the module touches file contents: reading it line by line and replacing a
// whole file atomically. Declared once here for every system; each system's
// calls are in FileSystem_posix.cpp or FileSystem_win.cpp, chosen when the
// module is built.
#ifndef TARNIW_PLATFORM_FILESYSTEM_H
#define TARNIW_PLATFORM_FILESYSTEM_H

#include "platform/core/LineReader.h"
#include "tarniw/TarnTypes.h"

#include <cstdio>
#include <string_view>
#include <vector>

// Full path of the host process's executable (not of the module). Tests and
// tools may set another one; an empty path goes back to the environment
// variable TARNIW_HOST_EXE when it is set (how a test points a loaded module
// at its own temporary folder), else to the real executable.
CString GetHostExecutablePath();
void SetHostExecutablePath(const CString &path);
// The running program's executable as the system names it.
CString ProcessExecutablePath();

// A folder counts as present when it is a directory itself (a symbolic link,
// or on Windows any reparse point such as a junction, does not count, so
// nothing is ever created or cleared through one).
bool IsDirectory(const CString &path);
// One level, like the C library's mkdir.
bool MakeDirectory(const CString &path);
// Only an empty directory, never through a link.
bool RemoveEmptyDirectory(const CString &path);

struct sDirEntry
{
    CString strName;
    bool bDirectory = false; // a real directory, not a link to one
};
// The entries of a folder without "." and "..", in the order the directory
// listing gives them; empty when the folder cannot be read.
std::vector<sDirEntry> ListDirectory(const CString &folder);

// Deletes the plain files and links directly inside a real directory (never
// through a link); subdirectories stay. Failures are skipped silently.
void DeleteFilesInDirectory(const CString &folder);
// For every real subdirectory of a real directory: deletes its plain files
// and removes it when nothing is left in it. Loose files and links stay.
void ClearSubdirectories(const CString &folder);

// Whether the process may write an existing regular file. Judged by the
// system (modes, access lists, read-only mounts) and, for root, whom the
// kernel lets write anything, by the permission bits as they would apply to
// an ordinary user: the owner's when the process owns the file, the group's
// when it belongs to the file's group, else the others'. So a read-only file
// stays read-only for root too. On Windows a file with the read-only
// attribute is refused, as for every user there.
bool CanWriteFile(const CString &path);

// Whether WriteFileAtomically may replace path: its folder is a directory
// the process may write into (by the same rule), and what the path names,
// after following symbolic links, is missing or a regular file the process
// may write. False, with errno set, otherwise. (Windows keeps no write
// permission of a folder that could be asked without writing into it: there
// a folder that refuses the new file fails the write itself.)
bool CanReplaceFile(const CString &path);

// Replaces the whole file: writes the bytes to a temporary file in the
// target's folder, flushes it to the disk and renames it into place, then
// flushes the folder, so that a crash or a failure at any point leaves
// either the old file or the new one. A symbolic link is written through
// (the link stays, the file it points to gets the bytes). A file that is
// there keeps its permission bits and, where the process may set them, its
// owner and group; a new file gets 0666 less the umask. (On Windows the
// replaced file keeps its attributes and access list, and a new file gets
// its folder's.) Refused as CanReplaceFile says. On failure nothing is left
// behind, the old file is as it was, errno tells why and false is returned.
bool WriteFileAtomically(const CString &path, const std::string &bytes);

// Reads a whole regular file (opened as OpenRegularFileToRead, LineReader.h,
// does). False,
// with errno set (ENOENT for a missing file), when it cannot be opened or a
// read fails.
bool ReadWholeFile(const CString &path, std::string &bytes);

#endif
