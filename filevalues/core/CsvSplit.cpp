#include "filevalues/core/CsvSplit.h"

#include <cstdint>

// SSE2 is part of every x86-64 processor. AVX2 code is compiled for its own
// functions only and chosen at run time. Not on Windows: its compilers do
// not keep the stack aligned for 32-byte values that spill there.
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

// Walks the line's commas, in order, and keeps the values between them.
struct CValueCutter
{
    CValueCutter(const char *pLine, std::string_view *pKeptValues, size_t nKeepValues)
        : pStart(pLine), pValue(pLine), pKept(pKeptValues), nKeep(nKeepValues)
    {
    }

    const char *pStart;
    const char *pValue; // where the current value began
    std::string_view *pKept;
    size_t nKeep;
    size_t nValues = 0;

    void Value(const char *pEnd)
    {
        if (pEnd == pValue)
            return;
        if (nValues < nKeep)
            pKept[nValues] = std::string_view(pValue, size_t(pEnd - pValue));
        ++nValues;
    }
    void Comma(const char *p)
    {
        Value(p);
        pValue = p + 1;
    }
    // Bit i of mask: a comma at pBase[i].
    void Commas(const char *pBase, std::uint32_t mask)
    {
        for (; mask; mask &= mask - 1)
            Comma(pBase + LowestBit(mask));
    }
    void Bytes(const char *p, const char *pEnd)
    {
        for (; p != pEnd; ++p) {
            if (*p == ',')
                Comma(p);
        }
    }
    size_t End(const char *pEnd)
    {
        if (pValue == pStart)
            return kNoComma;
        Value(pEnd);
        return nValues;
    }
};

// The commas of 8 bytes as bits 0 to 7, whatever the byte order: the word
// is put together byte by byte (compilers make that one load), every comma
// byte becomes 0 and the zero bytes are found exactly, then gathered.
struct CWordCommas
{
    static constexpr size_t kWidth = 8;
    static std::uint32_t Mask(const char *p)
    {
        std::uint64_t word = 0;
        for (unsigned i = 0; i < 8; ++i)
            word |= std::uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
        const std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
        const std::uint64_t x = word ^ 0x2C2C2C2C2C2C2C2CULL; // ','
        const std::uint64_t zero = ~(((x & low7) + low7) | x) & ~low7;
        return std::uint32_t(((zero >> 7) * 0x0102040810204080ULL) >> 56);
    }
};

#if defined(TARNIW_SPLIT_SSE2)
struct CSse2Commas
{
    static constexpr size_t kWidth = 16;
    static std::uint32_t Mask(const char *p)
    {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        return std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(','))));
    }
};
#endif

// Whole steps of Step's width, then the last bytes in one step that ends
// with the line, its bits for bytes already seen shifted out. The line holds
// at least one step.
template <class Step>
void CutSteps(CValueCutter &cut, const char *p, const char *pEnd)
{
    for (; size_t(pEnd - p) >= Step::kWidth; p += Step::kWidth)
        cut.Commas(p, Step::Mask(p));
    if (p != pEnd) {
        const char *pLast = pEnd - Step::kWidth;
        cut.Commas(p, Step::Mask(pLast) >> (p - pLast));
    }
}

size_t SplitPortable(std::string_view line, std::string_view *pKept, size_t nKeep)
{
    const char *p = line.data();
    CValueCutter cut{p, pKept, nKeep};
    if (line.size() >= CWordCommas::kWidth)
        CutSteps<CWordCommas>(cut, p, p + line.size());
    else
        cut.Bytes(p, p + line.size());
    return cut.End(p + line.size());
}

#if defined(TARNIW_SPLIT_SSE2)
size_t SplitSse2(std::string_view line, std::string_view *pKept, size_t nKeep)
{
    if (line.size() < CSse2Commas::kWidth)
        return SplitPortable(line, pKept, nKeep);
    const char *p = line.data();
    CValueCutter cut{p, pKept, nKeep};
    CutSteps<CSse2Commas>(cut, p, p + line.size());
    return cut.End(p + line.size());
}
#endif

#if defined(TARNIW_SPLIT_AVX2)
__attribute__((target("avx2"))) std::uint32_t Avx2Commas(const char *p)
{
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
    return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(','))));
}

// CutSteps at 32 bytes, written out: a template would not be compiled for
// AVX2 here.
__attribute__((target("avx2"))) size_t SplitAvx2(std::string_view line, std::string_view *pKept, size_t nKeep)
{
    constexpr size_t kWidth = 32;
    if (line.size() < kWidth)
        return SplitSse2(line, pKept, nKeep);
    const char *p = line.data();
    const char *const pEnd = p + line.size();
    CValueCutter cut{p, pKept, nKeep};
    for (; size_t(pEnd - p) >= kWidth; p += kWidth)
        cut.Commas(p, Avx2Commas(p));
    if (p != pEnd) {
        const char *pLast = pEnd - kWidth;
        cut.Commas(p, Avx2Commas(pLast) >> (p - pLast));
    }
    return cut.End(pEnd);
}

bool HasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

using SplitFn = size_t (*)(std::string_view, std::string_view *, size_t);

struct CSplitPath
{
    eSplitPath path;
    SplitFn pfn;
};

std::vector<CSplitPath> Paths()
{
    std::vector<CSplitPath> paths{{eSplitPath::Portable, SplitPortable}};
#if defined(TARNIW_SPLIT_SSE2)
    paths.push_back({eSplitPath::Sse2, SplitSse2});
#endif
#if defined(TARNIW_SPLIT_AVX2)
    if (HasAvx2())
        paths.push_back({eSplitPath::Avx2, SplitAvx2});
#endif
    return paths;
}

// Constant at first, so that a line split before the widest path is chosen
// takes the portable one.
CSplitPath g_inUse{eSplitPath::Portable, SplitPortable};
const bool g_bWidestChosen = UseSplitPath(SplitPathsAvailable().back());

} // namespace

std::vector<eSplitPath> SplitPathsAvailable()
{
    std::vector<eSplitPath> available;
    for (const CSplitPath &path : Paths())
        available.push_back(path.path);
    return available;
}

eSplitPath SplitPathInUse()
{
    return g_inUse.path;
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

size_t SplitTrimmedLine(std::string_view trimmed, std::string_view *pKept, size_t nKeep)
{
    return g_inUse.pfn(trimmed, pKept, nKeep);
}
