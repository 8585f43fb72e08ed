#include "PaletteModelTest.h"

#include "CollectionSettings.h"
#include "PaletteDecks.h"
#include "PaletteModel.h"

#include <QSettings>
#include <QTest>

using namespace Corvane;

namespace {

QVariant storedValue(const StateStore &store, const QString &key)
{
    QSettings settings(store.fileName(), QSettings::IniFormat);
    return settings.value(QStringLiteral("MyPalette/") + key);
}

} // namespace

void PaletteModelTest::cleanup()
{
    // The label tests load a collection's display orders; leave none behind.
    DB::loadDisplayOrders(QUuid());
}

void PaletteModelTest::freshPaletteIsEmpty()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.restoreFromStore();
    QVERIFY(palette.isEmpty());
    QCOMPARE(PaletteModel::rowCount(), 4);
    QCOMPARE(PaletteModel::columnCount(), 6);
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        QCOMPARE(palette.rowIdAt(cell), -1);
        QCOMPARE(palette.colorAt(cell), QColor(Qt::transparent));
        QCOMPARE(palette.nameAt(cell), QString());
    }
    QVERIFY(palette.selection().isEmpty());
    QVERIFY(palette.gridVisible());
    QCOMPARE(palette.rowIdAt(QPoint(6, 0)), -1);
    QCOMPARE(palette.rowIdAt(QPoint(0, 4)), -1);
    QCOMPARE(palette.rowIdAt(QPoint(-1, -1)), -1);
}

void PaletteModelTest::cellsPersistAndRestore()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(5, 0), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-102"));
    palette.setCell(QPoint(0, 3), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    palette.setCell(QPoint(6, 0), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    QCOMPARE(storedValue(decks.store, "(0,5).Entry").toString(),
             DB::ItemIndex(PaletteDecks::alpha(), decks.alphaCard1, decks.a102).toText());

    PaletteModel restored(decks.store);
    restored.restoreFromStore();
    QVERIFY(!restored.isEmpty());
    QCOMPARE(restored.itemAt(QPoint(5, 0)),
             DB::ItemIndex(PaletteDecks::alpha(), decks.alphaCard1, decks.a102));
    QCOMPARE(restored.colorAt(QPoint(5, 0)), QColor(20, 200, 10));
    QCOMPARE(restored.nameAt(QPoint(5, 0)), QStringLiteral("A-102"));
    QCOMPARE(restored.rowIdAt(QPoint(0, 3)), decks.b1);
    QCOMPARE(restored.colorAt(QPoint(0, 3)).alpha(), 255);
    // The description is not restored.
    palette.setDescription(QStringLiteral("Küche"));
    QCOMPARE(storedValue(decks.store, "MyPaletteDescription").toString(), QStringLiteral("Küche"));
    PaletteModel again(decks.store);
    again.restoreFromStore();
    QCOMPARE(again.description(), QString());
}

void PaletteModelTest::unresolvableChipsRestoreEmptyAndKeepTheirKeys()
{
    PaletteDecks decks;
    const DB::ItemIndex missingCollection(QUuid::createUuid(), 1, decks.a101);
    const DB::ItemIndex missingRow(PaletteDecks::alpha(), decks.alphaCard1, 9999);
    decks.store.setMyPaletteEntry(QPoint(1, 1), missingCollection);
    decks.store.setMyPaletteEntry(QPoint(2, 1), missingRow);
    QSettings(decks.store.fileName(), QSettings::IniFormat)
        .setValue(QStringLiteral("MyPalette/(1,3).Entry"), QStringLiteral("garbage"));

    PaletteModel palette(decks.store);
    palette.restoreFromStore();
    QVERIFY(palette.isEmpty());
    QCOMPARE(storedValue(decks.store, "(1,1).Entry").toString(), missingCollection.toText());
    QCOMPARE(storedValue(decks.store, "(1,2).Entry").toString(), missingRow.toText());
    QCOMPARE(storedValue(decks.store, "(1,3).Entry").toString(), QStringLiteral("garbage"));
}

void PaletteModelTest::chipLabel_data()
{
    QTest::addColumn<QVariantList>("displayOrder");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("label");

    QTest::newRow("no order") << QVariantList() << "A-101"
                              << "A-101";
    QTest::newRow("name 0") << QVariantList {0, 1} << "A-101"
                            << "A-101 - Rot";
    QTest::newRow("empty name") << QVariantList {0} << "A-102"
                                << "A-102";
    QTest::newRow("name 3 is empty") << QVariantList {3, 0} << "A-101"
                                     << "A-101";
    QTest::newRow("out of range") << QVariantList {12} << "A-101"
                                  << "A-101";
}

void PaletteModelTest::chipLabel()
{
    QFETCH(QVariantList, displayOrder);
    QFETCH(QString, code);
    QFETCH(QString, label);

    PaletteDecks decks;
    for (int i = 0; i < displayOrder.size(); ++i)
        decks.fixture.addSetting("alpha.db", 1, "row.name.display.order", displayOrder.at(i), i);
    DB::loadDisplayOrders(PaletteDecks::alpha());
    QCOMPARE(PaletteModel::chipLabel(decks.entry(PaletteDecks::alpha(), code)), label);

    PaletteModel palette(decks.store);
    palette.setCell(QPoint(0, 0), PaletteDecks::alpha(), decks.entry(PaletteDecks::alpha(), code));
    QCOMPARE(palette.nameAt(QPoint(0, 0)), label);
}

void PaletteModelTest::selectionIsStored()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.selectOnly(QPoint(1, 0));
    palette.toggleSelected(QPoint(2, 3));
    palette.toggleSelected(QPoint(4, 2));
    palette.toggleSelected(QPoint(2, 3));
    QCOMPARE(palette.selection(), (QList<QPoint> {QPoint(1, 0), QPoint(4, 2)}));
    QCOMPARE(storedValue(decks.store, "(0,1).Selected").toBool(), true);
    QCOMPARE(storedValue(decks.store, "(2,4).Selected").toBool(), true);
    QVERIFY(!storedValue(decks.store, "(3,2).Selected").isValid());
    // Empty cells are selectable, but an empty selection holds no chip.
    QVERIFY(!palette.selectionHoldsChip());

    PaletteModel restored(decks.store);
    restored.restoreFromStore();
    QCOMPARE(restored.selection(), (QList<QPoint> {QPoint(1, 0), QPoint(4, 2)}));

    restored.selectOnly(QPoint(5, 3));
    QCOMPARE(restored.selection(), QList<QPoint> {QPoint(5, 3)});
    QVERIFY(!storedValue(decks.store, "(0,1).Selected").isValid());
    QVERIFY(!storedValue(decks.store, "(2,4).Selected").isValid());
}

