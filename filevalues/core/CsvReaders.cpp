#include "filevalues/core/CsvReaders.h"

#include "platform/core/Prompts.h"

void ReportLine(CImportHost *pHost, int nLine, std::string_view line, const char *message)
{
    if (pHost)
        pHost->ReportLineError(nLine, CString(line), CString(message));
}

eCsvLine ReadCsvLine(CLineReader &reader, CImportHost *pHost, CCsvLine &line)
{
    std::string_view raw;
    if (!reader.ReadLine(raw))
        return reader.ReadFailed() ? eCsvLine::ReadFailed : eCsvLine::End;
    ++line.nLine;
    if (reader.LineTooLong()) {
        line.text = TrimCsvLine(raw.substr(0, kLongLineShown));
        ReportLine(pHost, line.nLine, line.text, kLineTooLong);
        return eCsvLine::TooLong;
    }
    line.text = TrimCsvLine(raw);
    line.nValues = CutCsvValues(line.text, line.values, line.nKeep);
    if (line.nValues == kNoComma) {
        line.nValues = 0;
        ReportLine(pHost, line.nLine, line.text, kNotCsvFormat);
        AfxMessageBox(kNotCsvFormat);
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
            if (line.values.empty())
                break;
            AssignValues(values, line.values);
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
