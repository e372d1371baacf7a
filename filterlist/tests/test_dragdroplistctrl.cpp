#include "filterlist/ui/CDragDropListCtrl.h"

#include <QSignalSpy>
#include <QtTest>

class DragDropListCtrlTest : public QObject
{
    Q_OBJECT

private:
    // A box of the given items, each with data 10, 20, 30, ... in order,
    // tall enough for nRows rows.
    static CDragDropListCtrl *MakeBox(const QStringList &items, int nRows)
    {
        auto *pBox = new CDragDropListCtrl;
        for (int i = 0; i < items.size(); ++i) {
            auto *pItem = new QListWidgetItem(items[i], pBox);
            pItem->setData(Qt::UserRole, 10 * (i + 1));
        }
        const int nItemHeight = pBox->sizeHintForRow(0);
        pBox->resize(120, nRows * nItemHeight + 2 * pBox->frameWidth());
        pBox->show();
        return pBox;
    }

    static QPoint Center(CDragDropListCtrl *pBox, int nItem)
    {
        return pBox->visualItemRect(pBox->item(nItem)).center();
    }

    static QStringList Texts(CDragDropListCtrl *pBox)
    {
        QStringList texts;
        for (int i = 0; i < pBox->count(); ++i)
            texts << pBox->item(i)->text();
        return texts;
    }

    // Presses at from, moves to each point with the button held, releases at
    // the last one.
    static void Drag(CDragDropListCtrl *pBox, const QPoint &from, const QList<QPoint> &path)
    {
        QWidget *pViewport = pBox->viewport();
        QTest::mousePress(pViewport, Qt::LeftButton, {}, from);
        for (const QPoint &pt : path)
            QTest::mouseMove(pViewport, pt);
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, path.last());
    }

