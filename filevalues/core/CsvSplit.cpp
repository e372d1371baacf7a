#include "filevalues/core/CsvSplit.h"

#include "tarniw/TarnTypes.h"

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

// White space that a line's ends are trimmed of; a line end is not, where
// it ends the line.
template <bool kLineEnds>
bool IsTrimmed(char c)
{
    return CString::IsSpace(c) && (!kLineEnds || c != '\n');
}

// Takes the marks of a line (commas and its end) in order and keeps what
// they cut out.
template <bool kLineEnds>
struct CValueCutter
{
    CValueCutter(const char *p, const char *pEnd, std::string_view *pKeptValues, size_t nKeepValues)
        : pBytesEnd(pEnd), pKept(pKeptValues), nKeep(nKeepValues)
    {
        while (p != pEnd && IsTrimmed<kLineEnds>(*p))
            ++p;
        pFirst = pValue = p;
    }

    const char *pFirst;           // the line's first byte after white space
    const char *pValue;           // where the current value began
    const char *pLineEnd = nullptr; // its '\n', once found
    const char *pBytesEnd;
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
    // The marks of one step of nBytes at pBase: bit i of commas for a
    // comma at pBase[i], of lineEnds for a '\n'. True once the line has
    // ended.
    bool Marks(const char *pBase, unsigned /*nBytes*/, std::uint32_t commas, std::uint32_t lineEnds)
    {
        if (kLineEnds && lineEnds) {
            const unsigned nEnd = LowestBit(lineEnds);
            commas &= (std::uint32_t(1) << nEnd) - 1;
            pLineEnd = pBase + nEnd;
        }
        for (; commas; commas &= commas - 1)
            Comma(pBase + LowestBit(commas));
        return kLineEnds && pLineEnd;
    }
    // Byte by byte from p; true once the line has ended.
    bool Bytes(const char *p)
    {
        for (; p != pBytesEnd; ++p) {
            if (*p == ',') {
                Comma(p);
            } else if (kLineEnds && *p == '\n') {
                pLineEnd = p;
                return true;
            }
        }
        return false;
    }
    CCsvCut End()
    {
        const char *const pStop = pLineEnd ? pLineEnd : pBytesEnd;
        const char *pTextEnd = pStop;
        while (pTextEnd != pValue && IsTrimmed<kLineEnds>(pTextEnd[-1]))
            --pTextEnd;
        const std::string_view text(pFirst, size_t(pTextEnd - pFirst));
        if (pValue == pFirst)
            return {pStop, text, kNoComma};
        Value(pTextEnd);
        return {pStop, text, nValues};
    }
};

// The common line, without empty values, cut with a few instructions per
// step instead of several per comma: the values wanted are cut as they
// come, the other commas only counted, and runs of commas (or commas at the
// ends), which drop empty values, merely detected. Such a line is cut again
// by CValueCutter.
template <bool kLineEnds>
struct CCommaCounter
{
    // The most values kept this way.
    static constexpr size_t kMaxKept = 32;

    CCommaCounter(const char *p, const char *pEnd, std::string_view *pKeptValues, size_t nKeepValues)
        : pBytesEnd(pEnd), pKept(pKeptValues), nKeep(nKeepValues)
    {
        while (p != pEnd && IsTrimmed<kLineEnds>(*p))
            ++p;
        pFirst = pValue = p;
    }

    const char *pFirst;
    const char *pValue; // where the next value to keep begins
    const char *pLineEnd = nullptr;
    const char *pBytesEnd;
    std::string_view *pKept;
    size_t nKeep;
    size_t nKept = 0;
    size_t nCommas = 0;
    std::uint32_t runs = 0; // a comma right after a comma
    bool bCommaBefore = false;

