#include "SchemeQueriesTest.h"

#include "CollectionFixture.h"
#include "Enums.h"
#include "SchemeQueries.h"
#include "TestDecks.h"

#include <QHash>
#include <QTest>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

enum RowQuery { SchemeRows, SchemePageRows, ContrastRows };

// Deck A (id 1): card 1 holds a calm chip "P1-1", a white chip "P1-2" and a rich chip
// "P1-3", stored out of order; cards 2 and 3 hold the scheme chips; card 4 has no schemes.
// Deck B (id 2) owns card 5. Every chip's code is "P<card>-<position>".
class SchemeDeck
{
public:
    explicit SchemeDeck(CollectionFixture &fixture) : m_fixture(fixture)
    {
        createDecks(fixture);
        addCard(1, 1, {{3, MoodRich, false}, {1, MoodCalm, false}, {2, MoodCalm, true}});
        addCard(1, 2, {{1, MoodFresh, false}, {2, MoodFresh, false}});
        addCard(1, 3, {{1, MoodWarm, false}, {2, MoodWarm, false}});
        addCard(1, 4, {{1, MoodCalm, false}});
        addCard(2, 5, {{1, MoodCalm, false}});

        // Harmonic chips of P1-1 by page order, then row order.
        mapRow(1, "P1-1", Harmonic, "P2-2", 1, 1);
        mapRow(1, "P1-1", Harmonic, "P2-1", 0, 2);
        mapRow(1, "P1-1", Harmonic, "P3-1", 0, 1);
        // A mapping of another collection is not listed.
        mapRow(2, "P1-1", Harmonic, "P5-1", 0, 0);
        mapRow(1, "P1-1", Dramatic, "P3-2", 0, 1);
        mapRow(1, "P1-2", Dramatic, "P2-1", 0, 1);
        mapRow(1, "P1-1", ComplementaryNeutral, "P4-1", 0, 1);
        mapRow(1, "P1-3", ComplementaryNeutral, "P4-1", 0, 1);
        // Contrast chips of P1-1, stored against their ranking.
        mapRow(1, "P1-1", Contrast, "P2-2", 1, 1);
        mapRow(1, "P1-1", WideContrast, "P3-2", 1, 1);
        mapRow(1, "P1-1", Contrast, "P2-1", 0, 1);
        mapRow(1, "P1-1", WideContrast, "P3-1", 0, 1);

        mapRowToPage(1, "P1-1", Harmonic, 2, 1);
        mapRowToPage(1, "P1-1", Harmonic, 3, 0);
        mapRowToPage(1, "P1-1", Dramatic, 2, 0);
        mapRowToPage(1, "P1-2", Dramatic, 3, 0);
        mapRowToPage(1, "P1-1", ComplementaryNeutral, 4, 0);

        mapPage(1, 1, Harmonic, 3, 0);
        mapPage(1, 1, Harmonic, 2, 1);
        mapPage(1, 1, Contrast, 5, 0); // card 5 is not in deck A
        mapPage(1, 1, ComplementaryNeutral, 4, 0);
        mapPage(1, 4, Harmonic, 2, 0);
        fixture.activate();
    }

private:
    struct Chip
    {
        int position;
        int mood;
        bool white;
    };

    void addCard(qint64 collectionId, int pageIndex, const QList<Chip> &chips)
    {
        const qint64 pageId = m_fixture.addPage(kDeckFile, collectionId, pageIndex, 1);
        m_pageIds.insert(pageIndex, pageId);
        for (const Chip &chip : chips) {
            const QString code = QStringLiteral("P%1-%2").arg(pageIndex).arg(chip.position);
            m_rowIds.insert(code,
                            m_fixture.addRow(kDeckFile, collectionId, pageId, chip.position,
                                             QColor(pageIndex, chip.position, 0),
                                             {{QStringLiteral("CODE"), code},
                                              {QStringLiteral("MOOD"), chip.mood},
                                              {QStringLiteral("WHITE"), chip.white ? 1 : 0}}));
        }
    }

    void mapRow(qint64 collectionId, const char *chip, int scheme, const char *schemeChip,
                int pageOrder, int rowOrder)
    {
        m_fixture.insert(
            kDeckFile, QStringLiteral("ROW_SCHEME_MAP"),
            {{QStringLiteral("COLLECTION_ID"), collectionId},
             {QStringLiteral("ROW_ID"), m_rowIds.value(QLatin1String(chip))},
             {QStringLiteral("SCHEME_ID"), scheme},
             {QStringLiteral("SCHEME_ROW_ID"), m_rowIds.value(QLatin1String(schemeChip))},
             {QStringLiteral("PAGE_ORDER"), pageOrder},
             {QStringLiteral("ROW_ORDER"), rowOrder}});
    }

