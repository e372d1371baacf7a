// A host that writes down every call the module makes, in order, as text.
#ifndef TARNIW_TESTS_RECORDINGHOST_H
#define TARNIW_TESTS_RECORDINGHOST_H

#include "tarniw/ImportHost.h"

#include <string>
#include <vector>

class CRecordingHost : public CImportHost
{
public:
    // Tests own their hosts and may delete them through this class.
    virtual ~CRecordingHost() = default;

    BOOL AcceptRecord(int nLine, CRecordMap *pRecord) override
    {
        std::string call = "record " + std::to_string(nLine) + ":";
        for (const auto &[field, value] : *pRecord)
            call += " " + field + "=" + value;
        m_calls.push_back(call);
        return m_nAcceptBeforeStop-- != 0;
    }
    void ReportLineError(int nLine, CString strLine, CString strMessage) override
    {
        m_calls.push_back("error " + std::to_string(nLine) + ": " + strMessage + ": " + strLine);
    }
    BOOL AcceptLineValues(CStringArray *pValues) override
    {
        std::string call = "values";
        for (const CString &value : *pValues)
            call += " [" + value + "]";
        m_calls.push_back(call);
        return m_nAcceptBeforeStop-- != 0;
    }
    void AcceptRecords(CString strRecords) override { m_calls.push_back("records " + strRecords); }

    std::vector<std::string> m_calls;
    // Calls answered non-zero before the first zero; negative: never zero.
    int m_nAcceptBeforeStop = -1;
};

// Installs scripted prompts for the life of a test.
#include "platform/core/Prompts.h"

class CScriptedPromptsScope
{
public:
    CScriptedPromptsScope() { SetPrompts(&prompts); }
    ~CScriptedPromptsScope() { SetPrompts(nullptr); }
    CScriptedPrompts prompts;
};

#endif
