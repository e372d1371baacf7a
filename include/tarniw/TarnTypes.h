/// @file
/// The strings and containers that cross the boundary between TarnIW and its
/// host.
///
/// They are thin layers over the standard library: CString is a byte string
/// (never re-encoded, may hold any byte), the arrays are vectors with checked
/// access, CMap is an ordered map. Host and module use this one definition,
/// so both must be built with the same standard library and string layout;
/// this header stops the build of a host where they differ.
///
/// Everything here lives in namespace tarniw, and no macro is defined, so the
/// header coexists with a host's own `BOOL`, `MSG`, `TRUE` or `<windows.h>`.
/// A host that wants the short names without `tarniw::` defines
/// `TARNIW_GLOBAL_NAMES` before including any TarnIW header: every name of
/// the namespace is then also declared globally, and `TRUE` and `FALSE` are
/// defined as 1 and 0 unless they already are.
#ifndef TARNIW_TARNTYPES_H
#define TARNIW_TARNTYPES_H

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// The strings and containers below are passed between host and module as
// they lie in memory, so both sides must lay them out alike: the same C++
// standard library with the same layout settings. TarnConfig.h, written when
// the module was configured, records the module's; a host whose own differ
// stops here.
#include "tarniw/TarnConfig.h"

#if TARNIW_BUILT_STDLIB == 1
#if defined(_LIBCPP_VERSION)
#error "TarnIW: this host is built with LLVM libc++, the module with GNU libstdc++; their std::string, std::vector and std::map differ in layout, so strings and arrays would arrive as garbage. Build the host with libstdc++ (drop -stdlib=libc++)."
#elif !defined(__GLIBCXX__)
#error "TarnIW: this host's C++ standard library is not GNU libstdc++, which the module is built with; strings and arrays would arrive as garbage. Build the host with g++ or with clang and libstdc++ (or the module with the host's compiler)."
#elif _GLIBCXX_USE_CXX11_ABI != TARNIW_BUILT_CXX11_ABI && TARNIW_BUILT_CXX11_ABI == 1
#error "TarnIW: this host is built with _GLIBCXX_USE_CXX11_ABI=0 (the old std::string layout), the module with the C++11 layout; class names and values would arrive as garbage. Remove -D_GLIBCXX_USE_CXX11_ABI=0 from the host's build."
#elif _GLIBCXX_USE_CXX11_ABI != TARNIW_BUILT_CXX11_ABI
#error "TarnIW: this host is built with the C++11 std::string layout, the module with _GLIBCXX_USE_CXX11_ABI=0 (the old layout); class names and values would arrive as garbage. Build the host with -D_GLIBCXX_USE_CXX11_ABI=0 too."
#elif defined(_GLIBCXX_DEBUG) && !TARNIW_BUILT_GLIBCXX_DEBUG
#error "TarnIW: this host is built with _GLIBCXX_DEBUG, whose std::vector and std::map differ in layout from the module's; arrays and maps would arrive as garbage. Build the host without _GLIBCXX_DEBUG (_GLIBCXX_ASSERTIONS is fine)."
#elif !defined(_GLIBCXX_DEBUG) && TARNIW_BUILT_GLIBCXX_DEBUG
#error "TarnIW: the module is built with _GLIBCXX_DEBUG, this host without; their std::vector and std::map differ in layout, so arrays and maps would arrive as garbage. Build the host with -D_GLIBCXX_DEBUG too."
#endif
#elif TARNIW_BUILT_STDLIB == 2
#if !defined(_LIBCPP_VERSION)
#error "TarnIW: the module is built with LLVM libc++, this host with another C++ standard library; strings and arrays would arrive as garbage. Build the host with -stdlib=libc++."
#elif _LIBCPP_ABI_VERSION != TARNIW_BUILT_LIBCPP_ABI_VERSION
#error "TarnIW: this host is built with another _LIBCPP_ABI_VERSION than the module; strings and arrays would arrive as garbage. Build both with the same libc++ ABI version."
#endif
#elif TARNIW_BUILT_STDLIB == 3
#if !defined(_MSVC_STL_VERSION)
#error "TarnIW: the module is built with Microsoft's C++ standard library (MSVC), this host with another; strings and arrays would arrive as garbage. Build the host with MSVC (or clang-cl), or the module with the host's compiler."
#elif TARNIW_BUILT_ITERATOR_DEBUG_LEVEL >= 0 && _ITERATOR_DEBUG_LEVEL != TARNIW_BUILT_ITERATOR_DEBUG_LEVEL
#error "TarnIW: this host is built with another _ITERATOR_DEBUG_LEVEL than the module (a Debug host with a Release module, or the other way round); strings and arrays would arrive as garbage. Build host and module in the same configuration."
#endif
#endif

