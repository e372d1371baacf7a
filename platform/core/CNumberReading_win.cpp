// Numbers in the "C" locale on Windows. The runtime's _strtod_l reads the
// decimal forms; the hexadecimal forms ("0x1.8p3") and the inf/nan
// spellings, which not every Windows runtime knows, are read here, the way
// the C library of a POSIX system reads them.
#include "platform/core/CNumberReading.h"

#include "tarniw/TarnTypes.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {
_locale_t CLocale()
{
    static const _locale_t loc = ::_create_locale(LC_NUMERIC, "C");
    return loc;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Whether p starts with word (lower case), in any case.
bool StartsWith(const char *p, const char *word)
{
    for (; *word; ++p, ++word)
        if (Lower(*p) != *word)
            return false;
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool IsHexStart(const char *p)
{
    return p[0] == '0' && Lower(p[1]) == 'x' && (HexDigit(p[2]) >= 0 || (p[2] == '.' && HexDigit(p[3]) >= 0));
}

// mantissa * 2^exponent rounded to the nearest double (ties to even); sticky
// tells that non-zero digits followed those in the mantissa.
double Compose(std::uint64_t mantissa, bool sticky, long exponent)
{
    if (mantissa == 0)
        return 0.0;
    int bits = 0;
    while (bits < 64 && (mantissa >> bits) != 0)
        ++bits;
    // The bits a double keeps of this value: 53, fewer below the normal range.
    const long top = exponent + bits - 1;
    const long keep = std::min(53L, top + 1075);
    if (keep < 0) {
        errno = ERANGE;
        return 0.0;
    }
    const long drop = bits - keep;
    if (drop > 0) {
        const std::uint64_t dropped = mantissa & ((std::uint64_t(1) << drop) - 1);
        const std::uint64_t half = std::uint64_t(1) << (drop - 1);
        mantissa >>= drop;
        exponent += drop;
        if (dropped > half || (dropped == half && (sticky || (mantissa & 1))))
            ++mantissa;
    }
    const double value = std::ldexp(double(mantissa), int(std::max(-2000L, std::min(2000L, exponent))));
    if (value == 0.0 || std::isinf(value))
        errno = ERANGE;
    return value;
}

// Reads "<hex digits>[.<hex digits>][p[+-]<digits>]" after "0x"; p ends
// behind what was read.
double ReadHex(const char *&p)
{
    std::uint64_t mantissa = 0;
    bool sticky = false;
    long exponent = 0;
    const auto add = [&](int digit, bool fraction) {
        if (mantissa >> 57 == 0) {
            mantissa = mantissa * 16 + std::uint64_t(digit);
            exponent -= fraction ? 4 : 0;
        } else {
            sticky |= digit != 0;
            exponent += fraction ? 0 : 4;
        }
    };
    for (; HexDigit(*p) >= 0; ++p)
        add(HexDigit(*p), false);
    if (*p == '.')
        for (++p; HexDigit(*p) >= 0; ++p)
            add(HexDigit(*p), true);
    const char *q = p + 1;
    if (Lower(*p) == 'p') {
        const bool negative = *q == '-';
        if (*q == '+' || *q == '-')
            ++q;
        if (*q >= '0' && *q <= '9') {
            long value = 0;
            for (; *q >= '0' && *q <= '9'; ++q)
                value = std::min(value * 10 + (*q - '0'), 100000L);
            exponent += negative ? -value : value;
            p = q;
        }
    }
    return Compose(mantissa, sticky, exponent);
}

// "inf", "infinity" or "nan" with an optional "(chars)", in any case; p ends
// behind what was read. False for anything else.
bool ReadInfinityOrNan(const char *&p, double &x)
{
    if (StartsWith(p, "inf")) {
        p += StartsWith(p, "infinity") ? 8 : 3;
        x = std::numeric_limits<double>::infinity();
        return true;
    }
    if (!StartsWith(p, "nan"))
        return false;
    p += 3;
    if (*p == '(') {
        const char *q = p + 1;
        while ((*q >= '0' && *q <= '9') || (Lower(*q) >= 'a' && Lower(*q) <= 'z') || *q == '_')
            ++q;
        if (*q == ')')
            p = q + 1;
    }
    x = std::numeric_limits<double>::quiet_NaN();
    return true;
}
}

double CNumberReading::Strtod(const char *psz, char **ppszEnd)
{
    const char *p = psz;
    while (CString::IsSpace(*p))
        ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    double x = 0;
    if (IsHexStart(p)) {
        p += 2;
        x = ReadHex(p);
    } else if (!ReadInfinityOrNan(p, x)) {
        return ::_strtod_l(psz, ppszEnd, CLocale());
    }
    if (ppszEnd)
        *ppszEnd = const_cast<char *>(p);
    return negative ? -x : x;
}

// sscanf reads a number in one pass without going back: it fails where what
// it read stops short of a number ("0x", "infinit"), and otherwise reads
// what strtod reads.
bool CNumberReading::ScanDouble(const char *psz, double &x)
{
    const char *p = psz;
    while (CString::IsSpace(*p))
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    if (p[0] == '0' && Lower(p[1]) == 'x' && HexDigit(p[2]) < 0 && p[2] != '.')
        return false;
    if (StartsWith(p, "infi") && !StartsWith(p, "infinity"))
        return false;
    char *end = nullptr;
    const double value = Strtod(psz, &end);
    if (end == psz)
        return false;
    x = value;
    return true;
}
