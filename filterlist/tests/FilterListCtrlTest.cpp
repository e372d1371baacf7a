// The filter list driven as its owner and its user drive it: rows through
// a data descriptor, the filter bar with its keys and change delay, the
// value popup, the reversed sort and the row painting.
#include "filterlist/tests/FilterTestRows.h"
#include "filterlist/ui/CFilterHeader.h"
#include "filterlist/ui/CFilterListCtrl.h"
#include "filterlist/ui/CFilterText.h"
#include "listctrl/core/TarnColInfo.h"
#include "TempBase.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

constexpr int kListId = 77;

// A dialog owning a filter list with the columns Name, Amount, Note (left
// aligned, sorted as text); it runs the filters on every change notice.
class CListOwner
{
public:
    explicit CListOwner(int nColumnWidth = 100)
    {
        m_pList = new CFilterListCtrl(&m_dlg);
        m_pList->SetDataDescriptor(TestCells);
        m_pList->Create(&m_dlg, kListId);
        for (const char *pszName : {"Name", "Amount", "Note"})
            m_pList->m_aColInfo.Add(MakeColInfo(pszName, nColumnWidth, LVCFMT_LEFT, 3));
        m_pList->BuildColumns();
        m_pList->EnableFilterList(TRUE);
        m_pList->setGeometry(0, 0, 360, 240);
        m_dlg.resize(380, 260);
        QObject::connect(m_pList, &CFilterListCtrl::filterChanged, m_pList, [this](int nID) {
            QCOMPARE(nID, kListId);
            ++m_nNotices;
            m_pList->ApplyFilters();
        });
    }

    void Add(std::initializer_list<const char *> cells) { m_cells.AddTo(*m_pList, cells); }

    void Show()
    {
        m_dlg.show();
        m_dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_dlg));
        m_pList->setFocus();
    }

    CString Shown(int nColumn = 0) const { return ShownCells(*m_pList, nColumn); }

    QLineEdit *Box(int nColumn) const { return m_pList->FilterHeader()->FilterBox(nColumn); }

    CTempBase m_base;
    QDialog m_dlg;
    CFilterListCtrl *m_pList;
    CTestRows m_cells; // keeps the cells the rows point at
    int m_nNotices = 0;
};

QColor PixelAt(QWidget *pWidget, const QPoint &pt)
{
    return pWidget->grab().toImage().pixelColor(pt);
}

} // namespace

