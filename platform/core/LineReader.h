// Reading a file line by line, the way every reader of the module takes its
// files in: the C library's stdio on the file that OpenRegularFileToRead
// opens (its calls into the system are FileSystem_<system>.cpp's).
#ifndef TARNIW_PLATFORM_LINEREADER_H
#define TARNIW_PLATFORM_LINEREADER_H

#include "tarniw/TarnTypes.h"

#include <cstdio>
#include <memory>
#include <string_view>

// Opens a regular file to read in binary mode, once and without blocking:
// null when it cannot be opened or is not a regular file (a directory, a
// FIFO, a device, a socket, a pipe), so that nothing waits on a writer that
// never comes. errno then tells why (EISDIR for a directory, EINVAL for the
// others). nSize gets the file's size.
std::FILE *OpenRegularFileToRead(const CString &path, long long &nSize);

// Where CLineReader takes its bytes from: up to nBytes into pBuffer, fewer
// only at the end of the file. A read error sets bFailed. By default fread
// on the open file.
using LineReaderSource = size_t (*)(std::FILE *pFile, char *pBuffer, size_t nBytes, bool &bFailed);
// Tests put in a source that fails part-way, as a failing disk or network
// share does; null goes back to the default.
void SetLineReaderSource(LineReaderSource pfnSource);

// Reads a file line by line. A line is everything up to and including its
// '\n' (so CR LF ends a line as LF does; the CR stays in the line, and the
// line rule trims it), of any length up to kMaxLineLength. Lines may hold any
// byte, NUL included. The file is read in large blocks straight into the
// reader's own buffer (stdio's buffer is switched off, saving a copy); the
// buffer grows only as far as the longest line needs. A read error is never
// taken for the end of the file: reading stops and ReadFailed() says so.
class CLineReader
{
public:
    // The longest line handed out whole, its '\n' not counted.
    static constexpr size_t kMaxLineLength = size_t(16) << 20;

    CLineReader() = default;
    ~CLineReader() { Close(); }
    CLineReader(const CLineReader &) = delete;
    CLineReader &operator=(const CLineReader &) = delete;

    // Opens the file as OpenRegularFileToRead does (once, without blocking,
    // only a regular file); false, with errno set, when it cannot.
    bool Open(const CString &path);
    void Close();
    // Reads the rest of the file into memory at once, for an operation that
    // hands lines on as it goes: a read error then shows before the first
    // line is handed on. False after one.
    bool ReadToEnd();
    // Next line into strLine; false at the end of the file or after a read
    // error (ReadFailed() tells which).
    bool ReadLine(CString &strLine);
    // The same lines as a view into the reader's buffer, valid until the
    // next read.
    bool ReadLine(std::string_view &line);
    // Whether the line last read was longer than kMaxLineLength: the reader
    // read past its end and gave only its first kMaxLineLength bytes.
    bool LineTooLong() const { return m_bTooLong; }
    // Whether a read failed: no line is handed out after it.
    bool ReadFailed() const { return m_bFailed; }

    // For a reader that finds the line ends itself (the CSV readers do, while
    // they cut the line): the bytes read and not handed out yet. kPadding
    // more bytes may be read (not used) after them.
    std::string_view Pending() const
    {
        return std::string_view(m_pBuffer.get() + m_nPos, m_nEnd - m_nPos);
    }
    static constexpr size_t kPadding = 32;
    // Reads more after the pending bytes (which may move), while fewer than
    // kMaxLineLength are pending; false at the end of the file or after a
    // read error. A line longer than that is ReadLine's.
    bool ReadMore();
    // Hands out the next nLength pending bytes as a line.
    void Consume(size_t nLength)
    {
        m_nPos += nLength;
        m_nConsumed += (long long)nLength;
        m_bTooLong = false;
    }
    // Bytes consumed so far (for progress display).
    long long BytesRead() const { return m_nConsumed; }
    long long FileSize() const { return m_nSize; }

private:
    // Takes over a file just opened; nSize is its size at opening.
    void Attach(std::FILE *pFile, long long nSize);
    // Hands out the next nLength bytes as a line.
    bool TakeLine(std::string_view &line, size_t nLength);
    void MoveToFront();
    // Moves the bytes not yet handed out to the front, grows the buffer when
    // they fill it (up to nMaxCapacity), and reads behind them.
    void Refill(size_t nMaxCapacity);
    // One read into the free end of the buffer.
    void Fill();
    void Grow(size_t nCapacity);
    // The line at the front is longer than kMaxLineLength and its end not
    // read yet: keeps its first kMaxLineLength bytes and reads past the rest.
    bool SkipLongLine(std::string_view &line);

    std::FILE *m_pFile = nullptr;
    std::unique_ptr<char[]> m_pBuffer; // m_nCapacity bytes and kPadding more
    size_t m_nCapacity = 0;
    size_t m_nPos = 0;
    size_t m_nEnd = 0;
    long long m_nConsumed = 0;
    long long m_nSize = 0;
    bool m_bTooLong = false;
    bool m_bAtEnd = false; // no more bytes will come: end of file or a failed read
    bool m_bFailed = false;
};

#endif
