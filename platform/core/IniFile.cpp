#include "platform/core/IniFile.h"

#include "platform/core/FileSystem.h"

#include <fstream>
#include <iterator>
#include <strings.h>
#include <unistd.h>

namespace {

// One line of the file as byte offsets: [begin, end) is its text without the
// line end, [begin, next) includes it.
struct Line
{
    size_t begin;
    size_t end;
    size_t next;
};

enum class Kind { Other, Section, Entry };

struct Parsed
{
    Kind kind = Kind::Other;
    bool bBlank = false;
    CString strName; // section name or key, trimmed
    CString strValue; // entry value, trimmed
};

std::vector<Line> SplitLines(const std::string &text)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lf = text.find('\n', pos);
        const size_t next = lf == std::string::npos ? text.size() : lf + 1;
        size_t end = lf == std::string::npos ? text.size() : lf;
        if (end > pos && text[end - 1] == '\r')
            --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

Parsed ParseLine(const std::string &text, const Line &line)
{
    CString s(text.substr(line.begin, line.end - line.begin));
    s.Trim();
    Parsed p;
    p.bBlank = s.IsEmpty();
    if (s.IsEmpty() || s[0] == ';')
        return p;
    if (s[0] == '[') {
        const size_t close = s.rfind(']');
        if (close == std::string::npos)
            return p;
        p.kind = Kind::Section;
        p.strName = CString(s.substr(1, close - 1)).Trim();
        return p;
    }
    const size_t eq = s.find('=');
    if (eq == std::string::npos)
        return p;
    p.kind = Kind::Entry;
    p.strName = CString(s.substr(0, eq)).TrimRight();
    p.strValue = CString(s.substr(eq + 1)).TrimLeft();
    return p;
}

bool SameName(const CString &a, const CString &b)
{
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Where a section and one of its keys lie, as line numbers (-1 when absent).
struct Location
{
    int nSection = -1;
    int nKey = -1;
    int nLastEntry = -1; // last non-blank line of the section
    CString strKeyName;
    CString strValue;
};

Location Find(const std::string &text, const std::vector<Line> &lines, const CString &strSection,
              const CString &strKey)
{
    Location loc;
    const CString section = CString(strSection).Trim();
    const CString key = CString(strKey).Trim();
    for (int i = 0; i < int(lines.size()); ++i) {
        const Parsed p = ParseLine(text, lines[size_t(i)]);
        if (loc.nSection < 0) {
            if (p.kind == Kind::Section && SameName(p.strName, section))
                loc.nSection = loc.nLastEntry = i;
            continue;
        }
        if (p.kind == Kind::Section)
            break;
        if (!p.bBlank)
            loc.nLastEntry = i;
        if (p.kind == Kind::Entry && loc.nKey < 0 && SameName(p.strName, key)) {
            loc.nKey = i;
            loc.strKeyName = p.strName;
            loc.strValue = p.strValue;
        }
    }
    return loc;
}

bool ReadAll(const CString &strPath, std::string &text)
{
    if (IsDirectory(strPath))
        return false;
    std::ifstream in(strPath, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

CString StripQuotes(const CString &value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return CString(value.substr(1, value.size() - 2));
    return value;
}

// The line end the file already uses; LF for a new file.
std::string LineEnd(const std::string &text)
{
    const size_t lf = text.find('\n');
    return lf != std::string::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

} // namespace

DWORD GetPrivateProfileString(const CString &strSection, const CString &strKey, const CString &strDefault,
                              CString &strOut, DWORD nSize, const CString &strPath)
{
    CString value = CString(strDefault).TrimRight();
    std::string text;
    if (ReadAll(strPath, text)) {
        const Location loc = Find(text, SplitLines(text), strSection, strKey);
        if (loc.nKey >= 0)
            value = StripQuotes(loc.strValue);
    }
    const size_t n = nSize == 0 ? 0 : std::min<size_t>(value.size(), nSize - 1);
    strOut = CString(value.substr(0, n));
    return DWORD(n);
}

BOOL WritePrivateProfileString(const CString &strSection, const CString &strKey, const CString &strValue,
                               const CString &strPath)
{
    std::string text;
    if (::access(strPath.c_str(), F_OK) == 0) {
        if (::access(strPath.c_str(), R_OK | W_OK) != 0 || !ReadAll(strPath, text))
            return FALSE;
    }
    const std::vector<Line> lines = SplitLines(text);
    const Location loc = Find(text, lines, strSection, strKey);
    const std::string eol = LineEnd(text);
    const CString key = CString(strKey).Trim();

    std::string result;
    if (loc.nKey >= 0) {
        const Line &line = lines[size_t(loc.nKey)];
        result = text.substr(0, line.begin) + loc.strKeyName + "=" + strValue + text.substr(line.end);
    } else if (loc.nSection >= 0) {
        const Line &last = lines[size_t(loc.nLastEntry)];
        const bool bTerminated = last.next != last.end;
        result = text.substr(0, last.next) + (bTerminated ? "" : eol) + key + "=" + strValue + eol
            + text.substr(last.next);
    } else {
        const bool bTerminated = text.empty() || text.back() == '\n';
        result = text + (bTerminated ? "" : eol) + "[" + CString(strSection).Trim() + "]" + eol + key + "="
            + strValue + eol;
    }
    return WriteFileAtomically(strPath, result) ? TRUE : FALSE;
}
