#include "StateStoreTest.h"

#include "StateStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Corvane::StateStore;
using Corvane::DB::ItemIndex;

namespace {

const QUuid kCollection
    = QUuid::fromString(QStringLiteral("{1b4e28ba-2fa1-11d2-883f-0016d3cca427}"));
const QString kPaletteGroup = QStringLiteral("MyPalette");

// Writes a value straight into the store's file, as another process or an older version would.
void writeRaw(const StateStore &store, const QString &group, const QString &key,
              const QVariant &value)
{
    QSettings settings(store.fileName(), QSettings::IniFormat);
    settings.beginGroup(group);
    settings.setValue(key, value);
}

QVariant readRaw(const StateStore &store, const QString &group, const QString &key)
{
    QSettings settings(store.fileName(), QSettings::IniFormat);
    settings.beginGroup(group);
    return settings.value(key);
}

using Reader = std::function<int(const StateStore &)>;

// The reader of each key, its value as an int.
Reader readerFor(const QString &key)
{
    const QHash<QString, Reader> readers = {
        {"SegmentIndex", [](const StateStore &s) { return s.segmentIndex(kCollection); }},
        {"MoodFilter", [](const StateStore &s) { return int(s.moodFilter(kCollection)); }},
        {"ExteriorColors", [](const StateStore &s) { return int(s.exteriorColors(kCollection)); }},
        {"ShowMto", [](const StateStore &s) { return int(s.showMto(kCollection)); }},
        {"PageIndex", [](const StateStore &s) { return s.pageIndex(kCollection); }},
        {"RowIndex", [](const StateStore &s) { return s.rowIndex(kCollection); }},
        {"TabPageIndex", [](const StateStore &s) { return int(s.tabPageIndex(kCollection)); }},
        {"SchemeKind", [](const StateStore &s) { return int(s.schemeKind(kCollection)); }},
        {"SchemeNeutralSubKind",
         [](const StateStore &s) { return int(s.schemeNeutralSubKind(kCollection)); }},
        {"ColorVistralGroup_42_OpenState",
         [](const StateStore &s) {
             return int(s.colorVistralGroupOpenState(kCollection, 42, true));
         }},
        {"MyPaletteGridVisible", [](const StateStore &s) { return int(s.myPaletteGridVisible()); }},
        {"MyPaletteSaveFileFormat",
         [](const StateStore &s) { return int(s.myPaletteSaveFileFormat()); }},
        {"MyPaletteFullBackgroundColor",
         [](const StateStore &s) { return s.myPaletteFullBackgroundColor(); }},
        {"HostApplicationPID", [](const StateStore &s) { return int(s.hostApplicationPID()); }},
    };
    return readers.value(key);
}

QString groupFor(const QString &key)
{
    if (key.startsWith(QLatin1String("MyPalette")))
        return kPaletteGroup;
    if (key == QLatin1String("HostApplicationPID"))
        return QString();
    return kCollection.toString();
}

} // namespace

void StateStoreTest::init()
{
    QFile::remove(StateStore().fileName());
}

void StateStoreTest::userStoreLivesInConfigHome()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!configHome.isEmpty());
    const QString fileName = StateStore().fileName();
    QVERIFY2(fileName.startsWith(configHome + QLatin1Char('/')), qPrintable(fileName));
    QVERIFY2(fileName.endsWith(QLatin1String("Veltra Marnik/Tessary.SketchUp.ini")),
             qPrintable(fileName));
}

void StateStoreTest::freshStoreDefaults()
{
    const StateStore store;
    QVERIFY(store.uuidOfLastUsedCollection().isNull());
    QCOMPARE(store.hostApplicationPID(), 0);
    QCOMPARE(store.segmentIndex(kCollection), 1);
    QCOMPARE(store.pageIndex(kCollection), 1);
    QCOMPARE(store.rowIndex(kCollection), 1);
    QCOMPARE(store.moodFilter(kCollection), Corvane::MoodAll);
    QCOMPARE(store.exteriorColors(kCollection), false);
    QCOMPARE(store.showMto(kCollection), false);
    QCOMPARE(store.tabPageIndex(kCollection), Corvane::NoPage);
    QCOMPARE(store.schemeKind(kCollection), Corvane::SchemeNone);
    QCOMPARE(store.schemeNeutralSubKind(kCollection), Corvane::TonalNeutral);
    QCOMPARE(store.colorVistralGroupOpenState(kCollection, 7, true), true);
    QCOMPARE(store.colorVistralGroupOpenState(kCollection, 7, false), false);
    QCOMPARE(store.myPaletteGridVisible(), true);
    QCOMPARE(store.myPaletteZoomed(), QPoint(-1, -1));
    QCOMPARE(store.myPaletteSaveFileFormat(), Corvane::XmlPalette);
    QCOMPARE(store.myPaletteLastSavePath(), QString());
    QCOMPARE(store.myPaletteFullBackgroundColor(), 176);
    QCOMPARE(store.myPaletteEntry(QPoint(0, 0)).rowId, -1);
    QCOMPARE(store.myPaletteSelected(QPoint(0, 0)), false);
    QVERIFY(!QFile::exists(store.fileName()));
}

