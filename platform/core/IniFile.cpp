#include "platform/core/IniFile.h"

#include "platform/core/FileSystem.h"

#include <algorithm>
#include <cerrno>

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

// Lines end at LF, at CR LF or at a lone CR, so that no line end, whatever
// the file mixes, hides one line inside another.
std::vector<Line> SplitLines(const std::string &text)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        size_t next = end;
        if (next < text.size())
            next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
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

// Names compare as the "C" locale's strncasecmp does: ASCII letters alike in
// either case, every other byte only to itself.
bool SameName(const CString &a, const CString &b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
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

// The file's text; empty for a missing file. False when it is there but
// cannot be read (or is no regular file).
bool ReadIfPresent(const CString &strPath, std::string &text)
{
    return ReadWholeFile(strPath, text) || errno == ENOENT;
}

// A name or value that a write could not give back on reading: a line
// break would start a new line, and a key holding "=" or starting like a
// comment or a section header would not read as that key.
bool CanBeWritten(const CString &strSection, const CString &strKey, const CString &strValue)
{
    const CString key = CString(strKey).Trim();
    const auto hasBreak = [](const CString &text) { return text.find_first_of("\r\n") != std::string::npos; };
    return !hasBreak(strSection) && !hasBreak(strKey) && !hasBreak(strValue) && key.Find('=') < 0
        && (key.IsEmpty() || (key[0] != ';' && key[0] != '['));
}

CString StripQuotes(const CString &value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return CString(value.substr(1, value.size() - 2));
    return value;
}

// The line end the file's first line uses; LF for a new file.
std::string LineEnd(const std::string &text, const std::vector<Line> &lines)
{
    if (lines.empty() || lines.front().next == lines.front().end)
        return "\n";
    return text.substr(lines.front().end, lines.front().next - lines.front().end);
}

} // namespace

DWORD GetPrivateProfileString(const CString &strSection, const CString &strKey, const CString &strDefault,
                              CString &strOut, DWORD nSize, const CString &strPath)
{
    CString value = CString(strDefault).TrimRight();
    std::string text;
    if (ReadWholeFile(strPath, text)) {
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
    if (!CanBeWritten(strSection, strKey, strValue) || !ReadIfPresent(strPath, text))
        return FALSE;
    const std::vector<Line> lines = SplitLines(text);
    const Location loc = Find(text, lines, strSection, strKey);
    const std::string eol = LineEnd(text, lines);
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
        const bool bTerminated = lines.empty() || lines.back().next != lines.back().end;
        result = text + (bTerminated ? "" : eol) + "[" + CString(strSection).Trim() + "]" + eol + key + "="
            + strValue + eol;
    }
    return WriteFileAtomically(strPath, result) ? TRUE : FALSE;
}
