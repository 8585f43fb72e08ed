#include "CardQueriesTest.h"

#include "CardQueries.h"
#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "Enums.h"
#include "TestDecks.h"

#include <QTest>

#include <algorithm>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

struct CardSpec
{
    int pageIndex;
    int segment;
    int mood;
    int exterior;
};

// Deck A: two cards in each of the segments 2, 5 and 9 with mixed moods and exterior flags.
constexpr CardSpec kCards[]
    = {{1, 2, MoodFresh, 1},   {2, 2, MoodOffwhite, 0}, {3, 5, MoodWarm, 0},
       {4, 5, MoodNeutral, 1}, {5, 9, MoodCalm, 1},     {6, 9, MoodFresh, 0}};

// Builds deck A (id 1) with the cards above, each holding one chip "C<page>-1"; card 1
// holds three chips stored out of order. Deck B (id 2) is empty.
void buildDeck(CollectionFixture &fixture)
{
    createDecks(fixture);
    for (const CardSpec &card : kCards) {
        const qint64 pageId = fixture.addPage(
            kDeckFile, 1, card.pageIndex, card.segment,
            {{QStringLiteral("MOOD"), card.mood}, {QStringLiteral("EXTERIOR"), card.exterior}});
        const QList<int> positions = card.pageIndex == 1 ? QList<int> {3, 1, 2} : QList<int> {1};
        for (const int position : positions) {
            fixture.addRow(kDeckFile, 1, pageId, position, QColor(10 * card.pageIndex, position, 0),
                           {{QStringLiteral("CODE"),
                             QStringLiteral("C%1-%2").arg(card.pageIndex).arg(position)}});
        }
    }
    fixture.activate();
}

QList<int> rowIndexes(const ColorPage &page)
{
    QList<int> indexes;
    for (const ColorEntry &entry : page.rows)
        indexes.append(entry.rowIndex);
    return indexes;
}

} // namespace

void CardQueriesTest::cleanup()
{
    resetEngineState();
}

void CardQueriesTest::firstPageInSegment_data()
{
    QTest::addColumn<int>("segment");
    QTest::addColumn<int>("mood");
    QTest::addColumn<bool>("exterior");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("foundSegment");
    QTest::addColumn<int>("foundPage");

    QTest::newRow("segment with cards") << 2 << int(MoodAll) << false << 0 << 2 << 1;
    QTest::newRow("gap goes to the next segment") << 6 << int(MoodAll) << false << 0 << 9 << 5;
    QTest::newRow("past the last segment wraps") << 10 << int(MoodAll) << false << 0 << 2 << 1;
    QTest::newRow("all moods skip offwhite") << 2 << int(MoodAll) << true << 0 << 2 << 1;
    QTest::newRow("all moods skip neutral") << 3 << int(MoodAll) << true << 0 << 9 << 5;
    QTest::newRow("single mood") << 3 << int(MoodNeutral) << false << 0 << 5 << 4;
    QTest::newRow("single mood wraps") << 6 << int(MoodNeutral) << false << 0 << 5 << 4;
    QTest::newRow("offwhite is found by itself") << 1 << int(MoodOffwhite) << false << 0 << 2 << 2;
    QTest::newRow("no card of the mood") << 6 << int(MoodRich) << false << -6 << 6 << -1;
    QTest::newRow("no exterior card of the mood") << 6 << int(MoodWarm) << true << -6 << 6 << -1;
}

void CardQueriesTest::firstPageInSegment()
{
    QFETCH(int, segment);
    QFETCH(int, mood);
    QFETCH(bool, exterior);
    QFETCH(int, status);
    QFETCH(int, foundSegment);
    QFETCH(int, foundPage);

    CollectionFixture fixture;
    buildDeck(fixture);

    int outSegment = 0;
    QCOMPARE(findSegmentWithPages(kDeckA, segment, mood, exterior, outSegment), status);
    QCOMPARE(outSegment, foundSegment);

    int outPageIndex = 0;
    QCOMPARE(findFirstPageIndexInSegment(kDeckA, segment, mood, exterior, outPageIndex), status);
    QCOMPARE(outPageIndex, foundPage);

    ColorPage page;
    page.pageIndex = 99;
    QCOMPARE(loadFirstPageInSegment(kDeckA, segment, mood, exterior, page), status);
    // On -6 the caller's page stays as it was.
    QCOMPARE(page.pageIndex, status == 0 ? foundPage : 99);
    if (status == 0) {
        QCOMPARE(page.segment, foundSegment);
        QVERIFY(!page.rows.empty());
        QCOMPARE(page.rows.front().code(), QStringLiteral("C%1-1").arg(foundPage));
        QCOMPARE(page.rows.front().collectionId, qint64(1));
    }
}

