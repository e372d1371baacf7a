// A vectorised CSV splitter written for comparison only, not part of the
// module: the fastest plain program we know how to write for the job the
// record conversion does (the same line rule: trimmed lines, runs of commas
// as one separator, no quoting; the same records: chosen columns and
// constants, each followed by ",", the line number, "\n"). It reads 1 MiB
// blocks, finds commas and line ends 64 bytes at a time (AVX2, with a
// byte-by-byte fallback) in one pass over the block, copies short values 16
// bytes at a time from padded buffers and counts line numbers in decimal
// text. Short lines are skipped and counted; a line without a comma ends
// the reading. Long lines get no special treatment.
#ifndef TARNIW_BENCH_CSVSPLITTER_H
#define TARNIW_BENCH_CSVSPLITTER_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define SPLITTER_AVX2 1
#endif

namespace splitter {

constexpr size_t kBlock = size_t(1) << 20;
constexpr size_t kPad = 64;

// What a record is made of: values of columns, each followed by ",", with
// fixed text after each (constants with their commas).
struct Plan
{
    std::vector<int> columns;    // -1: no value, only the text after it
    std::vector<std::string> after;
    size_t nExpected = 0;        // fewer values make a line short
    int nHighest = -1;
    bool bLineNumbers = true;
};

// Where records go: a growing block of memory, or a stream flushed as it fills.
class Output
{
public:
    explicit Output(std::FILE *pStream) : m_pStream(pStream) { Grow(kBlock); }
    ~Output() { std::free(m_p); }
    // Room for n bytes (plus 16 for the wide copies).
    char *Room(size_t n)
    {
        if (m_nUsed + n + 16 > m_nCap) {
            if (m_pStream)
                Flush();
            if (m_nUsed + n + 16 > m_nCap)
                Grow(std::max(m_nCap * 2, m_nUsed + n + 16));
        }
        return m_p + m_nUsed;
    }
    void Commit(char *pEnd) { m_nUsed = size_t(pEnd - m_p); }
    void Flush()
    {
        if (m_pStream)
            std::fwrite(m_p, 1, m_nUsed, m_pStream);
        m_nUsed = 0;
    }
    void Reserve(size_t n)
    {
        if (n > m_nCap)
            Grow(n);
    }
    std::string_view Text() const { return std::string_view(m_p, m_nUsed); }

private:
    void Grow(size_t n)
    {
        m_p = static_cast<char *>(std::realloc(m_p, n));
        if (!m_p)
            std::abort();
        m_nCap = n;
    }
    std::FILE *m_pStream; // null: keep everything in memory
    char *m_p = nullptr;
    size_t m_nCap = 0;
    size_t m_nUsed = 0;
};

inline bool IsBlank(char c) // white space that is not a line end
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// The line number as decimal text, counted up digit by digit; the digits
// end at m_digits + 32 and are copied 16 bytes at a time.
class LineNumber
{
public:
    LineNumber() { std::memset(m_digits, '0', sizeof m_digits); }
    void Next()
    {
        for (char *p = m_digits + 31;; --p) {
            if (*p != '9') {
                ++*p;
                m_nLength = std::max(m_nLength, size_t(m_digits + 32 - p));
                return;
            }
            *p = '0';
        }
    }
    char *Write(char *p) const
    {
        std::memcpy(p, m_digits + 32 - m_nLength, 16);
        return p + m_nLength;
    }

private:
    char m_digits[48];
    size_t m_nLength = 0;
};

struct Span
{
    const char *p;
    size_t n;
};

// The state of the line being cut, kept in locals while a block is scanned.
struct LineCut
{
    const char *pLine;  // where the line began
    const char *pFirst; // where its first value may begin, after blanks
    const char *pValue; // where the current value began
    size_t nValues;
    Span *pKept;
    size_t nKeep;
};

inline const char *SkipBlanks(const char *p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

class Splitter
{
public:
    Splitter(const Plan &plan, Output &out) : m_plan(plan), m_out(out), m_kept(size_t(plan.nHighest + 1))
    {
        for (const std::string &text : plan.after)
            m_nFixed += text.size() + 1;
    }

    // Converts a file; false when it cannot be read.
    bool Run(std::FILE *pFile)
    {
        std::setvbuf(pFile, nullptr, _IONBF, 0);
        std::vector<char> buffer(2 * kBlock + kPad);
        size_t nCarry = 0;
        for (;;) {
            if (nCarry + kBlock > buffer.size() - kPad)
                buffer.resize(nCarry + kBlock + kPad);
            const size_t nRead = std::fread(buffer.data() + nCarry, 1, kBlock, pFile);
            if (nRead < kBlock && std::ferror(pFile))
                return false;
            size_t nEnd = nCarry + nRead;
            const bool bLast = nRead == 0;
            if (bLast && nEnd > 0 && buffer[nEnd - 1] != '\n')
                buffer[nEnd++] = '\n'; // the last line, without its line end
            std::memset(buffer.data() + nEnd, 0, kPad);
            const size_t nDone = Block(buffer.data(), buffer.data() + nEnd);
            if (m_bStopped || bLast)
                return true;
            nCarry = nEnd - nDone;
            std::memmove(buffer.data(), buffer.data() + nDone, nCarry);
        }
    }
    size_t ShortLines() const { return m_nShort; }

private:
    // Handles the whole lines of [p, pEnd); returns the bytes they took.
    size_t Block(const char *p, const char *pEnd)
    {
        LineCut cut = StartLine(p);
#if defined(SPLITTER_AVX2)
        if (m_bAvx2)
            return BlockAvx2(cut, p, pEnd);
#endif
        for (const char *q = p; q < pEnd; ++q) {
            if ((*q == ',' || *q == '\n') && !Mark(cut, q, *q == '\n'))
                break;
        }
        return size_t(cut.pLine - p);
    }

#if defined(SPLITTER_AVX2)
    __attribute__((target("avx2"))) static std::uint64_t Mask(const char *p, char c)
    {
        const __m256i needle = _mm256_set1_epi8(c);
        const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
        const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + 32));
        return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(lo, needle)))
            | std::uint64_t(std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(hi, needle)))) << 32;
    }
    __attribute__((target("avx2"))) size_t BlockAvx2(LineCut cut, const char *p, const char *pEnd)
    {
        for (const char *q = p; q < pEnd; q += 64) {
            const std::uint64_t lineEnds = Mask(q, '\n');
            std::uint64_t marks = Mask(q, ',') | lineEnds;
            if (size_t(pEnd - q) < 64)
                marks &= (std::uint64_t(1) << (pEnd - q)) - 1;
            for (; marks; marks &= marks - 1) {
                const unsigned i = unsigned(__builtin_ctzll(marks));
                if (!Mark(cut, q + i, lineEnds >> i & 1))
                    return size_t(cut.pLine - p);
            }
        }
        return size_t(cut.pLine - p);
    }
    static bool HasAvx2()
    {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2");
    }
    const bool m_bAvx2 = HasAvx2();
