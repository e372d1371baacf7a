#include "platform/ui/CQtPrompts.h"

#include <QtTest>

class CQtPromptsTest : public QObject
{
    Q_OBJECT
private slots:
    void nameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("csv") << "CSV Files(*.csv)|*.csv; *.csv||" << QStringList{"CSV Files(*.csv) (*.csv)"};
        QTest::newRow("csv and dot") << "CSV Files(*.csv)|*.csv; *.csv|DOT Files(*.dot)|*.dot; *.dot||"
                                     << QStringList{"CSV Files(*.csv) (*.csv)", "DOT Files(*.dot) (*.dot)"};
        QTest::newRow("template titles") << "Template|*.csv|Daily|*.csv|" << QStringList{"Template (*.csv)", "Daily (*.csv)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void nameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(CQtPrompts::NameFilters(CString(filter.toStdString())), expected);
    }
};

QTEST_MAIN(CQtPromptsTest)
#include "CQtPromptsTest.moc"
