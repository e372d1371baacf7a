#include "platform/core/FileSystem.h"

#include <cerrno>
#include <cstdlib>

namespace {
CString g_strExePath;
}

CString GetHostExecutablePath()
{
    if (!g_strExePath.IsEmpty())
        return g_strExePath;
    const char *pszEnv = std::getenv("TARNIW_HOST_EXE");
    return pszEnv && *pszEnv ? CString(pszEnv) : ProcessExecutablePath();
}

void SetHostExecutablePath(const CString &path)
{
    g_strExePath = path;
}

bool ReadWholeFile(const CString &path, std::string &bytes)
{
    bytes.clear();
    long long nSize = 0;
    std::FILE *file = OpenRegularFileToRead(path, nSize);
    if (!file)
        return false;
    bytes.reserve(size_t(nSize));
    char buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0)
        bytes.append(buf, n);
    const bool ok = !std::ferror(file);
    const int err = ok ? 0 : (errno ? errno : EIO);
    std::fclose(file);
    errno = err;
    return ok;
}
