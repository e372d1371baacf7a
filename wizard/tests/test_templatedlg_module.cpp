// The Template dialog through the module's entries, as a Qt host sees it:
// the host routes its events through TarnIWPreTranslateMessage.
#include "tarniw/TarnIW.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTemporaryDir>
#include <QFile>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

#include <memory>

namespace
{
class CSilentHost : public CImportHost
{
public:
    BOOL AcceptRecord(int, CRecordMap *) override { return ++m_nCalls, TRUE; }
    void ReportLineError(int, CString, CString) override { ++m_nCalls; }
    BOOL AcceptLineValues(CStringArray *) override { return ++m_nCalls, TRUE; }
    void AcceptRecords(CString) override { ++m_nCalls; }
    int m_nCalls = 0;
};

// What a host installs on its application.
class CPreTranslateFilter : public QObject
{
protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override
    {
        MSG msg{pWatched, pEvent};
        return TarnIWPreTranslateMessage(&msg) != 0;
    }
};

QWidget *TemplateWindow()
{
    for (QWidget *pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->windowTitle() == QLatin1String("Template"))
            return pWidget;
    }
    return nullptr;
}
}

class TestTemplateDlgModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void nullHostShowsNothing();
    void preTranslate_data();
    void preTranslate();
    void keysStayInModuleWindows();
    void invokeAgainShowsSameWindow();

private:
    QWidget *List(int nId) const;
    void Invoke(CImportHost *pHost);

    QTemporaryDir m_baseDir;
    CSilentHost m_host;
    std::unique_ptr<QWidget> m_pHostWindow;
    QLineEdit *m_pHostEdit = nullptr;
    CPreTranslateFilter m_filter;
};

void TestTemplateDlgModule::initTestCase()
{
    // The module keeps its stores beside the host's executable: point it at
    // this test's own folder.
    QVERIFY(m_baseDir.isValid());
    qputenv("TARNIW_HOST_EXE", QFile::encodeName(m_baseDir.filePath("host")));
    m_pHostWindow = std::make_unique<QWidget>();
    m_pHostEdit = new QLineEdit(m_pHostWindow.get());
    m_pHostWindow->show();
}

void TestTemplateDlgModule::init()
{
    qApp->removeEventFilter(&m_filter);
}

void TestTemplateDlgModule::cleanupTestCase()
{
    qunsetenv("TARNIW_HOST_EXE");
}

QWidget *TestTemplateDlgModule::List(int nId) const
{
    for (QAbstractItemView *pList : TemplateWindow()->findChildren<QAbstractItemView *>()) {
        if (pList->property("dlgId").toInt() == nId)
            return pList;
    }
    return nullptr;
}

void TestTemplateDlgModule::Invoke(CImportHost *pHost)
{
    CStringArray fields{"OrderNo", "Customer"};
    InvokeTemplateDlg(pHost, &fields, "ModuleTest");
}

void TestTemplateDlgModule::nullHostShowsNothing()
{
    Invoke(nullptr);
    QVERIFY(!TemplateWindow());
}

void TestTemplateDlgModule::preTranslate_data()
{
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<int>("eventType");
    QTest::addColumn<int>("expected");

    QTest::newRow("key for a host window") << "host" << int(QEvent::KeyPress) << 0;
    QTest::newRow("shortcut override for a host window") << "host" << int(QEvent::ShortcutOverride) << 0;
    QTest::newRow("key for a list of the dialog") << "list" << int(QEvent::KeyPress) << 1;
    QTest::newRow("shortcut override for the dialog") << "dialog" << int(QEvent::ShortcutOverride) << 1;
    QTest::newRow("key release for the dialog") << "dialog" << int(QEvent::KeyRelease) << 1;
    QTest::newRow("no receiver") << "none" << int(QEvent::KeyPress) << 0;
}

void TestTemplateDlgModule::preTranslate()
{
    QFETCH(QString, receiver);
    QFETCH(int, eventType);
    QFETCH(int, expected);
    Invoke(&m_host);
    QObject *pReceiver = receiver == "host" ? static_cast<QObject *>(m_pHostEdit)
        : receiver == "list"                ? List(1001)
        : receiver == "dialog"              ? TemplateWindow()
                                            : nullptr;

    QKeyEvent key(QEvent::Type(eventType), Qt::Key_A, Qt::NoModifier, "a");
    MSG msg{pReceiver, &key};
    QCOMPARE(TarnIWPreTranslateMessage(&msg), expected);
    QCOMPARE(TarnIWPreTranslateMessage(nullptr), 0);
    QVERIFY(TemplateWindow()->isVisible());
}

void TestTemplateDlgModule::keysStayInModuleWindows()
{
    Invoke(&m_host);
    qApp->installEventFilter(&m_filter);
    int nHostShortcuts = 0;
    auto *pShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), m_pHostWindow.get());
    pShortcut->setContext(Qt::ApplicationShortcut);
    connect(pShortcut, &QShortcut::activated, this, [&] { ++nHostShortcuts; });
    QVERIFY(QTest::qWaitForWindowExposed(TemplateWindow()));

    // Escape typed in the dialog ends the dialog, not the host's shortcut.
    List(1001)->setFocus();
    QTest::keyClick(List(1001), Qt::Key_Escape);
    QVERIFY(!TemplateWindow()->isVisible());
    QCOMPARE(nHostShortcuts, 0);
    QCOMPARE(m_host.m_nCalls, 0);

    // In a host window the host's own handling stays.
    QTest::keyClicks(m_pHostEdit, "ok");
    QCOMPARE(m_pHostEdit->text(), "ok");
    delete pShortcut;
}

void TestTemplateDlgModule::invokeAgainShowsSameWindow()
{
    Invoke(&m_host);
    QWidget *pFirst = TemplateWindow();
    QTest::keyClick(pFirst, Qt::Key_Return);
    QVERIFY(!pFirst->isVisible());

    Invoke(&m_host);
    QCOMPARE(TemplateWindow(), pFirst);
    QVERIFY(pFirst->isVisible());
    QCOMPARE(m_host.m_nCalls, 0);
}

QTEST_MAIN(TestTemplateDlgModule)
#include "test_templatedlg_module.moc"
