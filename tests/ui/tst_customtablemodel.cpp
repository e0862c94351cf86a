#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/CustomTableModel.h"

#include "TestWorkDir.h"

#include <QMimeData>
#include <QPointer>
#include <QUrl>

#include <memory>
#include <QSignalSpy>
#include <QTest>

class TestCustomTableModel : public QObject
{
    Q_OBJECT

private:
    static QList<CustomTableItem> pictures(int count, QList<QPointer<ImageObject>> *tracked = nullptr)
    {
        QList<CustomTableItem> items;
        for (int i = 1; i <= count; ++i) {
            auto *image = new ImageObject(i, QString(), 5, ImageObject::PictureFile);
            if (tracked)
                tracked->append(image);
            items.append(CustomTableItem(image));
        }
        return items;
    }

    static QList<int> indexes(const CustomTableModel &model)
    {
        QList<int> result;
        for (const CustomTableItem &item : model.itemList())
            result.append(qobject_cast<ImageObject *>(item.object)->index());
        return result;
    }

private slots:
    void delRowRefusesBadRanges_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::newRow("count zero") << 0 << 0;
        QTest::newRow("negative count") << 1 << -1;
        QTest::newRow("negative start") << -1 << 1;
        QTest::newRow("range past the end") << 2 << 5;
        QTest::newRow("start at the end") << 4 << 1;
    }

    void delRowRefusesBadRanges()
    {
        QFETCH(int, start);
        QFETCH(int, count);
        TestWorkDir work;
        QList<QPointer<ImageObject>> tracked;
        CustomTableModel model(pictures(4, &tracked), 1);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        model.delRow(start, count);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(removed.count(), 0);
        for (const auto &image : tracked)
            QVERIFY(image);
        model.delRow(0, 4);
    }

    void delRowDeletesAndRenumbers_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("remaining");
        QTest::newRow("second of four") << 1 << 1 << QList<int>{1, 2, 3};
        QTest::newRow("first two") << 0 << 2 << QList<int>{1, 2};
        QTest::newRow("last") << 3 << 1 << QList<int>{1, 2, 3};
        QTest::newRow("all") << 0 << 4 << QList<int>{};
    }

    void delRowDeletesAndRenumbers()
    {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QList<int>, remaining);
        TestWorkDir work;
        QList<QPointer<ImageObject>> tracked;
        CustomTableModel model(pictures(4, &tracked), 1);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.delRow(start, count);
        QCOMPARE(indexes(model), remaining);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), start);
        QCOMPARE(removed.at(0).at(2).toInt(), start + count - 1);
        for (int i = 0; i < tracked.size(); ++i)
            QCOMPARE(tracked.at(i).isNull(), i >= start && i < start + count);
        model.delRow(0, model.rowCount());
    }

    void delRowRenumbersSequences()
    {
        CustomTableModel model({CustomTableItem(new MediaObject(0, QStringLiteral("a.gif"))),
                                CustomTableItem(new MediaObject(1, QStringLiteral("b.gif"))),
                                CustomTableItem(new MediaObject(2, QStringLiteral("c.gif")))},
                               1);
        model.delRow(0, 1);
        QCOMPARE(qobject_cast<MediaObject *>(model.itemList().at(0).object)->index(), 1);
        QCOMPARE(qobject_cast<MediaObject *>(model.itemList().at(1).object)->index(), 2);
        model.delRow(0, 2);
    }

    void appendItemsAnnouncesNewRows()
    {
        TestWorkDir work;
        CustomTableModel model(pictures(3), 1);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendItems(pictures(2));
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 3);
        QCOMPARE(inserted.at(0).at(2).toInt(), 4);
        QCOMPARE(model.rowCount(), 5);
        model.delRow(0, 5);
    }

    void dataRoles_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("holdsItem");
        QTest::newRow("display") << int(Qt::DisplayRole) << true;
        QTest::newRow("edit") << int(Qt::EditRole) << true;
        QTest::newRow("check state") << int(Qt::CheckStateRole) << false;
        QTest::newRow("decoration") << int(Qt::DecorationRole) << false;
        QTest::newRow("tool tip") << int(Qt::ToolTipRole) << false;
    }

    void dataRoles()
    {
        QFETCH(int, role);
        QFETCH(bool, holdsItem);
        TestWorkDir work;
        const QList<CustomTableItem> items = pictures(2);
        CustomTableModel model(items, 1);
        const QVariant value = model.data(model.index(1, 0), role);
        QCOMPARE(value.isValid(), holdsItem);
        if (holdsItem) {
            QCOMPARE(value.metaType().id(), CustomTableItem::typeId());
            QCOMPARE(value.value<CustomTableItem>().object, items.at(1).object);
        }
        QVERIFY(!model.data(model.index(2, 0), role).isValid());
        QVERIFY(!model.setData(model.index(0, 0), QVariant(), role));
        model.delRow(0, 2);
    }

    void headerRoles()
    {
        CustomTableModel model({}, 1);
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::DisplayRole).isValid());
        QVERIFY(model.setHeaderData(0, Qt::Horizontal, 5));
        const QVariant header = model.headerData(0, Qt::Horizontal, Qt::DisplayRole);
        QCOMPARE(header.metaType().id(), QMetaType::QString);
        QCOMPARE(header.toString(), QStringLiteral("5"));
        QVERIFY(!model.setHeaderData(0, Qt::Vertical, 7));
        QCOMPARE(model.columnCount(), 1);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    }

    void sortKeepsTheOrder()
    {
        TestWorkDir work;
        CustomTableModel model(pictures(3), 1);
        qobject_cast<ImageObject *>(model.itemList().at(0).object)->setIndex(9);
        const QList<CustomTableItem> before = model.itemList();
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        model.sort(0, Qt::AscendingOrder);
        QCOMPARE(layout.count(), 1);
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(model.itemList().at(i).object, before.at(i).object);
        model.delRow(0, 3);
    }

    void flagsAllowEditing()
    {
        TestWorkDir work;
        CustomTableModel model(pictures(1), 1);
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(model.flags(QModelIndex()) & Qt::ItemIsDropEnabled);
        QVERIFY(model.supportedDropActions() & Qt::MoveAction);
        model.delRow(0, 1);
    }

    void moveToIndexMovesOneRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("newIndex");
        QTest::addColumn<QList<int>>("order"); // the original picture numbers, in row order afterwards
        QTest::addColumn<int>("movedTo");
        QTest::newRow("down: 2 to 5") << 1 << 5 << QList<int>{1, 3, 4, 5, 2, 6} << 4;
        QTest::newRow("up: 5 to 2") << 4 << 2 << QList<int>{1, 5, 2, 3, 4, 6} << 1;
        QTest::newRow("to the end") << 0 << 6 << QList<int>{2, 3, 4, 5, 6, 1} << 5;
        QTest::newRow("beyond the largest index is the last") << 1 << 9 << QList<int>{1, 3, 4, 5, 6, 2} << 5;
    }

    void moveToIndexMovesOneRow()
    {
        QFETCH(int, row);
        QFETCH(int, newIndex);
        QFETCH(QList<int>, order);
        QFETCH(int, movedTo);
        TestWorkDir work;
        CustomTableModel model(pictures(6), 1);
        const QList<CustomTableItem> before = model.itemList();
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&model, &CustomTableModel::playlistChanged);

        QVERIFY(model.moveToIndex(before.at(row).object, row + 1, newIndex));

        QCOMPARE(moved.size(), 1);
        QCOMPARE(reset.size(), 0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(indexes(model), (QList<int>{1, 2, 3, 4, 5, 6}));
        QList<int> originals;
        for (const CustomTableItem &item : model.itemList())
            originals.append(int(before.indexOf(item)) + 1);
        QCOMPARE(originals, order);
        QCOMPARE(model.rowOf(before.at(row).object), movedTo);
        model.delRow(0, model.rowCount());
    }

    void moveToIndexWithoutChange()
    {
        TestWorkDir work;
        CustomTableModel model(pictures(3), 1);
        QSignalSpy changed(&model, &CustomTableModel::playlistChanged);
        QObject *second = model.itemList().at(1).object;
        QVERIFY(!model.moveToIndex(second, 2, 2));
        QVERIFY(!model.moveToIndex(&model, 1, 3)); // not in the list
        QCOMPARE(changed.size(), 0);
        model.delRow(0, 3);
    }

    void appendNumberedTakesTheNextIndex()
    {
        TestWorkDir work;
        CustomTableModel model({}, 1);
        QCOMPARE(model.nextIndex(), 1);
        auto *first = new ImageObject(0, QString(), 5, ImageObject::PictureFile);
        auto *second = new ImageObject(0, QString(), 5, ImageObject::PictureFile);
        model.appendNumbered(first);
        model.appendNumbered(second);
        QCOMPARE(first->index(), 1);
        QCOMPARE(second->index(), 2);
        QCOMPARE(model.objectAt<ImageObject>(1), second);
        QCOMPARE(model.objectAt<MediaObject>(1), nullptr);
        QCOMPARE(model.objectAt<ImageObject>(2), nullptr);
        QCOMPARE(model.objectsOf<ImageObject>(), (QList<ImageObject *>{first, second}));
        model.delRow(0, 2);
    }

    // Rows told apart by their display time 1, 2, 3, ... as made.
    static QList<int> times(const CustomTableModel &model)
    {
        QList<int> result;
        for (const CustomTableItem &item : model.itemList())
            result.append(int(qobject_cast<ImageObject *>(item.object)->displayTime()));
        return result;
    }

    static CustomTableModel *timedModel(int count, QObject *parent)
    {
        QList<CustomTableItem> items;
        // The records go with the parent, as the window's go with the window.
        for (int i = 1; i <= count; ++i) {
            auto *record = new ImageObject(i, QString(), i, ImageObject::PictureFile);
            record->setParent(parent);
            items.append(CustomTableItem(record));
        }
        return new CustomTableModel(items, 1, parent);
    }

    void moveByMovesOneStep_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("up") << 2 << -1 << true << QList<int>{1, 3, 2, 4};
        QTest::newRow("down") << 1 << 1 << true << QList<int>{1, 3, 2, 4};
        QTest::newRow("last row down") << 3 << 1 << false << QList<int>{1, 2, 3, 4};
        QTest::newRow("first row up") << 0 << -1 << false << QList<int>{1, 2, 3, 4};
        QTest::newRow("first row down") << 0 << 1 << true << QList<int>{2, 1, 3, 4};
        QTest::newRow("last row up") << 3 << -1 << true << QList<int>{1, 2, 4, 3};
        QTest::newRow("no row") << -1 << 1 << false << QList<int>{1, 2, 3, 4};
        QTest::newRow("past the end") << 4 << -1 << false << QList<int>{1, 2, 3, 4};
    }

    void moveByMovesOneStep()
    {
        QFETCH(int, row);
        QFETCH(int, step);
        QFETCH(bool, moved);
        QFETCH(QList<int>, order);
        TestWorkDir work;
        QObject owner;
        CustomTableModel *model = timedModel(4, &owner);
        QSignalSpy moves(model, &QAbstractItemModel::rowsMoved);
        QSignalSpy changed(model, &CustomTableModel::playlistChanged);
        QCOMPARE(model->moveBy(row, step), moved);
        QCOMPARE(times(*model), order);
        // The index numbers follow the rows: 1, 2, 3, 4 from the top.
        QCOMPARE(indexes(*model), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(moves.count(), moved ? 1 : 0);
        QCOMPARE(changed.count(), moved ? 1 : 0);
    }

    void moveRowsKeepsTheSetOfNumbers()
    {
        TestWorkDir work;
        QObject owner; // the records go with it
        QList<CustomTableItem> items;
        for (int index : {0, 1, 2}) { // a video list starts at 0
            auto *record = new ImageObject(index, QString(), index + 1, ImageObject::PictureFile);
            record->setParent(&owner);
            items.append(CustomTableItem(record));
        }
        CustomTableModel model(items, 1);
        QVERIFY(model.moveRows(QModelIndex(), 0, 2, QModelIndex(), 3));
        QCOMPARE(times(model), (QList<int>{3, 1, 2}));
        QCOMPARE(indexes(model), (QList<int>{0, 1, 2}));
        QVERIFY(!model.moveRows(QModelIndex(), 0, 2, QModelIndex(), 1)); // into itself
        QVERIFY(!model.moveRows(QModelIndex(), 1, 3, QModelIndex(), 0)); // past the end
        QVERIFY(!model.moveRows(model.index(0, 0), 0, 1, QModelIndex(), 2)); // rows have no children
    }

    void draggedRowsDropIntoTheirNewPlace_data()
    {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("onRow");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("one row down, between rows") << QList<int>{0} << 3 << -1 << QList<int>{2, 3, 1, 4, 5};
        QTest::newRow("one row to the end") << QList<int>{1} << -1 << -1 << QList<int>{1, 3, 4, 5, 2};
        QTest::newRow("two rows up, onto a row") << QList<int>{3, 4} << -1 << 0 << QList<int>{4, 5, 1, 2, 3};
        QTest::newRow("onto itself") << QList<int>{2} << -1 << 2 << QList<int>{1, 2, 3, 4, 5};
    }

    void draggedRowsDropIntoTheirNewPlace()
    {
        QFETCH(QList<int>, dragged);
        QFETCH(int, row);
        QFETCH(int, onRow);
        QFETCH(QList<int>, order);
        TestWorkDir work;
        QObject owner;
        CustomTableModel *model = timedModel(5, &owner);
        QModelIndexList indexes;
        for (int r : dragged)
            indexes << model->index(r, 0);
        std::unique_ptr<QMimeData> data(model->mimeData(indexes));
        QVERIFY(data);
        QVERIFY(model->flags(model->index(0, 0)) & Qt::ItemIsDragEnabled);
        const QModelIndex parent = onRow >= 0 ? model->index(onRow, 0) : QModelIndex();
        QVERIFY(model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, parent));
        model->dropMimeData(data.get(), Qt::MoveAction, row, 0, parent);
        QCOMPARE(times(*model), order);
        // Nothing is gone: the view finds no rows to remove after a move.
        QVERIFY(!model->removeRows(0, 1));
        QCOMPARE(model->rowCount(), 5);
    }

    void rowsDoNotTravelToTheOtherList()
    {
        TestWorkDir work;
        QObject owner;
        CustomTableModel *pictures = timedModel(3, &owner);
        CustomTableModel *others = timedModel(3, &owner);
        std::unique_ptr<QMimeData> data(pictures->mimeData({pictures->index(0, 0)}));
        QVERIFY(!others->dropMimeData(data.get(), Qt::MoveAction, 3, 0, QModelIndex()));
        QVERIFY(!pictures->dropMimeData(data.get(), Qt::CopyAction, 3, 0, QModelIndex()));
        QCOMPARE(times(*others), (QList<int>{1, 2, 3}));
        QCOMPARE(times(*pictures), (QList<int>{1, 2, 3}));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))});
        QVERIFY(!pictures->canDropMimeData(&files, Qt::CopyAction, 0, 0, QModelIndex()));
    }
};

QTEST_MAIN(TestCustomTableModel)
#include "tst_customtablemodel.moc"
