#include "BrokenCollectionsTest.h"

#include "BrokenDecks.h"
#include "CardQueries.h"
#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "SchemeQueries.h"
#include "SearchQueries.h"
#include "StatusCodes.h"
#include "TestDecks.h"
#include "ThemeResources.h"
#include "VistralQueries.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Deck A: one card in segment 3 with two chips, the good collection of every test.
void buildGoodDeck(CollectionFixture &fixture)
{
    createDecks(fixture);
    const qint64 page = fixture.addPage(kDeckFile, 1, 1, 3);
    fixture.addRow(kDeckFile, 1, page, 1, QColor(200, 10, 10), {{"CODE", "G-1"}});
    fixture.addRow(kDeckFile, 1, page, 2, QColor(10, 200, 10), {{"CODE", "G-2"}});
}

// Statuses every query may report on a collection whose file opens: success, a failed
// statement or nothing found, no card passing the filters, a position outside the card.
bool isQueryStatus(int status)
{
    return status == StatusOk || status == StatusFailed || status == StatusNoCardPasses
        || status == StatusPositionOutside;
}

struct QueryStatuses
{
    int firstPage = 1;
    int neighbour = 1;
    int pageByIndex = 1;
    int rowAt = 1;
    int segments = 1;
    int search = 1;
};

// Runs every query of the browsing widgets on `collection`; the statuses that the table of
// cases checks are returned, the others only have to be valid.
void runEveryQuery(const QUuid &collection, QueryStatuses &statuses)
{
    ColorPage page;
    ColorEntry entry;
    statuses.firstPage = loadFirstPageInSegment(collection, 1, MoodAll, false, page);
    statuses.neighbour = loadNeighbourPage(collection, 1, false, MoodAll, false, page);
    statuses.pageByIndex = loadPageByIndex(collection, 1, page);
    statuses.rowAt = loadRowAt(collection, 1, 1, entry);
    QVector<int> segments;
    statuses.segments = loadSegments(collection, segments);
    int pageIndex = 0;
    int rowIndex = 0;
    int segment = 0;
    int mood = 0;
    bool exterior = false;
    statuses.search = searchPhrase(collection, QStringLiteral("B-1"), pageIndex, rowIndex, segment,
                                   mood, exterior);

    const QList<int> others = {
        loadNeighbourPage(collection, 2, true, MoodFresh, true, page),
        loadPageById(collection, 1, false, page),
        loadRowById(collection, 1, entry),
        loadRowNearRgb(collection, QColor(40, 50, 60), entry),
        findRowByCodeInEnabledCollections(QStringLiteral("B-1"), entry),
        findRowByRgbInEnabledCollections(QColor(40, 50, 60), entry),
    };
    for (const int status : others)
        QVERIFY2(isQueryStatus(status), qPrintable(QString::number(status)));
    QVector<LabEntry> labs;
    QVERIFY(isQueryStatus(loadLabEntries(collection, labs)));
    QStringList words;
    QVERIFY(isQueryStatus(loadCompletionWords(collection, words)));
    QList<ColorPage> schemePages;
    QVERIFY(isQueryStatus(loadSchemePages(collection, 1, Harmonic, schemePages)));
    std::vector<ColorEntry> schemeRows;
    QVERIFY(isQueryStatus(loadSchemeRows(collection, Contrast, 1, 1, schemeRows)));
    QVERIFY(isQueryStatus(loadContrastSchemeRows(collection, 1, 1, schemeRows)));
    QHash<qint64, ColorVistralGroup> groups;
    QVERIFY(isQueryStatus(loadVistralGroups(collection, groups)));
    QHash<qint64, Texture> textures;
    QVERIFY(isQueryStatus(loadTextures(collection, textures)));
    std::vector<QString> names;
    QVERIFY(isQueryStatus(loadProductNames(collection, 1, names)));

    // Settings and theme lookups fall back to their defaults instead of failing.
    CollectionSettings::maxChipsOnAPage(collection);
    CollectionSettings::cardType(collection);
    CollectionSettings::numOfSegments(collection);
    CollectionSettings::firstSegmentAngle(collection);
    CollectionSettings::tabBarPages(collection);
    CollectionSettings::schemes(collection);
    CollectionSettings::cie2000DeltaIntervals(collection);
    CollectionSettings::textureSize(collection, QSize(10, 10));
    localeString(collection, QStringLiteral("sketchup.selectcolor.button"));
    themeImage(collection, QStringLiteral("background"), QSize(4, 4));
    themeColor(collection, QStringLiteral("text"), Qt::black);
}

