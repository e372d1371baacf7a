#include "filevalues/ui/CValidationDialog.h"

#include "listctrl/core/TarnColInfo.h"
#include "platform/ui/DisplayText.h"
#include "resources/core/Resource.h"
#include "resources/ui/DlgCtrlId.h"
#include "resources/ui/DlgLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

CValidationDialog::CValidationDialog(const CStringArray &arrColumns)
{
    CreateControls();
    ApplyDlgTemplate(this, GetDlgTemplate(IDD_VALIDATION));
    OnInitDialog(arrColumns);
}

void CValidationDialog::RebuildColumns(const CStringArray &arrColumns)
{
    SetColumnDefinitions(arrColumns);
    m_lstResults->RebuildColumns();
}

void CValidationDialog::SetQuotedRows(bool bQuoted)
{
    m_lstResults->SetDataDescriptor(bQuoted ? QuotedRowText : RowText);
    // A quoted cell is unquoted into a copy: no view of it in place.
    m_lstResults->SetCellView(bQuoted ? nullptr : RowCell);
}

void CValidationDialog::SetCountLabels(const sCountLabels &labels)
{
    m_stTotal->setText(ToDisplay(labels.strTotal));
    m_stValid->setText(ToDisplay(labels.strValid));
    m_stError->setText(ToDisplay(labels.strError));
    LayOutCountLabels();
}

void CValidationDialog::resizeEvent(QResizeEvent *pEvent)
{
    QDialog::resizeEvent(pEvent);
    m_resizer.MoveControls();
}

void CValidationDialog::StartOnTheList()
{
    m_lstResults->setFocus();
    qobject_cast<QPushButton *>(GetDlgItem(this, IDOK))->setDefault(true);
}

void CValidationDialog::CreateControls()
{
    // The group box goes first, so that the labels inside it lie above it.
    auto *pFrame = new QGroupBox(QStringLiteral("File Count"), this);
    SetDlgCtrlID(pFrame, IDC_STATIC);

    auto *pContinue = new QPushButton(QStringLiteral("Continue"), this);
    SetDlgCtrlID(pContinue, IDOK);
    connect(pContinue, &QPushButton::clicked, this, &CValidationDialog::continueClicked);
    auto *pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(pCancel, IDCANCEL);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_lstResults = new CFilterListCtrl(this);
    SetQuotedRows(false);
    m_lstResults->m_strProfileName = "Validation List";
    m_lstResults->Create(this, IDC_RESULT_LIST);
    auto applyFilters = [this] { m_lstResults->ApplyFilters(); };
    connect(m_lstResults, &CFilterListCtrl::filterChanged, this, applyFilters);
    connect(m_lstResults, &CCommonListCtrl::columnsRepositioned, this, applyFilters);

    for (QLabel **ppLabel : {&m_stTotal, &m_stValid, &m_stError}) {
        *ppLabel = new QLabel(this);
        (*ppLabel)->setTextFormat(Qt::PlainText);
    }
    SetDlgCtrlID(m_stTotal, IDC_TOTAL_LABEL);
    SetDlgCtrlID(m_stValid, IDC_VALID_LABEL);
    SetDlgCtrlID(m_stError, IDC_ERROR_LABEL);
}

void CValidationDialog::OnInitDialog(const CStringArray &arrColumns)
{
    CFilterListCtrl &list = *m_lstResults;
    SetColumnDefinitions(arrColumns);

    // Smaller, the buttons would leave the window: the controls stop moving
    // at the template's size.
    setMinimumSize(size());
    m_resizer.SetParent(this);
    m_resizer.AddControl(IDC_RESULT_LIST, CP_SIZE_X | CP_SIZE_Y);
    m_resizer.AddControl(IDOK, CP_MOVE_X | CP_MOVE_Y);
    m_resizer.AddControl(IDCANCEL, CP_MOVE_X | CP_MOVE_Y);
    for (int nID : {IDC_TOTAL_LABEL, IDC_VALID_LABEL, IDC_ERROR_LABEL, IDC_STATIC})
        m_resizer.AddControl(nID, CP_MOVE_Y);

    list.BuildColumns();
    list.EnableFilterList(TRUE);
    list.SetBkColor(kValidationBackColour);
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void CValidationDialog::SetColumnDefinitions(const CStringArray &arrColumns)
{
    CFilterListCtrl &list = *m_lstResults;
    list.m_aColInfo.RemoveAll();
    list.m_mapColIndex.RemoveAll();
    for (int i = 0; i < arrColumns.GetSize(); ++i) {
        const CString &strName = arrColumns.GetAt(i);
        list.m_aColInfo.Add(MakeColInfo(strName, kColumnWidth, LVCFMT_RIGHT, kSortText));
        list.m_mapColIndex[strName] = i;
    }
}

void CValidationDialog::LayOutCountLabels()
{
    const sDlgTemplate &tmpl = GetDlgTemplate(IDD_VALIDATION);
    const sDlgBaseUnits base = DlgBaseUnits(font());
    const auto templateRect = [&](int nID) { return DlgRectToPixels(tmpl.FindControl(nID)->rc, base); };
    const QRect rcTotal = templateRect(IDC_TOTAL_LABEL);
    const QRect rcValid = templateRect(IDC_VALID_LABEL);
    const QRect rcFrame = templateRect(IDC_STATIC);
    const QRect rcContinue = templateRect(IDOK);

    // Each label keeps its place and is at least as wide as its text; the
    // valid and error labels keep their distance to the total label.
    const auto place = [](QLabel *pLabel, int x, int nWidth) {
        pLabel->setGeometry(x, pLabel->y(), std::max(nWidth, pLabel->sizeHint().width()), pLabel->height());
    };
    place(m_stTotal, rcTotal.x(), rcTotal.width());
    const int xRight = m_stTotal->geometry().right() + rcValid.left() - rcTotal.right();
    for (QLabel *pLabel : {m_stValid, m_stError}) {
        const QRect rc = templateRect(GetDlgCtrlID(pLabel));
        place(pLabel, std::max(rc.x(), xRight), rc.width());
    }
    QWidget *pFrame = GetDlgItem(this, IDC_STATIC);
    const int nLabelsRight = std::max(m_stValid->geometry().right(), m_stError->geometry().right());
    pFrame->resize(std::max(rcFrame.right(), nLabelsRight + rcFrame.right() - rcValid.right()) - rcFrame.x() + 1,
                   pFrame->height());

    // The buttons keep their distance to the right edge; the dialog is never
    // so narrow that they cover the frame.
    const int nButtonsRoom = width() - GetDlgItem(this, IDOK)->x();
    const int nMinWidth = std::max(DlgRectToPixels({0, 0, tmpl.cx, tmpl.cy}, base).width(),
                                   pFrame->geometry().right() + rcContinue.left() - rcFrame.right() + nButtonsRoom);
    setMinimumWidth(nMinWidth);
}
