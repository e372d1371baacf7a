// TarnIm_ShowValidationDlg through the module, as a Qt host calls it and
// routes its events through TarnIWPreTranslateMessage.
#include "tarniw/PreTranslateFilter.h"
#include "tarniw/TarnIW.h"
#include "TopLevelWindow.h"

#include "RecordingHost.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

QWidget *ValidationWindow()
{
    return TopLevelWindow(QStringLiteral("Validation Dialog"));
}

template <class T>
T *Control(int nID)
{
    return WindowControl<T>(QStringLiteral("Validation Dialog"), nID);
}

} // namespace

class TestValidationDlgModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qApp->installEventFilter(&m_filter); }
    void cleanupTestCase() { qApp->removeEventFilter(&m_filter); }

    // A null host shows nothing; a real one gets the window, which takes
    // Ctrl+F through the host's filter and comes back on the next run.
    void showsTheRunAndTakesItsKeys()
    {
        TarnIm_ShowValidationDlg(nullptr, "A,1,\n", nullptr);
        QVERIFY(!ValidationWindow());
        CRecordingHost host;
        CVerdictMap verdicts{{1, "Bad"}, {-4, "ignored"}, {99, ""}};
        TarnIm_ShowValidationDlg(&host, "A,1,\r\n\n", &verdicts);
        QWidget *pWindow = ValidationWindow();
        QVERIFY(pWindow);
        QVERIFY(QTest::qWaitForWindowExposed(pWindow));
        auto *pList = Control<QTableView>(5000);
        const int nPlainHeight = pList->horizontalHeader()->height();
        pList->setFocus();
        QTest::keyClick(pList, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(pList->horizontalHeader()->height() > nPlainHeight);

        QTest::mouseClick(Control<QPushButton>(1), Qt::LeftButton);
        QVERIFY(!pWindow->isVisible() && host.m_calls.empty());
        TarnIm_ShowValidationDlg(&host, "", nullptr);
        QCOMPARE(ValidationWindow(), pWindow);
        QVERIFY(pWindow->isVisible());
    }

private:
    CModuleBase m_base;
    CPreTranslateFilter m_filter;
};

QTEST_MAIN(TestValidationDlgModule)
#include "ValidationDlgModuleTest.moc"
