#include "filevalues/core/CsvReaders.h"

#include "platform/core/Prompts.h"

void ReportLine(CImportHost *pHost, int nLine, std::string_view line, const char *message)
{
    if (pHost)
        pHost->ReportLineError(nLine, CString(line), CString(message));
}

namespace {
// The next line cut straight out of the reader's pending bytes; false when
// they hold no whole line of at most CLineReader::kMaxLineLength bytes.
bool CutPendingLine(CLineReader &reader, CCsvLine &line, sCsvCut &cut)
{
    const std::string_view pending = reader.Pending();
    const char *const pEnd = pending.data() + pending.size();
    cut = line.Cut(pending.data(), pEnd);
    const size_t nLength = size_t(cut.pEnd - pending.data());
    if (cut.pEnd == pEnd || nLength > CLineReader::kMaxLineLength)
        return false;
    reader.Consume(nLength + 1);
    return true;
}
}

void ReportNotCsv(CImportHost *pHost, int nLine, std::string_view line)
{
    ReportLine(pHost, nLine, line, kNotCsvFormat);
    AfxMessageBox(kNotCsvFormat);
}

eCsvLine ReadCsvLine(CLineReader &reader, CImportHost *pHost, CCsvLine &line)
{
    sCsvCut cut;
    bool bCut = CutPendingLine(reader, line, cut);
    while (!bCut && reader.ReadMore())
        bCut = CutPendingLine(reader, line, cut);
    if (!bCut) {
        // The last line without a line end, a line too long to keep, the
        // end of the file or a read error: the reader knows them.
        std::string_view raw;
        line.ClearValues();
        if (!reader.ReadLine(raw))
            return reader.ReadFailed() ? eCsvLine::ReadFailed : eCsvLine::End;
        if (reader.LineTooLong()) {
            ++line.nLine;
            line.text = TrimCsvLine(raw.substr(0, kLongLineShown));
            ReportLine(pHost, line.nLine, line.text, kLineTooLong);
            return eCsvLine::TooLong;
        }
        cut = line.Cut(raw.data(), raw.data() + raw.size());
    }
    ++line.nLine;
    if (cut.nValues == kNoComma) {
        ReportNotCsv(pHost, line.nLine, line.text);
        return eCsvLine::NotCsv;
    }
    return eCsvLine::Values;
}

bool HandLineValuesToHost(CLineReader &reader, CImportHost &host)
{
    if (!reader.ReadToEnd())
        return false;
    CCsvLine line;
    CStringArray values;
    for (;;) {
        switch (ReadCsvLine(reader, &host, line)) {
        case eCsvLine::Values:
            if (line.empty())
                break;
            AssignValues(values, line);
            if (!host.AcceptLineValues(&values))
                return true;
            break;
        case eCsvLine::TooLong:
            break;
        case eCsvLine::NotCsv:
        case eCsvLine::End:
            return true;
        case eCsvLine::ReadFailed:
            return false;
        }
    }
}
