// The combo list driven as a user drives it: clicks on cells, keys in the
// editors, with a small owner that offers choices and records the results.
#include "filterlist/tests/CellEditors.h"
#include "filterlist/ui/CComboListCtrl.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace
{
constexpr int ListId = 1001;

class CTestOwner : public ICellEditOwner
{
public:
    void OnGetCellChoices(int nListId, CStringArray &choices) override
    {
        ++m_nRequests;
        QCOMPARE(nListId, ListId);
        QVERIFY(choices.IsEmpty());
        choices = m_choices;
    }

    void OnCellEditDone(int nListId, const NMLVDISPINFO &info) override
    {
        QCOMPARE(nListId, ListId);
        m_results.push_back(info.item);
        if (m_pRowsToClear)
            m_pRowsToClear->DeleteAllItems();
    }

    CStringArray m_choices;
    CReportRows *m_pRowsToClear = nullptr;
    int m_nRequests = 0;
    std::vector<LVITEM> m_results;
};

CStringArray Strings(const QStringList &list)
{
    CStringArray strings;
    for (const QString &s : list)
        strings.Add(CString(s.toLatin1().toStdString()));
    return strings;
}

}

class TestComboListCtrl : public QObject
{
    Q_OBJECT

    std::unique_ptr<CReportRows> m_pRows;
    std::unique_ptr<QDialog> m_pWindow;
    int m_nDialogResult = -1;
    QLineEdit *m_pOther = nullptr;
    CComboListCtrl *m_pList = nullptr;
    CTestOwner m_owner;