// The good collection still answers after the broken one was queried.
void verifyGoodDeck()
{
    ColorPage page;
    QCOMPARE(loadPageByIndex(kDeckA, 1, page), int(StatusOk));
    QCOMPARE(page.rows.size(), 2);
}

} // namespace

void BrokenCollectionsTest::cleanup()
{
    resetEngineState();
}

void BrokenCollectionsTest::startUpUsesTheGoodCollection()
{
    CollectionFixture fixture;
    buildGoodDeck(fixture);
    const QByteArray good = readFile(fixture.filePath(kDeckFile));
    QVERIFY(good.size() > 4096);

    // Files named to sort before the good one, so that each is met first.
    QRandomGenerator random(12);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    int tried = 0;
    writeFile(fixture.filePath(QStringLiteral("a-random.db")), noise);
    writeFile(fixture.filePath(QStringLiteral("a-zero.db")), QByteArray());
    tried += 2;
    // A header with random pages after it looks like SQLite until the first page is read.
    writeFile(fixture.filePath(QStringLiteral("a-header.db")), good.left(100) + noise);
    ++tried;
    for (const qsizetype offset : {qsizetype(1), qsizetype(16), qsizetype(100), qsizetype(1024),
                                   good.size() / 2, good.size() - 1}) {
        writeFile(fixture.filePath(QStringLiteral("a-cut-%1.db").arg(offset)), good.left(offset));
        ++tried;
    }
    QVERIFY(QDir().mkpath(fixture.filePath(QStringLiteral("a-folder.db"))));
    ++tried;
    // The process runs as root in the test environment, where mode 000 does not stop reading;
    // the file then counts as readable, and either way it must not disturb discovery.
    const QString locked = fixture.filePath(QStringLiteral("a-locked.db"));
    writeFile(locked, noise.left(4096));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    ++tried;
    // A database without a COLLECTION table, and one whose COLLECTION rows are all wrong.
    fixture.exec(QStringLiteral("a-other.db"), QStringLiteral("CREATE TABLE T (ID integer)"));
    fixture.createFile(QStringLiteral("a-bad-rows.db"));
    fixture.exec(QStringLiteral("a-bad-rows.db"),
                 QStringLiteral("INSERT INTO COLLECTION (ID, UUID, SYSTEMID, NAME, \"ORDER\") "
                                "VALUES (3, 'not a uuid', 'Q', 'Bad', 'first')"));
    fixture.addSetting(QStringLiteral("a-bad-rows.db"), 3, QStringLiteral("collection.enabled"), 1);
    tried += 2;

    fixture.activate();
    QCOMPARE(ensureCollections(), 1);
    QCOMPARE(orderedCollectionUuids(), QList<QUuid>({kDeckA, kDeckB}));
    verifyGoodDeck();
    QCOMPARE(tried, 13);
}

