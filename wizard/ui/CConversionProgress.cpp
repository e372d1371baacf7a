#include "wizard/ui/CConversionProgress.h"

#include <QApplication>
#include <QProgressDialog>

namespace
{
// Steps of the progress bar; file sizes may pass the range of an int.
constexpr int ProgressSteps = 1000;
// Painting more often than this only slows the conversion down.
constexpr int PaintIntervalMs = 50;
}

CConversionProgress::CConversionProgress(QWidget *pWindow, int nDelayMs)
    : m_pWindow(pWindow)
    , m_nDelayMs(nDelayMs)
{
}

CConversionProgress::~CConversionProgress()
{
    delete m_pDialog;
    if (m_bCursorSet)
        QApplication::restoreOverrideCursor();
}

void CConversionProgress::Report(long long bytesRead, long long fileSize)
{
    if (!m_started.isValid()) {
        m_started.start();
        return;
    }
    if (!m_pDialog) {
        if (m_started.elapsed() < m_nDelayMs)
            return;
        Show();
    }
    if (fileSize > 0)
        m_pDialog->setValue(int(qBound(0LL, bytesRead * ProgressSteps / fileSize, qint64(ProgressSteps))));
    if (m_lastPaint.elapsed() >= PaintIntervalMs)
        PaintNow();
}

void CConversionProgress::Show()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_bCursorSet = true;
    // Not modal: a modal progress dialog would hand user input to the
    // windows while the conversion runs.
    m_pDialog = new QProgressDialog(QStringLiteral("Converting records..."), QString(), 0, ProgressSteps, m_pWindow);
    m_pDialog->setWindowTitle(m_pWindow ? m_pWindow->windowTitle() : QString());
    m_pDialog->setMinimumDuration(0);
    m_pDialog->setAutoClose(false);
    m_pDialog->setAutoReset(false);
    m_pDialog->show();
    PaintNow();
}

void CConversionProgress::PaintNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_lastPaint.start();
}