    void Click(const QPoint &pt) { QTest::mouseClick(m_pList->viewport(), Qt::LeftButton, {}, pt); }

private Q_SLOTS:
    void init()
    {
        m_pRows = std::make_unique<CReportRows>(3);
        for (int i = 0; i < 30; ++i) {
            m_pRows->InsertItem(i, CString("row") + std::to_string(i));
            m_pRows->SetItemText(i, 1, "A");
        }
        m_pWindow = std::make_unique<QDialog>();
        m_pWindow->resize(400, 300);
        auto *pLayout = new QVBoxLayout(m_pWindow.get());
        m_pOther = new QLineEdit(m_pWindow.get());
        m_pList = new CComboListCtrl(*m_pRows, m_pWindow.get());
        auto *pOk = new QPushButton("OK", m_pWindow.get());
        pOk->setDefault(true);
        connect(pOk, &QPushButton::clicked, m_pWindow.get(), &QDialog::accept);
        m_nDialogResult = -1;
        connect(m_pWindow.get(), &QDialog::finished, this, [this](int nResult) { m_nDialogResult = nResult; });
        pLayout->addWidget(m_pOther);
        pLayout->addWidget(m_pList);
        pLayout->addWidget(pOk);
        m_pList->SetDlgCtrlID(ListId);
        m_pList->m_pNotifyWnd = &m_owner;
        for (int c = 0; c < 3; ++c)
            m_pList->InsertColumn(c, "c" + std::to_string(c), 80);
        m_owner = CTestOwner();
        m_pWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(m_pWindow.get()));
        m_pOther->setFocus();
    }

    void cleanup()
    {
        m_pWindow.reset();
        CloseEditorWindows();
        QVERIFY(!OpenEditor());
    }

    // Where a click opens which editor; a click on a column boundary
    // belongs to the column on its left.
    void clickOpensEditor_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("dx"); // from the column's left edge; -1: its middle
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("editedColumn");

        QTest::newRow("first column never edits") << 0 << -1 << QStringList{"B"} << false << "" << 0;
        QTest::newRow("no choices: text editor") << 1 << -1 << QStringList{} << false << "QLineEdit" << 1;
        QTest::newRow("double click: one editor") << 1 << -1 << QStringList{} << true << "QLineEdit" << 1;
        QTest::newRow("choices: combo") << 1 << -1 << QStringList{"B"} << false << "QComboBox" << 1;
        QTest::newRow("boundary of 0 and 1") << 1 << 0 << QStringList{} << false << "" << 0;
        QTest::newRow("boundary of 1 and 2") << 2 << 0 << QStringList{} << false << "QLineEdit" << 1;
        QTest::newRow("just right of it") << 2 << 1 << QStringList{} << false << "QLineEdit" << 2;
    }

    void clickOpensEditor()
    {
        QFETCH(int, column);
        QFETCH(int, dx);
        QFETCH(QStringList, choices);
        QFETCH(bool, doubleClick);
        QFETCH(QString, editor);
        QFETCH(int, editedColumn);
        m_owner.m_choices = Strings(choices);
        const QPoint pt(m_pList->columnViewportPosition(column) + (dx < 0 ? m_pList->columnWidth(column) / 2 : dx),
                        CellPoint(m_pList, 3, 0).y());

        Click(pt);
        if (doubleClick) {
            QTest::mouseDClick(m_pList->viewport(), Qt::LeftButton, {}, pt);
            QTest::mouseRelease(m_pList->viewport(), Qt::LeftButton, {}, pt);
        }

        QCOMPARE(m_owner.m_nRequests, 1);
        QVERIFY(m_pList->selectionModel()->isRowSelected(3, QModelIndex()));
        QWidget *pEditor = OpenEditor();
        QCOMPARE(pEditor ? pEditor->metaObject()->className() : "", editor);
        QCOMPARE(QApplication::focusWidget(), pEditor ? pEditor : m_pList);
        if (QLineEdit *pEdit = OpenEdit())
            QCOMPARE(pEdit->selectedText(), m_pRows->GetItemText(3, editedColumn).c_str());
        if (pEditor) {
            QTest::keyClick(pEditor, Qt::Key_Tab);
            QCOMPARE(m_owner.m_results.size(), size_t(1));
            QCOMPARE(m_owner.m_results[0].iItem, 3);
            QCOMPARE(m_owner.m_results[0].iSubItem, editedColumn);
        }
    }

    void clickOnNoCellDoesNothing_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("below the last row") << "below";
        QTest::newRow("right of the last column") << "right";
        QTest::newRow("empty list") << "empty";
        QTest::newRow("drag from below the last row over a cell") << "drag";
    }

    void clickOnNoCellDoesNothing()
    {
        QFETCH(QString, where);
        while (m_pRows->GetItemCount() > 2)
            m_pRows->DeleteItem(2);
        if (where == "empty")
            m_pRows->DeleteAllItems();
        QPoint pt = CellPoint(m_pList, 0, 1);
        if (where == "below" || where == "drag")
            pt = CellPoint(m_pList, 1, 1) + QPoint(0, m_pList->rowHeight(1));
        else if (where == "right")
            pt.setX(m_pList->horizontalHeader()->length() + 2);

        if (where == "drag") {
            // After an earlier press on a cell, which the view remembers.
            ClickCell(m_pList, 0, 0);
            m_pList->clearSelection();
            m_pOther->setFocus();
            m_owner.m_nRequests = 0;
            QTest::mousePress(m_pList->viewport(), Qt::LeftButton, {}, pt);
            QTest::mouseMove(m_pList->viewport(), CellPoint(m_pList, 0, 1));
            QTest::mouseMove(m_pList->viewport(), CellPoint(m_pList, 1, 1));
            QTest::mouseRelease(m_pList->viewport(), Qt::LeftButton, {}, CellPoint(m_pList, 1, 1));
        } else {
            Click(pt);
        }
        QCOMPARE(m_owner.m_nRequests, 0);
        QVERIFY(!m_pList->selectionModel()->hasSelection());
        QCOMPARE(QApplication::focusWidget(), m_pOther);
        QVERIFY(!OpenEditor());
    }

    // The drop-down rectangle is two cells taller than the entries, ten at most.
    void comboEntries_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("cellHeights");

        QTest::newRow("cell text added in order") << QStringList{"b", "A", "c"} << "x" << QStringList{"A", "b", "c", "x"} << "x" << 5;
        QTest::newRow("equal ignoring case") << QStringList{"B", "c"} << "b" << QStringList{"B", "c"} << "B" << 4;
        QTest::newRow("empty cell: first entry") << QStringList{"b", "A"} << "" << QStringList{"A", "b"} << "A" << 4;
        QTest::newRow("prefix of an entry") << QStringList{"Beta", "alpha"} << "AL" << QStringList{"AL", "alpha", "Beta"} << "AL" << 4;
        QTest::newRow("space cell, space entry") << QStringList{" ", "A"} << " " << QStringList{" ", "A"} << " " << 4;
        QTest::newRow("space cell, no space entry") << QStringList{"A", "b"} << " " << QStringList{"A", "b"} << "" << 4;
        const QStringList many{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
        QTest::newRow("more than ten entries") << many << "l" << many + QStringList{"l"} << "l" << 12;
    }

    void comboEntries()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, cell);
        QFETCH(QStringList, entries);
        QFETCH(QString, selected);
        QFETCH(int, cellHeights);
        m_owner.m_choices = Strings(choices);
        m_pRows->SetItemText(1, 1, cell.toStdString());

        ClickCell(m_pList, 1, 1);

        QComboBox *pCombo = OpenCombo();
        QVERIFY(pCombo);
        QStringList shown;
        for (int i = 0; i < pCombo->count(); ++i)
            shown << pCombo->itemText(i);
        QCOMPARE(shown, entries);
        QCOMPARE(pCombo->currentText(), selected);
        QVERIFY(!pCombo->view()->isVisible());
        const QRect rect = CInPlaceCombo::Instance().GetDropDownRect();
        QCOMPARE(rect.height(), m_pList->rowHeight(1) * cellHeights);
        QCOMPARE(rect.topLeft(), QPoint(m_pList->columnViewportPosition(1), m_pList->rowViewportPosition(1)));
    }

    // Keys that end an edit, and the bytes handed back: the cell's own bytes
    // when left as shown, UTF-8 for what was typed. The owner decides what
    // becomes of the cell, so the list itself never changes.
    void editEnds_data()
    {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<bool>("dropDown"); // keys go to the dropped-down list
        QTest::addColumn<int>("firstKey");  // before the ending key
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("result");

        const QStringList abc{"A", "b", "c"}, none;
        const QByteArray a("A"), b("b"), typed("new"), latin("\xe9t\xe9");
        const int esc = Qt::Key_Escape, ret = Qt::Key_Return, tab = Qt::Key_Tab, down = Qt::Key_Down;
        QTest::newRow("combo Escape") << a << abc << false << down << "" << esc << a;
        QTest::newRow("combo Enter") << a << abc << false << down << "" << ret << b;
        QTest::newRow("drop-down pick") << a << abc << true << down << "" << ret << b;
        QTest::newRow("drop-down dismissed") << a << abc << true << down << "" << esc << a;
        QTest::newRow("combo Tab") << a << abc << false << down << "" << tab << b;
        QTest::newRow("edit Escape") << a << none << false << 0 << "new" << esc << a;
        QTest::newRow("edit Enter") << a << none << false << 0 << "new" << ret << typed;
        QTest::newRow("edit Tab") << a << none << false << 0 << "new" << tab << typed;
        QTest::newRow("edit Shift+Tab") << a << none << false << 0 << "new" << int(Qt::Key_Backtab) << typed;
        QTest::newRow("Latin-1 combo entry") << QByteArray("x") << QStringList{"caf\u00e9", "\u00c4pfel"} << false << int(Qt::Key_Home)
                                             << "" << ret << QByteArray("caf\xe9");
        QTest::newRow("Latin-1 cell in a combo") << latin << QStringList{"A"} << false << 0 << "" << ret << latin;
        QTest::newRow("Latin-1 cell in an edit") << latin << none << false << 0 << "" << ret << latin;
        QTest::newRow("typed text as UTF-8") << QByteArray("x") << none << false << 0 << "\u00fc" << ret << QByteArray("\xc3\xbc");
    }

    void editEnds()
    {
        QFETCH(QByteArray, cell);
        QFETCH(QStringList, choices);
        QFETCH(bool, dropDown);
        QFETCH(int, firstKey);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QByteArray, result);
        m_owner.m_choices = Strings(choices);
        m_pRows->SetItemText(4, 1, cell.toStdString());

        ClickCell(m_pList, 4, 1);
        QWidget *pEditor = OpenEditor();
        QVERIFY(pEditor);
        if (dropDown) {
            OpenCombo()->showPopup();
            pEditor = OpenCombo()->view();
            QTRY_VERIFY(pEditor->isVisible());
        }
        if (firstKey)
            QTest::keyClick(pEditor, Qt::Key(firstKey));
        if (!typed.isEmpty()) {
            QKeyEvent typing(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QCoreApplication::sendEvent(pEditor, &typing);
        }
        QVERIFY(m_owner.m_results.empty());
        QTest::keyClick(pEditor, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        CloseEditorWindows();

        QTRY_COMPARE(m_owner.m_results.size(), size_t(1));
        const LVITEM &done = m_owner.m_results[0];
        QCOMPARE(done.iItem, 4);
        QCOMPARE(done.iSubItem, 1);
        QCOMPARE(QByteArray::fromStdString(done.pszText), result);
        QCOMPARE(done.cchTextMax, result.size());
        QVERIFY(!OpenEditor());
        QCOMPARE(QByteArray::fromStdString(m_pRows->GetItemText(4, 1)), cell);
        QCOMPARE(m_nDialogResult, -1); // no ending key reaches the dialog
        // The platform may take the activation away from the window with the
        // drop-down; the window's own focus tells where the edit handed it.
        if (dropDown)
            QCOMPARE(m_pWindow->focusWidget(), m_pList);
    }

    void listEndsEdit_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("requests");

        QTest::newRow("vertical scroll, then a click") << "scroll" << 2;
        // The closing editor window is still there: the second click only ends
        // the edit.
        QTest::newRow("click on another cell") << "cell" << 2;
        QTest::newRow("owner empties the list on the result") << "clear" << 1;
    }

    void listEndsEdit()
    {
        QFETCH(QString, action);
        QFETCH(int, requests);
        ClickCell(m_pList, 1, 1);
        QVERIFY(OpenEdit());
        QTest::keyClicks(OpenEdit(), "new");

        if (action == "scroll") {
            m_pList->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            QCOMPARE(m_owner.m_results.size(), size_t(1));
            ClickCell(m_pList, m_pList->rowAt(10), 0);
        } else {
            m_owner.m_pRowsToClear = action == "clear" ? m_pRows.get() : nullptr;
            ClickCell(m_pList, 2, 1);
        }
        CloseEditorWindows();

        QCOMPARE(m_owner.m_results.size(), size_t(1));
        QCOMPARE(m_owner.m_results[0].pszText, CString("new"));
        QCOMPARE(m_owner.m_nRequests, requests);
        QVERIFY(!OpenEditor());
    }

    void typingStopsAtCellWidth()
    {
        ClickCell(m_pList, 0, 2);
        QLineEdit *pEdit = OpenEdit();
        QVERIFY(pEdit);
        QTest::keyClicks(pEdit, QString(60, QLatin1Char('W')));

        const qsizetype nShown = pEdit->text().size();
        QVERIFY(nShown > 0 && nShown < 60);
        QTest::keyClick(pEdit, Qt::Key_Backspace);
        QTest::keyClicks(pEdit, "i");
        QCOMPARE(pEdit->text().size(), nShown);
    }
};

QTEST_MAIN(TestComboListCtrl)
#include "ComboListCtrlTest.moc"