    void mapRowToPage(qint64 collectionId, const char *chip, int scheme, int schemePageIndex,
                      int order)
    {
        m_fixture.insert(kDeckFile, QStringLiteral("ROW_TO_PAGE_SCHEME"),
                         {{QStringLiteral("COLLECTION_ID"), collectionId},
                          {QStringLiteral("ROW_ID"), m_rowIds.value(QLatin1String(chip))},
                          {QStringLiteral("SCHEME_ID"), scheme},
                          {QStringLiteral("SCHEME_PAGE_ID"), m_pageIds.value(schemePageIndex)},
                          {QStringLiteral("ORDER"), order}});
    }

    void mapPage(qint64 collectionId, int pageIndex, int scheme, int schemePageIndex, int order)
    {
        m_fixture.insert(kDeckFile, QStringLiteral("PAGE_SCHEME"),
                         {{QStringLiteral("COLLECTION_ID"), collectionId},
                          {QStringLiteral("PAGE_ID"), m_pageIds.value(pageIndex)},
                          {QStringLiteral("SCHEME_PAGE_ID"), m_pageIds.value(schemePageIndex)},
                          {QStringLiteral("SCHEME_ID"), scheme},
                          {QStringLiteral("ORDER"), order}});
    }

    CollectionFixture &m_fixture;
    QHash<int, qint64> m_pageIds;
    QHash<QString, qint64> m_rowIds;
};

// "code rowIndex pageOrder" of each entry.
QStringList describe(const std::vector<ColorEntry> &entries)
{
    QStringList lines;
    for (const ColorEntry &entry : entries)
        lines.append(
            QStringLiteral("%1 %2 %3").arg(entry.code()).arg(entry.rowIndex).arg(entry.pageOrder));
    return lines;
}

} // namespace

void SchemeQueriesTest::cleanup()
{
    resetEngineState();
}

void SchemeQueriesTest::rowQueries_data()
{
    QTest::addColumn<int>("query");
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("schemeKind");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<int>("rowIndex");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("expected");

    // Scheme chips carry their ROW_ORDER as rowIndex.
    QTest::newRow("scheme chips by page and row order")
        << int(SchemeRows) << kDeckA << int(Harmonic) << 1 << 1 << 0
        << QStringList {"P3-1 1 -1", "P2-1 2 -1", "P2-2 1 -1"};
    QTest::newRow("dramatic needs a neutral or white chip")
        << int(SchemeRows) << kDeckA << int(Dramatic) << 1 << 1 << 0 << QStringList {};
    QTest::newRow("dramatic for a white chip")
        << int(SchemeRows) << kDeckA << int(Dramatic) << 1 << 2 << 0 << QStringList {"P2-1 1 -1"};
    QTest::newRow("complementary neutral needs a rich chip")
        << int(SchemeRows) << kDeckA << int(ComplementaryNeutral) << 1 << 1 << 0 << QStringList {};
    QTest::newRow("complementary neutral for a rich chip")
        << int(SchemeRows) << kDeckA << int(ComplementaryNeutral) << 1 << 3 << 0
        << QStringList {"P4-1 1 -1"};
    QTest::newRow("chip without scheme chips")
        << int(SchemeRows) << kDeckA << int(Dynamic) << 4 << 1 << 0 << QStringList {};

    // Chips of the scheme cards carry the card's order as pageOrder and their own position.
    QTest::newRow("scheme cards by order, chips by position")
        << int(SchemePageRows) << kDeckA << int(Harmonic) << 1 << 1 << 0
        << QStringList {"P3-1 1 0", "P3-2 2 0", "P2-1 1 1", "P2-2 2 1"};
    QTest::newRow("scheme cards: dramatic needs a neutral or white chip")
        << int(SchemePageRows) << kDeckA << int(Dramatic) << 1 << 1 << 0 << QStringList {};
    QTest::newRow("scheme cards: dramatic for a white chip")
        << int(SchemePageRows) << kDeckA << int(Dramatic) << 1 << 2 << 0
        << QStringList {"P3-1 1 0", "P3-2 2 0"};
    QTest::newRow("scheme cards: complementary neutral has no mood condition")
        << int(SchemePageRows) << kDeckA << int(ComplementaryNeutral) << 1 << 1 << 0
        << QStringList {"P4-1 1 0"};

    QTest::newRow("contrast ranking")
        << int(ContrastRows) << kDeckA << 0 << 1 << 1 << 0
        << QStringList {"P3-1 1 -1", "P2-1 1 -1", "P3-2 1 -1", "P2-2 1 -1"};

    const char *const names[] = {"scheme chips", "scheme cards", "contrast"};
    for (const int query : {int(SchemeRows), int(SchemePageRows), int(ContrastRows)}) {
        const char *name = names[query];
        QTest::addRow("%s: position 0", name)
            << query << kDeckA << int(Harmonic) << 1 << 0 << -10 << QStringList {};
        QTest::addRow("%s: one past the last chip", name)
            << query << kDeckA << int(Harmonic) << 1 << 4 << -10 << QStringList {};
        QTest::addRow("%s: card not in the collection", name)
            << query << kDeckA << int(Harmonic) << 5 << 1 << -1 << QStringList {};
        QTest::addRow("%s: unknown collection", name)
            << query << kUnknownDeck << int(Harmonic) << 1 << 1 << -4 << QStringList {};
    }
}

