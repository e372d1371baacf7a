// Building the records text of a whole file in one string.
#ifndef TARNIW_FILEVALUES_RECORDSTEXT_H
#define TARNIW_FILEVALUES_RECORDSTEXT_H

#include <string>

// Writes records straight into room made at the end of a text, with one
// check of the room per record instead of one per value. The text's size
// runs ahead of what is written (the room, filled with zeros a block at a
// time while it is in the cache); Finish, or the destructor, cuts it back.
class CRecordsWriter
{
public:
    // Lines after which the text is reserved for the whole file.
    static constexpr int kSampleLines = 4096;

    // Empties the text.
    explicit CRecordsWriter(std::string &text);
    ~CRecordsWriter() { Finish(); }
    CRecordsWriter(const CRecordsWriter &) = delete;
    CRecordsWriter &operator=(const CRecordsWriter &) = delete;

    // Where at least nBytes may be written next.
    char *Room(size_t nBytes)
    {
        if (m_nWritten + nBytes > m_text.size())
            MakeRoom(nBytes);
        return &m_text[m_nWritten];
    }
    // What was written up to pEnd belongs to the text.
    void Commit(const char *pEnd) { m_nWritten = size_t(pEnd - m_text.data()); }
    size_t Size() const { return m_nWritten; }
    // Reserves room for the whole file at the rate of output to input seen
    // in the first nLines lines, with room to spare for longer line numbers,
    // so the text never copies itself. Reserved pages cost no memory until
    // written.
    void ReserveForWholeFile(int nLines, long long bytesRead, long long fileSize);
    // The text holds what was written, nothing more.
    void Finish() { m_text.resize(m_nWritten); }
    // Nothing written stays.
    void Discard()
    {
        m_nWritten = 0;
        m_text.clear();
    }

private:
    void MakeRoom(size_t nBytes);

    std::string &m_text;
    size_t m_nWritten = 0;
};

// A line number in decimal followed by ",", for numbers that mostly grow
// by one: the digits are counted up in place, and written in one 16-byte
// copy (the room after them takes the rest).
class CLineNumberText
{
public:
    // The most Write writes, and the room it needs after it.
    static constexpr size_t kRoom = 11 + 16;

    CLineNumberText() { Set(0); }
    // Makes the text nLine's.
    void Set(int nLine)
    {
        if (nLine == m_nLine + 1 && nLine > 0)
            Next();
        else
            Assign(nLine);
    }
    char *Write(char *p) const;

private:
    void Next();
    void Assign(int nLine);

    static constexpr size_t kEnd = 24; // the digits end here
    char m_digits[kEnd + 16];
    size_t m_nLength = 0;
    int m_nLine = 0;
};

#endif
