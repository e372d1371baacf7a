// A window for trying the common list by hand: a few thousand rows of text,
// whole numbers and decimals in a resizable dialog.
#include "listctrl/ui/CCommonListCtrl.h"
#include "listctrl/ui/CControlPos.h"
#include "resources/ui/DlgCtrlId.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

namespace {

class CGalleryDlg : public QDialog
{
public:
    CGalleryDlg()
    {
        setWindowTitle(QStringLiteral("Common list"));
        resize(640, 420);
        auto *hint = new QLabel(QStringLiteral("Click headings to sort, right-click for menus, Ctrl+C copies."), this);
        hint->setGeometry(8, 388, 500, 24);
        ::SetDlgCtrlID(hint, 2);

        m_list.m_strProfileName = "Gallery List";
        m_list.Create(this, 5000);
        m_list.setGeometry(8, 8, 624, 372);
        const char *names[] = {"Name", "Count", "Amount", "Code"};
        const int types[] = {kSortText, kSortInteger, kSortDecimal, kSortTextCommon};
        const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_RIGHT, LVCFMT_CENTER};
        for (int i = 0; i < 4; ++i) {
            m_list.m_aColInfo.Add(MakeColInfo(names[i], 140, formats[i], types[i]));
            m_list.m_mapColIndex[names[i]] = i;
        }
        m_list.BuildColumns();
        for (int r = 0; r < 3000; ++r) {
            CString name, count, amount, code;
            name.Format("Item %c%04d", 'A' + r % 26, (r * 7919) % 10000);
            count.Format("%d", (r * 37) % 500 - 100);
            amount.Format("%.2f", ((r * 104729) % 100000) / 100.0);
            code.Format("%c%c", 'a' + r % 5, 'A' + r % 3);
            const int item = m_list.InsertItem(r, name);
            m_list.SetItemText(item, 1, count);
            m_list.SetItemText(item, 2, r % 50 == 0 ? CString("NA") : amount);
            m_list.SetItemText(item, 3, code);
            m_list.SetItemData(item, DWORD(r));
        }
        m_list.m_pfnTipText = [](int nRow, CString &text, CCommonListCtrl *pList) {
            text.Format("Row %d, item data %u", nRow, unsigned(pList->GetItemData(nRow)));
            return TRUE;
        };
        m_pos.SetParent(this);
        m_pos.AddControl(5000, CP_SIZE_X | CP_SIZE_Y);
        m_pos.AddControl(2, CP_MOVE_Y);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QDialog::resizeEvent(event);
        m_pos.MoveControls();
    }

private:
    CCommonListCtrl m_list;
    CControlPos m_pos;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    CGalleryDlg dlg;
    dlg.show();
    return app.exec();
}
