#include "wizard/ui/CTemplateDialog.h"

#include "filterlist/ui/CComboListCtrl.h"
#include "resources/core/Resource.h"
#include "resources/ui/DlgCtrlId.h"
#include "resources/ui/DlgLayout.h"
#include "wizard/core/CTemplateDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>

namespace
{
constexpr int FileValuesColumnWidth = 145;
constexpr int ConstantsColumnWidth = 135;
constexpr int RowPadding = 6;
}

CTemplateDialog::CTemplateDialog(CTemplateDlg &dlg, ICellEditOwner *pOwner)
    : m_dlg(dlg)
{
    // Creation order is tab order and stacking order: the group boxes lie
    // under the buttons they frame.
    m_pFileValues = CreateList(dlg.m_lstFileValues, IDC_FILEVALUES_LIST, "File Values", "Template Fields",
                               FileValuesColumnWidth, pOwner);
    m_pConstants = CreateList(dlg.m_lstConstants, IDC_CONSTANTS_LIST, "Constant Fields", "Constant Values",
                              ConstantsColumnWidth, pOwner);
    CreateGroupBox("FileValue");
    CreateCommandButton(IDC_BROWSE, "Browse");
    CreateCommandButton(IDC_SAVE_FILE, "SaveFile");
    CreateGroupBox("TemplateField");
    CreateCommandButton(IDC_LOAD_TEMPLATE, "Load");
    CreateCommandButton(IDC_SAVE_TEMPLATE, "Save");
    CreateCommandButton(IDC_CONTINUE, "Continue");
    connect(CreateButton(IDOK, "OK"), &QPushButton::clicked, this, &QDialog::accept);
    connect(CreateButton(IDCANCEL, "Cancel"), &QPushButton::clicked, this, &QDialog::reject);
    // The file format switches lie below the lists and buttons, in room
    // the dialog gains for them.
    m_pQuotedValues = CreateCheckBox(IDC_QUOTED_VALUES, "Quoted values");
    m_pHeaderLine = CreateCheckBox(IDC_HEADER_LINE, "First line holds column names");
    ShowFileFormat();
    ApplyDlgTemplate(this, GetDlgTemplate(IDD_TEMPLATE));
    ApplyDlgTemplate(this, GetDlgTemplate(IDD_TEMPLATE_FORMAT));
    // Report rows are as high as a line of the dialog's text.
    for (CComboListCtrl *pList : {m_pFileValues, m_pConstants})
        pList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + RowPadding);
}

QPushButton *CTemplateDialog::Button(int nId) const
{
    const auto it = m_buttons.find(nId);
    return it == m_buttons.end() ? nullptr : it->second;
}

QCheckBox *CTemplateDialog::CheckBox(int nId) const
{
    return nId == IDC_QUOTED_VALUES ? m_pQuotedValues : nId == IDC_HEADER_LINE ? m_pHeaderLine : nullptr;
}

void CTemplateDialog::ShowFileFormat()
{
    const QSignalBlocker quoted(m_pQuotedValues);
    const QSignalBlocker header(m_pHeaderLine);
    m_pQuotedValues->setChecked(m_dlg.m_bQuotedValues);
    m_pHeaderLine->setChecked(m_dlg.m_bHeaderLine);
}

void CTemplateDialog::keyPressEvent(QKeyEvent *pEvent)
{
    // The default button is hidden, and Qt only presses a visible one.
    const bool bEnter = pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter;
    const bool bPlain = (pEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (bEnter && bPlain) {
        Button(IDOK)->click();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

CComboListCtrl *CTemplateDialog::CreateList(CReportRows &rows, int nId, const char *pszFirst,
                                               const char *pszSecond, int nWidth, ICellEditOwner *pOwner)
{
    auto *pList = new CComboListCtrl(rows, this);
    ::SetDlgCtrlID(pList, nId);
    pList->SetDlgCtrlID(nId);
    pList->setShowGrid(true);
    pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    pList->m_pNotifyWnd = pOwner;
    pList->InsertColumn(0, pszFirst, nWidth);
    pList->InsertColumn(1, pszSecond, nWidth);
    return pList;
}

void CTemplateDialog::CreateGroupBox(const char *pszTitle)
{
    auto *pBox = new QGroupBox(QString::fromLatin1(pszTitle), this);
    ::SetDlgCtrlID(pBox, IDC_STATIC);
}

QPushButton *CTemplateDialog::CreateButton(int nId, const char *pszText)
{
    auto *pButton = new QPushButton(QString::fromLatin1(pszText), this);
    ::SetDlgCtrlID(pButton, nId);
    m_buttons[nId] = pButton;
    return pButton;
}

void CTemplateDialog::CreateCommandButton(int nId, const char *pszText)
{
    connect(CreateButton(nId, pszText), &QPushButton::clicked, this, [this, nId] { Q_EMIT commandClicked(nId); });
}

QCheckBox *CTemplateDialog::CreateCheckBox(int nId, const char *pszText)
{
    auto *pBox = new QCheckBox(QString::fromLatin1(pszText), this);
    ::SetDlgCtrlID(pBox, nId);
    connect(pBox, &QCheckBox::toggled, this,
            [this] { m_dlg.SetFileFormat(m_pQuotedValues->isChecked(), m_pHeaderLine->isChecked()); });
    return pBox;
}