void CardQueriesTest::neighbourPage_data()
{
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("mood");
    QTest::addColumn<bool>("exterior");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("foundPage");

    QTest::newRow("forward skips offwhite") << 1 << false << int(MoodAll) << false << 0 << 3;
    QTest::newRow("backward skips offwhite") << 3 << true << int(MoodAll) << false << 0 << 1;
    QTest::newRow("forward from the last wraps") << 6 << false << int(MoodAll) << false << 0 << 1;
    QTest::newRow("backward from the first wraps") << 1 << true << int(MoodAll) << false << 0 << 6;
    QTest::newRow("exterior skips neutral and inside cards")
        << 1 << false << int(MoodAll) << true << 0 << 5;
    QTest::newRow("exterior wraps forward") << 5 << false << int(MoodAll) << true << 0 << 1;
    QTest::newRow("exterior wraps backward") << 1 << true << int(MoodAll) << true << 0 << 5;
    QTest::newRow("one mood backward") << 4 << true << int(MoodFresh) << false << 0 << 1;
    QTest::newRow("one mood wraps backward") << 1 << true << int(MoodFresh) << false << 0 << 6;
    QTest::newRow("only the current card passes")
        << 3 << false << int(MoodWarm) << false << -6 << -1;
    QTest::newRow("only the current offwhite card")
        << 2 << true << int(MoodOffwhite) << false << -6 << -1;
    QTest::newRow("no card passes") << 1 << false << int(MoodRich) << false << -6 << -1;
}

void CardQueriesTest::neighbourPage()
{
    QFETCH(int, pageIndex);
    QFETCH(bool, backward);
    QFETCH(int, mood);
    QFETCH(bool, exterior);
    QFETCH(int, status);
    QFETCH(int, foundPage);

    CollectionFixture fixture;
    buildDeck(fixture);

    ColorPage page;
    QCOMPARE(loadNeighbourPage(kDeckA, pageIndex, backward, mood, exterior, page), status);
    QCOMPARE(page.pageIndex, foundPage);
    if (status == 0) {
        QCOMPARE(page.rows.front().code(), QStringLiteral("C%1-1").arg(foundPage));
        QCOMPARE(page.rows.front().collectionId, qint64(1));
    }
}

void CardQueriesTest::pagesSortTheirChips()
{
    CollectionFixture fixture;
    buildDeck(fixture);
    const QList<int> sorted {1, 2, 3};

    ColorPage byIndex;
    QCOMPARE(loadPageByIndex(kDeckA, 1, byIndex), 0);
    QCOMPARE(rowIndexes(byIndex), sorted);
    QCOMPARE(byIndex.mood, int(MoodFresh));
    QVERIFY(byIndex.exterior);

    ColorPage first;
    QCOMPARE(loadFirstPageInSegment(kDeckA, 1, MoodAll, false, first), 0);
    QCOMPARE(rowIndexes(first), sorted);

    ColorPage neighbour;
    QCOMPARE(loadNeighbourPage(kDeckA, 6, false, MoodAll, false, neighbour), 0);
    QCOMPARE(rowIndexes(neighbour), sorted);

    ColorPage missing;
    QCOMPARE(loadPageByIndex(kDeckA, 42, missing), -1);
    QCOMPARE(missing.pageIndex, -1);
}

void CardQueriesTest::pageById()
{
    CollectionFixture fixture;
    buildDeck(fixture);
    ColorPage byIndex;
    QCOMPARE(loadPageByIndex(kDeckA, 1, byIndex), 0);

    ColorPage withRows;
    QCOMPARE(loadPageById(kDeckA, byIndex.id, false, withRows), 0);
    QCOMPARE(withRows.pageIndex, 1);
    QCOMPARE(withRows.segment, 2);
    QCOMPARE(rowIndexes(withRows), QList<int>({1, 2, 3}));
    QCOMPARE(withRows.rows.front().segment, 1); // the chip's own SEGMENT, not the card's

    ColorPage pageOnly;
    QCOMPARE(loadPageById(kDeckA, byIndex.id, true, pageOnly), 0);
    QCOMPARE(pageOnly.pageIndex, 1);
    QVERIFY(pageOnly.rows.empty());

    // A card of another collection is not found through this one.
    ColorPage other;
    QCOMPARE(loadPageById(kDeckB, byIndex.id, false, other), -1);
    QCOMPARE(loadPageById(kDeckA, 4242, false, other), -1);
}

