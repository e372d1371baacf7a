// The template readers and the import through a saved template: entries are
// never empty and never hold a comma, the field order names one field per
// value of a record, and each data line becomes at most one record.
#include "FuzzConversion.h"

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
    sSavedTemplate tpl;
    if (!ReadSavedTemplate(reader, tpl, "read failed"))
        return 0;
    size_t nMapped = 0;
    for (const CString &column : tpl.arrColumns)
        nMapped += column != " ";
    FUZZ_CHECK(tpl.arrConstNames.size() == tpl.arrConstValues.size());
    FUZZ_CHECK(tpl.arrFieldOrder.size() == nMapped + tpl.arrConstNames.size());

    const CFuzzConversion run(dataFile.Path(), PlanTemplateRecords(tpl));
    if (run.result == eConversion::Converted)
        CheckNumberedRecords(run.strRecords, tpl.arrFieldOrder.size(), run.arrErrorLines, run.nLastLine);
    return 0;
}
