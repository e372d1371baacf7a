// How paths are taken apart and which names a folder entry may have, for
// both kinds of system the module runs on. Every rule takes the style it
// applies, so that both can be checked anywhere; the module itself always
// uses the style of the system it was built for (kNativePathStyle).
//
// POSIX paths separate their parts with '/' and are absolute when they start
// with one. Windows paths separate them with '\' or '/', and start with a
// root: a drive ("C:"), a drive and a separator ("C:\"), a separator alone
// (the current drive's root) or two separators ("\\server\share\", a network
// share). The module joins the paths it makes with '/', which both accept.
#ifndef TARNIW_PLATFORM_PATHS_H
#define TARNIW_PLATFORM_PATHS_H

#include "tarniw/TarnTypes.h"

enum class PathStyle { Posix, Windows };

#if defined(_WIN32)
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

bool IsPathSeparator(char c, PathStyle style = kNativePathStyle);

// The length of the path's root ("/", "C:", "C:\", "\", "\\server\share\");
// 0 for a relative path, which lies in whatever folder it is taken from.
size_t RootLength(const CString &path, PathStyle style = kNativePathStyle);

// The part of a path before its last separator, without it; empty for a
// path without any separator. For a file directly in a root this is the
// root without its separator ("C:" for "C:\host.exe", "" for "/host"), to
// which "/name" can be appended.
CString DirectoryOf(const CString &path, PathStyle style = kNativePathStyle);

// The folder a file lies in, as a path that can be opened: "." for a bare
// name, the root itself (with its separator) for a file in a root.
CString FolderOf(const CString &path, PathStyle style = kNativePathStyle);

// The last part of a path: what follows its last separator or its root.
CString FileNameOf(const CString &path, PathStyle style = kNativePathStyle);

// Whether name, used as it is, names one entry of its own inside a folder:
// never with a separator or a NUL byte (on POSIX "." and ".." pass, which
// name the folder itself and its parent; callers that would use them alone
// refuse them). On Windows also
// never with ':', '<', '>', '"', '|', '?', '*' or a control character, never
// ending in a dot or a space (which Windows drops), and never a device name
// (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM0-9, LPT0-9, in any case, alone
// or before a dot), which would open the device instead of a file.
bool CanNameFolderEntry(const CString &name, PathStyle style = kNativePathStyle);

#endif
