// The folders and files of Windows. A reparse point (a symbolic link, a
// junction, a mount point) never counts as a folder, so nothing is created,
// listed into or cleared through one; removing one removes the link itself.
#include "platform/core/FileSystem.h"

#include "platform/core/Paths.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>

namespace {
// errno for the calling thread's last Windows error, so that callers see
// the same reasons as on POSIX systems.
int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return EINVAL;
    default:
        return EIO;
    }
}

// Sets errno from GetLastError(); returns false for a caller's "failed".
bool FailWithLastError()
{
    errno = ErrnoOf(::GetLastError());
    return false;
}

bool Fail(int err)
{
    errno = err;
    return false;
}

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsRealDirectory(DWORD attributes)
{
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY)
        && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Deletes one entry that is not a real directory: a file, or a link (a link
// to a folder goes with RemoveDirectoryA, which removes the link only).
void DeleteEntry(const CString &path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        ::RemoveDirectoryA(path.c_str());
    else
        ::DeleteFileA(path.c_str());
}

// Calls f(path, attributes) for each entry of a real directory but "." and
// "..", after the listing has ended.
template <class F>
void ForEachEntry(const CString &folder, F &&f)
{
    if (!IsDirectory(folder))
        return;
    std::vector<std::pair<CString, DWORD>> entries;
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA(CString(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const CString name(data.cFileName);
        if (name != "." && name != "..")
            entries.emplace_back(folder + "/" + name, data.dwFileAttributes);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    for (const auto &entry : entries)
        f(entry.first, entry.second);
}

// A handle to an existing file, or INVALID_HANDLE_VALUE with errno set. A
// link is followed to its file.
HANDLE OpenExisting(const CString &path, DWORD access, DWORD flags)
{
    const HANDLE h = ::CreateFileA(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        FailWithLastError();
    return h;
}

// Only disk files count as files: a device (CON, NUL, a serial port) or a
// pipe is refused.
bool IsDiskFile(HANDLE h)
{
    return ::GetFileType(h) == FILE_TYPE_DISK;
}

// Whether the process may write the existing file at path (its attributes
// given): not a folder, not read-only, and opened for writing by the system,
// which judges the access list.
bool MayWrite(const CString &path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Fail(EISDIR);
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Fail(EACCES);
    const HANDLE h = OpenExisting(path, GENERIC_WRITE, FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool bDisk = IsDiskFile(h);
    ::CloseHandle(h);
    return bDisk || Fail(EINVAL);
}

// "\\?\C:\x" and "\\?\UNC\server\x", as GetFinalPathNameByHandleA gives
// them, as ordinary paths.
CString WithoutLongPathPrefix(const CString &path)
{
    if (path.rfind("\\\\?\\UNC\\", 0) == 0)
        return "\\\\" + path.substr(8);
    if (path.rfind("\\\\?\\", 0) == 0)
        return path.substr(4);
    return path;
}

// The file a link at path leads to (links after links), which must exist.
bool FollowLink(const CString &path, CString &target)
{
    const HANDLE h = OpenExisting(path, 0, FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> buf(MAX_PATH);
    DWORD n = ::GetFinalPathNameByHandleA(h, buf.data(), DWORD(buf.size()), FILE_NAME_NORMALIZED);
    if (n >= buf.size()) {
        buf.resize(n + 1);
        n = ::GetFinalPathNameByHandleA(h, buf.data(), DWORD(buf.size()), FILE_NAME_NORMALIZED);
    }
    const bool ok = n > 0 && n < buf.size();
    if (!ok)
        FailWithLastError();
    ::CloseHandle(h);
    if (ok)
        target = WithoutLongPathPrefix(CString(buf.data(), n));
    return ok;
}

// What a replacement writes to: the file behind any link, its folder, and
// whether it is there.
struct sReplaceTarget
{
    CString strPath;
    CString strFolder;
    bool bExists = false;
};

bool FindReplaceTarget(const CString &path, sReplaceTarget &target)
{
    if (path.IsEmpty())
        return Fail(ENOENT);
    target.strPath = path;
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!FollowLink(path, target.strPath))
            return false;
        attributes = ::GetFileAttributesA(target.strPath.c_str());
    }
    const DWORD missing = attributes == kNoAttributes ? ::GetLastError() : ERROR_SUCCESS;
    target.strFolder = FolderOf(target.strPath);
    const DWORD folder = ::GetFileAttributesA(target.strFolder.c_str());
    if (folder == kNoAttributes)
        return FailWithLastError();
    if (!(folder & FILE_ATTRIBUTE_DIRECTORY))
        return Fail(ENOTDIR);
    target.bExists = attributes != kNoAttributes;
    if (!target.bExists)
        return missing == ERROR_FILE_NOT_FOUND || Fail(ErrnoOf(missing));
    return MayWrite(target.strPath, attributes);
}

// A new file beside the target under a name no other writer uses; it gets
// the folder's access list as any new file there.
HANDLE CreateTemporaryIn(const CString &folder, CString &tmp)
{
    static unsigned s_nCounter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp.Format("%s/.tarniw-%lu-%u.tmp", folder.c_str(), ::GetCurrentProcessId(), ++s_nCounter);
        const HANDLE h = ::CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                       nullptr);
        if (h != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE h, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, size_t(1) << 30));
        DWORD written = 0;
        if (!::WriteFile(h, bytes.data() + done, chunk, &written, nullptr))
            return FailWithLastError();
        if (written == 0)
            return Fail(EIO);
        done += written;
    }
    return true;
}

// The attributes a replaced file keeps (hidden, system, archive, not
// indexed). ReplaceFileA carries them over too, but not every
// implementation of it does.
void KeepAttributes(const CString &from, const CString &to)
{
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE
        | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = ::GetFileAttributesA(from.c_str());
    if (attributes != kNoAttributes && (attributes & kept))
        ::SetFileAttributesA(to.c_str(), attributes & kept);
}

// Puts the written temporary file in the target's place. A file that is
// there is replaced by ReplaceFileA, which keeps its attributes and access
// list; a new one is moved into place, written through to the disk.
bool MoveIntoPlace(const CString &tmp, const sReplaceTarget &target)
{
    if (target.bExists)
        return ::ReplaceFileA(target.strPath.c_str(), tmp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                              nullptr, nullptr)
            || FailWithLastError();
    return ::MoveFileExA(tmp.c_str(), target.strPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        || FailWithLastError();
}
}

CString ProcessExecutablePath()
{
    std::vector<char> buf(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, buf.data(), DWORD(buf.size()));
        if (n == 0)
            return CString();
        if (n < buf.size())
            return CString(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

bool IsDirectory(const CString &path)
{
    return IsRealDirectory(::GetFileAttributesA(path.c_str()));
}

bool MakeDirectory(const CString &path)
{
    return ::CreateDirectoryA(path.c_str(), nullptr) || FailWithLastError();
}

bool RemoveEmptyDirectory(const CString &path)
{
    return IsDirectory(path) && (::RemoveDirectoryA(path.c_str()) || FailWithLastError());
}

std::vector<sDirEntry> ListDirectory(const CString &folder)
{
    std::vector<sDirEntry> entries;
    ForEachEntry(folder, [&](const CString &path, DWORD attributes) {
        entries.push_back({FileNameOf(path), IsRealDirectory(attributes)});
    });
    return entries;
}

void DeleteFilesInDirectory(const CString &folder)
{
    ForEachEntry(folder, [](const CString &path, DWORD attributes) {
        if (!IsRealDirectory(attributes))
            DeleteEntry(path, attributes);
    });
}

void ClearSubdirectories(const CString &folder)
{
    ForEachEntry(folder, [](const CString &path, DWORD attributes) {
        if (!IsRealDirectory(attributes))
            return;
        DeleteFilesInDirectory(path);
        RemoveEmptyDirectory(path);
    });
}

bool CanWriteFile(const CString &path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return (attributes != kNoAttributes || FailWithLastError()) && MayWrite(path, attributes);
}

bool CanReplaceFile(const CString &path)
{
    sReplaceTarget target;
    return FindReplaceTarget(path, target);
}

bool WriteFileAtomically(const CString &path, const std::string &bytes)
{
    sReplaceTarget target;
    if (!FindReplaceTarget(path, target))
        return false;
    CString tmp;
    const HANDLE h = CreateTemporaryIn(target.strFolder, tmp);
    if (h == INVALID_HANDLE_VALUE)
        return FailWithLastError();
    bool ok = WriteAll(h, bytes) && (::FlushFileBuffers(h) || FailWithLastError());
    int err = ok ? 0 : errno;
    if (!::CloseHandle(h) && ok) {
        ok = FailWithLastError();
        err = errno;
    }
    if (ok && target.bExists)
        KeepAttributes(target.strPath, tmp);
    if (ok && !MoveIntoPlace(tmp, target)) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::DeleteFileA(tmp.c_str());
        errno = err;
    }
    return ok;
}

// CreateFileA neither waits on a pipe nor opens a folder without
// FILE_FLAG_BACKUP_SEMANTICS; the handle becomes a C stream in binary mode.
std::FILE *OpenRegularFileToRead(const CString &path, long long &nSize)
{
    if (path.IsEmpty()) {
        errno = ENOENT;
        return nullptr;
    }
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        errno = EISDIR;
        return nullptr;
    }
    const HANDLE h = OpenExisting(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN);
    if (h == INVALID_HANDLE_VALUE)
        return nullptr;
    LARGE_INTEGER size;
    int err = 0;
    if (!IsDiskFile(h))
        err = EINVAL;
    else if (!::GetFileSizeEx(h, &size))
        err = ErrnoOf(::GetLastError());
    if (err) {
        ::CloseHandle(h);
        errno = err;
        return nullptr;
    }
    const int fd = ::_open_osfhandle(intptr_t(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(h);
        return nullptr;
    }
    std::FILE *file = ::_fdopen(fd, "rb");
    if (!file) {
        const int err = errno;
        ::_close(fd);
        errno = err;
        return nullptr;
    }
    nSize = size.QuadPart;
    return file;
}
