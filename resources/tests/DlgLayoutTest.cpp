#include "resources/core/Resource.h"
#include "resources/ui/DlgLayout.h"

#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class DlgLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void templateDialogAtAnyFontSize_data()
    {
        QTest::addColumn<int>("nPointSize");
        QTest::newRow("as designed") << 0;
        QTest::newRow("large") << 20;
    }

    // Widgets marked with their ids land at their rectangles in the units of
    // the current font; the two group boxes sharing IDC_STATIC are told apart.
    void templateDialogAtAnyFontSize()
    {
        QFETCH(int, nPointSize);
        QDialog dlg;
        auto *pFileGroup = new QGroupBox(QStringLiteral("FileValue"), &dlg);
        auto *pTemplateGroup = new QGroupBox(QStringLiteral("TemplateField"), &dlg);
        auto *pBrowse = new QPushButton(QStringLiteral("Browse"), &dlg);
        pFileGroup->setProperty("dlgId", IDC_STATIC);
        pTemplateGroup->setProperty("dlgId", IDC_STATIC);
        pBrowse->setProperty("dlgId", IDC_BROWSE);

        const sDlgTemplate &tmpl = GetDlgTemplate(IDD_TEMPLATE);
        ApplyDlgTemplate(&dlg, tmpl);
        if (nPointSize) {
            QFont font = dlg.font();
            font.setPointSize(nPointSize);
            dlg.setFont(font);
            ApplyDlgTemplate(&dlg, tmpl);
        }
        const sDlgBaseUnits base = DlgBaseUnits(dlg.font());

        QCOMPARE(dlg.size(), DlgRectToPixels({0, 0, 215, 267}, base).size());
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(dlg.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(pBrowse->geometry(), DlgRectToPixels({16, 243, 32, 14}, base));
        QCOMPARE(pFileGroup->geometry(), DlgRectToPixels({12, 234, 77, 27}, base));
        QCOMPARE(pTemplateGroup->geometry(), DlgRectToPixels({93, 234, 70, 27}, base));
    }

    void resizableDialog()
    {
        QDialog dlg;
        auto *pList = new QListWidget(&dlg);
        pList->setProperty("dlgId", IDC_RESULT_LIST);
        ApplyDlgTemplate(&dlg, GetDlgTemplate(IDD_VALIDATION));
        QVERIFY(dlg.minimumSize() != dlg.maximumSize());
        QVERIFY(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(pList->geometry(), DlgRectToPixels({13, 13, 354, 116}, DlgBaseUnits(dlg.font())));
    }
};

QTEST_MAIN(DlgLayoutTest)
#include "DlgLayoutTest.moc"
