// The combo list driven as a user drives it: clicks on cells, keys in the
// editors, with a small owner that offers choices and records the results.
#include "filterlist/ui/CComboListCtrl.h"
#include "filterlist/ui/CInPlaceCombo.h"
#include "filterlist/ui/CInPlaceEdit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
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

QComboBox *OpenCombo()
{
    return qobject_cast<QComboBox *>(CInPlaceCombo::Instance().GetWindow());
}

QLineEdit *OpenEdit()
{
    return qobject_cast<QLineEdit *>(CInPlaceEdit::Instance().GetWindow());
}

QWidget *OpenEditor()
{
    return OpenCombo() ? static_cast<QWidget *>(OpenCombo()) : OpenEdit();
}

// Lets the pending closes of editor windows happen.
void CloseEditorWindows()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

    QPoint CellPoint(int nItem, int nSubItem) const
    {
        return QPoint(m_pList->columnViewportPosition(nSubItem) + m_pList->columnWidth(nSubItem) / 2,
                      m_pList->rowViewportPosition(nItem) + m_pList->rowHeight(nItem) / 2);
    }

    void Click(const QPoint &pt) { QTest::mouseClick(m_pList->viewport(), Qt::LeftButton, {}, pt); }
    void ClickCell(int nItem, int nSubItem) { Click(CellPoint(nItem, nSubItem)); }

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
        m_pList->setShowGrid(true);
        m_pList->InsertColumn(0, "File Values", 80);
        m_pList->InsertColumn(1, "Template Fields", 80);
        m_pList->InsertColumn(2, "Third", 80);
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

    void clickOpensEditor_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("editor");

        QTest::newRow("first column never edits") << 0 << QStringList{"B"} << false << "";
        QTest::newRow("double click on the first column") << 0 << QStringList{"B"} << true << "";
        QTest::newRow("no choices: text editor") << 1 << QStringList{} << false << "QLineEdit";
        QTest::newRow("choices: combo") << 1 << QStringList{"B"} << false << "QComboBox";
    }

    void clickOpensEditor()
    {
        QFETCH(int, column);
        QFETCH(QStringList, choices);
        QFETCH(bool, doubleClick);
        QFETCH(QString, editor);
        m_owner.m_choices = Strings(choices);

        ClickCell(3, column);
        if (doubleClick) {
            QTest::mouseDClick(m_pList->viewport(), Qt::LeftButton, {}, CellPoint(3, column));
            QTest::mouseRelease(m_pList->viewport(), Qt::LeftButton, {}, CellPoint(3, column));
        }

        QCOMPARE(m_owner.m_nRequests, 1);
        QVERIFY(m_pList->selectionModel()->isRowSelected(3, QModelIndex()));
        QWidget *pEditor = OpenEditor();
        QCOMPARE(pEditor ? pEditor->metaObject()->className() : "", editor);
        QCOMPARE(QApplication::focusWidget(), pEditor ? pEditor : m_pList);
        if (QLineEdit *pEdit = OpenEdit()) {
            QCOMPARE(pEdit->text(), "A");
            QCOMPARE(pEdit->selectedText(), "A");
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
        QPoint pt = CellPoint(0, 1);
        if (where == "below" || where == "drag")
            pt = CellPoint(1, 1) + QPoint(0, m_pList->rowHeight(1));
        else if (where == "right")
            pt.setX(m_pList->horizontalHeader()->length() + 2);

        if (where == "drag") {
            // After an earlier press on a cell, which the view remembers.
            ClickCell(0, 0);
            m_pList->clearSelection();
            m_pOther->setFocus();
            m_owner.m_nRequests = 0;
            QTest::mousePress(m_pList->viewport(), Qt::LeftButton, {}, pt);
            QTest::mouseMove(m_pList->viewport(), CellPoint(0, 1));
            QTest::mouseMove(m_pList->viewport(), CellPoint(1, 1));
            QTest::mouseRelease(m_pList->viewport(), Qt::LeftButton, {}, CellPoint(1, 1));
        } else {
            Click(pt);
        }

        QCOMPARE(m_owner.m_nRequests, 0);
        QVERIFY(!m_pList->selectionModel()->hasSelection());
        QCOMPARE(QApplication::focusWidget(), m_pOther);
        QVERIFY(!OpenEditor());
    }

    void boundaryBelongsToLeftColumn_data()
    {
        QTest::addColumn<int>("boundaryOfColumn");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("expectedColumn");

        QTest::newRow("between 0 and 1") << 1 << 0 << 0;
        QTest::newRow("between 1 and 2") << 2 << 0 << 1;
        QTest::newRow("just right of it") << 2 << 1 << 2;
    }

    void boundaryBelongsToLeftColumn()
    {
        QFETCH(int, boundaryOfColumn);
        QFETCH(int, dx);
        QFETCH(int, expectedColumn);
        const int x = m_pList->columnViewportPosition(boundaryOfColumn) + dx;

        Click(QPoint(x, CellPoint(2, 0).y()));
        QCOMPARE(bool(OpenEdit()), expectedColumn != 0);
        if (OpenEdit()) {
            QTest::keyClick(OpenEdit(), Qt::Key_Tab);
            QCOMPARE(m_owner.m_results.size(), size_t(1));
            QCOMPARE(m_owner.m_results[0].iItem, 2);
            QCOMPARE(m_owner.m_results[0].iSubItem, expectedColumn);
        }
    }

    void comboEntries_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("selected");

        QTest::newRow("cell text added in order") << QStringList{"b", "A", "c"} << "x" << QStringList{"A", "b", "c", "x"} << "x";
        QTest::newRow("equal ignoring case") << QStringList{"B", "c"} << "b" << QStringList{"B", "c"} << "B";
        QTest::newRow("empty cell: first entry") << QStringList{"b", "A"} << "" << QStringList{"A", "b"} << "A";
        QTest::newRow("prefix of an entry") << QStringList{"Beta", "alpha"} << "AL" << QStringList{"AL", "alpha", "Beta"} << "AL";
        QTest::newRow("space cell, space entry") << QStringList{" ", "A"} << " " << QStringList{" ", "A"} << " ";
        QTest::newRow("space cell, no space entry") << QStringList{"A", "b"} << " " << QStringList{"A", "b"} << "";
    }

    void comboEntries()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, cell);
        QFETCH(QStringList, entries);
        QFETCH(QString, selected);
        m_owner.m_choices = Strings(choices);
        m_pRows->SetItemText(1, 1, cell.toStdString());

        ClickCell(1, 1);

        QComboBox *pCombo = OpenCombo();
        QVERIFY(pCombo);
        QStringList shown;
        for (int i = 0; i < pCombo->count(); ++i)
            shown << pCombo->itemText(i);
        QCOMPARE(shown, entries);
        QCOMPARE(pCombo->currentText(), selected);
        QVERIFY(!pCombo->view()->isVisible());
    }

    void comboHeightRule_data()
    {
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("cellHeights");

        QTest::newRow("3 choices") << 3 << 5;
        QTest::newRow("10 choices") << 10 << 12;
        QTest::newRow("25 choices") << 25 << 12;
    }

    void comboHeightRule()
    {
        QFETCH(int, choices);
        QFETCH(int, cellHeights);
        for (int i = 0; i < choices; ++i)
            m_owner.m_choices.Add(CString("choice") + std::to_string(i));

        ClickCell(0, 1);

        QVERIFY(OpenCombo());
        const QRect rect = CInPlaceCombo::Instance().GetDropDownRect();
        QCOMPARE(rect.height(), m_pList->rowHeight(0) * cellHeights);
        QCOMPARE(rect.topLeft(), QPoint(m_pList->columnViewportPosition(1), m_pList->rowViewportPosition(0)));
    }

    void keysEndEdit_data()
    {
        QTest::addColumn<bool>("combo");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("dialogResult"); // -1: the dialog never saw the key

        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("combo Escape") << true << int(Qt::Key_Escape) << none << "A" << -1;
        QTest::newRow("combo Enter") << true << int(Qt::Key_Return) << none << "b" << -1;
        QTest::newRow("combo Tab") << true << int(Qt::Key_Tab) << none << "b" << -1;
        QTest::newRow("combo Shift+Tab") << true << int(Qt::Key_Backtab) << shift << "b" << -1;
        QTest::newRow("edit Escape") << false << int(Qt::Key_Escape) << none << "A" << int(QDialog::Rejected);
        QTest::newRow("edit Enter") << false << int(Qt::Key_Return) << none << "new" << int(QDialog::Accepted);
        QTest::newRow("edit Tab") << false << int(Qt::Key_Tab) << none << "new" << -1;
        QTest::newRow("edit Shift+Tab") << false << int(Qt::Key_Backtab) << shift << "new" << -1;
    }

    void keysEndEdit()
    {
        QFETCH(bool, combo);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, result);
        QFETCH(int, dialogResult);
        if (combo)
            m_owner.m_choices = Strings({"A", "b", "c"});

        ClickCell(4, 1);
        QWidget *pEditor = OpenEditor();
        QVERIFY(pEditor);
        if (combo)
            QTest::keyClick(pEditor, Qt::Key_Down);
        else
            QTest::keyClicks(pEditor, "new");
        QVERIFY(m_owner.m_results.empty());
        QTest::keyClick(pEditor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        CloseEditorWindows();

        QCOMPARE(m_owner.m_results.size(), size_t(1));
        const LVITEM &done = m_owner.m_results[0];
        QCOMPARE(done.iItem, 4);
        QCOMPARE(done.iSubItem, 1);
        QCOMPARE(QString::fromStdString(done.pszText), result);
        QCOMPARE(done.cchTextMax, result.size());
        QVERIFY(!OpenEditor());
        QCOMPARE(m_pRows->GetItemText(4, 1), CString("A"));
        QCOMPARE(m_nDialogResult, dialogResult);
    }

    void closingDropDownEndsEdit_data()
    {
        QTest::addColumn<bool>("pick");
        QTest::addColumn<QString>("result");
        QTest::newRow("entry picked") << true << "b";
        QTest::newRow("dismissed") << false << "A";
    }

    void closingDropDownEndsEdit()
    {
        QFETCH(bool, pick);
        QFETCH(QString, result);
        m_owner.m_choices = Strings({"A", "b", "c"});
        ClickCell(0, 1);
        QComboBox *pCombo = OpenCombo();
        QVERIFY(pCombo);

        pCombo->showPopup();
        QTRY_VERIFY(pCombo->view()->isVisible());
        QVERIFY(m_owner.m_results.empty());
        QTest::keyClick(pCombo->view(), Qt::Key_Down);
        QTest::keyClick(pCombo->view(), pick ? Qt::Key_Return : Qt::Key_Escape);

        QTRY_COMPARE(m_owner.m_results.size(), size_t(1));
        QCOMPARE(QString::fromStdString(m_owner.m_results[0].pszText), result);
        // The platform may take the activation away from the window with the
        // popup; the window's own focus tells where the edit handed it.
        QCOMPARE(m_pWindow->focusWidget(), m_pList);
    }

    void listEndsEdit_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("requests");

        QTest::newRow("vertical scroll, then a click") << "scroll" << 2;
        QTest::newRow("click on the first column") << "first" << 2;
        // The closing editor window is still there: the second click only ends
        // the edit.
        QTest::newRow("click on another cell") << "cell" << 2;
        QTest::newRow("owner empties the list on the result") << "clear" << 1;
    }

    void listEndsEdit()
    {
        QFETCH(QString, action);
        QFETCH(int, requests);
        ClickCell(1, 1);
        QVERIFY(OpenEdit());
        QTest::keyClicks(OpenEdit(), "new");

        if (action == "scroll") {
            m_pList->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            QCOMPARE(m_owner.m_results.size(), size_t(1));
            ClickCell(m_pList->rowAt(10), 0);
        } else if (action == "first") {
            ClickCell(2, 0);
        } else {
            m_owner.m_pRowsToClear = action == "clear" ? m_pRows.get() : nullptr;
            ClickCell(2, 1);
        }
        CloseEditorWindows();

        QCOMPARE(m_owner.m_results.size(), size_t(1));
        QCOMPARE(m_owner.m_results[0].pszText, CString("new"));
        QCOMPARE(m_owner.m_nRequests, requests);
        QVERIFY(!OpenEditor());
    }

    void bytesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("result");

        QTest::newRow("combo entry") << QByteArray("x") << QStringList{"caf\u00e9", "\u00c4pfel"} << "" << QByteArray("caf\xe9");
        QTest::newRow("combo cell text") << QByteArray("\xe9t\xe9") << QStringList{"A"} << "" << QByteArray("\xe9t\xe9");
        QTest::newRow("edit untouched") << QByteArray("\xe9t\xe9") << QStringList{} << "" << QByteArray("\xe9t\xe9");
        QTest::newRow("edit typed") << QByteArray("x") << QStringList{} << "\u00fc" << QByteArray("\xc3\xbc");
    }

    void bytesRoundTrip()
    {
        QFETCH(QByteArray, cell);
        QFETCH(QStringList, choices);
        QFETCH(QString, typed);
        QFETCH(QByteArray, result);
        m_owner.m_choices = Strings(choices);
        m_pRows->SetItemText(0, 1, cell.toStdString());

        ClickCell(0, 1);
        QWidget *pEditor = OpenEditor();
        QVERIFY(pEditor);
        if (OpenCombo() && cell == "x")
            QTest::keyClick(pEditor, Qt::Key_Home);
        if (!typed.isEmpty()) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QCoreApplication::sendEvent(pEditor, &key);
        }
        QTest::keyClick(pEditor, Qt::Key_Return);

        QCOMPARE(m_owner.m_results.size(), size_t(1));
        QCOMPARE(QByteArray::fromStdString(m_owner.m_results[0].pszText), result);
    }

    void typingStopsAtCellWidth()
    {
        ClickCell(0, 2);
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
#include "test_combolistctrl.moc"
