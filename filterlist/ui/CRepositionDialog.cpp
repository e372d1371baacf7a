#include "filterlist/ui/CRepositionDialog.h"

#include "filterlist/ui/CDragDropListCtrl.h"
#include "resources/core/Resource.h"
#include "resources/ui/DlgCtrlId.h"
#include "resources/ui/DlgLayout.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

template <class T>
T *AddControl(QDialog *pDlg, T *pWidget, int nID)
{
    ::SetDlgCtrlID(pWidget, nID);
    pWidget->setParent(pDlg);
    return pWidget;
}

// Group box captions are drawn blue.
QGroupBox *AddGroup(QDialog *pDlg, const char *pszTitle, int nID)
{
    auto *pGroup = AddControl(pDlg, new QGroupBox(QString::fromLatin1(pszTitle)), nID);
    QPalette pal = pGroup->palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    pal.setColor(QPalette::Text, Qt::blue);
    pGroup->setPalette(pal);
    return pGroup;
}

QPushButton *AddButton(QDialog *pDlg, const char *pszText, int nID)
{
    return AddControl(pDlg, new QPushButton(QString::fromLatin1(pszText)), nID);
}

} // namespace

CRepositionDialog::CRepositionDialog(QWidget *pParent) : QDialog(pParent)
{
    // Created in the template's order, which is also the tab order; the
    // boxes lie above their group boxes.
    AddGroup(this, "Hidden columns", IDC_HIDDEN_GROUP);
    m_lstHidden = AddControl(this, new CDragDropListCtrl, IDC_HIDDEN_LIST);
    QPushButton *pToVisible = AddButton(this, ">", IDC_TO_VISIBLE);
    QPushButton *pToHidden = AddButton(this, "<", IDC_TO_HIDDEN);
    AddGroup(this, "Visible Columns", IDC_VISIBLE_GROUP);
    m_lstVisible = AddControl(this, new CDragDropListCtrl, IDC_VISIBLE_LIST);
    QPushButton *pSave = AddButton(this, "Save", IDC_REPOSITION_SAVE);
    QPushButton *pCancel = AddButton(this, "Cancel", IDCANCEL);
    ApplyDlgTemplate(this, GetDlgTemplate(IDD_REPOSITION));

    connect(pToVisible, &QPushButton::clicked, this, &CRepositionDialog::toVisibleClicked);
    connect(pToHidden, &QPushButton::clicked, this, &CRepositionDialog::toHiddenClicked);
    connect(pSave, &QPushButton::clicked, this, &CRepositionDialog::saveClicked);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_lstHidden, &QListWidget::doubleClicked, this, &CRepositionDialog::hiddenDoubleClicked);
    connect(m_lstVisible, &QListWidget::doubleClicked, this, &CRepositionDialog::visibleDoubleClicked);
}
