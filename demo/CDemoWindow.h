// The demo host's main window: a record class to work on, a button for each
// of the module's fifteen entries and a log of everything the module hands
// back through the host's callback object.
#ifndef TARNIW_DEMO_CDEMOWINDOW_H
#define TARNIW_DEMO_CDEMOWINDOW_H

#include "CDemoHost.h"

#include <QMainWindow>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class CDemoWindow : public QMainWindow
{
    Q_OBJECT

public:
    // samplesDir: where the demo's own file dialogs start.
    explicit CDemoWindow(const QString &samplesDir, QWidget *pParent = nullptr);

    CDemoHost &Host() { return m_host; }
    void Log(const QString &line);

private:
    const sDemoClass &Class() const;
    CString ClassName() const { return Class().pszName; }
    // What the host hands to the save entries: the last records' lines, or
    // a line of field names before there are any.
    CStringArray HostLines() const;
    void AddEntry(QGridLayout *pGrid, const QString &caption, const std::function<void()> &call);
    void ClassChanged();
    void ValidateLastRecords();

    CDemoHost m_host;
    QString m_strSamplesDir;
    QComboBox *m_pClassChooser = nullptr;
    QLabel *m_pFieldsLabel = nullptr;
    QLineEdit *m_pTemplateName = nullptr;
    QPlainTextEdit *m_pLog = nullptr;
    CStringArray m_fields;
};

#endif
