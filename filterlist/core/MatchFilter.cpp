#include "filterlist/core/MatchFilter.h"
#include "platform/core/CNumberReading.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

unsigned char Fold(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

bool EqualFolded(const char *a, const char *b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    }
    return true;
}

bool StartsWith(std::string_view value, std::string_view x)
{
    return value.size() >= x.size() && EqualFolded(value.data(), x.data(), x.size());
}

bool EndsWith(std::string_view value, std::string_view x)
{
    return value.size() >= x.size() && EqualFolded(value.data() + value.size() - x.size(), x.data(), x.size());
}

bool Contains(std::string_view value, std::string_view x)
{
    if (x.empty())
        return true;
    if (value.size() < x.size())
        return false;
    const unsigned char first = Fold(x[0]);
    const size_t last = value.size() - x.size();
    for (size_t i = 0; i <= last; ++i) {
        if (Fold(value[i]) == first && EqualFolded(value.data() + i + 1, x.data() + 1, x.size() - 1))
            return true;
    }
    return false;
}

// Reads a number from a NUL-terminated text exactly as sscanf("%lf") does.
// strtod agrees with it on plain decimal numbers and is several times
// quicker; hexadecimal forms and the inf/nan spellings, where the two part
// ways ("0x", "infinit"), are left to sscanf itself.
bool ReadNumber(const char *psz, double &x)
{
    const char *p = psz;
    while (CString::IsSpace(*p))
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    const bool bHex = p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    if (!bHex && ((*p >= '0' && *p <= '9') || *p == '.')) {
        char *end = nullptr;
        x = CNumberReading::Strtod(psz, &end);
        return end != psz;
    }
    return CNumberReading::ScanDouble(psz, x);
}

// The number after ">" or "<" needs a terminated copy of the token.
bool ReadNumber(std::string_view text, double &x)
{
    char buffer[1024];
    if (text.size() < sizeof(buffer)) {
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
        return ReadNumber(buffer, x);
    }
    return ReadNumber(std::string(text).c_str(), x);
}

bool MatchNumber(const CString &strValue, std::string_view number, bool bGreater)
{
    double limit = 0;
    double value = 0;
    if (!ReadNumber(number, limit) || !ReadNumber(strValue.c_str(), value))
        return false;
    return bGreater ? value > limit : value < limit;
}

bool MatchToken(const CString &strValue, std::string_view token)
{
    switch (token.front()) {
    case '*':
        if (token.size() == 1)
            return true;
        if (token.back() == '*')
            return Contains(strValue, token.substr(1, token.size() - 2));
        return EndsWith(strValue, token.substr(1));
    case '>':
        return MatchNumber(strValue, token.substr(1), true);
    case '<':
        return MatchNumber(strValue, token.substr(1), false);
    default:
        return StartsWith(strValue, token);
    }
}

} // namespace

bool MatchFilter(const CString &strValue, std::string_view filter)
{
    size_t start = 0;
    while (start < filter.size()) {
        size_t end = filter.find('~', start);
        if (end == std::string_view::npos)
            end = filter.size();
        if (end > start && MatchToken(strValue, filter.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}
