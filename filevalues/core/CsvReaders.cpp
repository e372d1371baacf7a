#include "filevalues/core/CsvReaders.h"

#include "filevalues/core/CsvLine.h"

void HandLineValuesToHost(CLineReader &reader, CImportHost &host)
{
    std::string_view line;
    CCsvValues views;
    CStringArray values;
    while (reader.ReadLine(line)) {
        if (!SplitCsvLine(line, views))
            return;
        if (views.empty())
            continue;
        AssignValues(values, views);
        if (!host.AcceptLineValues(&values))
            return;
    }
}