void SchemeQueriesTest::rowQueries()
{
    QFETCH(int, query);
    QFETCH(QUuid, collection);
    QFETCH(int, schemeKind);
    QFETCH(int, pageIndex);
    QFETCH(int, rowIndex);
    QFETCH(int, status);
    QFETCH(QStringList, expected);

    CollectionFixture fixture;
    const SchemeDeck deck(fixture);

    // A stale entry must be gone whatever the outcome.
    std::vector<ColorEntry> entries(1);
    int result = 0;
    switch (query) {
    case SchemeRows:
        result = loadSchemeRows(collection, schemeKind, pageIndex, rowIndex, entries);
        break;
    case SchemePageRows:
        result = loadSchemePageRows(collection, schemeKind, pageIndex, rowIndex, entries);
        break;
    default:
        result = loadContrastSchemeRows(collection, pageIndex, rowIndex, entries);
        break;
    }
    QCOMPARE(result, status);
    QCOMPARE(describe(entries), expected);
    for (const ColorEntry &entry : entries)
        QCOMPARE(entry.collectionId, qint64(1));
}

void SchemeQueriesTest::schemePages_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<int>("schemeKind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<int>>("pageIndexes");

    QTest::newRow("scheme cards with their chips")
        << kDeckA << 1 << int(Harmonic) << 0 << QList<int> {2, 3};
    QTest::newRow("a scheme card of another collection is left out")
        << kDeckA << 1 << int(Contrast) << 0 << QList<int> {};
    QTest::newRow("card without scheme cards")
        << kDeckA << 2 << int(Harmonic) << 0 << QList<int> {};
    QTest::newRow("unknown collection")
        << kUnknownDeck << 1 << int(Harmonic) << -4 << QList<int> {};
}

void SchemeQueriesTest::schemePages()
{
    QFETCH(QUuid, collection);
    QFETCH(int, pageIndex);
    QFETCH(int, schemeKind);
    QFETCH(int, status);
    QFETCH(QList<int>, pageIndexes);

    CollectionFixture fixture;
    const SchemeDeck deck(fixture);

    QList<ColorPage> pages {ColorPage()};
    QCOMPARE(loadSchemePages(collection, pageIndex, schemeKind, pages), status);
    QList<int> found;
    for (const ColorPage &page : std::as_const(pages)) {
        found.append(page.pageIndex);
        QCOMPARE(int(page.rows.size()), 2);
        QCOMPARE(page.rows.front().rowIndex, 1);
    }
    // Without ORDER BY the order is SQLite's; compare as sets.
    std::sort(found.begin(), found.end());
    QCOMPARE(found, pageIndexes);
}

void SchemeQueriesTest::complementaryNeutral_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<bool>("expected");

    QTest::newRow("card with complementary neutral cards") << kDeckA << 1 << true;
    QTest::newRow("card with other schemes only") << kDeckA << 4 << false;
    QTest::newRow("card of another collection") << kDeckB << 1 << false;
    QTest::newRow("unknown collection") << kUnknownDeck << 1 << true;
}

void SchemeQueriesTest::complementaryNeutral()
{
    QFETCH(QUuid, collection);
    QFETCH(int, pageIndex);
    QFETCH(bool, expected);

    CollectionFixture fixture;
    const SchemeDeck deck(fixture);

    QCOMPARE(hasComplementaryNeutralScheme(collection, pageIndex), expected);
}
