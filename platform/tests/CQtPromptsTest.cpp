#include "platform/ui/CQtPrompts.h"

#include <QFileDialog>
#include <QtTest>

class CQtPromptsTest : public QObject
{
    Q_OBJECT
private slots:
    void nameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("csv and dot") << "CSV Files(*.csv)|*.csv; *.csv|DOT Files(*.dot)|*.dot; *.dot||"
                                     << QStringList{"CSV Files(*.csv) (*.csv)", "DOT Files(*.dot) (*.dot)"};
        QTest::newRow("template titles") << "Template|*.csv|Daily|*.csv|" << QStringList{"Template (*.csv)", "Daily (*.csv)"};
        QTest::newRow("empty") << "" << QStringList{};
        // Template titles that a file dialog would show alike.
        QTest::newRow("blanks") << "Daily|*.csv| Daily|*.csv|Daily  |*.csv|"
                                << QStringList{"Daily (*.csv)", "Daily (2) (*.csv)", "Daily (3) (*.csv)"};
        QTest::newRow("tab and double blank") << "a\tb|*.csv|a  b|*.csv|"
                                              << QStringList{"a b (*.csv)", "a b (2) (*.csv)"};
        QTest::newRow("UTF-8 and Latin-1") << "Caf\u00e9|*.csv|Caf\u00c3\u00a9|*.csv|"
                                           << QStringList{"Caf\u00e9 (*.csv)", "Caf\u00e9 (2) (*.csv)"};
        QTest::newRow("a name like a told-apart one") << "A|*.csv|A |*.csv|A (2)|*.csv|"
                                                      << QStringList{"A (*.csv)", "A (2) (*.csv)", "A (2) (2) (*.csv)"};
    }
    // Each entry, selected in a file dialog, is found again by its index.
    void nameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        const QStringList filters = CQtPrompts::NameFilters(CString(filter.toLatin1().toStdString()));
        QCOMPARE(filters, expected);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(filters);
        for (int i = 0; i < filters.size(); ++i) {
            dialog.selectNameFilter(filters[i]);
            QCOMPARE(CQtPrompts::FilterIndex(filters, dialog.selectedNameFilter()), i + 1);
        }
    }
};

QTEST_MAIN(CQtPromptsTest)
#include "CQtPromptsTest.moc"
