// Column profiles and list colours kept in "Tarn_Import_Wizard.ini" beside
// the host executable.
//
// A list's profile is the key COLUMNPROFILE of the section named after the
// list: one "index,position,width" triplet per column definition, position
// -1 for a hidden column. Colours come from the section CUSTOMIZE_LISTS, key
// = the list's control id, value "background,text" in hexadecimal COLORREF.
#ifndef TARNIW_LISTCTRL_COLUMNPROFILE_H
#define TARNIW_LISTCTRL_COLUMNPROFILE_H

#include "listctrl/core/TarnColInfo.h"

#include <utility>
#include <vector>

constexpr const char *kListIniFileName = "Tarn_Import_Wizard.ini";
constexpr const char *kColumnProfileKey = "COLUMNPROFILE";
constexpr const char *kCustomizeListsSection = "CUSTOMIZE_LISTS";
// Defaults of the reads; a stored value equal to one of them reads as absent.
constexpr const char *kProfileNotFound = "Settings not found";
constexpr const char *kColoursNotFound = "String not found";
constexpr const char *kMsgFileOpenFailed = "File Open Failed";
constexpr const char *kMsgSaveProfileFailed = "Error while saving column profile";
constexpr DWORD kProfileBufferSize = 4096;
constexpr DWORD kColourBufferSize = 512;

// The INI file beside the host executable.
CString GetListIniPath();

// Mode 0 reads the section's profile into strValue (FALSE when the file is
// missing or read-only, or holds no profile); mode 1 writes strValue as the
// profile ("File Open Failed" when the file cannot be replaced, see
// CanReplaceFile). Other modes do nothing and give FALSE.
BOOL ColumnProfileIO(int nMode, const CString &strSection, CString &strValue);

// One column to insert, in display order.
struct sColumnSpec
{
    int nDef = 0;
    CString strHeading;
    int nFormat = 0;
    int nWidth = 0;
};

// The columns a list shows: per definition its display position or -1, the
// definition shown first, and the columns in display order.
struct sColumnLayout
{
    CArray<int> aColPos;
    int nFirstColDef = 0;
    std::vector<sColumnSpec> aColumns;
};

// Every definition, in definition order, with its own width.
sColumnLayout DefinitionOrderLayout(const CArray<tsTarnColInfoWiz> &aColInfo);

// The layout from a stored profile (pProfile, nullptr when there is none) or
// else from the owner's default positions (empty: every definition). Shown
// definitions keep the order of their positions; gaps and collisions close
// up, so each definition is shown at most once and positions run 0, 1, ...
// Throws CInvalidArgException for a negative index or a position below -1.
sColumnLayout ComputeColumnLayout(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aDefaultColPos,
                                  const CString *pProfile);

// Whether a stored profile holds exactly one triplet per definition, as one
// saved for the same columns does.
bool ProfileFitsDefinitions(const CString &strProfile, int nDefinitions);

// As ComputeColumnLayout, falling back to DefinitionOrderLayout when the
// profile cannot be used.
sColumnLayout BuildColumnLayout(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aDefaultColPos,
                                const CString *pProfile);

// The profile text of a layout. aHeader holds the header items (text,
// width) in header order; a definition's width is that of the first item
// whose text equals its name, 0 when none does.
CString BuildColumnProfileText(const CArray<tsTarnColInfoWiz> &aColInfo, const CArray<int> &aColPos,
                               const std::vector<std::pair<CString, int>> &aHeader);

// Applies a colour line: false for the "not found" sentinel. A missing or
// non-hexadecimal field leaves its colour unchanged.
bool ParseColourLine(const CString &strLine, COLORREF &crBack, COLORREF &crText);

// Reads and applies the colour line of control nID; false when there is none.
bool ReadListColours(int nID, COLORREF &crBack, COLORREF &crText);

#endif
