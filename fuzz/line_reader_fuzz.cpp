// The line reader and the line rule: the lines give the file back byte for
// byte, in both read forms, and a line's values are never empty, never hold
// a comma and are the trimmed line without its commas.
#include "FuzzSupport.h"

#include "filevalues/core/CsvLine.h"

namespace {
template <class Line>
std::vector<std::string> Lines(const CString &path, long long &nConsumed)
{
    CLineReader reader;
    FUZZ_CHECK(reader.Open(path));
    std::vector<std::string> lines;
    Line line;
    while (reader.ReadLine(line))
        lines.emplace_back(line);
    nConsumed = reader.BytesRead();
    return lines;
}

void CheckLineRule(const std::string &line)
{
    CCsvValues views;
    CStringArray values;
    const bool bCsv = SplitCsvLine(line, views);
    FUZZ_CHECK(bool(SplitCsvLine(CString(line), values)) == bCsv);
    FUZZ_CHECK(bCsv == (line.find(',') != std::string::npos));
    if (!bCsv)
        return;
    FUZZ_CHECK(values.size() == views.size());
    std::string joined;
    for (size_t i = 0; i < views.size(); ++i) {
        FUZZ_CHECK(!views[i].empty() && views[i].find(',') == std::string_view::npos);
        FUZZ_CHECK(views[i] == values[i]);
        joined.append(views[i]);
    }
    std::string withoutCommas;
    for (char c : TrimCsvLine(line))
        if (c != ',')
            withoutCommas.push_back(c);
    FUZZ_CHECK(joined == withoutCommas);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    CMemoryFile file(bytes);
    long long nCopied = 0, nViewed = 0;
    const std::vector<std::string> copied = Lines<CString>(file.Path(), nCopied);
    const std::vector<std::string> viewed = Lines<std::string_view>(file.Path(), nViewed);
    FUZZ_CHECK(copied == viewed);
    FUZZ_CHECK(nCopied == (long long)size && nViewed == (long long)size);
    std::string whole;
    for (const std::string &line : copied) {
        FUZZ_CHECK(!line.empty());
        const size_t nl = line.find('\n');
        FUZZ_CHECK(nl == std::string::npos || nl == line.size() - 1);
        whole += line;
        CheckLineRule(line);
    }
    FUZZ_CHECK(whole == bytes);
    return 0;
}
