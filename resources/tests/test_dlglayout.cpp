#include "resources/core/Resource.h"
#include "resources/ui/DlgLayout.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class DlgLayoutTest : public QObject
{
    Q_OBJECT

private:
    // The Template dialog's widgets, marked with their control ids.
    static QDialog *BuildTemplateDialog()
    {
        auto *pDlg = new QDialog;
        const sDlgTemplate &tmpl = GetDlgTemplate(IDD_TEMPLATE);
        for (const sDlgControl &ctrl : tmpl.controls) {
            QWidget *pWidget = nullptr;
            if (ctrl.kind == eDlgItem::GroupBox)
                pWidget = new QGroupBox(QString::fromLatin1(ctrl.pszText), pDlg);
            else if (ctrl.kind == eDlgItem::PushButton)
                pWidget = new QPushButton(QString::fromLatin1(ctrl.pszText), pDlg);
            else
                pWidget = new QListWidget(pDlg);
            pWidget->setProperty("dlgId", ctrl.nId);
        }
        return pDlg;
    }

    static QWidget *Find(QDialog *pDlg, int nId, const QString &text = QString())
    {
        for (QWidget *pWidget : pDlg->findChildren<QWidget *>()) {
            const QVariant title = pWidget->property("title");
            if (pWidget->property("dlgId").toInt() == nId && (text.isEmpty() || title.toString() == text))
                return pWidget;
        }
        return nullptr;
    }

private Q_SLOTS:
    void baseUnitsFollowTheFont()
    {
        const QFont font(QStringLiteral("Verdana"), 10);
        const QFontMetrics metrics(font);
        const int nWidth = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        const sDlgBaseUnits base = DlgBaseUnits(font);
        QCOMPARE(base.cx, (nWidth + 26) / 52);
        QCOMPARE(base.cy, metrics.height());
    }

    void templateDialogIsLaidOutAtAnyFontSize_data()
    {
        QTest::addColumn<int>("nPointSize");
        QTest::newRow("as designed") << 0;
        QTest::newRow("large") << 20;
    }

    void templateDialogIsLaidOutAtAnyFontSize()
    {
        QFETCH(int, nPointSize);
        QScopedPointer<QDialog> pDlg(BuildTemplateDialog());
        const sDlgTemplate &tmpl = GetDlgTemplate(IDD_TEMPLATE);
        ApplyDlgTemplate(pDlg.data(), tmpl);
        if (nPointSize) {
            QFont font = pDlg->font();
            font.setPointSize(nPointSize);
            pDlg->setFont(font);
            PlaceDlgControls(pDlg.data(), tmpl);
        }
        const sDlgBaseUnits base = DlgBaseUnits(pDlg->font());

        QCOMPARE(pDlg->windowTitle(), QStringLiteral("Template"));
        QCOMPARE(Find(pDlg.data(), IDC_BROWSE)->geometry(), DlgRectToPixels({16, 243, 32, 14}, base));
        // The two group boxes share IDC_STATIC and are told apart by their text.
        QCOMPARE(Find(pDlg.data(), IDC_STATIC, QStringLiteral("TemplateField"))->geometry(),
                 DlgRectToPixels({93, 234, 70, 27}, base));
        QCOMPARE(Find(pDlg.data(), IDC_STATIC, QStringLiteral("FileValue"))->geometry(),
                 DlgRectToPixels({12, 234, 77, 27}, base));

        auto *pOk = qobject_cast<QPushButton *>(Find(pDlg.data(), IDOK));
        QVERIFY(pOk->isDefault());
        QVERIFY(pOk->isHidden());
        QVERIFY(!Find(pDlg.data(), IDC_CONTINUE)->isHidden());
    }

    void fixedOrResizableSize_data()
    {
        QTest::addColumn<int>("nDlg");
        QTest::addColumn<bool>("bResizable");
        QTest::newRow("reposition") << IDD_REPOSITION << false;
        QTest::newRow("validation") << IDD_VALIDATION << true;
    }

    void fixedOrResizableSize()
    {
        QFETCH(int, nDlg);
        QFETCH(bool, bResizable);
        const sDlgTemplate &tmpl = GetDlgTemplate(nDlg);
        QDialog dlg;
        ApplyDlgTemplate(&dlg, tmpl);
        QCOMPARE(dlg.font().family(), QString::fromLatin1(tmpl.pszFont));
        const QSize size = DlgRectToPixels({0, 0, tmpl.cx, tmpl.cy}, DlgBaseUnits(dlg.font())).size();
        QCOMPARE(dlg.size(), size);
        QCOMPARE(dlg.minimumSize() == dlg.maximumSize(), !bResizable);
    }

    void popupByMap()
    {
        const sDlgTemplate &tmpl = GetDlgTemplate(IDD_FILTERTEXT);
        QDialog dlg;
        auto *pValues = new QListWidget(&dlg);
        auto *pCancel = new QPushButton(QStringLiteral("Cancel"), &dlg);
        ApplyDlgTemplate(&dlg, tmpl);
        PlaceDlgControls(&dlg, tmpl, {{IDC_FILTER_VALUES, pValues}, {IDCANCEL, pCancel}});
        QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(pValues->geometry(), DlgRectToPixels({1, -2, 77, 76}, DlgBaseUnits(dlg.font())));
        QVERIFY(pCancel->isHidden());
    }
};

QTEST_MAIN(DlgLayoutTest)
#include "test_dlglayout.moc"
