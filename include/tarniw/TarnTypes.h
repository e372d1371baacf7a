// Framework-style boundary types shared by TarnIW and its hosts.
//
// They are thin layers over the standard library: CString is a byte string
// (never re-encoded, may hold any byte), the arrays are vectors with checked
// access, CMap is an ordered map. Host and module use this one definition.
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

using BOOL = int;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using COLORREF = std::uint32_t;
using LPCSTR = const char *;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Raised by a checked array access outside the array. The handler that began
// the current user action catches it and abandons that action.
class CInvalidArgException : public std::out_of_range
{
public:
    CInvalidArgException() : std::out_of_range("invalid argument") {}
};

class CString : public std::string
{
public:
    using std::string::string;
    CString() = default;
    CString(const std::string &s) : std::string(s) {}
    CString(std::string &&s) : std::string(std::move(s)) {}

    int GetLength() const { return int(size()); }
    bool IsEmpty() const { return empty(); }
    void Empty() { clear(); }
    const char *GetString() const { return c_str(); }

    // Position of the first occurrence at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const
    {
        const size_type pos = find(ch, size_type(nStart < 0 ? 0 : nStart));
        return pos == npos ? -1 : int(pos);
    }
    int Find(const char *psz, int nStart = 0) const
    {
        const size_type pos = find(psz, size_type(nStart < 0 ? 0 : nStart));
        return pos == npos ? -1 : int(pos);
    }

    CString Left(int nCount) const { return CString(substr(0, size_type(nCount < 0 ? 0 : nCount))); }
    CString Mid(int nFirst) const { return nFirst >= GetLength() ? CString() : CString(substr(size_type(nFirst < 0 ? 0 : nFirst))); }
    CString Mid(int nFirst, int nCount) const
    {
        if (nFirst < 0) nFirst = 0;
        if (nFirst >= GetLength() || nCount <= 0) return CString();
        return CString(substr(size_type(nFirst), size_type(nCount)));
    }

    // White space as the C library's isspace() knows it in the "C" locale.
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    CString &TrimLeft()
    {
        size_type i = 0;
        while (i < size() && IsSpace((*this)[i])) ++i;
        erase(0, i);
        return *this;
    }
    CString &TrimRight()
    {
        size_type n = size();
        while (n > 0 && IsSpace((*this)[n - 1])) --n;
        erase(n);
        return *this;
    }
    CString &Trim() { return TrimRight().TrimLeft(); }

    // printf-style formatting into this string.
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

// Growable array with the framework's operation names; GetAt, SetAt,
// ElementAt, InsertAt and RemoveAt check their index.
template <class T>
class CArray : public std::vector<T>
{
public:
    using std::vector<T>::vector;

    int GetSize() const { return int(this->size()); }
    int GetCount() const { return int(this->size()); }
    bool IsEmpty() const { return this->empty(); }
    const T &GetAt(int i) const { return this->at(Check(i)); }
    T &ElementAt(int i) { return this->at(Check(i)); }
    void SetAt(int i, const T &v) { this->at(Check(i)) = v; }
    int Add(const T &v) { this->push_back(v); return int(this->size()) - 1; }
    void InsertAt(int i, const T &v)
    {
        if (i < 0 || i > GetSize()) throw CInvalidArgException();
        this->insert(this->begin() + i, v);
    }
    void RemoveAt(int i) { this->erase(this->begin() + Check(i)); }
    void RemoveAll() { this->clear(); }
    void Copy(const CArray &other) { *this = other; }

private:
    int Check(int i) const
    {
        if (i < 0 || i >= GetSize()) throw CInvalidArgException();
        return i;
    }
};

class CStringArray : public CArray<CString>
{
public:
    using CArray<CString>::CArray;
};

// Key-to-value map (the host's verdicts by record number, a record's values
// by field name).
template <class K, class V>
class CMap : public std::map<K, V>
{
public:
    using std::map<K, V>::map;

    int GetCount() const { return int(this->size()); }
    bool IsEmpty() const { return this->empty(); }
    BOOL Lookup(const K &key, V &value) const
    {
        const auto it = this->find(key);
        if (it == this->end()) return FALSE;
        value = it->second;
        return TRUE;
    }
    void SetAt(const K &key, const V &value) { (*this)[key] = value; }
    BOOL RemoveKey(const K &key) { return this->erase(key) ? TRUE : FALSE; }
    void RemoveAll() { this->clear(); }
};

using CVerdictMap = CMap<int, CString>;  // record number -> host's error text
using CRecordMap = CMap<CString, CString>; // field name -> value

#endif
