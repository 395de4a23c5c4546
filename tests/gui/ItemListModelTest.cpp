#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "ItemListModel.h"

using zandrel::qt::ItemListModel;

class ItemListModelTest : public QObject {
    Q_OBJECT

private slots:
    void appendsArePublishedInOneBatchOnTheEventLoop() {
        ItemListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        for (int i = 0; i < 1000; ++i) {
            model.Append(std::to_string(i));
        }
        QCOMPARE(model.rowCount(), 0);  // nothing announced while a run is busy
        QCOMPARE(model.Items().Size(), std::size_t{1000});

        QTRY_COMPARE(model.rowCount(), 1000);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 999);

        model.Append("1000");
        model.Publish();  // announces at once, and the queued publish finds nothing left
        QCOMPARE(model.rowCount(), 1001);
        QCoreApplication::processEvents();
        QCOMPARE(inserted.count(), 2);
    }

    void dataGivesTheTextsInInsertionOrder() {
        ItemListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const char* text : {"11", "2", "101"}) {
            model.Append(text);
        }
        model.Publish();
        QCOMPARE(model.data(model.index(0)).toString(), QStringLiteral("11"));
        QCOMPARE(model.data(model.index(1)).toString(), QStringLiteral("2"));
        QCOMPARE(model.data(model.index(2)).toString(), QStringLiteral("101"));
        QVERIFY(!model.data(model.index(3)).isValid());
        QVERIFY(!model.data(model.index(0), Qt::EditRole).isValid());
    }
};

QTEST_MAIN(ItemListModelTest)
#include "ItemListModelTest.moc"
