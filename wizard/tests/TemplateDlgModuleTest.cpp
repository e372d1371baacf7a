// The Template dialog through the module's entries, as a Qt host sees it:
// the host routes its events through TarnIWPreTranslateMessage.
#include "RecordingHost.h"
#include "tarniw/PreTranslateFilter.h"
#include "tarniw/TarnIW.h"
#include "TopLevelWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace
{
QWidget *TemplateWindow()
{
    return TopLevelWindow(QStringLiteral("Template"));
}

QWidget *FileValuesList()
{
    return WindowControl<QAbstractItemView>(QStringLiteral("Template"), 1001);
}

void Invoke(CImportHost *pHost)
{
    CStringArray fields{"OrderNo", "Customer"};
    InvokeTemplateDlg(pHost, &fields, "ModuleTest");
}
}

class TestTemplateDlgModule : public QObject
{
    Q_OBJECT

    CModuleBase m_base;
    CRecordingHost m_host;
    QWidget m_hostWindow;
    QLineEdit *m_pHostEdit = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        m_pHostEdit = new QLineEdit(&m_hostWindow);
        m_hostWindow.show();
    }

    void preTranslate()
    {
        Invoke(nullptr);
        QVERIFY(!TemplateWindow());
        Invoke(&m_host);
        const struct {
            QObject *pReceiver;
            QEvent::Type type;
            int nExpected;
        } cases[] = {
            {m_pHostEdit, QEvent::KeyPress, 0},
            {FileValuesList(), QEvent::KeyPress, 1},
            {TemplateWindow(), QEvent::ShortcutOverride, 1},
            {nullptr, QEvent::KeyPress, 0},
        };
        for (const auto &c : cases) {
            QKeyEvent key(c.type, Qt::Key_A, Qt::NoModifier, "a");
            MSG msg{c.pReceiver, &key};
            QCOMPARE(TarnIWPreTranslateMessage(&msg), c.nExpected);
        }
        QCOMPARE(TarnIWPreTranslateMessage(nullptr), 0);
    }

    void keysStayInModuleWindows()
    {
        CPreTranslateFilter filter;
        qApp->installEventFilter(&filter);
        Invoke(&m_host);
        int nHostShortcuts = 0;
        QShortcut shortcut(QKeySequence(Qt::Key_Escape), &m_hostWindow);
        shortcut.setContext(Qt::ApplicationShortcut);
        connect(&shortcut, &QShortcut::activated, this, [&] { ++nHostShortcuts; });
        QWidget *pFirst = TemplateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(pFirst));

        // Escape typed in the dialog ends the dialog, not the host's shortcut.
        FileValuesList()->setFocus();
        QTest::keyClick(FileValuesList(), Qt::Key_Escape);
        QVERIFY(!pFirst->isVisible());
        QCOMPARE(nHostShortcuts, 0);

        // In a host window the host's own handling stays.
        QTest::keyClicks(m_pHostEdit, "ok");
        QCOMPARE(m_pHostEdit->text(), "ok");

        // Invoked again: the same window comes back.
        Invoke(&m_host);
        QCOMPARE(TemplateWindow(), pFirst);
        QVERIFY(pFirst->isVisible());
        QVERIFY(m_host.m_calls.empty());
        qApp->removeEventFilter(&filter);
    }

    // The dialog stays above the host's window; when the host closes its
    // last window the dialog closes too and the host's event loop ends.
    // (Last: it closes the host window.)
    void dialogLivesWithTheHost()
    {
        Invoke(&m_host);
        QWidget *pDialog = TemplateWindow();
        QVERIFY(pDialog->isVisible());
        QCOMPARE(pDialog->windowHandle()->transientParent(), m_hostWindow.windowHandle());

        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QTimer::singleShot(0, &m_hostWindow, &QWidget::close);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!pDialog->isVisible());
    }
};

QTEST_MAIN(TestTemplateDlgModule)
#include "TemplateDlgModuleTest.moc"
