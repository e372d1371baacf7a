// The template readers and the import through a saved template: entries are
// never empty and never hold a comma, the field order names one field per
// value of a record, and each data line becomes at most one record.
#include "FuzzSupport.h"

#include "wizard/core/SavedTemplateImport.h"
#include "wizard/core/TemplateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    CMemoryFile templateFile(parts.Next());
    CMemoryFile dataFile(parts.Next());
    CFuzzPrompts prompts;

    CLineReader reader;
    FUZZ_CHECK(reader.Open(templateFile.Path()));
    CStringArray entries;
    ReadTemplateEntries(reader, entries, "read failed");
    for (const CString &entry : entries)
        FUZZ_CHECK(!entry.IsEmpty() && entry.Find(',') < 0);

    FUZZ_CHECK(reader.Open(templateFile.Path()));
    CSavedTemplate tpl;
    if (!ReadSavedTemplate(reader, tpl, "read failed"))
        return 0;
    size_t nMapped = 0;
    for (const CString &column : tpl.arrColumns)
        nMapped += column != " ";
    FUZZ_CHECK(tpl.arrConstNames.size() == tpl.arrConstValues.size());
    FUZZ_CHECK(tpl.arrFieldOrder.size() == nMapped + tpl.arrConstNames.size());

    FUZZ_CHECK(reader.Open(dataFile.Path()));
    CCheckingHost host;
    CString records, errors;
    CArray<int> errorLines;
    int nLastLine = 0;
    CConversionBookkeeping keep{errors, errorLines, nLastLine};
    if (ConvertRecordLines(reader, PlanTemplateRecords(tpl), &host, keep, records) != eConversion::Converted)
        return 0;
    CheckNumberedRecords(records, tpl.arrFieldOrder.size(), errorLines, nLastLine);
    for (int nLine : errorLines)
        FUZZ_CHECK(host.m_reported.count(nLine) == 1);
    return 0;
}