private Q_SLOTS:
    void drop_data()
    {
        QTest::addColumn<int>("nFrom");
        QTest::addColumn<int>("nOver");   // item under the release; -1 below the last
        QTest::addColumn<bool>("bInside"); // released inside the box
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("nSelected");
        QTest::addColumn<int>("nNotices");

        const QStringList abcd{"a", "b", "c", "d"};
        QTest::newRow("a onto c") << 0 << 2 << true << QStringList{"b", "a", "c", "d"} << 1 << 1;
        QTest::newRow("d onto b") << 3 << 1 << true << QStringList{"a", "d", "b", "c"} << 1 << 1;
        QTest::newRow("b below d") << 1 << -1 << true << QStringList{"a", "c", "d", "b"} << 3 << 1;
        QTest::newRow("b onto itself") << 1 << 1 << true << abcd << 1 << 1;
        QTest::newRow("released beside") << 1 << 3 << false << abcd << 1 << 0;
    }

    void drop()
    {
        QFETCH(int, nFrom);
        QFETCH(int, nOver);
        QFETCH(bool, bInside);
        QFETCH(QStringList, order);
        QFETCH(int, nSelected);
        QFETCH(int, nNotices);

        QScopedPointer<CDragDropListCtrl> pBox(MakeBox({"a", "b", "c", "d"}, 6));
        QSignalSpy notices(pBox.data(), &CDragDropListCtrl::selectionChangeNotified);
        const QPoint from = Center(pBox.data(), nFrom);
        QPoint over = nOver == -1 ? QPoint(from.x(), pBox->viewport()->height() - 2) : Center(pBox.data(), nOver);
        QList<QPoint> path{from + QPoint(1, 1), over};
        if (!bInside)
            path << QPoint(pBox->viewport()->width() + 20, over.y());
        Drag(pBox.data(), from, path);

        QCOMPARE(Texts(pBox.data()), order);
        QCOMPARE(notices.count(), nNotices);
        QCOMPARE(pBox->currentRow(), nSelected);
        QVERIFY(pBox->item(nSelected)->isSelected());
        for (int i = 0; i < pBox->count(); ++i) {
            const int nData = 10 * (1 + QStringList{"a", "b", "c", "d"}.indexOf(pBox->item(i)->text()));
            QCOMPARE(pBox->item(i)->data(Qt::UserRole).toInt(), nData);
        }
        QVERIFY(!pBox->IsDragging());
        QCOMPARE(pBox->GetDragIndex(), -1);
    }

    void sortedBoxKeepsTheDroppedPlace()
    {
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox({"a", "b", "c", "d"}, 6));
        pBox->setSortingEnabled(true);
        Drag(pBox.data(), Center(pBox.data(), 3), {Center(pBox.data(), 1)});
        QCOMPARE(Texts(pBox.data()), (QStringList{"a", "d", "b", "c"}));
        QVERIFY(pBox->isSortingEnabled());
    }

    void pressBelowItemsDoesNotDrag()
    {
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox({"a", "b"}, 6));
        QSignalSpy notices(pBox.data(), &CDragDropListCtrl::selectionChangeNotified);
        const QPoint below(10, pBox->viewport()->height() - 2);
        QTest::mousePress(pBox->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseMove(pBox->viewport(), Center(pBox.data(), 0));
        QVERIFY(!pBox->IsDragging());
        QTest::mouseRelease(pBox->viewport(), Qt::LeftButton, {}, Center(pBox.data(), 0));
        QCOMPARE(Texts(pBox.data()), (QStringList{"a", "b"}));
        QCOMPARE(notices.count(), 0);
    }

    void markIsDrawnBeforeTheItemUnderThePointer()
    {
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox({"a", "b", "c", "d"}, 6));
        QWidget *pViewport = pBox->viewport();
        const int nMarkRow = pBox->visualItemRect(pBox->item(2)).top();
        const QPoint probe(pViewport->width() - 3, nMarkRow);
        auto isBlack = [&] { return pViewport->grab().toImage().pixelColor(probe) == QColor(Qt::black); };

        QTest::mousePress(pViewport, Qt::LeftButton, {}, Center(pBox.data(), 2));
        QTest::mouseMove(pViewport, Center(pBox.data(), 2) + QPoint(0, 1));
        QVERIFY(!isBlack()); // over the dragged item itself
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, QPoint(-20, 5));

        QTest::mousePress(pViewport, Qt::LeftButton, {}, Center(pBox.data(), 0));
        QTest::mouseMove(pViewport, Center(pBox.data(), 2));
        QVERIFY(isBlack());
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, QPoint(-20, 5));
        QVERIFY(!isBlack()); // cancelled: the mark is gone
    }

    void autoScrollBelowTheBox()
    {
        QStringList items;
        for (int i = 0; i < 30; ++i)
            items << QStringLiteral("item %1").arg(i, 2, 10, QLatin1Char('0'));
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox(items, 5));
        QWidget *pViewport = pBox->viewport();
        const int nItemHeight = pBox->visualItemRect(pBox->item(0)).height();

        QTest::mousePress(pViewport, Qt::LeftButton, {}, Center(pBox.data(), 1));
        QTest::mouseMove(pViewport, QPoint(10, pViewport->height() + 3 * nItemHeight));
        QCOMPARE(pBox->GetScrollInterval(), 62);
        const int nTop = pBox->indexAt(QPoint(5, 1)).row();
        QVERIFY(nTop >= 1); // scrolled one item at once
        QTRY_VERIFY(pBox->indexAt(QPoint(5, 1)).row() > nTop); // and on by the timer

        // Back inside the scrolled box: scrolling stops and the drop lands
        // before the item under the pointer.
        const QPoint inside(10, nItemHeight * 3 / 2);
        QTest::mouseMove(pViewport, inside);
        QCOMPARE(pBox->GetScrollInterval(), 0);
        const int nStopped = pBox->indexAt(QPoint(5, 1)).row();
        QTest::qWait(200);
        QCOMPARE(pBox->indexAt(QPoint(5, 1)).row(), nStopped);
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, inside);
        QCOMPARE(pBox->item(nStopped)->text(), QStringLiteral("item 01"));
        QCOMPARE(pBox->item(nStopped + 1)->text(), QStringLiteral("item %1").arg(nStopped + 1, 2, 10, QLatin1Char('0')));
    }
};

QTEST_MAIN(DragDropListCtrlTest)
#include "test_dragdroplistctrl.moc"
