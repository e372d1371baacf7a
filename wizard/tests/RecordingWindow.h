// A Template dialog window that writes down what the model asks of it,
// with the host and the constant rows in effect at that moment.
#ifndef TARNIW_WIZARD_TESTS_RECORDINGWINDOW_H
#define TARNIW_WIZARD_TESTS_RECORDINGWINDOW_H

#include "wizard/core/CTemplateDlg.h"

#include <string>
#include <vector>

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

    std::vector<std::string> m_calls;
    std::vector<std::pair<long long, long long>> m_progress;

private:
    void Note(const std::string &call)
    {
        m_calls.push_back(call + (m_dlg.m_pHost ? "+host" : "") + " rows=" + std::to_string(m_dlg.m_lstConstants.GetItemCount()));
    }
    const CTemplateDlg &m_dlg;
};

#endif
