// A Template dialog object in its own base folder, with scripted prompts
// and a recording host.
#ifndef TARNIW_WIZARD_TESTS_DLGFIXTURE_H
#define TARNIW_WIZARD_TESTS_DLGFIXTURE_H

#include "RecordingHost.h"
#include "TempBase.h"
#include "wizard/core/CTemplateDlg.h"

struct CDlgFixture
{
    CDlgFixture(const CStringArray &fields = {}, const CString &className = "Alpha")
    {
        dlg.SetFields(fields);
        dlg.SetClassName(className);
        dlg.SetHost(&host);
    }

    void AddRow(CReportRows &rows, const CString &col0, const CString &col1 = CString())
    {
        rows.SetItemText(rows.InsertItem(rows.GetItemCount(), col0), 1, col1);
    }
    static std::vector<std::string> Rows(const CReportRows &rows)
    {
        std::vector<std::string> out;
        for (int r = 0; r < rows.GetItemCount(); ++r)
            out.push_back(rows.GetItemText(r, 0) + "|" + rows.GetItemText(r, 1));
        return out;
    }
    // Host calls and then message boxes, in that order.
    std::vector<std::string> Seen() const
    {
        std::vector<std::string> seen = host.m_calls;
        for (const CString &m : scope.prompts.m_messages)
            seen.push_back("box " + m);
        return seen;
    }
    CScriptedPrompts &Prompts() { return scope.prompts; }

    CTempBase base;
    CScriptedPromptsScope scope;
    CRecordingHost host;
    CTemplateDlg dlg;
};

#endif