/// The import wizard's boundary: the types a host hands to the entries and
/// receives in its CImportHost.
namespace tarniw {

/// A truth value as the entries and CImportHost use it: non-zero is true.
using BOOL = int;
/// An unsigned 32-bit value (flags, colours); on Windows the same type as
/// the system's own DWORD.
#if defined(_WIN32)
using DWORD = unsigned long;
#else
using DWORD = std::uint32_t;
#endif
/// An unsigned int.
using UINT = unsigned int;
/// A colour as 0x00BBGGRR.
using COLORREF = DWORD;
/// A pointer to a NUL-terminated byte string.
using LPCSTR = const char *;

/// Raised by a checked array access outside the array. Inside the module the
/// handler that began the current user action catches it and abandons that
/// action; it never reaches the host.
class CInvalidArgException : public std::out_of_range
{
public:
    /// An exception with the text "invalid argument".
    CInvalidArgException() : std::out_of_range("invalid argument") {}
};

/// A byte string. It keeps every byte it is given (also NUL and bytes that
/// are not valid UTF-8): a value read from a file comes back out unchanged.
/// Passed by value, so each side owns its own copy.
class CString : public std::string
{
public:
    using std::string::string;
    /// An empty string.
    CString() = default;
    /// A copy of the bytes of @p s.
    CString(const std::string &s) : std::string(s) {}
    /// Takes over the bytes of @p s.
    CString(std::string &&s) : std::string(std::move(s)) {}

    /// The number of bytes.
    int GetLength() const { return int(size()); }
    /// True when the string holds no byte.
    bool IsEmpty() const { return empty(); }
    /// Removes every byte.
    void Empty() { clear(); }
    /// The bytes, NUL-terminated.
    const char *GetString() const { return c_str(); }

    /// The position of the first @p ch at or after @p nStart, or -1.
    int Find(char ch, int nStart = 0) const
    {
        const size_type pos = find(ch, size_type(nStart < 0 ? 0 : nStart));
        return pos == npos ? -1 : int(pos);
    }
    /// The position of the first @p psz at or after @p nStart, or -1.
    int Find(const char *psz, int nStart = 0) const
    {
        const size_type pos = find(psz, size_type(nStart < 0 ? 0 : nStart));
        return pos == npos ? -1 : int(pos);
    }

    /// The first @p nCount bytes (all of them when there are fewer).
    CString Left(int nCount) const { return CString(substr(0, size_type(nCount < 0 ? 0 : nCount))); }
    /// The bytes from position @p nFirst on; empty past the end.
    CString Mid(int nFirst) const { return nFirst >= GetLength() ? CString() : CString(substr(size_type(nFirst < 0 ? 0 : nFirst))); }
    /// At most @p nCount bytes from position @p nFirst on; empty past the end.
    CString Mid(int nFirst, int nCount) const
    {
        if (nFirst < 0) nFirst = 0;
        if (nFirst >= GetLength() || nCount <= 0) return CString();
        return CString(substr(size_type(nFirst), size_type(nCount)));
    }

    /// White space as the C library's isspace() knows it in the "C" locale.
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    /// Removes the white space at the start.
    CString &TrimLeft()
    {
        size_type i = 0;
        while (i < size() && IsSpace((*this)[i])) ++i;
        erase(0, i);
        return *this;
    }
    /// Removes the white space at the end.
    CString &TrimRight()
    {
        size_type n = size();
        while (n > 0 && IsSpace((*this)[n - 1])) --n;
        erase(n);
        return *this;
    }
    /// Removes the white space at both ends.
    CString &Trim() { return TrimRight().TrimLeft(); }