class TestFilterList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Typing in a box reaches the owner after the delay; Escape returns to
    // the rows with the bar left open; Ctrl+F in a box closes it.
    void ctrlFBarTypingAndEscape()
    {
        CListOwner owner;
        owner.Add({"apple", "10"});
        owner.Add({"banana", "20"});
        owner.Add({"avocado", "30"});
        owner.Show();
        const QHeaderView *pHeader = owner.m_pList->horizontalHeader();
        const int nPlainHeight = pHeader->height();
        QVERIFY(!owner.Box(0)->isVisible());

        QTest::keyClick(owner.m_pList, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(owner.m_pList->IsFilterBarShown());
        QTRY_VERIFY(owner.Box(0)->hasFocus());
        QVERIFY(pHeader->height() > nPlainHeight);
        owner.m_pList->SetColumnWidth(0, 150);
        QCOMPARE(owner.Box(1)->x(), 150);
        owner.m_pList->horizontalHeader()->moveSection(2, 0);
        QCOMPARE(owner.Box(2)->x(), 0);

        QElapsedTimer clock;
        clock.start();
        QTest::keyClicks(owner.Box(0), "a");
        QCOMPARE(owner.m_nNotices, 0);
        QCOMPARE(owner.Shown(), CString("apple banana avocado"));
        QTRY_COMPARE(owner.m_nNotices, 1);
        QVERIFY(clock.elapsed() >= 475); // a coarse timer may fire up to 5 % early
        QCOMPARE(owner.Shown(), CString("apple avocado"));

        // Return applies the typed filter at once and goes no further: the
        // dialog's default button is not pressed.
        QPushButton defaultButton(&owner.m_dlg);
        defaultButton.setDefault(true);
        defaultButton.show(); // the dialog presses only a shown default button
        QSignalSpy pressed(&defaultButton, &QPushButton::clicked);
        QTest::keyClicks(owner.Box(0), "v");
        QTest::keyClick(owner.Box(0), Qt::Key_Return);
        QCOMPARE(owner.m_nNotices, 2);
        QCOMPARE(owner.Shown(), CString("avocado"));
        QCOMPARE(pressed.count(), 0);

        QTest::keyClick(owner.Box(0), Qt::Key_Escape);
        QVERIFY(owner.m_pList->hasFocus());
        QVERIFY(owner.m_dlg.isVisible() && owner.m_pList->IsFilterBarShown());
        owner.Box(0)->setFocus();
        QTest::keyClick(owner.Box(0), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!owner.m_pList->IsFilterBarShown());
        QVERIFY(owner.m_pList->hasFocus());
        QCOMPARE(pHeader->height(), nPlainHeight);
    }

    // Tab and Shift+Tab walk the boxes round, scrolling each into view.
    void tabWalksTheBoxesAndScrollsThemIntoView()
    {
        CListOwner owner(250); // wider than the list shows at once
        owner.Show();
        QTest::keyClick(owner.m_pList, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(owner.Box(0)->hasFocus());
        const QHeaderView *pHeader = owner.m_pList->horizontalHeader();
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Tab, 1}, {Qt::Key_Tab, 2}, {Qt::Key_Tab, 0},
                                                 {Qt::Key_Backtab, 2}};
        for (const auto &[key, focus] : steps) {
            QWidget *pFocus = QApplication::focusWidget();
            QTest::keyClick(pFocus, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QTRY_VERIFY(owner.Box(focus)->hasFocus());
            QVERIFY(pHeader->sectionViewportPosition(focus) >= 0);
            QVERIFY(pHeader->sectionViewportPosition(focus) + pHeader->sectionSize(focus)
                    <= pHeader->viewport()->width());
            QCOMPARE(owner.Box(focus)->x(), pHeader->sectionViewportPosition(focus));
        }
    }

    // SetFilterText refuses a negative column and cuts at 1023 bytes; Reset
    // Filters, last in the header menu, clears every box and shows all rows.
    void filterTextAndResetFilters()
    {
        CListOwner owner;
        owner.Add({"apple"});
        owner.Add({"banana"});
        QCOMPARE(owner.m_pList->SetFilterText(-1, "a"), 0);
        QCOMPARE(owner.m_pList->SetFilterText(1, CString(2000, 'x')), 1);
        CString strText;
        QCOMPARE(owner.m_pList->GetFilterText(1, strText), 1023);
        owner.m_pList->SetFilterText(1, "");
        owner.m_pList->SetFilterText(0, "b");
        QTRY_COMPARE(owner.Shown(), CString("banana"));

        std::unique_ptr<QMenu> pMenu(owner.m_pList->BuildHeaderMenu());
        const int nNotices = owner.m_nNotices;
        pMenu->actions().last()->trigger();
        QTRY_COMPARE(owner.m_nNotices, nNotices + 1);
        QCOMPARE(owner.Shown(), CString("apple banana"));
        QCOMPARE(owner.m_pList->GetFilterText(0, strText), 0);
    }

    // The order and the images are the rows' own: a click reaches them.
    void columnClickSortsReversedWithTheIndicator()
    {
        CListOwner owner;
        for (const char *psz : {"b", "a", "c"})
            owner.Add({"row", psz});
        for (const auto &[shown, image] : {std::pair("a b c", 0), std::pair("c b a", 1)}) {
            owner.m_pList->horizontalHeader()->sectionClicked(1);
            QCOMPARE(owner.Shown(1), CString(shown));
            QCOMPARE(owner.m_pList->GetSortImage(1), image);
        }
    }

    void popupOffersTheValuesAndAppliesTheChoice()
    {
        CFilterText popup;
        CListOwner owner;
        for (const char *psz : {"b", "A", "c"}) // which values, in which order: the rows' rules
            owner.Add({"row", psz});
        owner.Show();
        owner.m_pList->ToggleFilterBar();
        QSignalSpy buttonNotices(owner.m_pList, &CFilterListCtrl::filterButtonClicked);

        QToolButton *pButton = owner.m_pList->FilterHeader()->findChildren<QToolButton *>().at(1);
        const auto open = [&] {
            QTest::mouseClick(pButton, Qt::LeftButton);
            QTRY_VERIFY(popup.GetWindow()->isVisible());
        };
        open();
        QCOMPARE(buttonNotices.count(), 1);
        QListWidget *pValues = popup.ValueList();
        QStringList offered;
        for (int i = 0; i < pValues->count(); ++i)
            offered << pValues->item(i)->text();
        QCOMPARE(offered, QStringList({"A", "b", "c"}));

        pValues->item(0)->setSelected(true);
        pValues->item(1)->setSelected(true);
        QTest::keyClick(pValues, Qt::Key_Return);
        QVERIFY(!popup.GetWindow()->isVisible());
        CString strFilter;
        owner.m_pList->GetFilterText(1, strFilter);
        QCOMPARE(strFilter, CString("A~b"));
        QTRY_COMPARE(owner.Shown(1), CString("b A"));

        // Enter with nothing chosen clears the filter again.
        open();
        QCOMPARE(pValues->count(), 2); // the values of the shown rows
        pValues->clearSelection();
        QTest::keyClick(pValues, Qt::Key_Enter);
        QCOMPARE(owner.m_pList->GetFilterText(1, strFilter), 0);

        // Escape closes it and leaves the filter as it was.
        open();
        pValues->item(0)->setSelected(true);
        QTest::keyClick(pValues, Qt::Key_Escape);
        QVERIFY(!popup.GetWindow()->isVisible());
        QCOMPARE(owner.m_pList->GetFilterText(1, strFilter), 0);
    }

    void rowFillFollowsSelectionAndFocus_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("plain row") << false << true << QColor(0, 0, 0);
        QTest::newRow("selected, list focused") << true << true << QColor(210, 180, 140);
        QTest::newRow("selected, list not focused") << true << false << QColor(139, 134, 130);
    }

    void rowFillFollowsSelectionAndFocus()
    {
        QFETCH(bool, selected);
        QFETCH(bool, focused);
        QFETCH(QColor, fill);
        CListOwner owner;
        owner.Add({"one"});
        owner.Add({"two"});
        auto *pOther = new QLineEdit(&owner.m_dlg);
        pOther->move(0, 250);
        owner.Show();
        if (selected)
            owner.m_pList->selectRow(1);
        if (!focused)
            pOther->setFocus();
        QTRY_COMPARE(owner.m_pList->hasFocus(), focused);
        const QRect rcCell = owner.m_pList->visualRect(owner.m_pList->model()->index(1, 0));
        QCOMPARE(PixelAt(owner.m_pList->viewport(), QPoint(rcCell.right() - 4, rcCell.center().y())), fill);
    }
};

QTEST_MAIN(TestFilterList)
#include "FilterListCtrlTest.moc"