void StateStoreTest::storedValuesAreClamped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("mood 0") << "MoodFilter" << QVariant(0) << 7;
    QTest::newRow("mood 9") << "MoodFilter" << QVariant(9) << 7;
    QTest::newRow("mood 3") << "MoodFilter" << QVariant(3) << 3;
    QTest::newRow("mood text") << "MoodFilter" << QVariant("warm") << 7;
    QTest::newRow("tab page 3") << "TabPageIndex" << QVariant(3) << 0;
    QTest::newRow("tab page 8") << "TabPageIndex" << QVariant(8) << 8;
    QTest::newRow("scheme 10") << "SchemeKind" << QVariant(10) << 0;
    QTest::newRow("scheme 9") << "SchemeKind" << QVariant(9) << 9;
    QTest::newRow("scheme -1") << "SchemeKind" << QVariant(-1) << 0;
    QTest::newRow("neutral sub-kind 6") << "SchemeNeutralSubKind" << QVariant(6) << 7;
    QTest::newRow("neutral sub-kind 9") << "SchemeNeutralSubKind" << QVariant(9) << 9;
    QTest::newRow("segment text") << "SegmentIndex" << QVariant("abc") << 0;
    QTest::newRow("page 12") << "PageIndex" << QVariant("12") << 12;
    QTest::newRow("row point") << "RowIndex" << QVariant(QPoint(2, 3)) << 1;
    QTest::newRow("exterior text") << "ExteriorColors" << QVariant("abc") << 0;
    QTest::newRow("exterior true") << "ExteriorColors" << QVariant(true) << 1;
    QTest::newRow("mto 1") << "ShowMto" << QVariant(1) << 1;
    QTest::newRow("group open false") << "ColorVistralGroup_42_OpenState" << QVariant(false) << 0;
    QTest::newRow("grid off") << "MyPaletteGridVisible" << QVariant(false) << 0;
    QTest::newRow("save format 1") << "MyPaletteSaveFileFormat" << QVariant(1) << 1;
    QTest::newRow("save format 2") << "MyPaletteSaveFileFormat" << QVariant(2) << 0;
    QTest::newRow("background 64") << "MyPaletteFullBackgroundColor" << QVariant(64) << 64;
    QTest::newRow("pid text") << "HostApplicationPID" << QVariant("none") << 0;
}

void StateStoreTest::storedValuesAreClamped()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, expected);

    const StateStore store;
    writeRaw(store, groupFor(key), key, stored);
    QCOMPARE(readerFor(key)(store), expected);
}

