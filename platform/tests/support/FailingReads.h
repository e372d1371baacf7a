// Reads of every CLineReader that fail once a number of bytes has been read
// (a read that would go past them fails), as a failing disk or network share
// makes them, for the life of a test.
#ifndef TARNIW_TESTS_FAILINGREADS_H
#define TARNIW_TESTS_FAILINGREADS_H

#include "platform/core/LineReader.h"

#include <algorithm>

class CFailingReads
{
public:
    explicit CFailingReads(size_t nBytesBeforeFailing)
    {
        BytesLeft() = nBytesBeforeFailing;
        SetLineReaderSource(Read);
    }
    ~CFailingReads() { SetLineReaderSource(nullptr); }
    CFailingReads(const CFailingReads &) = delete;
    CFailingReads &operator=(const CFailingReads &) = delete;

private:
    static size_t &BytesLeft()
    {
        static size_t nLeft = 0;
        return nLeft;
    }
    static size_t Read(std::FILE *pFile, char *pBuffer, size_t nBytes, bool &bFailed)
    {
        const size_t nRead = std::fread(pBuffer, 1, nBytes, pFile);
        const size_t nGiven = std::min(nRead, BytesLeft());
        BytesLeft() -= nGiven;
        bFailed = nGiven < nRead;
        return nGiven;
    }
};

#endif