    void Keep(const char *pComma)
    {
        pKept[nKept++] = std::string_view(pValue, size_t(pComma - pValue));
        pValue = pComma + 1;
    }
    bool Marks(const char *pBase, unsigned nBytes, std::uint32_t commas, std::uint32_t lineEnds)
    {
        if (kLineEnds && lineEnds) {
            nBytes = LowestBit(lineEnds);
            commas &= (std::uint32_t(1) << nBytes) - 1;
            pLineEnd = pBase + nBytes;
        }
        runs |= commas & ((commas << 1) | std::uint32_t(bCommaBefore));
        bCommaBefore = nBytes > 0 && (commas >> (nBytes - 1) & 1);
        nCommas += Count(commas);
        for (; commas && nKept < nKeep; commas &= commas - 1)
            Keep(pBase + LowestBit(commas));
        return kLineEnds && pLineEnd;
    }
    bool Bytes(const char *p)
    {
        for (; p != pBytesEnd; ++p) {
            if (kLineEnds && *p == '\n') {
                pLineEnd = p;
                return true;
            }
            const bool bComma = *p == ',';
            runs |= std::uint32_t(bComma && bCommaBefore);
            bCommaBefore = bComma;
            if (bComma && nCommas++ < nKeep)
                Keep(p);
        }
        return false;
    }
    // False for a line with runs of commas, to be cut again.
    bool End(CCsvCut &cut)
    {
        const char *const pStop = pLineEnd ? pLineEnd : pBytesEnd;
        const char *pTextEnd = pStop;
        while (pTextEnd != pFirst && IsTrimmed<kLineEnds>(pTextEnd[-1]))
            --pTextEnd;
        cut = {pStop, std::string_view(pFirst, size_t(pTextEnd - pFirst)), kNoComma};
        if (nCommas == 0)
            return true;
        if (runs || *pFirst == ',' || pTextEnd[-1] == ',')
            return false;
        if (nKept < nKeep)
            Keep(pTextEnd);
        cut.nValues = nCommas + 1;
        return true;
    }

private:
    static size_t Count(std::uint32_t bits)
    {
#if defined(__GNUC__)
        return size_t(__builtin_popcount(bits));
#else
        size_t n = 0;
        for (; bits; bits &= bits - 1)
            ++n;
        return n;
#endif
    }
};

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

// Whole steps of Step's width from q, then the last bytes in one step that
// ends with them, its bits for bytes already seen shifted out; that step
// may reach back to pLow. Returns true once the line has ended; leaves q at
// the bytes no step took (none after the last step).
template <class Step, bool kLineEnds, class Cutter>
bool CutSteps(Cutter &cut, const char *&q, const char *pLow)
{
    constexpr unsigned kWidth = Step::kWidth;
    const char *const pEnd = cut.pBytesEnd;
    for (; size_t(pEnd - q) >= kWidth; q += kWidth) {
        if (cut.Marks(q, kWidth, Step::Mask(q, ','), kLineEnds ? Step::Mask(q, '\n') : 0))
            return true;
    }
    if (q == pEnd || size_t(pEnd - pLow) < kWidth)
        return false;
    const char *const pLast = pEnd - kWidth;
    const unsigned nSeen = unsigned(q - pLast);
    const char *const pBase = q;
    q = pEnd;
    return cut.Marks(pBase, kWidth - nSeen, Step::Mask(pLast, ',') >> nSeen,
                     kLineEnds ? Step::Mask(pLast, '\n') >> nSeen : 0);
}

// Runs a cutter over the line with the steps of a path, widest first.
struct CPortableSteps
{
    template <bool kLineEnds, class Cutter>
    static void Run(Cutter &cut, const char *p)
    {
        const char *q = cut.pFirst;
        if (!CutSteps<CWordStep, kLineEnds>(cut, q, p))
            cut.Bytes(q);
    }
};

#if defined(TARNIW_SPLIT_SSE2)
struct CSse2Steps
{
    template <bool kLineEnds, class Cutter>
    static void Run(Cutter &cut, const char *p)
    {
        const char *q = cut.pFirst;
        if (!CutSteps<CSse2Step, kLineEnds>(cut, q, p) && !CutSteps<CWordStep, kLineEnds>(cut, q, p))
            cut.Bytes(q);
    }
};
#endif

#if defined(TARNIW_SPLIT_AVX2)
__attribute__((target("avx2"))) inline std::uint32_t Avx2Mask(const char *p, char c)
{
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
    return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(c))));
}

