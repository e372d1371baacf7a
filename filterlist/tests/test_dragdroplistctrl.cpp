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
        QTest::addColumn<int>("nOver");    // item under the release; -1 below the last
        QTest::addColumn<bool>("bInside"); // released inside the box
        QTest::addColumn<bool>("bSorted");
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("nNotices");

        QTest::newRow("a onto c") << 0 << 2 << true << false << "bacd" << 1;
        QTest::newRow("d onto b, sorted box") << 3 << 1 << true << true << "adbc" << 1;
        QTest::newRow("b below d") << 1 << -1 << true << false << "acdb" << 1;
        QTest::newRow("b onto itself") << 1 << 1 << true << false << "abcd" << 1;
        QTest::newRow("released beside") << 1 << 3 << false << false << "abcd" << 0;
    }

    void drop()
    {
        QFETCH(int, nFrom);
        QFETCH(int, nOver);
        QFETCH(bool, bInside);
        QFETCH(bool, bSorted);
        QFETCH(QString, order);
        QFETCH(int, nNotices);

        const QStringList abcd{"a", "b", "c", "d"};
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox(abcd, 6));
        pBox->setSortingEnabled(bSorted);
        QSignalSpy notices(pBox.data(), &CDragDropListCtrl::selectionChangeNotified);
        QWidget *pViewport = pBox->viewport();
        const QPoint from = Center(pBox.data(), nFrom);
        QPoint to = nOver == -1 ? QPoint(from.x(), pViewport->height() - 2) : Center(pBox.data(), nOver);

        QTest::mousePress(pViewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(pViewport, from + QPoint(1, 1));
        QTest::mouseMove(pViewport, to);
        if (!bInside) {
            to = QPoint(pViewport->width() + 20, to.y());
            QTest::mouseMove(pViewport, to);
        }
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, to);

        QString texts;
        for (int i = 0; i < pBox->count(); ++i) {
            const QString text = pBox->item(i)->text();
            texts += text;
            QCOMPARE(pBox->item(i)->data(Qt::UserRole).toInt(), abcd.indexOf(text));
        }
        QCOMPARE(texts, order);
        QCOMPARE(notices.count(), nNotices);
        const int nDragged = order.indexOf(abcd[nFrom]);
        QCOMPARE(pBox->selectedItems(), QList<QListWidgetItem *>{pBox->item(nDragged)});
        QVERIFY(!pBox->IsDragging());
    }

    void markIsDrawnBeforeTheItemUnderThePointer()
    {
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox({"a", "b", "c", "d"}, 6));
        QWidget *pViewport = pBox->viewport();
        const QPoint probe(pViewport->width() - 3, pBox->visualItemRect(pBox->item(2)).top());
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
            items << QString::number(100 + i);
        QScopedPointer<CDragDropListCtrl> pBox(MakeBox(items, 5));
        QWidget *pViewport = pBox->viewport();
        const int nItemHeight = pBox->visualItemRect(pBox->item(0)).height();
        auto topIndex = [&] { return pBox->indexAt(QPoint(5, 1)).row(); };

        QTest::mousePress(pViewport, Qt::LeftButton, {}, Center(pBox.data(), 1));
        QTest::mouseMove(pViewport, QPoint(10, pViewport->height() + 3 * nItemHeight));
        QCOMPARE(pBox->GetScrollInterval(), 62);
        const int nTop = topIndex();
        QVERIFY(nTop >= 1);              // one item at once
        QTRY_VERIFY(topIndex() > nTop); // and on with the timer

        // Back inside: scrolling stops, and the drop lands before the item
        // under the pointer in the scrolled box.
        const QPoint inside(10, nItemHeight * 3 / 2);
        QTest::mouseMove(pViewport, inside);
        QCOMPARE(pBox->GetScrollInterval(), 0);
        const int nStopped = topIndex();
        QTest::qWait(200);
        QCOMPARE(topIndex(), nStopped);
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, inside);
        QCOMPARE(pBox->item(nStopped)->text(), QStringLiteral("101"));
        QCOMPARE(pBox->item(nStopped + 1)->text(), QString::number(100 + nStopped + 1));
    }
};

QTEST_MAIN(DragDropListCtrlTest)
#include "test_dragdroplistctrl.moc"
