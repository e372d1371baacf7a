#include "filevalues/core/CsvReaders.h"

#include "platform/core/Prompts.h"

void ReportLine(CImportHost *pHost, int nLine, std::string_view line, const char *message)
{
    if (pHost)
        pHost->ReportLineError(nLine, CString(line), CString(message));
}

eCsvLine ReadCsvLine(CLineReader &reader, CImportHost *pHost, int &nLine, CCsvValues &values,
                     std::string_view &line)
{
    std::string_view raw;
    if (!reader.ReadLine(raw))
        return eCsvLine::End;
    ++nLine;
    if (reader.LineTooLong()) {
        line = TrimCsvLine(raw.substr(0, kLongLineShown));
        ReportLine(pHost, nLine, line, kLineTooLong);
        return eCsvLine::TooLong;
    }
    line = TrimCsvLine(raw);
    if (!SplitCsvLine(raw, values)) {
        ReportLine(pHost, nLine, line, kNotCsvFormat);
        AfxMessageBox(kNotCsvFormat);
        return eCsvLine::NotCsv;
    }
    return eCsvLine::Values;
}

void HandLineValuesToHost(CLineReader &reader, CImportHost &host)
{
    int nLine = 0;
    std::string_view line;
    CCsvValues views;
    CStringArray values;
    for (;;) {
        switch (ReadCsvLine(reader, &host, nLine, views, line)) {
        case eCsvLine::Values:
            if (views.empty())
                break;
            AssignValues(values, views);
            if (!host.AcceptLineValues(&values))
                return;
            break;
        case eCsvLine::TooLong:
            break;
        case eCsvLine::NotCsv:
        case eCsvLine::End:
            return;
        }
    }
}
