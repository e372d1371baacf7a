// The Validation dialog as the validation run and the user drive it: its
// rows and labels, Continue and Cancel against a recording host, the row
// colours, anchoring on resize, and how little of a huge result it reads.
#include "filevalues/ui/CValidationDlg.h"
#include "filterlist/ui/CFilterHeader.h"
#include "listctrl/core/ColumnProfile.h"
#include "resources/ui/DlgCtrlId.h"
#include "platform/core/IniFile.h"
#include "resources/core/Resource.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <string>

namespace {

int g_nDescriptorCalls = 0;

int CountingRowText(std::uintptr_t dwData, int nColumn, CString *pText, COLORREF *pTextColour,
                    COLORREF *pBackColour, int *pImage)
{
    ++g_nDescriptorCalls;
    return RowText(dwData, nColumn, pText, pTextColour, pBackColour, pImage);
}

sValidationResult Result(const CStringArray &fields, const CString &strRows, int nValid, int nError)
{
    sValidationResult result;
    result.m_arrColumns = {"Validation", "Success/Error"};
    result.m_arrColumns.insert(result.m_arrColumns.end(), fields.begin(), fields.end());
    result.m_strRows = strRows;
    result.m_nValid = nValid;
    result.m_nError = nError;
    result.m_nTotal = nValid + nError;
    return result;
}

// The contrast ratio of two colours by their relative luminance (1 to 21;
// 4.5 is the least for ordinary text).
double Contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPushButton *Button(const CValidationDlg &dlg, int nID)
{
    return qobject_cast<QPushButton *>(GetDlgItem(dlg.GetWindow(), nID));
}

QString LabelText(const CValidationDlg &dlg, int nID)
{
    return qobject_cast<QLabel *>(GetDlgItem(dlg.GetWindow(), nID))->text();
}

// A host that runs another validation from inside AcceptRecord, as a host
// reacting to each record with a new check might.
class CReentrantHost : public CRecordingHost
{
public:
    explicit CReentrantHost(CValidationDlg &dlg) : m_dlg(dlg) {}
    BOOL AcceptRecord(int nLine, CRecordMap *pRecord) override
    {
        m_dlg.ShowResult(Result({"Other"}, "Error,late,Z,\nOK,Success,Q,9,\n", 1, 1), this);
        return CRecordingHost::AcceptRecord(nLine, pRecord);
    }
    CValidationDlg &m_dlg;
};

} // namespace

class TestValidationDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheRowsColumnsAndCounts()
    {
        CTempBase base;
        CValidationDlg dlg;
        const CString strRows = "OK,Success,AAA,10,7,\nError,Bad amount,BBB,5,8,\nError,Bad,CCC,1,9,\n";
        dlg.ShowResult(Result({CString(100, 'N'), "Count"}, strRows, 1, 2), nullptr);
        QVERIFY(dlg.GetWindow()->isVisible());
        CFilterListCtrl *pList = dlg.ResultList();
        QCOMPARE(pList->GetColumnCount(), 4);
        QCOMPARE(pList->GetItemText(1, 1), CString("Bad amount"));
        QCOMPARE(pList->GetColumnHeading(2), CString(63, 'N')); // a long field name is cut
        QCOMPARE(LabelText(dlg, 5002), QString("No of Valid Records = 1"));
        QCOMPARE(LabelText(dlg, 5003), QString("No of Error Records = 2"));
        dlg.ShowResult(Result({"Name", "Count"}, "", 0, 0), nullptr); // a second run refills it
        QCOMPARE(pList->GetItemCount(), 0);
        QCOMPARE(LabelText(dlg, 5001), QString("Total No of Records = 0"));
    }

    // A run with other fields rebuilds the columns: from the stored profile
    // when it was saved for as many columns, else in definition order.
    void columnsFollowEachRun_data()
    {
        QTest::addColumn<QByteArray>("profile"); // stored after the first run
        QTest::addColumn<QStringList>("fields"); // of the second run
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QStringList>("cells"); // of the first row
        const QByteArray swapFirstTwo("0,1,50,1,0,50,2,2,50,3,3,50");
        const QStringList three{"Name", "Email", "City"};
        QTest::newRow("same fields keep their columns")
            << swapFirstTwo << QStringList{"Name", "Count"} << QStringList{"Validation", "Success/Error", "Name", "Count"}
            << QStringList{"OK", "Success", "a", "b"};
        QTest::newRow("other fields, a profile of as many columns")
            << QByteArray("0,1,60,1,0,60,2,2,60,3,-1,0,4,3,60") << three
            << QStringList{"Success/Error", "Validation", "Name", "City"} << QStringList{"Success", "OK", "a", "c"};
        QTest::newRow("other fields, a profile of other columns")
            << swapFirstTwo << three << QStringList{"Validation", "Success/Error", "Name", "Email", "City"}
            << QStringList{"OK", "Success", "a", "b", "c"};
    }

    void columnsFollowEachRun()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QStringList, fields);
        CTempBase base;
        CValidationDlg dlg;
        dlg.ShowResult(Result({"Name", "Count"}, "OK,Success,x,y,\n", 1, 0), nullptr);
        WritePrivateProfileString("Validation List", kColumnProfileKey, profile.toStdString(), GetListIniPath());
        CStringArray next;
        for (const QString &field : fields)
            next.Add(field.toStdString());
        dlg.ShowResult(Result(next, "OK,Success,a,b,c,\n", 1, 0), nullptr);
        CFilterListCtrl *pList = dlg.ResultList();
        QStringList headings, cells;
        for (int c = 0; c < pList->GetColumnCount(); ++c) {
            headings << QString::fromStdString(pList->GetColumnHeading(c));
            cells << QString::fromStdString(pList->GetItemText(0, c));
        }
        QTEST(headings, "headings");
        QTEST(cells, "cells");
    }

    // The hand-over rules are the validation run's; here Continue and Cancel
    // reach it, and a refusal keeps the window open.
    void continueAndCancel_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("acceptBeforeStop");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("visible");
        const QStringList both{"record 4: Count=1 Name=A", "record 5: Count=2 Name=B"};
        QTest::newRow("continue") << int(IDOK) << -1 << (both + QStringList{"record 6: Count=3 Name=C"}) << false;
        QTest::newRow("continue, second record refused") << int(IDOK) << 1 << both << true;
        QTest::newRow("cancel") << int(IDCANCEL) << -1 << QStringList() << false;
    }

    void continueAndCancel()
    {
        QFETCH(int, button);
        QFETCH(int, acceptBeforeStop);
        CTempBase base;
        CRecordingHost host;
        host.m_nAcceptBeforeStop = acceptBeforeStop;
        CValidationDlg dlg;
        const CString strRows = "OK,Success,A,1,4,\r\nError,x,Z,0,9,\nOK,Success,B,2,5,\nOK,Success,C,3,6,\n";
        dlg.ShowResult(Result({"Name", "Count"}, strRows, 3, 1), &host);
        QTest::mouseClick(Button(dlg, button), Qt::LeftButton);
        QStringList made;
        for (const std::string &call : host.m_calls)
            made << QString::fromStdString(call);
        QTEST(made, "calls");
        QTEST(dlg.GetWindow()->isVisible(), "visible");

        // The next run: Enter means Continue, whichever button ended this one.
        dlg.ShowResult(Result({"Name", "Count"}, strRows, 3, 1), &host);
        QVERIFY(Button(dlg, IDOK)->isDefault());
        QCOMPARE(dlg.GetWindow()->focusWidget(), dlg.ResultList());
    }

    void hostThatRevalidatesFromAcceptRecord()
    {
        CTempBase base;
        CValidationDlg dlg;
        CReentrantHost host(dlg);
        dlg.ShowResult(Result({"Name"}, "OK,Success,A,4,\nOK,Success,B,5,\nOK,Success,C,6,\n", 3, 0), &host);
        QTest::mouseClick(Button(dlg, IDOK), Qt::LeftButton);
        QCOMPARE(host.m_calls,
                 (std::vector<std::string>{"record 4: Name=A", "record 5: Name=B", "record 6: Name=C"}));
        // The dialog holds the result of the last run.
        QCOMPARE(dlg.ResultList()->GetItemCount(), 2);
        QCOMPARE(dlg.ResultList()->GetItemText(0, 1), CString("late"));
    }

    void rowsAreBlackOrRedOnTheLightBackground_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("text");
        QTest::newRow("valid") << 0 << QColor(Qt::black);
        QTest::newRow("error") << 1 << QColor(Qt::red);
    }

    void rowsAreBlackOrRedOnTheLightBackground()
    {
        QFETCH(int, row);
        QFETCH(QColor, text);
        CTempBase base;
        CValidationDlg dlg;
        dlg.ShowResult(Result({"Name", "Extra"}, "OK,Success,WWWW,\nError,Bad,WWWW,\n", 1, 1), nullptr);
        CFilterListCtrl *pList = dlg.ResultList();
        // No row is current or selected, so each shows its own colours.
        pList->selectionModel()->clear();
        const QImage image = pList->viewport()->grab().toImage();
        const QRect rcCell = pList->visualRect(pList->model()->index(row, 2));
        const QColor back(255, 255, 240);
        QCOMPARE(image.pixelColor(rcCell.left() + 1, rcCell.center().y()), back);
        int nRed = 0;
        int nDark = 0;
        for (int x = rcCell.left(); x <= rcCell.right(); ++x) {
            for (int y = rcCell.top(); y <= rcCell.bottom(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                    ++nRed;
                else if (c.red() < 100 && c.green() < 100 && c.blue() < 100)
                    ++nDark;
            }
        }
        QCOMPARE(nRed > 0, text == Qt::red);
        QCOMPARE(nDark > 0, text == Qt::black);
    }

    // The list grows with the dialog, the buttons keep to its lower right
    // corner and the counts (valid above error) to its bottom. Counts of any
    // size are read whole; the dialog keeps room for them and for its
    // buttons, however small.
    void resizingKeepsTheControlsAnchoredAndVisible()
    {
        CTempBase base;
        CValidationDlg dlg;
        dlg.ShowResult(Result({"Name"}, "", 1073741823, 1073741824), nullptr); // total INT_MAX
        QDialog *pWnd = dlg.GetWindow();
        QMap<int, QRect> before;
        for (int nID : {IDC_RESULT_LIST, IDOK, IDCANCEL, IDC_TOTAL_LABEL, IDC_VALID_LABEL, IDC_ERROR_LABEL, IDC_STATIC})
            before[nID] = GetDlgItem(pWnd, nID)->geometry();
        pWnd->resize(pWnd->size() + QSize(120, 80));
        QTRY_COMPARE(GetDlgItem(pWnd, IDC_RESULT_LIST)->geometry(), before[IDC_RESULT_LIST].adjusted(0, 0, 120, 80));
        for (int nID : {IDOK, IDCANCEL})
            QCOMPARE(GetDlgItem(pWnd, nID)->geometry(), before[nID].translated(120, 80));
        for (int nID : {IDC_TOTAL_LABEL, IDC_VALID_LABEL, IDC_ERROR_LABEL, IDC_STATIC})
            QCOMPARE(GetDlgItem(pWnd, nID)->geometry(), before[nID].translated(0, 80));

        pWnd->resize(10, 10);
        QTRY_COMPARE(pWnd->size(), pWnd->minimumSize());
        QWidget *pFrame = GetDlgItem(pWnd, IDC_STATIC);
        for (int nID : {IDC_TOTAL_LABEL, IDC_VALID_LABEL, IDC_ERROR_LABEL}) {
            auto *pLabel = qobject_cast<QLabel *>(GetDlgItem(pWnd, nID));
            QVERIFY(pLabel->width() >= pLabel->sizeHint().width());
            QVERIFY(pFrame->geometry().contains(pLabel->geometry()));
        }
        QVERIFY(GetDlgItem(pWnd, IDC_TOTAL_LABEL)->geometry().right() < GetDlgItem(pWnd, IDC_VALID_LABEL)->x());
        QVERIFY(GetDlgItem(pWnd, IDC_VALID_LABEL)->geometry().bottom() < GetDlgItem(pWnd, IDC_ERROR_LABEL)->y());
        QVERIFY(pFrame->geometry().right() < Button(dlg, IDOK)->x());
        for (int nID : {IDOK, IDCANCEL})
            QVERIFY(pWnd->rect().contains(Button(dlg, nID)->geometry()));
    }

    void filterChangeAndRepositionRerunTheFilters()
    {
        CTempBase base;
        CValidationDlg dlg;
        dlg.ShowResult(Result({"Name"}, "OK,Success,A,\nError,bad,B,\nOK,Success,C,\n", 2, 1), nullptr);
        CFilterListCtrl *pList = dlg.ResultList();
        pList->SetFilterText(0, "Error");
        QTRY_COMPARE(pList->GetVisibleCount(), 1);
        const QPalette box = pList->FilterHeader()->FilterBox(0)->palette();
        QVERIFY(Contrast(box.color(QPalette::Text), box.color(QPalette::Base)) >= 4.5);
        // Columns laid out again come without filters; the list tells the
        // dialog, which filters the rows anew.
        pList->ApplyColumnLayout({0, 1, 2}, {100, 100, 100});
        QCOMPARE(pList->GetVisibleCount(), 3);
    }

    void aMillionRowsAreReadOnlyWhereTheyAreSeen()
    {
        CTempBase base;
        CValidationDlg dlg;
        constexpr int kRows = 1000000;
        CString strRows;
        strRows.reserve(size_t(kRows) * 32);
        for (int i = 0; i < kRows; ++i)
            strRows += (i % 7 ? "OK,Success,Name" : "Error,Bad,Name") + std::to_string(i) + ",10,20,\n";
        sValidationResult result = Result({"Name", "A", "B"}, strRows, kRows, 0);
        dlg.m_arrColumns = result.m_arrColumns;
        dlg.Create();
        dlg.ResultList()->SetDataDescriptor(CountingRowText);
        dlg.ShowResult(std::move(result), nullptr);
        CFilterListCtrl *pList = dlg.ResultList();
        QCOMPARE(pList->GetVisibleCount(), kRows);
        QVERIFY(QTest::qWaitForWindowExposed(dlg.GetWindow()));

        // Per painted row the list asks each of its columns once.
        const auto paintedBound = [pList] {
            const int nRowsSeen = pList->viewport()->height() / pList->rowHeight(0) + 2;
            return nRowsSeen * pList->GetColumnCount();
        };
        const auto callsFor = [](const std::function<void()> &action) {
            g_nDescriptorCalls = 0;
            action();
            return g_nDescriptorCalls;
        };
        QVERIFY(callsFor([pList] { pList->viewport()->repaint(); }) <= paintedBound());
        QVERIFY(callsFor([pList] { pList->viewport()->repaint(); }) > 0);
        QVERIFY(callsFor([pList] {
                    pList->verticalScrollBar()->setValue(kRows / 2);
                    pList->viewport()->repaint();
                })
                <= paintedBound());
        QVERIFY(callsFor([&dlg] {
                    dlg.GetWindow()->resize(dlg.GetWindow()->size() + QSize(200, 150));
                    dlg.ResultList()->viewport()->repaint();
                })
                <= paintedBound());
    }
};

QTEST_MAIN(TestValidationDlg)
#include "ValidationDlgTest.moc"
