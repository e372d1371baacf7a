// What the fuzz targets share: an invariant check that holds in every build,
// the input cut into parts, a file in memory for the readers, and a host
// that checks each line reaches it at most once.
#ifndef TARNIW_FUZZ_FUZZSUPPORT_H
#define TARNIW_FUZZ_FUZZSUPPORT_H

#include "filevalues/core/CsvSplit.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Prompts.h"
#include "tarniw/ImportHost.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

#define FUZZ_CHECK(cond)                                                                             \
    do {                                                                                             \
        if (!(cond)) {                                                                               \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond);       \
            std::abort();                                                                            \
        }                                                                                            \
    } while (0)

// The input as parts separated by 0xFF bytes; parts past the last are empty.
class CFuzzParts
{
public:
    CFuzzParts(const uint8_t *data, size_t size) : m_rest(reinterpret_cast<const char *>(data), size) {}

    std::string Next()
    {
        const size_t end = m_rest.find('\xff');
        const std::string part(m_rest.substr(0, end));
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return part;
    }
    // The next part's first byte, 0 for an empty part.
    unsigned NextByte()
    {
        const std::string part = Next();
        return part.empty() ? 0 : static_cast<unsigned char>(part[0]);
    }

private:
    std::string_view m_rest;
};

// A regular file in memory; Path() opens it again through /proc.
class CMemoryFile
{
public:
    explicit CMemoryFile(const std::string &bytes) : m_fd(::memfd_create("fuzz", MFD_CLOEXEC))
    {
        FUZZ_CHECK(m_fd >= 0 && ::write(m_fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()));
        m_strPath.Format("/proc/self/fd/%d", m_fd);
    }
    ~CMemoryFile() { ::close(m_fd); }
    CMemoryFile(const CMemoryFile &) = delete;
    CMemoryFile &operator=(const CMemoryFile &) = delete;

    const CString &Path() const { return m_strPath; }

private:
    int m_fd;
    CString m_strPath;
};

// Takes every call of the module and checks that no line is reported twice
// and no record or line of values is handed over twice.
class CCheckingHost : public CImportHost
{
public:
    BOOL AcceptRecord(int nLine, CRecordMap *) override
    {
        FUZZ_CHECK(m_records.insert(nLine).second);
        return TRUE;
    }
    void ReportLineError(int nLine, CString, CString) override { FUZZ_CHECK(m_reported.insert(nLine).second); }
    BOOL AcceptLineValues(CStringArray *) override { return TRUE; }
    void AcceptRecords(CString strRecords) override
    {
        FUZZ_CHECK(!m_bRecords);
        m_bRecords = true;
        m_strRecords = strRecords;
    }

    std::set<int> m_reported;
    std::set<int> m_records;
    bool m_bRecords = false;
    CString m_strRecords;
};

// A records text with line numbers: one line per record, each value
// followed by ",", the line number last. Every record has nValues values
// before its number, numbers rise and none is a skipped line; the highest
// is nLastLine.
inline void CheckNumberedRecords(std::string_view records, size_t nValues, const CArray<int> &skipped, int nLastLine)
{
    const std::set<int> skippedSet(skipped.begin(), skipped.end());
    FUZZ_CHECK(skippedSet.size() == skipped.size());
    int nPrevious = 0;
    while (!records.empty()) {
        const size_t end = records.find('\n');
        FUZZ_CHECK(end != std::string_view::npos);
        const std::string_view line = records.substr(0, end);
        records.remove_prefix(end + 1);
        size_t nCommas = 0;
        for (char c : line)
            nCommas += c == ',';
        FUZZ_CHECK(nCommas == nValues + 1 && !line.empty() && line.back() == ',');
        const size_t start = line.find_last_of(',', line.size() - 2) + 1;
        const int nLine = std::atoi(std::string(line.substr(start)).c_str());
        FUZZ_CHECK(nLine > nPrevious && skippedSet.count(nLine) == 0);
        nPrevious = nLine;
    }
    FUZZ_CHECK(nPrevious == 0 || nPrevious == nLastLine);
}

// Runs fn(path) with each split path this processor has, in turn, then goes
// back to the widest: every path must give the same results.
template <class Fn>
void ForEachSplitPath(Fn fn)
{
    const std::vector<eSplitPath> paths = SplitPathsAvailable();
    for (const eSplitPath path : paths) {
        UseSplitPath(path);
        fn(path);
    }
    UseSplitPath(paths.back());
}

// Scripted prompts for one run, so that messages do not pile up.
class CFuzzPrompts
{
public:
    CFuzzPrompts() { SetPrompts(&prompts); }
    ~CFuzzPrompts() { SetPrompts(nullptr); }
    CScriptedPrompts prompts;
};

#endif
