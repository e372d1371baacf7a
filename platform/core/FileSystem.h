// The host executable's folder, folder and file primitives, and the two ways
// the module touches file contents: reading lines through a fixed buffer and
// replacing a whole file atomically.
#ifndef TARNIW_PLATFORM_FILESYSTEM_H
#define TARNIW_PLATFORM_FILESYSTEM_H

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

// The part of a path before its last '/', without the separator; empty for a
// path without any separator.
CString DirectoryOf(const CString &path);

// A folder counts as present when it is a directory itself (a symbolic link
// does not count, so nothing is ever created or cleared through one).
bool IsDirectory(const CString &path);
// One level, like the C library's mkdir.
bool MakeDirectory(const CString &path);
// Only an empty directory, never through a link.
bool RemoveDirectory(const CString &path);
// Removes a file or a link (never what a link points to).
bool DeleteFile(const CString &path);

struct CDirEntry
{
    CString strName;
    bool bDirectory = false; // a real directory, not a link to one
};
// The entries of a folder without "." and "..", in the order the directory
// listing gives them; empty when the folder cannot be read.
std::vector<CDirEntry> ListDirectory(const CString &folder);

// Deletes the plain files and links directly inside a real directory (never
// through a link); subdirectories stay. Failures are skipped silently.
void DeleteFilesInDirectory(const CString &folder);
// For every real subdirectory of a real directory: deletes its plain files
// and removes it when nothing is left in it. Loose files and links stay.
void ClearSubdirectories(const CString &folder);

// Whether a whole-file replacement of path can be attempted: the path is not
// a directory and its folder is a writable directory.
bool CanReplaceFile(const CString &path);

// Writes the bytes to a temporary file in the target's folder and renames it
// into place, so a failed write leaves an earlier file as it was. On failure
// nothing is left behind and false is returned.
bool WriteFileAtomically(const CString &path, const std::string &bytes);

// Reads a file the way fgets with a 1024-byte buffer does: each piece holds at
// most 1023 bytes and ends after a '\n' or where the buffer is full. Pieces
// may hold any byte, NUL included. Buffered, so large files read fast.
class CLineReader
{
public:
    static constexpr int kBufferSize = 1024;

    CLineReader() = default;
    ~CLineReader() { Close(); }
    CLineReader(const CLineReader &) = delete;
    CLineReader &operator=(const CLineReader &) = delete;

    // False when the path cannot be opened for reading or is a directory.
    bool Open(const CString &path);
    void Close();
    bool IsOpen() const { return m_pFile != nullptr; }
    // Next piece into strPiece; false at the end of the file.
    bool ReadLine(CString &strPiece);
    // The same pieces as a view, valid until the next read; copies only a
    // piece that straddles the end of the read buffer.
    bool ReadLine(std::string_view &piece);
    // Bytes consumed so far (for progress display).
    long long BytesRead() const { return m_nConsumed; }
    long long FileSize() const { return m_nSize; }

private:
    bool Fill();

    std::FILE *m_pFile = nullptr;
    std::vector<char> m_buffer;
    size_t m_nPos = 0;
    size_t m_nEnd = 0;
    long long m_nConsumed = 0;
    long long m_nSize = 0;
    CString m_strCarry;
};

#endif