// CutSteps at 32 bytes, written out: a template would not be compiled for
// AVX2 here.
template <bool kLineEnds, class Cutter>
__attribute__((target("avx2"))) bool CutAvx2Steps(Cutter &cut, const char *&q, const char *pLow)
{
    constexpr unsigned kWidth = 32;
    const char *const pEnd = cut.pBytesEnd;
    for (; size_t(pEnd - q) >= kWidth; q += kWidth) {
        if (cut.Marks(q, kWidth, Avx2Mask(q, ','), kLineEnds ? Avx2Mask(q, '\n') : 0))
            return true;
    }
    if (q == pEnd || size_t(pEnd - pLow) < kWidth)
        return false;
    const char *const pLast = pEnd - kWidth;
    const unsigned nSeen = unsigned(q - pLast);
    const char *const pBase = q;
    q = pEnd;
    return cut.Marks(pBase, kWidth - nSeen, Avx2Mask(pLast, ',') >> nSeen,
                     kLineEnds ? Avx2Mask(pLast, '\n') >> nSeen : 0);
}

template <bool kLineEnds, class Cutter>
__attribute__((target("avx2"))) void RunAvx2Steps(Cutter &cut, const char *p)
{
    const char *q = cut.pFirst;
    if (!CutAvx2Steps<kLineEnds>(cut, q, p) && !CutSteps<CSse2Step, kLineEnds>(cut, q, p)
        && !CutSteps<CWordStep, kLineEnds>(cut, q, p))
        cut.Bytes(q);
}

bool HasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

// A line with few values to keep is counted first and cut again only when
// it holds runs of commas.
template <class Steps, bool kLineEnds>
CCsvCut Cut(const char *p, const char *pEnd, std::string_view *pKept, size_t nKeep)
{
    CCsvCut result;
    if (nKeep <= CCommaCounter<kLineEnds>::kMaxKept) {
        CCommaCounter<kLineEnds> counter(p, pEnd, pKept, nKeep);
        Steps::template Run<kLineEnds>(counter, p);
        if (counter.End(result))
            return result;
    }
    CValueCutter<kLineEnds> cut(p, pEnd, pKept, nKeep);
    Steps::template Run<kLineEnds>(cut, p);
    return cut.End();
}

#if defined(TARNIW_SPLIT_AVX2)
// Cut with the AVX2 steps, written out so that all of it is compiled for
// AVX2 (and the cutters stay in registers).
template <bool kLineEnds>
__attribute__((target("avx2"))) CCsvCut CutAvx2(const char *p, const char *pEnd, std::string_view *pKept,
                                                size_t nKeep)
{
    CCsvCut result;
    if (nKeep <= CCommaCounter<kLineEnds>::kMaxKept) {
        CCommaCounter<kLineEnds> counter(p, pEnd, pKept, nKeep);
        RunAvx2Steps<kLineEnds>(counter, p);
        if (counter.End(result))
            return result;
    }
    CValueCutter<kLineEnds> cut(p, pEnd, pKept, nKeep);
    RunAvx2Steps<kLineEnds>(cut, p);
    return cut.End();
}
#endif

using CutFn = CCsvCut (*)(const char *, const char *, std::string_view *, size_t);

struct CSplitPath
{
    eSplitPath path;
    CutFn pfnLine; // stops at the first '\n'
    CutFn pfnText; // takes every byte
};

std::vector<CSplitPath> Paths()
{
    std::vector<CSplitPath> paths{{eSplitPath::Portable, Cut<CPortableSteps, true>, Cut<CPortableSteps, false>}};
#if defined(TARNIW_SPLIT_SSE2)
    paths.push_back({eSplitPath::Sse2, Cut<CSse2Steps, true>, Cut<CSse2Steps, false>});
#endif
#if defined(TARNIW_SPLIT_AVX2)
    if (HasAvx2())
        paths.push_back({eSplitPath::Avx2, CutAvx2<true>, CutAvx2<false>});
#endif
    return paths;
}

// Constant at first, so that a line cut before the widest path is chosen
// takes the portable one.
CSplitPath g_inUse{eSplitPath::Portable, Cut<CPortableSteps, true>, Cut<CPortableSteps, false>};
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

CCsvCut CutCsvLine(const char *p, const char *pEnd, std::string_view *pKept, size_t nKeep)
{
    return g_inUse.pfnLine(p, pEnd, pKept, nKeep);
}

CCsvCut CutCsvText(std::string_view text, std::string_view *pKept, size_t nKeep)
{
    return g_inUse.pfnText(text.data(), text.data() + text.size(), pKept, nKeep);
}
