#include "listctrl/core/ColumnProfile.h"
#include "listctrl/ui/CCommonListCtrl.h"
#include "listctrl/ui/CListHeader.h"
#include "listctrl/ui/CListRegistry.h"
#include "resources/ui/DlgCtrlId.h"
#include "platform/core/Prompts.h"

#include "TempBase.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QProxyStyle>
#include <QStyleOptionHeader>
#include <QTest>

#include <array>
#include <memory>

namespace {

// A menu's items as "text=command", " grey" added for a disabled one; the
// menu goes.
QStringList Describe(QMenu *menu)
{
    QStringList items;
    for (QAction *a : menu->actions())
        items << QStringLiteral("%1=%2%3").arg(a->text()).arg(a->data().toInt()).arg(a->isEnabled() ? "" : " grey");
    delete menu;
    return items;
}

// Records the menus the list would show instead of showing them.
class CTestList : public CCommonListCtrl
{
public:
    using CCommonListCtrl::CCommonListCtrl;
    QStringList m_shown;

protected:
    void TrackPopupMenu(QMenu *pMenu) override { m_shown = Describe(pMenu); }
};

// Writes down every heading a header draws: its text and rectangle.
class CHeadingStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *pOption, QPainter *pPainter,
                     const QWidget *pWidget) const override
    {
        if (element == CE_HeaderLabel) {
            const auto *pHeader = qstyleoption_cast<const QStyleOptionHeader *>(pOption);
            m_drawn[pHeader->section] = {pHeader->text, pHeader->rect};
        }
        QProxyStyle::drawControl(element, pOption, pPainter, pWidget);
    }
    mutable std::map<int, std::pair<QString, QRect>> m_drawn;
};

// Three columns: text (type 3), whole number (1), decimal (2).
void Fill(CCommonListCtrl &list, const std::vector<std::array<const char *, 3>> &rows)
{
    const char *names[] = {"Name", "Count", "Amount"};
    const int types[] = {3, 1, 2};
    for (int i = 0; i < 3; ++i) {
        list.m_aColInfo.Add(MakeColInfo(names[i], 60, LVCFMT_LEFT, types[i]));
        list.m_mapColIndex[names[i]] = i;
    }
    list.BuildColumns();
    for (const auto &row : rows) {
        const int item = list.InsertItem(list.GetItemCount(), row[0]);
        list.SetItemText(item, 1, row[1]);
        list.SetItemText(item, 2, row[2]);
        list.SetItemData(item, DWORD(item + 100));
    }
}

QString Column(const CCommonListCtrl &list, int nCol)
{
    QStringList cells;
    for (int r = 0; r < list.GetItemCount(); ++r)
        cells << QString::fromLatin1(list.GetItemText(r, nCol).c_str());
    return cells.join(',');
}

} // namespace

class CCommonListCtrlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_base = std::make_unique<CTempBase>();
        SetPrompts(&m_prompts);
        m_prompts.m_messages.RemoveAll();
        m_dialog = std::make_unique<QDialog>();
        m_list = new CTestList;
        m_list->Create(m_dialog.get(), 5000);
        m_list->resize(400, 300);
        m_dialog->resize(420, 320);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void cleanup()
    {
        m_dialog.reset();
        SetPrompts(nullptr);
        m_base.reset();
    }

    void headerClicksSortAndMarkTheHeader()
    {
        Fill(*m_list, {{{"b", "10", "2.5"}}, {{"B", "9", "NA"}}, {{"a", "-1", "-"}}, {{"c", "10", "0"}}});
        QHeaderView *header = m_list->GetHeaderCtrl();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 5, 5));
        QCOMPARE(Column(*m_list, 0), QString("B,a,b,c")); // column 0 was sorted at start: ascending
        QCOMPARE(m_list->GetSortImage(0), 1);

        m_list->OnColumnClick(2);
        QCOMPARE(Column(*m_list, 2), QString("2.5,0,NA,-"));
        QCOMPARE(m_list->GetSortImage(2), 0);
        QCOMPARE(m_list->GetSortImage(0), 2);
        m_list->OnColumnClick(2);
        QCOMPARE(Column(*m_list, 2), QString("NA,-,0,2.5"));
        QCOMPARE(m_list->GetSortImage(2), 1);
        QCOMPARE(m_list->GetItemData(0), DWORD(101)); // item data travels with its row
    }

    // A heading ends before its sort image and is elided where it does not
    // fit; nothing paints over it.
    void headingsAreElidedBesideTheSortImage_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<bool>("elided");
        QTest::newRow("wide, sorted") << 120 << true << false;
        QTest::newRow("narrow, sorted") << 45 << true << true;
        QTest::newRow("narrow, not sorted") << 45 << false << true;
    }

    void headingsAreElidedBesideTheSortImage()
    {
        QFETCH(int, width);
        QFETCH(bool, sorted);
        QFETCH(bool, elided);
        Fill(*m_list, {{{"a", "1", "1"}}});
        m_list->SetColumnWidth(2, width);
        m_list->SetSortImage(2, sorted ? 0 : 2);
        CHeadingStyle style;
        QHeaderView *header = m_list->GetHeaderCtrl();
        header->setStyle(&style);
        header->viewport()->repaint();
        header->setStyle(nullptr);

        const auto &[text, rect] = style.m_drawn.at(2);
        QCOMPARE(text.endsWith(QChar(0x2026)), elided);
        QVERIFY(QString("Amount").startsWith(elided ? text.chopped(1) : text));
        QVERIFY(header->fontMetrics().horizontalAdvance(text) <= rect.width());
        const int nSectionRight = header->sectionViewportPosition(2) + width - 1;
        const int nImageLeft = nSectionRight - CListHeader::kImageMargin - CListHeader::kImageWidth;
        QVERIFY(rect.right() <= nSectionRight);
        if (sorted)
            QVERIFY(rect.right() < nImageLeft);
    }

    void menusListTheirCommands_data()
    {
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("rows") << false << true
                              << QStringList{"Write to Excel\tShift+E=1229", "Read from Excel=1230 grey",
                                             "Draw Grid Lines\tShift+G=2222"};
        QTest::newRow("rows, no Excel") << false << false
                                        << QStringList{"Write to Excel\tShift+E=1229 grey", "Read from Excel=1230 grey",
                                                       "Draw Grid Lines\tShift+G=2222"};
        QTest::newRow("header") << true << true
                                << QStringList{"Reposition Columns=1224", "Fit to Data=1226", "Fit to Header Size=1227",
                                               "Fit to Window=1228"};
        QTest::newRow("header, no reposition")
            << true << false << QStringList{"Fit To Data=1226", "Fit to Header Size=1227", "Fit to Window=1228"};
    }
    void menusListTheirCommands()
    {
        QFETCH(bool, header);
        QFETCH(bool, flag);
        QFETCH(QStringList, items);
        m_list->m_bWriteToExcel = flag;
        m_list->m_bRepositionMenu = flag;
        QCOMPARE(Describe(header ? m_list->BuildHeaderMenu() : m_list->BuildRowMenu()), items);
    }

    // A right click on the header offers its menu, whose items reach their
    // handlers; the list answers the Excel and fit commands itself.
    void commandsRun()
    {
        Fill(*m_list, {{{"a", "1", "1"}}});
        emit m_list->GetHeaderCtrl()->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(m_list->m_shown.value(0), QString("Reposition Columns=1224"));
        CCommonListCtrl *seen = nullptr;
        CCommonListCtrl::SetRepositionHandler([&](CCommonListCtrl *p) { seen = p; });
        QMenu *menu = m_list->BuildHeaderMenu();
        menu->actions().at(0)->trigger();
        delete menu;
        CCommonListCtrl::SetRepositionHandler(nullptr);
        QCOMPARE(seen, m_list);

        m_list->OnCommand(IDM_FIT_TO_WINDOW);
        QCOMPARE(m_list->GetColumnWidth(2), m_list->viewport()->width() / 3);
        m_list->DeleteColumn(0); // header tooltips move with their columns
        QCOMPARE(m_list->GetHeaderCtrl()->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString("Count"));
        m_list->DeleteAllItems();
        m_list->OnCommand(IDM_WRITE_TO_EXCEL);
        m_list->OnCommand(IDM_READ_FROM_EXCEL);
        QCOMPARE(m_prompts.m_messages, (CStringArray{"No Items in the List", "not available"}));
    }

    void keys()
    {
        Fill(*m_list, {{{"a", "1", "1"}}, {{"g", "2", "2"}}});
        const bool grid = m_list->showGrid();
        QTest::keyClick(m_list, Qt::Key_G, Qt::ShiftModifier); // grid lines, and the letter still searches
        QCOMPARE(m_list->showGrid(), !grid);
        QCOMPARE(m_list->currentIndex().row(), 1);
        QTest::keyClick(m_list, Qt::Key_A); // at most the type-ahead search
        QVERIFY(m_list->selectionModel()->selectedRows().size() < 2);
        QTest::keyClick(m_list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(m_list->selectionModel()->selectedRows().size(), 2);

        QTest::keyClick(m_list, Qt::Key_G, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(m_list, Qt::Key_G, Qt::ShiftModifier);
        QCOMPARE(m_list->showGrid(), grid);

        QKeyEvent shiftE(QEvent::KeyPress, Qt::Key_E, Qt::ShiftModifier);
        QKeyEvent ctrlShiftE(QEvent::KeyPress, Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(m_list->PreTranslateKey(&shiftE) && !m_list->PreTranslateKey(&ctrlShiftE));
        QTest::keyClick(m_list, Qt::Key_Menu);
        QCOMPARE(m_list->m_shown.value(0), QString("Write to Excel\tShift+E=1229"));
    }

    void rowTooltipsComeFromTheProvider()
    {
        Fill(*m_list, {{{"a", "1", "1"}}, {{"b", "2", "2"}}});
        const QModelIndex cell = m_list->model()->index(1, 2);
        QVERIFY(!cell.data(Qt::ToolTipRole).isValid());
        m_list->m_pfnTipText = [](int nRow, CString &text, CCommonListCtrl *) {
            text.Format("row %d", nRow);
            return nRow == 1 ? TRUE : FALSE;
        };
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QString("row 1"));
        QVERIFY(!m_list->model()->index(0, 0).data(Qt::ToolTipRole).isValid());
    }

    void copyPutsBytesOnTheClipboard()
    {
        Fill(*m_list, {{{"r0", "0", "0"}}, {{"r\xe9", "1", "a\tb"}}, {{"r2", "2", "2"}}, {{"r3", "3", ""}}});
        m_list->GetHeaderCtrl()->moveSection(2, 0); // on-screen order does not count
        for (int r : {3, 1})
            m_list->selectionModel()->select(m_list->model()->index(r, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(m_list, Qt::Key_C, Qt::ControlModifier);
        const QByteArray expected("r\xe9\t1\ta\tb\t\nr3\t3\t\t\n");
        QCOMPARE(QByteArray::fromStdString(m_list->m_strClipText), expected);
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data("text/plain"), expected);
    }

    // Lists on a dialog join the registry and take their colours from the
    // INI file; one without a dialog keeps the default look, unregistered.
    void initialisationLookAndRegistry()
    {
        QCOMPARE(theListRegistry.front(), m_list);
        m_base->Write(kListIniFileName, "[CUSTOMIZE_LISTS]\r\n77=FFFFFF,0\r\n");
        CTestList coloured;
        coloured.Create(m_dialog.get(), 77);
        QCOMPARE(theListRegistry.front(), &coloured);
        QCOMPARE(coloured.palette().color(QPalette::Base), QColor(Qt::white));

        QWidget plain;
        CTestList lonely;
        lonely.Create(&plain, 77);
        QCOMPARE(lonely.palette().color(QPalette::Text), QColor(0, 255, 0));
        QVERIFY(std::find(theListRegistry.begin(), theListRegistry.end(), &lonely) == theListRegistry.end());
    }

private:
    std::unique_ptr<CTempBase> m_base;
    CScriptedPrompts m_prompts;
    std::unique_ptr<QDialog> m_dialog;
    CTestList *m_list = nullptr;
};

QTEST_MAIN(CCommonListCtrlTest)
#include "CCommonListCtrlTest.moc"
