// The demo's callback object: it writes every call of the module to the log
// and keeps the last records it accepted, with its verdicts on them.
#ifndef TARNIW_DEMO_CDEMOHOST_H
#define TARNIW_DEMO_CDEMOHOST_H

#include "DemoClasses.h"
#include "tarniw/ImportHost.h"

#include <QString>

#include <functional>

class CDemoHost : public CImportHost
{
public:
    using Logger = std::function<void(const QString &)>;

    explicit CDemoHost(Logger logger) : m_log(std::move(logger)) {}

    // The class whose rules judge the records from now on.
    void SetClass(const sDemoClass &cls) { m_pClass = &cls; }

    BOOL AcceptRecord(int nLine, CRecordMap *pRecord) override;
    void ReportLineError(int nLine, CString strLine, CString strMessage) override;
    BOOL AcceptLineValues(CStringArray *pValues) override;
    void AcceptRecords(CString strRecords) override;

    const CString &LastRecords() const { return m_strLastRecords; }
    CVerdictMap &Verdicts() { return m_verdicts; }

    // Bytes as the demo shows them: UTF-8 when valid, else Latin-1.
    static QString Show(const CString &bytes);

private:
    Logger m_log;
    const sDemoClass *m_pClass = nullptr;
    CString m_strLastRecords;
    CVerdictMap m_verdicts;
};

#endif
