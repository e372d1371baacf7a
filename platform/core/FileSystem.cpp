#include "platform/core/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
CString g_strExePath;
}

CString GetHostExecutablePath()
{
    if (!g_strExePath.IsEmpty())
        return g_strExePath;
    const char *pszEnv = std::getenv("TARNIW_HOST_EXE");
    return pszEnv && *pszEnv ? CString(pszEnv) : ProcessExecutablePath();
}

void SetHostExecutablePath(const CString &path)
{
    g_strExePath = path;
}

bool ReadWholeFile(const CString &path, std::string &bytes)
{
    bytes.clear();
    long long nSize = 0;
    std::FILE *file = OpenRegularFileToRead(path, nSize);
    if (!file)
        return false;
    bytes.reserve(size_t(nSize));
    char buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0)
        bytes.append(buf, n);
    const bool ok = !std::ferror(file);
    const int err = ok ? 0 : (errno ? errno : EIO);
    std::fclose(file);
    errno = err;
    return ok;
}

bool CLineReader::Open(const CString &path)
{
    Close();
    m_pFile = OpenRegularFileToRead(path, m_nSize);
    if (!m_pFile)
        return false;
    m_buffer.resize(1 << 17);
    m_nPos = m_nEnd = 0;
    m_nConsumed = 0;
    return true;
}

void CLineReader::Close()
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
}

namespace {
// The read buffer's first size, and how far past the longest line it grows.
constexpr size_t kReadChunk = size_t(1) << 17;
}

bool CLineReader::ReadMore()
{
    const size_t nPending = m_nEnd - m_nPos;
    if (m_nPos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_nPos, nPending);
        m_nPos = 0;
        m_nEnd = nPending;
    }
    if (m_nEnd == m_buffer.size())
        m_buffer.resize(std::min(std::max(m_buffer.size() * 2, kReadChunk), kMaxLineLength + kReadChunk));
    const size_t nRead = std::fread(m_buffer.data() + m_nEnd, 1, m_buffer.size() - m_nEnd, m_pFile);
    m_nEnd += nRead;
    return nRead > 0;
}

void CLineReader::SkipRestOfLine()
{
    char *const pKept = m_buffer.data() + kMaxLineLength;
    for (;;) {
        if (const void *nl = std::memchr(pKept, '\n', m_nEnd - kMaxLineLength)) {
            m_nPos = size_t(static_cast<const char *>(nl) - m_buffer.data()) + 1;
            m_nConsumed += (long long)m_nPos;
            return;
        }
        m_nConsumed += (long long)(m_nEnd - kMaxLineLength);
        m_nEnd = kMaxLineLength;
        const size_t nRead = std::fread(pKept, 1, m_buffer.size() - kMaxLineLength, m_pFile);
        m_nEnd += nRead;
        if (nRead == 0) {
            m_nPos = m_nEnd;
            m_nConsumed += (long long)kMaxLineLength;
            return;
        }
    }
}

bool CLineReader::ReadLine(std::string_view &line)
{
    m_bTooLong = false;
    if (!m_pFile)
        return false;
    size_t nSearched = 0; // bytes of this line known to hold no '\n'
    for (;;) {
        const char *start = m_buffer.data() + m_nPos;
        const size_t nPending = m_nEnd - m_nPos;
        if (const void *nl = std::memchr(start + nSearched, '\n', nPending - nSearched)) {
            const size_t nLength = size_t(static_cast<const char *>(nl) - start) + 1;
            m_bTooLong = nLength - 1 > kMaxLineLength;
            line = std::string_view(start, m_bTooLong ? kMaxLineLength : nLength);
            m_nPos += nLength;
            m_nConsumed += (long long)nLength;
            return true;
        }
        nSearched = nPending;
        if (nPending > kMaxLineLength) {
            // The front of the buffer holds the line's first bytes now.
            ReadMore();
            SkipRestOfLine();
            m_bTooLong = true;
            line = std::string_view(m_buffer.data(), kMaxLineLength);
            return true;
        }
        if (!ReadMore()) {
            if (nPending == 0)
                return false;
            // The last line, without a line end.
            line = std::string_view(m_buffer.data() + m_nPos, nPending);
            m_nPos = m_nEnd;
            m_nConsumed += (long long)nPending;
            return true;
        }
    }
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