void BrokenCollectionsTest::queriesOnBrokenCollection_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<int>("firstPage");
    QTest::addColumn<int>("pageByIndex");
    QTest::addColumn<int>("rowAt");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("search");

    // The wrapping card search answers -6 also when its statements fail; a card whose chips
    // cannot be read is still found.
    const int failed = StatusFailed;
    const int none = StatusNoCardPasses;
    // Statuses of the first page, the page by index, the chip at a place, the segments and
    // the search, per damage.
    const QHash<QString, QList<int>> statuses = {
        {"intact", {0, 0, 0, 0, 0}},
        {"no PAGE table", {none, failed, failed, failed, failed}},
        {"no ROW table", {0, 0, failed, 0, failed}},
        {"no page map", {none, failed, failed, failed, failed}},
        {"ROW without colour columns", {0, 0, 0, 0, 0}},
        {"PAGE without SEGMENT", {none, 0, 0, failed, failed}},
        {"text in number columns", {0, 0, failed, 0, 0}},
        {"NULLs everywhere", {none, 0, 0, 0, none}},
        {"settings of the wrong type", {0, 0, 0, 0, 0}},
        {"no THEME and LOCALE tables", {0, 0, 0, 0, 0}},
    };
    for (const NamedDamage &damage : collectionDamages()) {
        QVERIFY2(statuses.contains(damage.name), damage.name);
        const QList<int> &expected = statuses.value(damage.name);
        QTest::newRow(damage.name) << damage.damage << expected.at(0) << expected.at(1)
                                   << expected.at(2) << expected.at(3) << expected.at(4);
    }
}

void BrokenCollectionsTest::queriesOnBrokenCollection()
{
    QFETCH(Damage, damage);
    CollectionFixture fixture;
    buildGoodDeck(fixture);
    buildBrokenDeck(fixture);
    damage(fixture);
    fixture.activate();

    QCOMPARE(ensureCollections(), 1);
    QVERIFY(orderedCollectionUuids().contains(kDeckA));
    QVERIFY(orderedCollectionUuids().contains(kBrokenDeck));
    QueryStatuses statuses;
    runEveryQuery(kBrokenDeck, statuses);
    if (QTest::currentTestFailed())
        return;
    QTEST(statuses.firstPage, "firstPage");
    QTEST(statuses.pageByIndex, "pageByIndex");
    QTEST(statuses.rowAt, "rowAt");
    QTEST(statuses.segments, "segments");
    QTEST(statuses.search, "search");
    QVERIFY(isQueryStatus(statuses.neighbour));
    verifyGoodDeck();
}

void BrokenCollectionsTest::hugeThemeBlob()
{
    CollectionFixture fixture;
    buildGoodDeck(fixture);
    buildBrokenDeck(fixture);
    // 50 MB of bytes that are no image under a key the main widget loads.
    const QByteArray blob(50 * 1024 * 1024, char(0x5a));
    fixture.insert(kBrokenFile, QStringLiteral("THEME"),
                   {{"COLLECTION_ID", 7}, {"ITEM_KEY", "background"}, {"ITEM_DATA", blob}});
    fixture.activate();

    const QImage image = themeImage(kBrokenDeck, QStringLiteral("background"), QSize(8, 6));
    QCOMPARE(image.size(), QSize(8, 6));
    QByteArray data;
    QCOMPARE(themeData(kBrokenDeck, QStringLiteral("background"), data), int(StatusOk));
    QCOMPARE(data.size(), blob.size());
    verifyGoodDeck();
}

void BrokenCollectionsTest::fileReplacedByGarbageAfterStartUp()
{
    CollectionFixture fixture;
    buildGoodDeck(fixture);
    buildBrokenDeck(fixture);
    fixture.activate();
    QCOMPARE(ensureCollections(), 1);

    // Discovered intact, then overwritten before its first query opened it.
    writeFile(fixture.filePath(kBrokenFile), QByteArray("garbage").repeated(1000));
    QueryStatuses statuses;
    runEveryQuery(kBrokenDeck, statuses);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(statuses.pageByIndex, int(StatusFailed));
    QCOMPARE(statuses.firstPage, int(StatusNoCardPasses));

    // Removed altogether: the file does not open.
    resetEngineState();
    CollectionFixture second;
    buildGoodDeck(second);
    QVERIFY(discoverThenRemoveDeckFile(second));
    ColorPage page;
    QCOMPARE(loadPageByIndex(kDeckA, 1, page), int(StatusFileDoesNotOpen));
    QCOMPARE(loadPageByIndex(QUuid(), 1, page), int(StatusNullCollection));
    QCOMPARE(loadPageByIndex(kUnknownDeck, 1, page), int(StatusUnknownCollection));
}
