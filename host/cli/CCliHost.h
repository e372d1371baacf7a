// The command-line host's callback object: records and values go to
// stdout, line problems to stderr as "line N: <message>: <line>".
#ifndef TARNIW_HOST_CCLIHOST_H
#define TARNIW_HOST_CCLIHOST_H

#include "tarniw/ImportHost.h"

#include <cstdio>
#include <string>

class CCliHost : public CImportHost
{
public:
    CCliHost(std::FILE *out, std::FILE *err) : m_out(out), m_err(err) {}
    ~CCliHost() { Flush(); }
    CCliHost(const CCliHost &) = delete;
    CCliHost &operator=(const CCliHost &) = delete;

    BOOL AcceptRecord(int nLine, CRecordMap *pRecord) override;
    void ReportLineError(int nLine, CString strLine, CString strMessage) override;
    BOOL AcceptLineValues(CStringArray *pValues) override;
    void AcceptRecords(CString strRecords) override;

    void Flush();

private:
    void Write(std::FILE *file, std::string &buffer);

    std::FILE *m_out;
    std::FILE *m_err;
    std::string m_outBuffer;
    std::string m_errBuffer;
};

#endif