    /// Replaces the contents by @p fmt formatted as printf() does.
    void Format(const char *fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
    {
        va_list args;
        va_start(args, fmt);
        va_list copy;
        va_copy(copy, args);
        const int n = std::vsnprintf(nullptr, 0, fmt, copy);
        va_end(copy);
        if (n < 0) {
            clear();
        } else {
            resize(size_type(n) + 1);
            std::vsnprintf(&(*this)[0], size_type(n) + 1, fmt, args);
            resize(size_type(n));
        }
        va_end(args);
    }
};

/// A growable array. GetAt, SetAt, ElementAt, InsertAt and RemoveAt check
/// their index and throw CInvalidArgException outside the array.
template <class T>
class CArray : public std::vector<T>
{
public:
    using std::vector<T>::vector;

    /// The number of elements.
    int GetSize() const { return int(this->size()); }
    /// The number of elements.
    int GetCount() const { return int(this->size()); }
    /// True when the array has no element.
    bool IsEmpty() const { return this->empty(); }
    /// The element at @p i.
    const T &GetAt(int i) const { return this->at(Check(i)); }
    /// The element at @p i, to change in place.
    T &ElementAt(int i) { return this->at(Check(i)); }
    /// Replaces the element at @p i by @p v.
    void SetAt(int i, const T &v) { this->at(Check(i)) = v; }
    /// Appends @p v; returns its index.
    int Add(const T &v) { this->push_back(v); return int(this->size()) - 1; }
    /// Inserts @p v before index @p i (GetSize() appends).
    void InsertAt(int i, const T &v)
    {
        if (i < 0 || i > GetSize()) throw CInvalidArgException();
        this->insert(this->begin() + i, v);
    }
    /// Removes the element at @p i.
    void RemoveAt(int i) { this->erase(this->begin() + Check(i)); }
    /// Removes every element.
    void RemoveAll() { this->clear(); }
    /// Replaces the contents by a copy of @p other.
    void Copy(const CArray &other) { *this = other; }

private:
    int Check(int i) const
    {
        if (i < 0 || i >= GetSize()) throw CInvalidArgException();
        return i;
    }
};

/// An array of byte strings: field names, the values of one line, lines to
/// write.
class CStringArray : public CArray<CString>
{
public:
    using CArray<CString>::CArray;
};

/// A map from keys to values, ordered by key.
template <class K, class V>
class CMap : public std::map<K, V>
{
public:
    using std::map<K, V>::map;

    /// The number of entries.
    int GetCount() const { return int(this->size()); }
    /// True when the map has no entry.
    bool IsEmpty() const { return this->empty(); }
    /// Copies the value of @p key into @p value; zero when there is none.
    BOOL Lookup(const K &key, V &value) const
    {
        const auto it = this->find(key);
        if (it == this->end()) return 0;
        value = it->second;
        return 1;
    }
    /// Sets the value of @p key, adding the key when it is new.
    void SetAt(const K &key, const V &value) { (*this)[key] = value; }
    /// Removes @p key; zero when it was not there.
    BOOL RemoveKey(const K &key) { return this->erase(key) ? 1 : 0; }
    /// Removes every entry.
    void RemoveAll() { this->clear(); }
};

/// The host's verdicts: record number to the host's error text (an empty text
/// or a missing number means the record is valid).
using CVerdictMap = CMap<int, CString>;
/// One record: field name to value.
using CRecordMap = CMap<CString, CString>;

} // namespace tarniw

#if defined(TARNIW_GLOBAL_NAMES)
using tarniw::BOOL;
using tarniw::DWORD;
using tarniw::UINT;
using tarniw::COLORREF;
using tarniw::LPCSTR;
using tarniw::CInvalidArgException;
using tarniw::CString;
using tarniw::CArray;
using tarniw::CStringArray;
using tarniw::CMap;
using tarniw::CVerdictMap;
using tarniw::CRecordMap;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#endif

#endif
