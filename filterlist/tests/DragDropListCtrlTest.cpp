#include "filterlist/ui/CDragDropListCtrl.h"

#include <QSignalSpy>
#include <QtTest>

class DragDropListCtrlTest : public QObject
{
    Q_OBJECT

private:
    // A shown box tall enough for nRows rows; item i carries the data i.
    static CDragDropListCtrl *MakeBox(const QStringList &items, int nRows)
    {
        auto *pBox = new CDragDropListCtrl;
        for (int i = 0; i < items.size(); ++i)
            (new QListWidgetItem(items[i], pBox))->setData(Qt::UserRole, i);
        pBox->resize(120, nRows * pBox->sizeHintForRow(0) + 2 * pBox->frameWidth());
        pBox->show();
        return pBox;
    }

    static QPoint Center(CDragDropListCtrl *pBox, int nItem)
    {
        return pBox->visualItemRect(pBox->item(nItem)).center();
    }

private Q_SLOTS:
    void drop_data()
    {
        QTest::addColumn<int>("nFrom");
        QTest::addColumn<int>("nOver"); // item under the release; -1 below the last, -2 beside the box
        QTest::addColumn<bool>("bSorted");
        QTest::addColumn<QString>("order");

        QTest::newRow("d onto b, sorted box") << 3 << 1 << true << "adbc";
        QTest::newRow("b below d") << 1 << -1 << false << "acdb";
        QTest::newRow("released beside") << 1 << -2 << false << "abcd";
    }

    void drop()
    {
        QFETCH(int, nFrom);
        QFETCH(int, nOver);
        QFETCH(bool, bSorted);
        QFETCH(QString, order);

        const QStringList abcd{"a", "b", "c", "d"};
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox(abcd, 6));
        pBox->setSortingEnabled(bSorted);
        QSignalSpy notices(pBox.data(), &CDragDropListCtrl::selectionChangeNotified);
        QWidget *pViewport = pBox->viewport();
        const QPoint from = Center(pBox.data(), nFrom);
        const QPoint to = nOver == -1 ? QPoint(from.x(), pViewport->height() - 2)
            : nOver == -2             ? QPoint(pViewport->width() + 20, Center(pBox.data(), 3).y())
                                      : Center(pBox.data(), nOver);
        QTest::mousePress(pViewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(pViewport, to);
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, to);

        QString texts;
        for (int i = 0; i < pBox->count(); ++i) {
            const QString text = pBox->item(i)->text();
            texts += text;
            QCOMPARE(pBox->item(i)->data(Qt::UserRole).toInt(), abcd.indexOf(text));
        }
        QCOMPARE(texts, order);
        QCOMPARE(notices.count(), nOver == -2 ? 0 : 1); // released outside: no notice
        const int nDragged = order.indexOf(abcd[nFrom]);
        QCOMPARE(pBox->selectedItems(), QList<QListWidgetItem *>{pBox->item(nDragged)});
        QVERIFY(!pBox->IsDragging());
    }

    // Where the mark goes and how fast the box scrolls is worked out apart
    // from the box; here the box draws the mark and runs the timer.
    void markAndAutoScroll()
    {
        QStringList items;
        for (int i = 0; i < 30; ++i)
            items << QString::number(100 + i);
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox(items, 5));
        QWidget *pViewport = pBox->viewport();
        const int nItemHeight = pBox->visualItemRect(pBox->item(0)).height();
        const QPoint probe(pViewport->width() - 3, nItemHeight * 2);
        auto isBlack = [&] { return pViewport->grab().toImage().pixelColor(probe) == QColor(Qt::black); };
        auto topIndex = [&] { return pBox->indexAt(QPoint(5, 1)).row(); };

        QTest::mousePress(pViewport, Qt::LeftButton, {}, Center(pBox.data(), 1));
        QTest::mouseMove(pViewport, Center(pBox.data(), 2));
        QVERIFY(isBlack());
        QTest::mouseMove(pViewport, QPoint(10, pViewport->height() + 3 * nItemHeight));
        const int nTop = topIndex();
        QTRY_VERIFY(topIndex() > nTop);

        // Back inside: scrolling stops, and the drop lands before the item
        // under the pointer in the scrolled box.
        const QPoint inside(10, nItemHeight * 3 / 2);
        QTest::mouseMove(pViewport, inside);
        const int nStopped = topIndex();
        QTest::qWait(200);
        QCOMPARE(topIndex(), nStopped);
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, inside);
        QCOMPARE(pBox->item(nStopped)->text(), QStringLiteral("101"));
        QVERIFY(!isBlack());
    }
};

QTEST_MAIN(DragDropListCtrlTest)
#include "DragDropListCtrlTest.moc"
