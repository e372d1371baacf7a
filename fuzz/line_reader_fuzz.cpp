// The line reader and the line rule: the lines give the file back byte for
// byte, in both read forms, and a line's values are never empty, never hold
// a comma and are the trimmed line without its commas. The CSV readers,
// which cut lines straight out of the reader's buffer, see the same lines
// and values on every split path.
#include "FuzzSupport.h"

#include "filevalues/core/CsvReaders.h"

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

// A line as the CSV readers take it.
struct CCsvRead
{
    eCsvLine read;
    std::string text;
    size_t nValues;
    std::vector<std::string> values; // those kept
    bool operator==(const CCsvRead &other) const
    {
        return read == other.read && text == other.text && nValues == other.nValues && values == other.values;
    }
};

// Every line as the CSV readers take it, up to one that is not CSV.
std::vector<CCsvRead> CsvLines(const CString &path, size_t nKeep)
{
    CFuzzPrompts prompts;
    CLineReader reader;
    FUZZ_CHECK(reader.Open(path));
    std::vector<CCsvRead> lines;
    CCsvLine line;
    line.nKeep = nKeep;
    eCsvLine read;
    while ((read = ReadCsvLine(reader, nullptr, line)) != eCsvLine::End) {
        FUZZ_CHECK(line.size() == std::min(line.nValues, nKeep));
        lines.push_back({read, std::string(line.text), line.nValues, {line.begin(), line.end()}});
        if (read == eCsvLine::NotCsv)
            break;
    }
    return lines;
}

// The CSV readers' lines, keeping all values or a few, are those the line
// rule gives each line read whole, on every path.
void CheckCsvLines(const CString &path, const std::vector<std::string> &lines)
{
    for (const size_t nKeep : {size_t(-1), size_t(3)}) {
        std::vector<CCsvRead> expected;
        for (const std::string &whole : lines) {
            CCsvValues values;
            const bool bCsv = SplitCsvLine(whole, values);
            expected.push_back({bCsv ? eCsvLine::Values : eCsvLine::NotCsv, std::string(TrimCsvLine(whole)),
                                values.size(), {values.begin(), values.begin() + std::min(values.size(), nKeep)}});
            if (!bCsv)
                break;
        }
        ForEachSplitPath([&](eSplitPath) { FUZZ_CHECK(CsvLines(path, nKeep) == expected); });
    }
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
    }
    FUZZ_CHECK(whole == bytes);
    ForEachSplitPath([&](eSplitPath) {
        for (const std::string &line : copied)
            CheckLineRule(line);
    });
    CheckCsvLines(file.Path(), copied);
    return 0;
}
