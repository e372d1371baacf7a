#include "filevalues/core/RecordsText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {
// How far the room grows at a time: small enough to stay in the cache while
// it is zeroed and then written.
constexpr size_t kRoomStep = size_t(64) << 10;
}

CRecordsWriter::CRecordsWriter(std::string &text)
    : m_text(text)
{
    m_text.clear();
}

void CRecordsWriter::MakeRoom(size_t nBytes)
{
    const size_t nSize = m_nWritten + std::max(nBytes, kRoomStep);
    if (nSize > m_text.capacity())
        m_text.reserve(std::max(nSize, m_text.capacity() * 2));
    m_text.resize(nSize);
}

void CRecordsWriter::ReserveForWholeFile(int nLines, long long bytesRead, long long fileSize)
{
    if (bytesRead <= 0 || fileSize <= bytesRead)
        return;
    const double scale = double(fileSize) / double(bytesRead);
    const double lines = double(nLines) * scale;
    const double whole = double(m_nWritten) * scale * 1.25 + lines * 12.0 + 65536.0;
    if (whole > double(m_text.capacity()))
        m_text.reserve(size_t(whole));
}

void CLineNumberText::Assign(int nLine)
{
    char digits[16];
    const char *const pEnd = std::to_chars(digits, digits + sizeof digits, nLine).ptr;
    m_nLength = size_t(pEnd - digits);
    std::memset(m_digits, '0', sizeof m_digits);
    std::memcpy(m_digits + kEnd - m_nLength, digits, m_nLength);
    m_digits[kEnd] = ',';
    m_nLine = nLine;
}

void CLineNumberText::Next()
{
    ++m_nLine;
    char *p = m_digits + kEnd - 1;
    while (*p == '9')
        *p-- = '0';
    ++*p;
    m_nLength = std::max(m_nLength, size_t(m_digits + kEnd - p));
}

char *CLineNumberText::Write(char *p) const
{
    std::memcpy(p, m_digits + kEnd - m_nLength, 16);
    return p + m_nLength + 1;
}
