// A conversion run for the fuzz targets: one file by one plan, with a host
// of its own that checks each line is reported at most once.
#ifndef TARNIW_FUZZ_FUZZCONVERSION_H
#define TARNIW_FUZZ_FUZZCONVERSION_H

#include "FuzzSupport.h"

#include "filevalues/core/RecordConversion.h"

struct CFuzzConversion
{
    CFuzzConversion(const CString &path, const CRecordPlan &plan)
    {
        CLineReader reader;
        FUZZ_CHECK(reader.Open(path));
        sConversionBookkeeping keep{strErrors, arrErrorLines, nLastLine};
        result = ConvertRecordLines(reader, plan, &host, keep, strRecords);
        // A skipped line is always reported to the host.
        for (int nLine : arrErrorLines)
            FUZZ_CHECK(host.m_reported.count(nLine) == 1);
    }
    bool SameAs(const CFuzzConversion &other) const
    {
        return result == other.result && strRecords == other.strRecords && strErrors == other.strErrors
            && arrErrorLines == other.arrErrorLines && nLastLine == other.nLastLine
            && host.m_reported == other.host.m_reported;
    }

    CCheckingHost host;
    CString strRecords;
    CString strErrors;
    CArray<int> arrErrorLines;
    int nLastLine = 0;
    eConversion result = eConversion::Abandoned;
};

#endif
