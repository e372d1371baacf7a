#include "CDemoWindow.h"

#include "tarniw/TarnIW.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

CDemoWindow::CDemoWindow(const QString &samplesDir, QWidget *pParent)
    : QMainWindow(pParent)
    , m_host([this](const QString &line) { Log(line); })
    , m_strSamplesDir(samplesDir)
{
    setWindowTitle(QStringLiteral("TarnIW demo host"));
    auto *pCentral = new QSplitter(this);
    setCentralWidget(pCentral);

    auto *pLeft = new QWidget(pCentral);
    auto *pLeftLayout = new QVBoxLayout(pLeft);
    auto *pForm = new QFormLayout;
    m_pClassChooser = new QComboBox(pLeft);
    for (const sDemoClass &cls : DemoClasses())
        m_pClassChooser->addItem(QString::fromLatin1(cls.pszName));
    m_pFieldsLabel = new QLabel(pLeft);
    m_pFieldsLabel->setWordWrap(true);
    m_pTemplateName = new QLineEdit(QStringLiteral("FromHost"), pLeft);
    pForm->addRow(QStringLiteral("Record class:"), m_pClassChooser);
    pForm->addRow(QStringLiteral("Fields:"), m_pFieldsLabel);
    pForm->addRow(QStringLiteral("Template name:"), m_pTemplateName);
    pLeftLayout->addLayout(pForm);

    auto *pEntries = new QGroupBox(QStringLiteral("Module entries"), pLeft);
    auto *pGrid = new QGridLayout(pEntries);
    AddEntry(pGrid, "InvokeTemplateDlg", [this] { InvokeTemplateDlg(&m_host, &m_fields, ClassName()); });
    AddEntry(pGrid, "Load_Saved_File_and_Template",
             [this] { Load_Saved_File_and_Template(&m_host, &m_fields, ClassName()); });
    AddEntry(pGrid, "SetFields", [this] { SetFields(&m_fields); });
    AddEntry(pGrid, "Save_Template_From_Application", [this] {
        Save_Template_From_Application(&m_fields, ClassName(), m_pTemplateName->text().toStdString());
    });
    AddEntry(pGrid, "ClearAllSavedTemplate", [] { ClearAllSavedTemplate(); });
    AddEntry(pGrid, "ClearCurrentClassTemplate", [this] { ClearCurrentClassTemplate(ClassName()); });
    AddEntry(pGrid, "Save_File_As_CSV", [this] {
        CStringArray lines = HostLines();
        Save_File_As_CSV(&lines, ClassName());
    });
    AddEntry(pGrid, "Save_File_As_DOT", [this] {
        CStringArray lines = HostLines();
        Save_File_As_DOT(&lines, ClassName());
    });
    AddEntry(pGrid, "Load_CSV_File_Directly", [this] { Load_CSV_File_Directly(&m_host, ClassName()); });
    AddEntry(pGrid, "Save_File_As_CSV_From_FileName", [this] {
        const QString path = QFileDialog::getSaveFileName(this, QString(), m_strSamplesDir);
        CStringArray lines = HostLines();
        if (!path.isEmpty())
            Save_File_As_CSV_From_FileName(&lines, path.toStdString(), ClassName());
    });
    AddEntry(pGrid, "Load_CSV_File_Directly_From_FileName", [this] {
        const QString path = QFileDialog::getOpenFileName(this, QString(), m_strSamplesDir);
        if (!path.isEmpty())
            Load_CSV_File_Directly_From_FileName(&m_host, path.toStdString(), ClassName());
    });
    AddEntry(pGrid, "ClearAllSavedFileValues", [] { ClearAllSavedFileValues(); });
    AddEntry(pGrid, "ClearCurrentClassFileValues", [this] { ClearCurrentClassFileValues(ClassName()); });
    AddEntry(pGrid, "TarnIm_ShowValidationDlg", [this] { ValidateLastRecords(); });
    AddEntry(pGrid, "TarnIWPreTranslateMessage(NULL)",
             [this] { Log(QStringLiteral("    returned %1").arg(TarnIWPreTranslateMessage(nullptr))); });
    pLeftLayout->addWidget(pEntries);

    auto *pValidate = new QPushButton(QStringLiteral("Validate last records"), pLeft);
    connect(pValidate, &QPushButton::clicked, this, [this] {
        Log(QStringLiteral("> TarnIm_ShowValidationDlg"));
        ValidateLastRecords();
    });
    pLeftLayout->addWidget(pValidate);
    pLeftLayout->addStretch();

    auto *pRight = new QWidget(pCentral);
    auto *pRightLayout = new QVBoxLayout(pRight);
    pRightLayout->addWidget(new QLabel(QStringLiteral("Host callbacks"), pRight));
    m_pLog = new QPlainTextEdit(pRight);
    m_pLog->setReadOnly(true);
    m_pLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pLog->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pRightLayout->addWidget(m_pLog);
    auto *pClear = new QPushButton(QStringLiteral("Clear log"), pRight);
    connect(pClear, &QPushButton::clicked, m_pLog, &QPlainTextEdit::clear);
    pRightLayout->addWidget(pClear, 0, Qt::AlignRight);
    pCentral->setStretchFactor(1, 1);

    connect(m_pClassChooser, &QComboBox::currentIndexChanged, this, &CDemoWindow::ClassChanged);
    ClassChanged();
    resize(1000, 560);
}

void CDemoWindow::Log(const QString &line)
{
    m_pLog->appendPlainText(line);
}

const sDemoClass &CDemoWindow::Class() const
{
    return DemoClasses().at(size_t(qMax(0, m_pClassChooser->currentIndex())));
}

CStringArray CDemoWindow::HostLines() const
{
    CStringArray lines;
    const CString &records = m_host.LastRecords();
    for (size_t start = 0, end; start < records.size(); start = end + 1) {
        end = records.find('\n', start);
        if (end == CString::npos)
            end = records.size();
        if (end > start)
            lines.Add(records.substr(start, end - start));
    }
    if (lines.IsEmpty()) {
        CString header;
        for (const CString &field : m_fields)
            header += field + ",";
        lines.Add(header);
    }
    return lines;
}

void CDemoWindow::AddEntry(QGridLayout *pGrid, const QString &caption, const std::function<void()> &call)
{
    const int nIndex = pGrid->count();
    auto *pButton = new QPushButton(caption, pGrid->parentWidget());
    pButton->setAutoDefault(false);
    connect(pButton, &QPushButton::clicked, this, [this, caption, call] {
        Log("> " + caption);
        call();
    });
    pGrid->addWidget(pButton, nIndex / 2, nIndex % 2);
}

void CDemoWindow::ClassChanged()
{
    m_fields = Class().FieldNames();
    m_host.SetClass(Class());
    QStringList names;
    for (const CString &field : m_fields)
        names << CDemoHost::Show(field);
    m_pFieldsLabel->setText(names.join(QStringLiteral(", ")));
}

void CDemoWindow::ValidateLastRecords()
{
    TarnIm_ShowValidationDlg(&m_host, m_host.LastRecords(), &m_host.Verdicts());
}
