#include "platform/core/Paths.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {
bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The separator after position from, or npos.
size_t NextSeparator(const CString &path, size_t from, PathStyle style)
{
    for (size_t i = from; i < path.size(); ++i)
        if (IsPathSeparator(path[i], style))
            return i;
    return std::string::npos;
}

// The last separator at or after position from, or npos.
size_t LastSeparator(const CString &path, size_t from, PathStyle style)
{
    for (size_t i = path.size(); i > from; --i)
        if (IsPathSeparator(path[i - 1], style))
            return i - 1;
    return std::string::npos;
}

size_t WindowsRootLength(const CString &path)
{
    const auto sep = [&](size_t i) { return i < path.size() && IsPathSeparator(path[i], PathStyle::Windows); };
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':')
        return sep(2) ? 3 : 2;
    if (sep(0) && sep(1)) {
        // \\server\share\ (or \\?\C:\ and the like, read the same way).
        const size_t server = NextSeparator(path, 2, PathStyle::Windows);
        const size_t share = server == std::string::npos ? server : NextSeparator(path, server + 1, PathStyle::Windows);
        return share == std::string::npos ? path.size() : share + 1;
    }
    return sep(0) ? 1 : 0;
}

bool EqualsIgnoringCase(const char *a, const char *b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// CON, PRN, AUX, NUL, CONIN$, CONOUT$, and COM and LPT followed by a digit
// or by a superscript 1, 2 or 3 (Windows-1252), alone or before an
// extension.
bool IsWindowsDeviceName(const CString &name)
{
    const size_t stem = std::min(name.find('.'), name.size());
    for (const char *device : {"con", "prn", "aux", "nul", "conin$", "conout$"})
        if (stem == std::strlen(device) && EqualsIgnoringCase(name.data(), device, stem))
            return true;
    const unsigned char port = stem == 4 ? (unsigned char)name[3] : 0;
    return (EqualsIgnoringCase(name.data(), "com", 3) || EqualsIgnoringCase(name.data(), "lpt", 3))
        && ((port >= '0' && port <= '9') || port == 0xB9 || port == 0xB2 || port == 0xB3);
}

bool IsWindowsEntryName(const CString &name)
{
    for (const char c : name)
        if ((unsigned char)c < 32 || std::strchr("\\/:<>\"|?*", c))
            return false;
    const char last = name.back();
    return last != '.' && last != ' ' && !IsWindowsDeviceName(name);
}
}

bool IsPathSeparator(char c, PathStyle style)
{
    return c == '/' || (c == '\\' && style == PathStyle::Windows);
}

size_t RootLength(const CString &path, PathStyle style)
{
    if (style == PathStyle::Windows)
        return WindowsRootLength(path);
    return !path.IsEmpty() && path[0] == '/' ? 1 : 0;
}

CString DirectoryOf(const CString &path, PathStyle style)
{
    const size_t sep = LastSeparator(path, 0, style);
    return sep == std::string::npos ? CString() : CString(path.substr(0, sep));
}

CString FolderOf(const CString &path, PathStyle style)
{
    const size_t root = RootLength(path, style);
    const size_t sep = LastSeparator(path, root, style);
    if (sep != std::string::npos)
        return CString(path.substr(0, sep));
    return root ? CString(path.substr(0, root)) : CString(".");
}

CString FileNameOf(const CString &path, PathStyle style)
{
    const size_t root = RootLength(path, style);
    const size_t sep = LastSeparator(path, root, style);
    return CString(path.substr(sep == std::string::npos ? root : sep + 1));
}

bool CanNameFolderEntry(const CString &name, PathStyle style)
{
    if (name.IsEmpty() || name.find('\0') != std::string::npos)
        return false;
    if (style == PathStyle::Windows)
        return IsWindowsEntryName(name);
    return name.find('/') == std::string::npos;
}