void CardQueriesTest::rowLookups()
{
    CollectionFixture fixture;
    buildDeck(fixture);

    ColorEntry entry;
    QCOMPARE(loadRowAt(kDeckA, 1, 2, entry), 0);
    QCOMPARE(entry.code(), QStringLiteral("C1-2"));
    QCOMPARE(entry.rowIndex, 2);
    const qint64 rowId = entry.id;

    ColorEntry byId;
    QCOMPARE(loadRowById(kDeckA, rowId, byId), 0);
    QCOMPARE(byId.code(), QStringLiteral("C1-2"));
    QCOMPARE(byId.collectionId, qint64(1));
    QCOMPARE(byId.color(), QColor(10, 2, 0));

    QCOMPARE(loadRowAt(kDeckA, 1, 9, entry), -1);
    QCOMPARE(entry.id, qint64(-1));
    QCOMPARE(loadRowAt(kDeckA, 99, 1, entry), -1);
    QCOMPARE(loadRowById(kDeckA, 4242, byId), -1);
    QVERIFY(byId.code().isEmpty());
}

void CardQueriesTest::rowNearRgb_data()
{
    QTest::addColumn<QColor>("stored");
    QTest::addColumn<int>("status");

    QTest::newRow("exact") << QColor(100, 100, 100) << 0;
    QTest::newRow("within two in each component") << QColor(102, 98, 100) << 0;
    QTest::newRow("two below in blue") << QColor(100, 100, 98) << 0;
    QTest::newRow("three above in red") << QColor(103, 100, 100) << -1;
    QTest::newRow("three below in green") << QColor(100, 97, 100) << -1;
}

void CardQueriesTest::rowNearRgb()
{
    QFETCH(QColor, stored);
    QFETCH(int, status);

    CollectionFixture fixture;
    createDecks(fixture);
    const qint64 pageId = fixture.addPage(kDeckFile, 1, 1, 1);
    fixture.addRow(kDeckFile, 1, pageId, 1, stored,
                   {{QStringLiteral("CODE"), QStringLiteral("N")}});
    fixture.activate();

    ColorEntry entry;
    QCOMPARE(loadRowNearRgb(kDeckA, QColor(100, 100, 100), entry), status);
    QCOMPARE(entry.code(), status == 0 ? QStringLiteral("N") : QString());
}

void CardQueriesTest::segmentsAndExteriorMoods()
{
    CollectionFixture fixture;
    buildDeck(fixture);

    QVector<int> segments;
    QCOMPARE(loadSegments(kDeckA, segments), 0);
    QCOMPARE(segments, QVector<int>({2, 5, 9}));
    QCOMPARE(loadSegments(kDeckB, segments), -1);
    QVERIFY(segments.isEmpty());

    QVERIFY(hasExteriorPageWithMood(kDeckA, MoodFresh));
    QVERIFY(hasExteriorPageWithMood(kDeckA, MoodNeutral));
    QVERIFY(!hasExteriorPageWithMood(kDeckA, MoodWarm));
    QVERIFY(!hasExteriorPageWithMood(kDeckB, MoodFresh));
}

void CardQueriesTest::collectionWithoutChips()
{
    CollectionFixture fixture;
    buildDeck(fixture);

    QVector<LabEntry> entries {LabEntry()};
    QCOMPARE(loadLabEntries(kDeckB, entries), 0);
    QVERIFY(entries.isEmpty());

    QCOMPARE(loadLabEntries(kDeckA, entries), 0);
    QCOMPARE(entries.size(), 8);
    QVERIFY(std::all_of(entries.cbegin(), entries.cend(),
                        [](const LabEntry &entry) { return entry.rowId > 0 && entry.l == 50.0; }));
}

void CardQueriesTest::pageMappedToTwoCollections()
{
    CollectionFixture fixture;
    buildDeck(fixture);
    // Card 7 belongs to deck A and is shown in deck B as well.
    const qint64 pageId = fixture.addPage(kDeckFile, 1, 7, 4);
    fixture.mapPage(kDeckFile, 2, pageId);
    fixture.addRow(kDeckFile, 1, pageId, 1, QColor(7, 7, 7),
                   {{QStringLiteral("CODE"), QStringLiteral("SHARED")}});

    for (const QUuid &collection : {kDeckA, kDeckB}) {
        ColorPage page;
        QCOMPARE(loadPageByIndex(collection, 7, page), 0);
        QCOMPARE(page.id, pageId);
        QCOMPARE(page.rows.size(), std::size_t(1));
        // The chip keeps the collection of its ROW table column.
        QCOMPARE(page.rows.front().collectionId, qint64(1));
        QCOMPARE(loadPageById(collection, pageId, false, page), 0);
        ColorEntry entry;
        QCOMPARE(loadRowAt(collection, 7, 1, entry), 0);
        QCOMPARE(entry.code(), QStringLiteral("SHARED"));
    }
    QVector<int> segments;
    QCOMPARE(loadSegments(kDeckB, segments), 0);
    QCOMPARE(segments, QVector<int>({4}));
}

