#include "platform/core/LineReader.h"

#include <algorithm>
#include <cstring>

namespace {
// One read's size, the buffer's first size and how far past the longest line
// it grows.
constexpr size_t kReadBlock = size_t(1) << 17;

size_t ReadFromFile(std::FILE *pFile, char *pBuffer, size_t nBytes, bool &bFailed)
{
    const size_t nRead = std::fread(pBuffer, 1, nBytes, pFile);
    if (nRead < nBytes && std::ferror(pFile))
        bFailed = true;
    return nRead;
}

LineReaderSource g_pfnSource = ReadFromFile;
}

void SetLineReaderSource(LineReaderSource pfnSource)
{
    g_pfnSource = pfnSource ? pfnSource : ReadFromFile;
}

bool CLineReader::Open(const CString &path)
{
    Close();
    long long nSize = 0;
    std::FILE *pFile = OpenRegularFileToRead(path, nSize);
    if (!pFile)
        return false;
    Attach(pFile, nSize);
    return true;
}

void CLineReader::Attach(std::FILE *pFile, long long nSize)
{
    m_pFile = pFile;
    // Unbuffered, a large read goes straight into the reader's buffer.
    std::setvbuf(m_pFile, nullptr, _IONBF, 0);
    m_nSize = nSize;
    m_nPos = m_nEnd = 0;
    if (m_nCapacity < kReadBlock)
        Grow(kReadBlock);
    m_nConsumed = 0;
    m_bTooLong = m_bAtEnd = m_bFailed = false;
}

void CLineReader::Close()
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
}

void CLineReader::Grow(size_t nCapacity)
{
    // Reads a little past the pending bytes stay inside the buffer.
    std::unique_ptr<char[]> pBuffer(new char[nCapacity + kPadding]);
    std::memset(pBuffer.get() + nCapacity, 0, kPadding);
    if (m_nEnd > m_nPos)
        std::memcpy(pBuffer.get(), m_pBuffer.get() + m_nPos, m_nEnd - m_nPos);
    m_nEnd -= m_nPos;
    m_nPos = 0;
    m_pBuffer = std::move(pBuffer);
    m_nCapacity = nCapacity;
}

void CLineReader::Fill()
{
    if (!m_pFile) {
        m_bAtEnd = true;
        return;
    }
    const size_t nRead = g_pfnSource(m_pFile, m_pBuffer.get() + m_nEnd, m_nCapacity - m_nEnd, m_bFailed);
    m_nEnd += nRead;
    m_bAtEnd = nRead == 0 || m_bFailed;
}

void CLineReader::MoveToFront()
{
    if (m_nPos > 0) {
        std::memmove(m_pBuffer.get(), m_pBuffer.get() + m_nPos, m_nEnd - m_nPos);
        m_nEnd -= m_nPos;
        m_nPos = 0;
    }
}

void CLineReader::Refill(size_t nMaxCapacity)
{
    MoveToFront();
    if (m_nEnd == m_nCapacity)
        Grow(std::min(m_nCapacity * 2, nMaxCapacity));
    Fill();
}

bool CLineReader::ReadToEnd()
{
    const long long nLeft = m_nSize - m_nConsumed - (long long)(m_nEnd - m_nPos);
    // One byte more than the file holds, so that the end shows in one read.
    if (nLeft > 0 && size_t(nLeft) + 1 > m_nCapacity - m_nEnd)
        Grow(m_nEnd - m_nPos + size_t(nLeft) + 1);
    while (!m_bAtEnd) {
        if (m_nEnd == m_nCapacity)
            Grow(m_nCapacity * 2);
        Fill();
    }
    return !m_bFailed;
}

bool CLineReader::TakeLine(std::string_view &line, size_t nLength)
{
    const char *pStart = m_pBuffer.get() + m_nPos;
    m_bTooLong = nLength - (pStart[nLength - 1] == '\n' ? 1 : 0) > kMaxLineLength;
    line = std::string_view(pStart, m_bTooLong ? kMaxLineLength : nLength);
    m_nPos += nLength;
    m_nConsumed += (long long)nLength;
    return true;
}

bool CLineReader::SkipLongLine(std::string_view &line)
{
    MoveToFront();
    // What follows its first kMaxLineLength bytes is read and dropped until
    // the line ends.
    char *const pKept = m_pBuffer.get() + kMaxLineLength;
    for (;;) {
        if (const void *nl = std::memchr(pKept, '\n', m_nEnd - kMaxLineLength)) {
            m_nPos = size_t(static_cast<const char *>(nl) - m_pBuffer.get()) + 1;
            m_nConsumed += (long long)m_nPos;
            break;
        }
        m_nConsumed += (long long)(m_nEnd - kMaxLineLength);
        m_nEnd = kMaxLineLength;
        if (m_bAtEnd) {
            m_nPos = m_nEnd;
            m_nConsumed += (long long)kMaxLineLength;
            break;
        }
        Fill();
        if (m_bFailed)
            return false;
    }
    m_bTooLong = true;
    line = std::string_view(m_pBuffer.get(), kMaxLineLength);
    return true;
}

bool CLineReader::ReadLine(std::string_view &line)
{
    m_bTooLong = false;
    if (!m_pFile)
        return false;
    size_t nSearched = 0; // bytes of this line known to hold no '\n'
    while (!m_bFailed) {
        const char *pStart = m_pBuffer.get() + m_nPos;
        const size_t nPending = m_nEnd - m_nPos;
        if (const void *nl = std::memchr(pStart + nSearched, '\n', nPending - nSearched))
            return TakeLine(line, size_t(static_cast<const char *>(nl) - pStart) + 1);
        nSearched = nPending;
        if (m_bAtEnd) // the last line, without a line end
            return nPending > 0 && TakeLine(line, nPending);
        if (nPending > kMaxLineLength)
            return SkipLongLine(line);
        Refill(kMaxLineLength + kReadBlock);
    }
    return false;
}

bool CLineReader::ReadMore()
{
    const size_t nPending = m_nEnd - m_nPos;
    if (!m_pFile || m_bAtEnd || nPending > kMaxLineLength)
        return false;
    Refill(kMaxLineLength + kReadBlock);
    return m_nEnd - m_nPos > nPending && !m_bFailed;
}

bool CLineReader::ReadLine(CString &strLine)
{
    std::string_view line;
    if (!ReadLine(line)) {
        strLine.clear();
        return false;
    }
    strLine.assign(line);
    return true;
}
