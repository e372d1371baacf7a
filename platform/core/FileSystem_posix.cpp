// The folders and files of a POSIX system. Links are never followed out of a
// store: folders are opened with O_NOFOLLOW and walked through their
// descriptors, so that a link put in place of one is not entered.
#include "platform/core/FileSystem.h"

#include "platform/core/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CString ProcessExecutablePath()
{
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    return n > 0 ? CString(buf.data(), size_t(n)) : CString();
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

bool RemoveEmptyDirectory(const CString &path)
{
    return IsDirectory(path) && ::rmdir(path.c_str()) == 0;
}

std::vector<sDirEntry> ListDirectory(const CString &folder)
{
    std::vector<sDirEntry> entries;
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

namespace {
bool InGroup(gid_t gid)
{
    if (gid == ::getegid())
        return true;
    std::vector<gid_t> groups(size_t(std::max(::getgroups(0, nullptr), 0)));
    groups.resize(size_t(std::max(::getgroups(int(groups.size()), groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

// The write bit of the permission class that applies to the process.
bool ModeGrantsWrite(const struct stat &st)
{
    if (st.st_uid == ::geteuid())
        return (st.st_mode & S_IWUSR) != 0;
    if (InGroup(st.st_gid))
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

// See CanWriteFile; st describes path (a file or a folder).
bool MayWrite(const CString &path, const struct stat &st)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return false;
    if (::geteuid() == 0 && !ModeGrantsWrite(st)) {
        errno = EACCES;
        return false;
    }
    return true;
}

constexpr int kMaxLinks = 40;

// The path a symbolic link in the last component leads to, link after link;
// the last one may name a file that does not exist yet.
bool FollowLinks(const CString &path, CString &target)
{
    target = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st;
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::vector<char> buf(size_t(st.st_size > 0 ? st.st_size : 4095) + 1);
        const ssize_t n = ::readlink(target.c_str(), buf.data(), buf.size());
        if (n < 0)
            return false;
        if (size_t(n) >= buf.size()) {
            errno = ENAMETOOLONG;
            return false;
        }
        const CString link(buf.data(), size_t(n));
        target = link[0] == '/' ? link : CString(FolderOf(target) + "/" + link);
    }
    errno = ELOOP;
    return false;
}

// What a replacement writes to: the file behind any links, its folder and,
// when the file is there, what it is.
struct sReplaceTarget
{
    CString strPath;
    CString strFolder;
    bool bExists = false;
    struct stat st = {};
};

bool FindReplaceTarget(const CString &path, sReplaceTarget &target)
{
    if (path.IsEmpty()) {
        errno = ENOENT;
        return false;
    }
    if (!FollowLinks(path, target.strPath))
        return false;
    target.strFolder = FolderOf(target.strPath);
    struct stat folder;
    if (::stat(target.strFolder.c_str(), &folder) != 0)
        return false;
    if (!S_ISDIR(folder.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    if (!MayWrite(target.strFolder, folder))
        return false;
    target.bExists = ::lstat(target.strPath.c_str(), &target.st) == 0;
    if (!target.bExists)
        return errno == ENOENT;
    if (!S_ISREG(target.st.st_mode)) {
        errno = S_ISDIR(target.st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    return MayWrite(target.strPath, target.st);
}

// A new file beside the target, as an ordinary new file would be made (0666
// less the umask, the folder's default access list), under a name that no
// other writer uses.
int CreateTemporaryIn(const CString &folder, CString &tmp)
{
    static unsigned s_nCounter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp.Format("%s/.tarniw-%ld-%u.tmp", folder.c_str(), long(::getpid()), ++s_nCounter);
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The replaced file's owner, group and permission bits, as far as the
// process may set them (the mode last: a change of owner clears set-id bits).
void KeepOwnerAndMode(int fd, const struct stat &st)
{
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 && ::fchown(fd, uid_t(-1), st.st_gid) != 0) {
        // Not ours to give away: the file stays the process's own.
    }
    ::fchmod(fd, st.st_mode & 07777);
}

bool WriteAll(int fd, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// Makes the rename itself durable. Some file systems cannot flush a folder;
// the new file is in place by then either way.
void SyncFolder(const CString &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}

bool CanWriteFile(const CString &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && MayWrite(path, st);
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
    const int fd = CreateTemporaryIn(target.strFolder, tmp);
    if (fd < 0)
        return false;
    if (target.bExists)
        KeepOwnerAndMode(fd, target.st);
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(tmp.c_str(), target.strPath.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        errno = err;
        return false;
    }
    SyncFolder(target.strFolder);
    return true;
}

// Opened without blocking, then the descriptor blocks again as reading
// expects.
std::FILE *OpenRegularFileToRead(const CString &path, long long &nSize)
{
    if (path.IsEmpty()) {
        errno = ENOENT;
        return nullptr;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (!S_ISREG(st.st_mode))
        err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    else if (const int flags = ::fcntl(fd, F_GETFL); flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        err = errno;
    std::FILE *file = err ? nullptr : ::fdopen(fd, "rb");
    if (!file) {
        err = err ? err : errno;
        ::close(fd);
        errno = err;
        return nullptr;
    }
    nSize = (long long)st.st_size;
    return file;
}