void StateStoreTest::writersStoreWhatReadersRead()
{
    const StateStore store;
    store.setHostApplicationPID(Q_INT64_C(5000000000));
    store.setSegmentIndex(kCollection, 5);
    store.setMoodFilter(kCollection, Corvane::MoodCalm);
    store.setExteriorColors(kCollection, true);
    store.setShowMto(kCollection, true);
    store.setPageIndex(kCollection, 17);
    store.setRowIndex(kCollection, 4);
    store.setTabPageIndex(kCollection, Corvane::PageOfTextures);
    store.setSchemeKind(kCollection, Corvane::Dramatic);
    store.setSchemeNeutralSubKind(kCollection, Corvane::NaturalNeutral);
    store.setColorVistralGroupOpenState(kCollection, 9, false);
    store.setMyPaletteGridVisible(false);
    store.setMyPaletteSaveFileFormat(Corvane::PlainText);
    store.setMyPaletteLastSavePath(QStringLiteral("/tmp/Mein Würfel.palette"));
    store.setMyPaletteFullBackgroundColor(200);
    store.setMyPaletteDescription(QStringLiteral("Küche"));

    const StateStore other; // a fresh object reads the file again
    QCOMPARE(other.hostApplicationPID(), Q_INT64_C(5000000000));
    QCOMPARE(other.segmentIndex(kCollection), 5);
    QCOMPARE(other.moodFilter(kCollection), Corvane::MoodCalm);
    QCOMPARE(other.exteriorColors(kCollection), true);
    QCOMPARE(other.showMto(kCollection), true);
    QCOMPARE(other.pageIndex(kCollection), 17);
    QCOMPARE(other.rowIndex(kCollection), 4);
    QCOMPARE(other.tabPageIndex(kCollection), Corvane::PageOfTextures);
    QCOMPARE(other.schemeKind(kCollection), Corvane::Dramatic);
    QCOMPARE(other.schemeNeutralSubKind(kCollection), Corvane::NaturalNeutral);
    QCOMPARE(other.colorVistralGroupOpenState(kCollection, 9, true), false);
    QCOMPARE(other.myPaletteGridVisible(), false);
    QCOMPARE(other.myPaletteSaveFileFormat(), Corvane::PlainText);
    QCOMPARE(other.myPaletteLastSavePath(), QStringLiteral("/tmp/Mein Würfel.palette"));
    QCOMPARE(other.myPaletteFullBackgroundColor(), 200);
    QCOMPARE(readRaw(other, kPaletteGroup, "MyPaletteDescription").toString(),
             QStringLiteral("Küche"));
    // Another collection keeps its own defaults.
    QCOMPARE(other.pageIndex(QUuid::createUuid()), 1);
}

void StateStoreTest::neutralSubKindWriterStoresOnlySubKinds()
{
    const StateStore store;
    store.setSchemeNeutralSubKind(kCollection, 6);
    QCOMPARE(readRaw(store, kCollection.toString(), "SchemeNeutralSubKind").toInt(), 7);
    store.setSchemeNeutralSubKind(kCollection, 8);
    QCOMPARE(readRaw(store, kCollection.toString(), "SchemeNeutralSubKind").toInt(), 8);
}

void StateStoreTest::paletteCellKeys()
{
    const StateStore store;
    const ItemIndex item(kCollection, 12, 345);
    // Column 5 of row 0.
    store.setMyPaletteEntry(QPoint(5, 0), item);
    QCOMPARE(readRaw(store, kPaletteGroup, "(0,5).Entry").toString(), item.toText());
    QCOMPARE(store.myPaletteEntry(QPoint(5, 0)), item);
    QCOMPARE(store.myPaletteEntry(QPoint(0, 5)).rowId, -1);

    store.setMyPaletteEntry(QPoint(5, 0), ItemIndex(kCollection, 12, 0));
    QVERIFY(!readRaw(store, kPaletteGroup, "(0,5).Entry").isValid());

    store.setMyPaletteSelected(QPoint(2, 3), true);
    QCOMPARE(readRaw(store, kPaletteGroup, "(3,2).Selected").toBool(), true);
    QCOMPARE(store.myPaletteSelected(QPoint(2, 3)), true);
    store.setMyPaletteSelected(QPoint(2, 3), false);
    QVERIFY(!readRaw(store, kPaletteGroup, "(3,2).Selected").isValid());
    QCOMPARE(store.myPaletteSelected(QPoint(2, 3)), false);

    writeRaw(store, kPaletteGroup, "(1,1).Entry", "ItemIndex{broken}");
    QCOMPARE(store.myPaletteEntry(QPoint(1, 1)).rowId, -1);
}

void StateStoreTest::lastUsedCollectionIsCached()
{
    QTemporaryDir dir;
    const StateStore store(dir.filePath(QStringLiteral("state.ini")));
    const StateStore other(dir.filePath(QStringLiteral("other.ini")));
    QVERIFY(store.uuidOfLastUsedCollection().isNull());

    // While nothing was read, another process's value is picked up.
    const QUuid first = QUuid::createUuid();
    writeRaw(store, QString(), "UuidOfLastUsedCollection", first.toString());
    QCOMPARE(store.uuidOfLastUsedCollection(), first);

    store.setUuidOfLastUsedCollection(kCollection);
    QCOMPARE(readRaw(store, QString(), "UuidOfLastUsedCollection").toString(),
             kCollection.toString());
    writeRaw(store, QString(), "UuidOfLastUsedCollection", QUuid::createUuid().toString());
    QCOMPARE(store.uuidOfLastUsedCollection(), kCollection);
    QCOMPARE(StateStore(store.fileName()).uuidOfLastUsedCollection(), kCollection);
    QVERIFY(other.uuidOfLastUsedCollection().isNull());
}