#endif

    LineCut StartLine(const char *p)
    {
        const char *pFirst = SkipBlanks(p);
        return {p, pFirst, pFirst, 0, m_kept.data(), m_kept.size()};
    }
    // A comma or a line end at p; false when the reading ends there.
    __attribute__((always_inline)) bool Mark(LineCut &cut, const char *p, bool bLineEnd)
    {
        if (!bLineEnd) {
            Value(cut, p);
            cut.pValue = p + 1;
            return true;
        }
        const char *pEnd = p;
        while (pEnd > cut.pValue && IsBlank(pEnd[-1]))
            --pEnd;
        const bool bComma = cut.pValue != cut.pFirst;
        if (bComma)
            Value(cut, pEnd);
        if (!LineDone(cut.nValues, size_t(p - cut.pLine), bComma))
            return false;
        cut = StartLine(p + 1);
        return true;
    }
    static void Value(LineCut &cut, const char *pEnd)
    {
        if (pEnd == cut.pValue)
            return;
        if (cut.nValues < cut.nKeep)
            cut.pKept[cut.nValues] = {cut.pValue, size_t(pEnd - cut.pValue)};
        ++cut.nValues;
    }
    // A whole line: its record, unless it is short; false when it is not
    // CSV, which ends the reading.
    bool LineDone(size_t nValues, size_t nLength, bool bComma)
    {
        m_number.Next();
        if (!bComma) {
            m_bStopped = true;
            return false;
        }
        if (nValues < m_plan.nExpected || m_plan.nHighest >= int(nValues))
            ++m_nShort;
        else
            Record(nLength * m_plan.columns.size());
        return true;
    }
    // nValues bounds the bytes of the values the record takes.
    void Record(size_t nValues)
    {
        char *q = m_out.Room(nValues + m_nFixed + 24);
        const Span *const pKept = m_kept.data();
        const size_t nPieces = m_plan.columns.size();
        for (size_t i = 0; i < nPieces; ++i) {
            if (const int c = m_plan.columns[i]; c >= 0) {
                const Span v = pKept[c];
                if (v.n <= 16)
                    std::memcpy(q, v.p, 16);
                else
                    std::memcpy(q, v.p, v.n);
                q += v.n;
                *q++ = ',';
            }
            const std::string &after = m_plan.after[i];
            std::memcpy(q, after.data(), after.size());
            q += after.size();
        }
        if (m_plan.bLineNumbers) {
            q = m_number.Write(q);
            *q++ = ',';
        }
        *q++ = '\n';
        m_out.Commit(q);
    }

    const Plan &m_plan;
    Output &m_out;
    std::vector<Span> m_kept;
    size_t m_nFixed = 0;
    LineNumber m_number;
    size_t m_nShort = 0;
    bool m_bStopped = false;
};

} // namespace splitter

#endif
