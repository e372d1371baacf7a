// Cutting a line into its values, the heart of every reader: the commas are
// found 8, 16 or 32 bytes at a time (a portable word-wise path, SSE2 and
// AVX2), whichever the processor runs. Every path gives the same values.
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
// The path in use: the widest one available, until another is chosen.
eSplitPath SplitPathInUse();
// Chooses an available path (tests and fuzzing run each one); false, and
// nothing changes, for one this processor cannot run.
bool UseSplitPath(eSplitPath path);

// What SplitTrimmedLine returns for a line without any comma.
constexpr size_t kNoComma = size_t(-1);

// The values of a line without white space at its ends: the pieces between
// commas, runs of commas counting as one separator, so that no value is
// empty. Returns how many there are, or kNoComma, and sets the first nKeep
// of them (as views into the line) into pKept.
size_t SplitTrimmedLine(std::string_view trimmed, std::string_view *pKept, size_t nKeep);

#endif
