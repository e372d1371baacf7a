#include "platform/core/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
CString g_strExePath;

CString ReadProcExe()
{
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    return n > 0 ? CString(buf.data(), size_t(n)) : CString();
}
}

CString GetHostExecutablePath()
{
    if (!g_strExePath.IsEmpty())
        return g_strExePath;
    const char *pszEnv = std::getenv("TARNIW_HOST_EXE");
    return pszEnv && *pszEnv ? CString(pszEnv) : ReadProcExe();
}

void SetHostExecutablePath(const CString &path)
{
    g_strExePath = path;
}

CString DirectoryOf(const CString &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? CString() : CString(path.substr(0, slash));
}

bool IsDirectory(const CString &path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectory(const CString &path)
{
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool RemoveDirectory(const CString &path)
{
    return IsDirectory(path) && ::rmdir(path.c_str()) == 0;
}

bool DeleteFile(const CString &path)
{
    return ::unlink(path.c_str()) == 0;
}

std::vector<CDirEntry> ListDirectory(const CString &folder)
{
    std::vector<CDirEntry> entries;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return entries;
    while (const dirent *ent = ::readdir(dir)) {
        const CString name(ent->d_name);
        if (name == "." || name == "..")
            continue;
        entries.push_back({name, IsDirectory(folder + "/" + name)});
    }
    ::closedir(dir);
    return entries;
}

namespace {
// Opens a directory itself, refusing a link in its place.
int OpenRealDirectory(int parentFd, const char *name)
{
    return ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool IsRealDirectoryAt(int dirFd, const char *name)
{
    struct stat st;
    return ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

// Calls f(name) for each entry of the open directory but "." and "..";
// takes ownership of dirFd.
template <class F>
void ForEachEntryAt(int dirFd, F &&f)
{
    DIR *dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent *ent = ::readdir(dir)) {
        const std::string name(ent->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    for (const std::string &name : names)
        f(::dirfd(dir), name.c_str());
    ::closedir(dir);
}

void DeleteFilesAt(int dirFd)
{
    ForEachEntryAt(dirFd, [](int fd, const char *name) {
        if (!IsRealDirectoryAt(fd, name))
            ::unlinkat(fd, name, 0);
    });
}
}

void DeleteFilesInDirectory(const CString &folder)
{
    const int fd = OpenRealDirectory(AT_FDCWD, folder.c_str());
    if (fd >= 0)
        DeleteFilesAt(fd);
}

void ClearSubdirectories(const CString &folder)
{
    const int fd = OpenRealDirectory(AT_FDCWD, folder.c_str());
    if (fd < 0)
        return;
    ForEachEntryAt(fd, [](int parentFd, const char *name) {
        const int subFd = OpenRealDirectory(parentFd, name);
        if (subFd < 0)
            return;
        DeleteFilesAt(subFd);
        ::unlinkat(parentFd, name, AT_REMOVEDIR);
    });
}

bool CanReplaceFile(const CString &path)
{
    if (path.IsEmpty() || IsDirectory(path))
        return false;
    CString dir = DirectoryOf(path);
    if (dir.IsEmpty())
        dir = path[0] == '/' ? CString("/") : CString(".");
    struct stat st;
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(dir.c_str(), W_OK) == 0;
}

bool WriteFileAtomically(const CString &path, const std::string &bytes)
{
    if (IsDirectory(path))
        return false;
    CString dir = DirectoryOf(path);
    if (dir.IsEmpty())
        dir = path.size() && path[0] == '/' ? CString("/") : CString(".");
    CString tmpl = dir + "/.tarniw-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    const CString tmp(name.data());
    // Keep the permissions an ordinary new file would get.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += size_t(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(tmp.c_str());
    return ok;
}

bool CLineReader::Open(const CString &path)
{
    Close();
    if (path.IsEmpty() || IsDirectory(path))
        return false;
    m_pFile = std::fopen(path.c_str(), "rb");
    if (!m_pFile)
        return false;
    struct stat st;
    if (::fstat(::fileno(m_pFile), &st) != 0 || S_ISDIR(st.st_mode)) {
        Close();
        return false;
    }
    m_nSize = S_ISREG(st.st_mode) ? (long long)st.st_size : 0;
    m_buffer.resize(1 << 17);
    m_nPos = m_nEnd = 0;
    m_nConsumed = 0;
    return true;
}

void CLineReader::Close()
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
}

namespace {
// The read buffer's first size, and how far past the longest line it grows.
constexpr size_t kReadChunk = size_t(1) << 17;
}

bool CLineReader::ReadMore()
{
    const size_t nPending = m_nEnd - m_nPos;
    if (m_nPos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_nPos, nPending);
        m_nPos = 0;
        m_nEnd = nPending;
    }
    if (m_nEnd == m_buffer.size())
        m_buffer.resize(std::min(std::max(m_buffer.size() * 2, kReadChunk), kMaxLineLength + kReadChunk));
    const size_t nRead = std::fread(m_buffer.data() + m_nEnd, 1, m_buffer.size() - m_nEnd, m_pFile);
    m_nEnd += nRead;
    return nRead > 0;
}

void CLineReader::SkipRestOfLine()
{
    char *const pKept = m_buffer.data() + kMaxLineLength;
    for (;;) {
        if (const void *nl = std::memchr(pKept, '\n', m_nEnd - kMaxLineLength)) {
            m_nPos = size_t(static_cast<const char *>(nl) - m_buffer.data()) + 1;
            m_nConsumed += (long long)m_nPos;
            return;
        }
        m_nConsumed += (long long)(m_nEnd - kMaxLineLength);
        m_nEnd = kMaxLineLength;
        const size_t nRead = std::fread(pKept, 1, m_buffer.size() - kMaxLineLength, m_pFile);
        m_nEnd += nRead;
        if (nRead == 0) {
            m_nPos = m_nEnd;
            m_nConsumed += (long long)kMaxLineLength;
            return;
        }
    }
}

bool CLineReader::ReadLine(std::string_view &line)
{
    m_bTooLong = false;
    if (!m_pFile)
        return false;
    size_t nSearched = 0; // bytes of this line known to hold no '\n'
    for (;;) {
        const char *start = m_buffer.data() + m_nPos;
        const size_t nPending = m_nEnd - m_nPos;
        if (const void *nl = std::memchr(start + nSearched, '\n', nPending - nSearched)) {
            const size_t nLength = size_t(static_cast<const char *>(nl) - start) + 1;
            m_bTooLong = nLength - 1 > kMaxLineLength;
            line = std::string_view(start, m_bTooLong ? kMaxLineLength : nLength);
            m_nPos += nLength;
            m_nConsumed += (long long)nLength;
            return true;
        }
        nSearched = nPending;
        if (nPending > kMaxLineLength) {
            // The front of the buffer holds the line's first bytes now.
            ReadMore();
            SkipRestOfLine();
            m_bTooLong = true;
            line = std::string_view(m_buffer.data(), kMaxLineLength);
            return true;
        }
        if (!ReadMore()) {
            if (nPending == 0)
                return false;
            // The last line, without a line end.
            line = std::string_view(m_buffer.data() + m_nPos, nPending);
            m_nPos = m_nEnd;
            m_nConsumed += (long long)nPending;
            return true;
        }
    }
}

bool CLineReader::ReadLine(CString &strLine)
{
    std::string_view line;
    if (!ReadLine(line)) {
        strLine.clear();
        return false;
    }
    strLine.assign(line);
    return true;
}
