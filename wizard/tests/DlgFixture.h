// A Template dialog object in its own base folder, with scripted prompts
// and a recording host; and a window for it that writes down what the model
// asks of it.
#ifndef TARNIW_WIZARD_TESTS_DLGFIXTURE_H
#define TARNIW_WIZARD_TESTS_DLGFIXTURE_H

#include "RecordingHost.h"
#include "TempBase.h"
#include "wizard/core/CTemplateDlg.h"

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

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
    static Lines Rows(const CReportRows &rows)
    {
        Lines out;
        for (int r = 0; r < rows.GetItemCount(); ++r)
            out.push_back(rows.GetItemText(r, 0) + "|" + rows.GetItemText(r, 1));
        return out;
    }
    // Host calls and then message boxes, in that order.
    Lines Seen() const
    {
        Lines seen = host.m_calls;
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

// Each call of the model as "call", "+host" when the model has a host then,
// and the number of constant rows at that moment.
class CRecordingWindow : public ITemplateDlgWindow
{
public:
    explicit CRecordingWindow(const CTemplateDlg &dlg) : m_dlg(dlg) {}
    void CreateIfNeeded() override { Note("create"); }
    void ShowWindow() override { Note("show"); }
    void BringToTopAndCentre() override { Note("top"); }
    void EndDialog() override { Note("end"); }
    void RepaintNow() override { Note("repaint"); }
    void LockUpdates(bool bLock) override { Note(bLock ? "lock" : "unlock"); }
    void ConversionProgress(long long bytesRead, long long fileSize) override
    {
        m_progress.emplace_back(bytesRead, fileSize);
    }

    Lines m_calls;
    std::vector<std::pair<long long, long long>> m_progress;

private:
    void Note(const std::string &call)
    {
        m_calls.push_back(call + (m_dlg.m_pHost ? "+host" : "") + " rows=" + std::to_string(m_dlg.m_lstConstants.GetItemCount()));
    }
    const CTemplateDlg &m_dlg;
};

#endif
