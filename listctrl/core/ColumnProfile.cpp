#include "listctrl/core/ColumnProfile.h"

#include "platform/core/FileSystem.h"
#include "platform/core/IniFile.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompts.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMaxColumnWidth = 10000;

// Comma-separated fields, empty ones skipped.
CStringArray SplitFields(const CString &text)
{
    CStringArray fields;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t comma = text.find(',', pos);
        if (comma == std::string::npos)
            comma = text.size();
        if (comma > pos)
            fields.Add(CString(text.substr(pos, comma - pos)));
        pos = comma + 1;
    }
    return fields;
}

// atoi, held inside the int range.
int ToInt(const CString &text)
{
    const long long v = std::strtoll(text.c_str(), nullptr, 10);
    return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Gives the shown definitions consecutive positions in the order of their
// positions (definition order among equal ones) and lists their columns.
sColumnLayout CloseUp(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aColPos,
                      const std::vector<int> &aWidths)
{
    std::vector<int> shown;
    for (int d = 0; d < aColPos.GetSize(); ++d) {
        if (aColPos.GetAt(d) != -1)
            shown.push_back(d);
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [&](int a, int b) { return aColPos.GetAt(a) < aColPos.GetAt(b); });
    sColumnLayout layout;
    layout.aColPos.assign(aColInfo.size(), -1);
    for (int p = 0; p < int(shown.size()); ++p) {
        const int d = shown[size_t(p)];
        const tsTarnColInfoWiz &info = aColInfo.GetAt(d);
        layout.aColPos.SetAt(d, p);
        layout.aColumns.push_back({d, CString(info.szName), info.nFormat, aWidths[size_t(d)]});
    }
    if (!shown.empty())
        layout.nFirstColDef = shown.front();
    return layout;
}

} // namespace

CString GetListIniPath()
{
    return DirectoryOf(GetHostExecutablePath()) + "/" + kListIniFileName;
}

BOOL ColumnProfileIO(int nMode, const CString &strSection, CString &strValue)
{
    const CString path = GetListIniPath();
    if (nMode == 1) {
        if (!CanReplaceFile(path)) {
            AfxMessageBox(kMsgFileOpenFailed);
            return FALSE;
        }
        return WritePrivateProfileString(strSection, kColumnProfileKey, strValue, path);
    }
    // A profile counts only in a file that may be written again.
    if (nMode != 0 || !CanWriteFile(path))
        return FALSE;
    CString value;
    if (GetPrivateProfileString(strSection, kColumnProfileKey, kProfileNotFound, value, kProfileBufferSize, path) == 0)
        return FALSE;
    strValue = value;
    return value != kProfileNotFound;
}

sColumnLayout DefinitionOrderLayout(const CArray<tsTarnColInfoWiz> &aColInfo)
{
    sColumnLayout layout;
    for (int d = 0; d < aColInfo.GetSize(); ++d) {
        const tsTarnColInfoWiz &info = aColInfo.GetAt(d);
        layout.aColPos.Add(d);
        layout.aColumns.push_back({d, CString(info.szName), info.nFormat, info.nWidth});
    }
    return layout;
}

sColumnLayout ComputeColumnLayout(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aDefaultColPos,
                                  const CString *pProfile)
{
    const int n = aColInfo.GetSize();
    if (!pProfile && aDefaultColPos.IsEmpty())
        return DefinitionOrderLayout(aColInfo);

    CArray<int> aColPos(size_t(n), -1);
    std::vector<int> aWidths;
    for (const tsTarnColInfoWiz &info : aColInfo)
        aWidths.push_back(info.nWidth);

    if (!pProfile) {
        for (int d = 0; d < n && d < aDefaultColPos.GetSize(); ++d) {
            if (aDefaultColPos.GetAt(d) < -1)
                throw CInvalidArgException();
            aColPos.SetAt(d, aDefaultColPos.GetAt(d));
        }
        return CloseUp(aColInfo, aColPos, aWidths);
    }

    // Definitions the profile does not reach stay hidden, so a definition
    // added after the profile was saved starts hidden.
    const CStringArray fields = SplitFields(*pProfile);
    int nRead = 0;
    for (int f = 0; f + 2 < fields.GetSize(); f += 3) {
        const int i = ToInt(fields.GetAt(f));
        const int p = ToInt(fields.GetAt(f + 1));
        const int w = ToInt(fields.GetAt(f + 2));
        if (i >= n)
            break;
        if (p < -1)
            throw CInvalidArgException();
        aColPos.SetAt(i, p);
        if (w >= 0 && w <= kMaxColumnWidth)
            aWidths[size_t(i)] = w;
        ++nRead;
    }
    if (nRead > n) // an index was repeated
        return DefinitionOrderLayout(aColInfo);
    return CloseUp(aColInfo, aColPos, aWidths);
}

bool ProfileFitsDefinitions(const CString &strProfile, int nDefinitions)
{
    const int nFields = SplitFields(strProfile).GetSize();
    return nFields % 3 == 0 && nFields / 3 == nDefinitions;
}

sColumnLayout BuildColumnLayout(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aDefaultColPos,
                                const CString *pProfile)
{
    try {
        return ComputeColumnLayout(aColInfo, aDefaultColPos, pProfile);
    } catch (const CInvalidArgException &) {
        return DefinitionOrderLayout(aColInfo);
    }
}

CString BuildColumnProfileText(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aColPos,
                               const std::vector<std::pair<CString, int>> &aHeader)
{
    CString value;
    for (int i = 0; i < aColInfo.GetSize(); ++i) {
        const CString name(aColInfo.GetAt(i).szName);
        const auto item = std::find_if(aHeader.begin(), aHeader.end(),
                                       [&](const std::pair<CString, int> &h) { return h.first == name; });
        CString triplet;
        triplet.Format(i == 0 ? "%d,%d,%d" : ",%d,%d,%d", i, aColPos.GetAt(i),
                       item == aHeader.end() ? 0 : item->second);
        value += triplet;
    }
    return value;
}

bool ParseColourLine(const CString &strLine, COLORREF &crBack, COLORREF &crText)
{
    if (strLine == kColoursNotFound)
        return false;
    const CStringArray fields = SplitFields(strLine);
    COLORREF *targets[] = {&crBack, &crText};
    for (int f = 0; f < 2 && f < fields.GetSize(); ++f) {
        unsigned long v = 0;
        if (std::sscanf(fields.GetAt(f).c_str(), "%lx", &v) == 1)
            *targets[f] = COLORREF(v);
    }
    return true;
}

bool ReadListColours(int nID, COLORREF &crBack, COLORREF &crText)
{
    CString key;
    key.Format("%d", nID);
    CString line;
    if (GetPrivateProfileString(kCustomizeListsSection, key, kColoursNotFound, line, kColourBufferSize,
                                GetListIniPath()) == 0)
        line = kColoursNotFound;
    return ParseColourLine(line, crBack, crText);
}
