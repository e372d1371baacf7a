// What the Template dialog's window does for the template model. The model
// runs without a window (tests, the command-line host); the window, once it
// exists, registers itself with CTemplateDlg::SetWindow.
#ifndef TARNIW_WIZARD_ITEMPLATEDLGWINDOW_H
#define TARNIW_WIZARD_ITEMPLATEDLGWINDOW_H

class ITemplateDlgWindow
{
public:
    virtual ~ITemplateDlgWindow() = default;

    // Builds the window, hidden and without parent, unless it exists.
    virtual void CreateIfNeeded() = 0;
    virtual void ShowWindow() = 0;
    virtual void BringToTopAndCentre() = 0;
    // Ends the modeless dialog: hides it, keeping window and contents.
    virtual void EndDialog() = 0;
    // Invalidate, erase and update at once.
    virtual void RepaintNow() = 0;
    // Suspends (true) or resumes (false) drawing while the lists refill.
    virtual void LockUpdates(bool bLock) = 0;
    // Called every few thousand lines of a record conversion.
    virtual void ConversionProgress(long long bytesRead, long long fileSize) = 0;
    // The file format switches changed (a template was loaded).
    virtual void FileFormatChanged() {}
};

#endif
