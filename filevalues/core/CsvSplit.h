// Cutting a line into its values, the heart of every reader: in one pass
// the line's end, its commas and its trimmed ends are found 8, 16 or 32
// bytes at a time (a portable word-wise path, SSE2 and AVX2), whichever the
// processor runs. Every path gives the same result.
#ifndef TARNIW_FILEVALUES_CSVSPLIT_H
#define TARNIW_FILEVALUES_CSVSPLIT_H

#include <cstddef>
#include <string_view>
#include <vector>

enum class eSplitPath
{
    Portable, // 8 bytes at a time in a 64-bit word, on any processor
    Sse2,     // 16 bytes at a time (x86-64)
    Avx2,     // 32 bytes at a time, when the processor has AVX2
};

// The paths this build can run on this processor, the portable one first.
std::vector<eSplitPath> SplitPathsAvailable();
// Chooses an available path (tests and fuzzing run each one); false, and
// nothing changes, for one this processor cannot run.
bool UseSplitPath(eSplitPath path);

// The nValues of a line without any comma: it is not CSV.
constexpr size_t kNoComma = size_t(-1);

// One line cut by the line rule: trimmed of white space at both ends, cut
// at commas, runs of commas counting as one separator, so that no value is
// empty.
struct sCsvCut
{
    const char *pEnd;      // where the line ended: its '\n', or the end of the bytes
    std::string_view text; // the line trimmed
    size_t nValues;        // how many values it holds, or kNoComma
};

// The line that begins at p and ends at its first '\n', or at pEnd when
// none comes. The first nKeep values go into pKept, as views into the line.
sCsvCut CutCsvLine(const char *p, const char *pEnd, std::string_view *pKept, size_t nKeep);
// The same for a whole text taken as one line, line breaks and all.
sCsvCut CutCsvText(std::string_view text, std::string_view *pKept, size_t nKeep);

// One line of many cut by CutCsvLines.
struct sCsvLineCut
{
    const char *pEnd;      // its '\n'
    std::string_view text; // the line trimmed
    size_t nValues;        // how many values it holds, or kNoComma
};
// The whole lines from p on, one after another as CutCsvLine cuts them, in
// one call: line i keeps its first nKeep values at pKept + i * nKeep. Stops
// after nMaxLines lines, before a line longer than nMaxLength (its '\n' not
// counted) and before one without its '\n' before pEnd. Returns how many
// lines were cut.
size_t CutCsvLines(const char *p, const char *pEnd, size_t nKeep, size_t nMaxLength, sCsvLineCut *pLines,
                   std::string_view *pKept, size_t nMaxLines);

#endif
