// The callback object through which TarnIW hands its results to the host.
#ifndef TARNIW_IMPORTHOST_H
#define TARNIW_IMPORTHOST_H

#include "tarniw/TarnTypes.h"

// Implemented by the host; the module keeps only a pointer to it. The four
// operations keep this slot order, so the class has no virtual destructor.
class CImportHost
{
public:
    // One valid record of the Validation dialog. Non-zero: go on; zero: stop.
    virtual BOOL AcceptRecord(int nLine, CRecordMap *pRecord) = 0;
    // A data line whose value count does not match (line numbers start at 1).
    virtual void ReportLineError(int nLine, CString strLine, CString strMessage) = 0;
    // The values of one CSV line of a direct load. Non-zero: read on; zero: stop.
    virtual BOOL AcceptLineValues(CStringArray *pValues) = 0;
    // Every converted record, each ending with a line break.
    virtual void AcceptRecords(CString strRecords) = 0;

protected:
    ~CImportHost() = default;
};

#endif