void CardQueriesTest::rowByCodeInEnabledCollections_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("enabled");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("foundCode");

    QTest::newRow("plain code") << "SW 6258" << 1 << 0 << "SW 6258";
    QTest::newRow("case is ignored") << "sw 6258" << 1 << 0 << "SW 6258";
    QTest::newRow("code with a quote") << "O'Neil Red" << 1 << 0 << "O'Neil Red";
    QTest::newRow("code with a double quote") << "6\" Blue" << 1 << 0 << "6\" Blue";
    QTest::newRow("crafted code changes nothing") << "x' OR '1'='1" << 1 << -1 << "";
    QTest::newRow("unknown code") << "NOPE" << 1 << -1 << "";
    QTest::newRow("disabled collection") << "SW 6258" << 0 << -1 << "";
}

void CardQueriesTest::rowByCodeInEnabledCollections()
{
    QFETCH(QString, code);
    QFETCH(int, enabled);
    QFETCH(int, status);
    QFETCH(QString, foundCode);

    CollectionFixture fixture;
    fixture.createFile(kDeckFile);
    fixture.addCollection(kDeckFile, 1, kDeckA.toString(), QStringLiteral("A"), QStringLiteral("A"),
                          1, enabled);
    const qint64 pageId = fixture.addPage(kDeckFile, 1, 1, 1);
    int position = 1;
    for (const QString &stored :
         {QStringLiteral("SW 6258"), QStringLiteral("O'Neil Red"), QStringLiteral("6\" Blue")}) {
        fixture.addRow(kDeckFile, 1, pageId, position++, QColor(1, 2, 3),
                       {{QStringLiteral("CODE"), stored}});
    }
    fixture.activate();

    ColorEntry entry;
    QCOMPARE(findRowByCodeInEnabledCollections(code, entry), status);
    QCOMPARE(entry.code(), foundCode);
    QCOMPARE(entry.collectionId, status == 0 ? qint64(1) : qint64(-1));
}

void CardQueriesTest::rowByRgbInEnabledCollections()
{
    CollectionFixture fixture;
    buildDeck(fixture);
    fixture.addCollection(kDeckFile, 3, kUnknownDeck.toString(), QStringLiteral("OFF"),
                          QStringLiteral("Off"), 3, 0);
    const qint64 pageId = fixture.addPage(kDeckFile, 3, 1, 1);
    fixture.addRow(kDeckFile, 3, pageId, 1, QColor(200, 201, 202),
                   {{QStringLiteral("CODE"), QStringLiteral("HIDDEN")}});

    ColorEntry entry;
    QCOMPARE(findRowByRgbInEnabledCollections(QColor(30, 1, 0), entry), 0);
    QCOMPARE(entry.code(), QStringLiteral("C3-1"));
    QCOMPARE(collectionUuidForDbId(entry.collectionId), kDeckA);
    QCOMPARE(findRowByRgbInEnabledCollections(QColor(31, 1, 0), entry), -1);
    QCOMPARE(entry.id, qint64(-1));
    QCOMPARE(findRowByRgbInEnabledCollections(QColor(200, 201, 202), entry), -1);
}

void CardQueriesTest::connectionErrors()
{
    CollectionFixture fixture;
    createDecks(fixture);
    QVERIFY(discoverThenRemoveDeckFile(fixture));

    ColorEntry entry;
    entry.red = 5;
    QCOMPARE(loadRowById(QUuid(), 1, entry), -2);
    QCOMPARE(entry.red, -1); // emptied before the failure
    QCOMPARE(loadRowAt(kUnknownDeck, 1, 1, entry), -4);
    QCOMPARE(loadRowNearRgb(kDeckA, QColor(1, 2, 3), entry), -5);
    int segment = 0;
    QCOMPARE(findSegmentWithPages(kDeckA, 3, MoodAll, false, segment), -5);
    QCOMPARE(segment, 3);
    ColorPage page;
    QCOMPARE(loadNeighbourPage(kDeckA, 1, false, MoodAll, false, page), -5);
    QVector<int> segments {1};
    QCOMPARE(loadSegments(kDeckA, segments), -5);
    QVERIFY(segments.isEmpty());
    // Without an answer the exterior filter stays available.
    QVERIFY(hasExteriorPageWithMood(kDeckA, MoodFresh));
}
