// A host's own names and TarnIW's used side by side.
#ifndef TARNIW_TESTS_HOSTCODE_H
#define TARNIW_TESTS_HOSTCODE_H

#include <tarniw/TarnIW.h>

namespace {
class CHygieneHost : public tarniw::CImportHost
{
public:
    tarniw::BOOL AcceptRecord(int, tarniw::CRecordMap *) override { return TRUE; }
    void ReportLineError(int, tarniw::CString, tarniw::CString) override {}
    tarniw::BOOL AcceptLineValues(tarniw::CStringArray *) override { return FALSE; }
    void AcceptRecords(tarniw::CString) override {}
};

[[maybe_unused]] int UseBothNames()
{
    CHygieneHost host;
    BOOL bHost = TRUE;
    MSG hostMsg{};
    CString hostString;
    CMap<int, long> hostMap{1, 2L};
    tarniw::CStringArray fields{"OrderNo"};
    tarniw::MSG msg{nullptr, nullptr};
    return bHost + int(sizeof hostMsg) + int(*hostString.m_psz) + hostMap.key + fields.GetSize()
        + (msg.hwnd ? 1 : 0) + host.AcceptLineValues(&fields);
}
}

#endif
