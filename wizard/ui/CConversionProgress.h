// Progress of one record conversion started from a window. A conversion
// that is still running after the delay gets a busy cursor and a progress
// dialog fed from the bytes read; the window keeps being painted, while user
// input waits until the conversion is over. A quick conversion shows nothing.
#ifndef TARNIW_WIZARD_CCONVERSIONPROGRESS_H
#define TARNIW_WIZARD_CCONVERSIONPROGRESS_H

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

class CConversionProgress
{
public:
    static constexpr int DefaultDelayMs = 500;

    // The progress dialog, once shown, lies over pWindow.
    explicit CConversionProgress(QWidget *pWindow, int nDelayMs = DefaultDelayMs);
    ~CConversionProgress();
    CConversionProgress(const CConversionProgress &) = delete;
    CConversionProgress &operator=(const CConversionProgress &) = delete;

    // The conversion has read bytesRead of fileSize bytes. The first report
    // starts the clock: before it, a file dialog may have been open.
    void Report(long long bytesRead, long long fileSize);

private:
    void Show();
    void PaintNow();

    QPointer<QWidget> m_pWindow;
    int m_nDelayMs;
    QElapsedTimer m_started;
    QElapsedTimer m_lastPaint;
    QPointer<QProgressDialog> m_pDialog;
    bool m_bCursorSet = false;
};

#endif
