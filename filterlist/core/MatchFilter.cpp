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

// x is folded already.
bool EqualFoldedTo(const char *a, std::string_view x)
{
    for (size_t i = 0; i < x.size(); ++i) {
        if (Fold(a[i]) != static_cast<unsigned char>(x[i]))
            return false;
    }
    return true;
}

bool StartsWith(std::string_view value, std::string_view x)
{
    return value.size() >= x.size() && EqualFoldedTo(value.data(), x);
}

bool EndsWith(std::string_view value, std::string_view x)
{
    return value.size() >= x.size() && EqualFoldedTo(value.data() + value.size() - x.size(), x);
}

// Cells are short: a plain loop beats calls into the C library here.
template <bool kFold>
bool Contains(std::string_view value, std::string_view x)
{
    if (value.size() < x.size())
        return false;
    const auto byte = [](char c) { return kFold ? Fold(c) : static_cast<unsigned char>(c); };
    const unsigned char first = static_cast<unsigned char>(x[0]);
    const size_t last = value.size() - x.size();
    for (size_t i = 0; i <= last; ++i) {
        if (byte(value[i]) != first)
            continue;
        size_t k = 1;
        while (k < x.size() && byte(value[i + k]) == static_cast<unsigned char>(x[k]))
            ++k;
        if (k == x.size())
            return true;
    }
    return false;
}

bool HasLetters(std::string_view text)
{
    for (const char c : text) {
        if (Fold(c) >= 'a' && Fold(c) <= 'z')
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

} // namespace

bool MatchFilter(const CString &strValue, std::string_view filter)
{
    return CFilterPattern(filter).Matches(strValue);
}

CFilterPattern::CFilterPattern(std::string_view filter)
{
    size_t start = 0;
    while (start < filter.size()) {
        size_t end = filter.find('~', start);
        if (end == std::string_view::npos)
            end = filter.size();
        const std::string_view token = filter.substr(start, end - start);
        start = end + 1;
        if (token.empty())
            continue;
        CToken parsed{eKind::BeginsWith, std::string(token), false};
        switch (token.front()) {
        case '*':
            parsed.kind = token.size() == 1 ? eKind::Everything : token.back() == '*' ? eKind::Contains : eKind::EndsWith;
            parsed.text = token.substr(1, token.size() - (parsed.kind == eKind::Contains ? 2 : 1));
            break;
        case '>':
        case '<':
            parsed.kind = token.front() == '>' ? eKind::Greater : eKind::Less;
            parsed.bLimit = ReadNumber(token.substr(1), parsed.limit);
            break;
        default:
            break;
        }
        parsed.bLetters = HasLetters(parsed.text);
        for (char &c : parsed.text)
            c = char(Fold(c));
        m_tokens.push_back(std::move(parsed));
    }
}

bool CFilterPattern::Matches(std::string_view value) const
{
    for (const CToken &token : m_tokens) {
        if (Matches(token, value))
            return true;
    }
    return false;
}

bool CFilterPattern::Matches(const CToken &token, std::string_view value)
{
    switch (token.kind) {
    case eKind::Everything:
        return true;
    case eKind::Contains:
        if (token.text.empty())
            return true;
        return token.bLetters ? Contains<true>(value, token.text) : Contains<false>(value, token.text);
    case eKind::EndsWith:
        return EndsWith(value, token.text);
    case eKind::Greater:
    case eKind::Less: {
        double number = 0;
        if (!token.bLimit || !ReadNumber(value, number))
            return false;
        return token.kind == eKind::Greater ? number > token.limit : number < token.limit;
    }
    case eKind::BeginsWith:
        break;
    }
    return StartsWith(value, token.text);
}
