#include "filevalues/core/CsvSplit.h"

#include "tarniw/TarnTypes.h"

#include <cstdint>
#include <tuple>

// SSE2 is part of every x86-64 processor. AVX2 code is compiled for its own
// path only (the namespace avx2 below) and chosen at run time. Not on
// Windows: its compilers do not keep the stack aligned for 32-byte values
// that spill there.
#if defined(__x86_64__) || defined(_M_X64)
#define TARNIW_SPLIT_SSE2 1
#include <emmintrin.h>
#endif
#if defined(TARNIW_SPLIT_SSE2) && defined(__GNUC__) && !defined(_WIN32)
#define TARNIW_SPLIT_AVX2 1
#include <immintrin.h>
#endif

namespace {

unsigned LowestBit(std::uint32_t mask)
{
#if defined(__GNUC__)
    return unsigned(__builtin_ctz(mask));
#else
    unsigned n = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++n;
    }
    return n;
#endif
}

// The commas (or line ends) of 8 bytes as bits 0 to 7, whatever the byte
// order: the word is put together byte by byte (compilers make that one
// load), the bytes sought become 0 and the zero bytes are found exactly,
// then gathered.
struct CWordStep
{
    static constexpr size_t kWidth = 8;
    static std::uint32_t Mask(const char *p, char c)
    {
        std::uint64_t word = 0;
        for (unsigned i = 0; i < 8; ++i)
            word |= std::uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
        const std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
        const std::uint64_t x = word ^ (0x0101010101010101ULL * static_cast<unsigned char>(c));
        const std::uint64_t zero = ~(((x & low7) + low7) | x) & ~low7;
        return std::uint32_t(((zero >> 7) * 0x0102040810204080ULL) >> 56);
    }
};

#if defined(TARNIW_SPLIT_SSE2)
struct CSse2Step
{
    static constexpr size_t kWidth = 16;
    static std::uint32_t Mask(const char *p, char c)
    {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        return std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
    }
};
#endif

namespace portable {
using CSteps = std::tuple<CWordStep>;
#include "filevalues/core/CsvSplitPath.inc"
}

#if defined(TARNIW_SPLIT_SSE2)
namespace sse2 {
using CSteps = std::tuple<CSse2Step, CWordStep>;
#include "filevalues/core/CsvSplitPath.inc"
}
#endif

#if defined(TARNIW_SPLIT_AVX2)
// Everything of this path is compiled for AVX2.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace avx2 {
struct CAvx2Step
{
    static constexpr size_t kWidth = 32;
    static std::uint32_t Mask(const char *p, char c)
    {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
        return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(c))));
    }
};
using CSteps = std::tuple<CAvx2Step, CSse2Step, CWordStep>;
#include "filevalues/core/CsvSplitPath.inc"
}
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

bool HasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

using CutFn = sCsvCut (*)(const char *, const char *, std::string_view *, size_t);
using CutLinesFn = size_t (*)(const char *, const char *, size_t, size_t, sCsvLineCut *, std::string_view *, size_t);

struct CSplitPath
{
    eSplitPath path;
    CutFn pfnLine; // stops at the first '\n'
    CutFn pfnText; // takes every byte
    CutLinesFn pfnLines;
};

std::vector<CSplitPath> Paths()
{
    std::vector<CSplitPath> paths{{eSplitPath::Portable, portable::CutLine, portable::CutText, portable::CutLines}};
#if defined(TARNIW_SPLIT_SSE2)
    paths.push_back({eSplitPath::Sse2, sse2::CutLine, sse2::CutText, sse2::CutLines});
#endif
#if defined(TARNIW_SPLIT_AVX2)
    if (HasAvx2())
        paths.push_back({eSplitPath::Avx2, avx2::CutLine, avx2::CutText, avx2::CutLines});
#endif
    return paths;
}

// Constant at first, so that a line cut before the widest path is chosen
// takes the portable one.
CSplitPath g_inUse{eSplitPath::Portable, portable::CutLine, portable::CutText, portable::CutLines};
const bool g_bWidestChosen = UseSplitPath(SplitPathsAvailable().back());

} // namespace

std::vector<eSplitPath> SplitPathsAvailable()
{
    std::vector<eSplitPath> available;
    for (const CSplitPath &path : Paths())
        available.push_back(path.path);
    return available;
}

bool UseSplitPath(eSplitPath path)
{
    for (const CSplitPath &candidate : Paths()) {
        if (candidate.path == path) {
            g_inUse = candidate;
            return true;
        }
    }
    return false;
}

sCsvCut CutCsvLine(const char *p, const char *pEnd, std::string_view *pKept, size_t nKeep)
{
    return g_inUse.pfnLine(p, pEnd, pKept, nKeep);
}

sCsvCut CutCsvText(std::string_view text, std::string_view *pKept, size_t nKeep)
{
    return g_inUse.pfnText(text.data(), text.data() + text.size(), pKept, nKeep);
}

size_t CutCsvLines(const char *p, const char *pEnd, size_t nKeep, size_t nMaxLength, sCsvLineCut *pLines,
                   std::string_view *pKept, size_t nMaxLines)
{
    return g_inUse.pfnLines(p, pEnd, nKeep, nMaxLength, pLines, pKept, nMaxLines);
}