void PaletteModelTest::dropFillsTheSelection()
{
    PaletteDecks decks;
    const DB::ColorEntry red = decks.entry(PaletteDecks::alpha(), "A-101");
    const DB::ColorEntry blue = decks.entry(PaletteDecks::alpha(), "A-201");
    PaletteModel palette(decks.store);
    palette.selectOnly(QPoint(0, 0));
    palette.toggleSelected(QPoint(1, 0));
    palette.toggleSelected(QPoint(2, 2));

    palette.dropChip(QPoint(5, 3), PaletteDecks::alpha(), blue);
    QCOMPARE(palette.rowIdAt(QPoint(5, 3)), decks.a201);
    QCOMPARE(palette.rowIdAt(QPoint(0, 0)), -1);

    palette.dropChip(QPoint(1, 0), PaletteDecks::alpha(), red);
    for (const QPoint &cell : {QPoint(0, 0), QPoint(1, 0), QPoint(2, 2)})
        QCOMPARE(palette.rowIdAt(cell), decks.a101);
    QCOMPARE(palette.rowIdAt(QPoint(5, 3)), decks.a201);
    QCOMPARE(palette.selection().size(), 3);
    QVERIFY(palette.selectionHoldsChip());
}

void PaletteModelTest::eraseAndClear()
{
    PaletteDecks decks;
    const DB::ColorEntry red = decks.entry(PaletteDecks::alpha(), "A-101");
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(0, 0), PaletteDecks::alpha(), red);
    palette.setCell(QPoint(3, 1), PaletteDecks::alpha(), red);
    palette.setCell(QPoint(4, 1), PaletteDecks::alpha(), red);
    palette.selectOnly(QPoint(3, 1));
    palette.toggleSelected(QPoint(4, 1));
    palette.setDescription(QStringLiteral("Flur"));

    palette.eraseSelected();
    QCOMPARE(palette.rowIdAt(QPoint(3, 1)), -1);
    QCOMPARE(palette.rowIdAt(QPoint(4, 1)), -1);
    QVERIFY(!storedValue(decks.store, "(1,3).Entry").isValid());
    QCOMPARE(palette.rowIdAt(QPoint(0, 0)), decks.a101);
    QCOMPARE(palette.selection().size(), 2);
    QVERIFY(!palette.selectionHoldsChip());

    // Erased cells stay selected: a drop fills both again.
    palette.dropChip(QPoint(4, 1), PaletteDecks::alpha(), red);
    QCOMPARE(palette.rowIdAt(QPoint(3, 1)), decks.a101);

    palette.clearPalette(true, false);
    QVERIFY(palette.isEmpty());
    QCOMPARE(palette.description(), QStringLiteral("Flur"));
    QVERIFY(!storedValue(decks.store, "(0,0).Entry").isValid());
    QCOMPARE(palette.selection().size(), 2);

    palette.clearPalette(false, true);
    QCOMPARE(palette.description(), QString());
    QCOMPARE(storedValue(decks.store, "MyPaletteDescription").toString(), QString());
    QVERIFY(storedValue(decks.store, "MyPaletteDescription").isValid());
}
