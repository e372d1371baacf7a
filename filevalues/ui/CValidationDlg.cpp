#include "filevalues/ui/CValidationDlg.h"

#include "listctrl/core/TarnColInfo.h"
#include "resources/ui/DlgCtrlId.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/ModuleWindows.h"
#include "resources/core/Resource.h"
#include "resources/ui/DlgLayout.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

CValidationDlg::CValidationDlg() = default;

CValidationDlg::~CValidationDlg()
{
    // Without an application the window system is gone and so is the
    // window's place in it; the window is left alone then.
    if (QCoreApplication::instance())
        delete m_pWnd;
}

void CValidationDlg::ShowResult(sValidationResult &&result, CImportHost *pHost)
{
    // A run of another class's fields gets its own columns, never the
    // headings of the class before it.
    const bool bRebuild = m_pWnd && result.m_arrColumns != m_arrColumns;
    m_arrColumns = std::move(result.m_arrColumns);
    if (!m_pWnd && !Create())
        return;
    if (bRebuild) {
        SetColumnDefinitions();
        m_lstResults->RebuildColumns();
    }
    m_pHost = pHost;
    // The rows point into the old text until they are replaced.
    m_lstResults->ReplaceRows([](CFilterRows &rows) { rows.DeleteAllItems(); });
    m_strRows = std::move(result.m_strRows);
    m_nTotal = result.m_nTotal;
    m_nValid = result.m_nValid;
    m_nError = result.m_nError;
    FillList(std::move(result.m_aRowStarts));
    PlaceAboveHostWindow(m_pWnd);
    m_pWnd->showNormal();
    m_pWnd->raise();
    m_pWnd->activateWindow();
    CenterOnScreen(m_pWnd);
}

BOOL CValidationDlg::Create()
{
    if (m_pWnd)
        return TRUE;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return FALSE;
    m_pWnd = new QDialog;
    CreateControls();
    ApplyDlgTemplate(m_pWnd, GetDlgTemplate(IDD_VALIDATION));
    OnInitDialog();
    m_pWnd->installEventFilter(this);
    return TRUE;
}

void CValidationDlg::FillList(std::vector<std::uintptr_t> &&aRowStarts)
{
    if (!m_lstResults)
        return;
    m_lstResults->ReplaceRows([&](CFilterRows &rows) { FillRows(rows, m_strRows, std::move(aRowStarts)); });
    const sCountLabels labels = CountLabels(m_nTotal, m_nValid, m_nError);
    m_stTotal->setText(ToDisplay(labels.strTotal));
    m_stValid->setText(ToDisplay(labels.strValid));
    m_stError->setText(ToDisplay(labels.strError));
    LayOutCountLabels();
}

void CValidationDlg::LayOutCountLabels()
{
    const sDlgTemplate &tmpl = GetDlgTemplate(IDD_VALIDATION);
    const sDlgBaseUnits base = DlgBaseUnits(m_pWnd->font());
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
    for (QLabel *pLabel : {m_stValid.data(), m_stError.data()}) {
        const QRect rc = templateRect(GetDlgCtrlID(pLabel));
        place(pLabel, std::max(rc.x(), xRight), rc.width());
    }
    QWidget *pFrame = GetDlgItem(m_pWnd, IDC_STATIC);
    const int nLabelsRight = std::max(m_stValid->geometry().right(), m_stError->geometry().right());
    pFrame->resize(std::max(rcFrame.right(), nLabelsRight + rcFrame.right() - rcValid.right()) - rcFrame.x() + 1,
                   pFrame->height());

    // The buttons keep their distance to the right edge; the dialog is never
    // so narrow that they cover the frame.
    const int nButtonsRoom = m_pWnd->width() - GetDlgItem(m_pWnd, IDOK)->x();
    const int nMinWidth = std::max(DlgRectToPixels({0, 0, tmpl.cx, tmpl.cy}, base).width(),
                                   pFrame->geometry().right() + rcContinue.left() - rcFrame.right() + nButtonsRoom);
    m_pWnd->setMinimumWidth(nMinWidth);
}

void CValidationDlg::OnContinue()
{
    // The host may run another validation from AcceptRecord, which replaces
    // the rows, the columns and the host: hand over what was shown.
    const CString strRows = m_strRows;
    const CStringArray arrColumns = m_arrColumns;
    if (HandOverValidRecords(strRows, arrColumns, m_pHost) && m_pWnd)
        m_pWnd->accept();
}

bool CValidationDlg::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    // The event type first: while the window is being destroyed its events
    // still pass here, and m_pWnd may not be looked at as a QDialog then.
    if (pEvent->type() == QEvent::Resize && pWatched == m_pWnd)
        m_resizer.MoveControls();
    return QObject::eventFilter(pWatched, pEvent);
}

void CValidationDlg::CreateControls()
{
    // The group box goes first, so that the labels inside it lie above it.
    auto *pFrame = new QGroupBox(QStringLiteral("File Count"), m_pWnd);
    SetDlgCtrlID(pFrame, IDC_STATIC);

    auto *pContinue = new QPushButton(QStringLiteral("Continue"), m_pWnd);
    SetDlgCtrlID(pContinue, IDOK);
    connect(pContinue, &QPushButton::clicked, this, &CValidationDlg::OnContinue);
    auto *pCancel = new QPushButton(QStringLiteral("Cancel"), m_pWnd);
    SetDlgCtrlID(pCancel, IDCANCEL);
    connect(pCancel, &QPushButton::clicked, m_pWnd, &QDialog::reject);

    m_lstResults = new CFilterListCtrl(m_pWnd);
    m_lstResults->SetDataDescriptor(RowText);
    m_lstResults->SetCellView(RowCell);
    m_lstResults->m_strProfileName = "Validation List";
    m_lstResults->Create(m_pWnd, IDC_RESULT_LIST);
    auto applyFilters = [this] { m_lstResults->ApplyFilters(); };
    connect(m_lstResults, &CFilterListCtrl::filterChanged, this, applyFilters);
    connect(m_lstResults, &CCommonListCtrl::columnsRepositioned, this, applyFilters);

    for (QPointer<QLabel> *ppLabel : {&m_stTotal, &m_stValid, &m_stError}) {
        *ppLabel = new QLabel(m_pWnd);
        (*ppLabel)->setTextFormat(Qt::PlainText);
    }
    SetDlgCtrlID(m_stTotal, IDC_TOTAL_LABEL);
    SetDlgCtrlID(m_stValid, IDC_VALID_LABEL);
    SetDlgCtrlID(m_stError, IDC_ERROR_LABEL);
}

void CValidationDlg::SetColumnDefinitions()
{
    CFilterListCtrl &list = *m_lstResults;
    list.m_aColInfo.RemoveAll();
    list.m_mapColIndex.RemoveAll();
    for (int i = 0; i < m_arrColumns.GetSize(); ++i) {
        const CString &strName = m_arrColumns.GetAt(i);
        list.m_aColInfo.Add(MakeColInfo(strName, kColumnWidth, LVCFMT_RIGHT, kSortText));
        list.m_mapColIndex[strName] = i;
    }
}

void CValidationDlg::OnInitDialog()
{
    CFilterListCtrl &list = *m_lstResults;
    SetColumnDefinitions();

    // Smaller, the buttons would leave the window: the controls stop moving
    // at the template's size.
    m_pWnd->setMinimumSize(m_pWnd->size());
    m_resizer.SetParent(m_pWnd);
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
