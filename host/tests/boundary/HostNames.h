// What a host may have declared in the global namespace before or after it
// includes TarnIW: a truth type, a message struct, string and map types and
// TRUE/FALSE of its own, the X11 headers, or <windows.h> on Windows.
#ifndef TARNIW_TESTS_HOSTNAMES_H
#define TARNIW_TESTS_HOSTNAMES_H

#if defined(_WIN32)
#include <windows.h>
#else
typedef unsigned char BOOL;
typedef unsigned long DWORD;
typedef DWORD COLORREF;
typedef unsigned short UINT;
typedef char *LPCSTR;
struct MSG
{
    int hwnd;
    long message;
};
#define TRUE 1
#define FALSE 0
// Qt's own headers refuse to follow X11's (Bool, Status), so the rows of the
// Qt header leave X11 out.
#if __has_include(<X11/Xlib.h>) && !defined(TARNIW_TESTS_QT_HEADER)
#include <X11/Xlib.h>
#include <X11/Xmd.h>
#endif
#endif

class CString
{
public:
    const char *m_psz = "";
};
template <class K, class V>
struct CMap
{
    K key;
    V value;
};

#endif
