#include "CaptureQueriesTest.h"

#include "CaptureFiles.h"
#include "CaptureMatching.h"
#include "CaptureQueries.h"
#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ModuleValues.h"
#include "StatusCodes.h"
#include "TestDecks.h"

#include <QTest>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

// Deck A (id 1, capture priority 2) and deck B (id 2, priority 1) take part in capture
// matching; deck C (id 3) is capture-enabled without a priority and deck D (id 4) has a
// priority but capture switched off. Both A and B have a chip named "Misty Blue"; every
// deck has a chip named "Sand". Names are searched in NAME0 and NAME1 only.
struct Chip
{
    qint64 collection;
    const char *code;
    const char *name0;
    const char *name1;
    const char *name5;
};

constexpr Chip kChips[] = {
    {1, "a-100", "Misty Blue", "", ""}, {1, "A-200", "Sand", "", "Hidden Name"},
    {2, "B-300", "Misty Blue", "", ""}, {2, "B-400", "Harbour", "O'Hara", ""},
    {3, "C-500", "Sand", "", ""},       {4, "D-600", "Sand", "", ""},
};

void addCapture(CollectionFixture &fixture, qint64 id, const char *enabled, const char *priority)
{
    if (enabled)
        fixture.addSetting(kDeckFile, id, QStringLiteral("capsure.enabled"),
                           QString::fromLatin1(enabled));
    if (priority)
        fixture.addSetting(kDeckFile, id, QStringLiteral("capsure.priority"),
                           QString::fromLatin1(priority));
}

void buildCaptureDecks(CollectionFixture &fixture)
{
    createDecks(fixture);
    fixture.addCollection(kDeckFile, 3, QStringLiteral("{cccccccc-0000-4000-8000-000000000013}"),
                          QStringLiteral("C"), QStringLiteral("Deck C"), 3);
    fixture.addCollection(kDeckFile, 4, QStringLiteral("{dddddddd-0000-4000-8000-000000000014}"),
                          QStringLiteral("D"), QStringLiteral("Deck D"), 4);
    addCapture(fixture, 1, "1", "2");
    addCapture(fixture, 2, "1", "1");
    addCapture(fixture, 3, "1", nullptr);
    addCapture(fixture, 4, "0", "0");
    fixture.addSetting(kDeckFile, 1, QStringLiteral("row.name.search.order"), 0, 0);
    fixture.addSetting(kDeckFile, 1, QStringLiteral("row.name.search.order"), 1, 1);
    QHash<qint64, qint64> pages;
    int rowIndex = 0;
    for (const Chip &chip : kChips) {
        if (!pages.contains(chip.collection))
            pages.insert(chip.collection, fixture.addPage(kDeckFile, chip.collection, 1, 1));
        ++rowIndex;
        fixture.addRow(kDeckFile, chip.collection, pages.value(chip.collection), rowIndex,
                       QColor(10 * rowIndex, 20, 30),
                       {{QStringLiteral("CODE"), QString::fromLatin1(chip.code)},
                        {QStringLiteral("NAME0"), QString::fromLatin1(chip.name0)},
                        {QStringLiteral("NAME1"), QString::fromLatin1(chip.name1)},
                        {QStringLiteral("NAME5"), QString::fromLatin1(chip.name5)}});
    }
    fixture.activate();
    loadDisplayOrders(kDeckA);
}

void setLab(CollectionFixture &fixture, const QString &code, double l, double a, double b)
{
    fixture.exec(kDeckFile, QStringLiteral("UPDATE ROW SET L = ?, A = ?, B = ? WHERE CODE = ?"),
                 {l, a, b, code});
}

QStringList codesOf(const QVector<ColorEntry> &entries)
{
    QStringList codes;
    for (const ColorEntry &entry : entries)
        codes.append(QStringLiteral("%1@%2").arg(entry.code()).arg(entry.collectionId));
    return codes;
}

} // namespace

void CaptureQueriesTest::cleanup()
{
    resetEngineState();
}

void CaptureQueriesTest::captureCollectionsByPriority()
{
    CollectionFixture fixture;
    buildCaptureDecks(fixture);
    QVector<qint64> ids {99};
    QCOMPARE(loadCaptureCollectionIds(ids), int(StatusOk));
    QCOMPARE(ids, (QVector<qint64> {2, 1}));
}

void CaptureQueriesTest::matches_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("code in another case") << "A-100" << QStringList {"a-100@1"};
    QTest::newRow("lower-case name") << "b-300" << QStringList {"B-300@2"};
    QTest::newRow("name in two collections, lower priority value first")
        << "misty blue" << QStringList {"B-300@2", "a-100@1"};
    QTest::newRow("second searched name column") << "o'hara" << QStringList {"B-400@2"};
    QTest::newRow("collections without a priority or with capture off are left out")
        << "Sand" << QStringList {"A-200@1"};
    QTest::newRow("name column not searched") << "Hidden Name" << QStringList();
    QTest::newRow("quote that would end the literal") << "x' OR '1'='1" << QStringList();
    QTest::newRow("statement text") << "') OR 1=1 --" << QStringList();
    QTest::newRow("empty name, although name columns are empty") << "" << QStringList();
    QTest::newRow("blank name") << "  " << QStringList();
}

// Names are compared as values: quotes and SQL in a capture file find nothing and break
// nothing.
void CaptureQueriesTest::matches()
{
    QFETCH(QString, name);
    QFETCH(QStringList, found);

    CollectionFixture fixture;
    buildCaptureDecks(fixture);
    QVector<ColorEntry> entries(1);
    QCOMPARE(findCaptureMatches(name, entries), int(StatusOk));
    QCOMPARE(codesOf(entries), found);
}

// A card of A also mapped to B: its chip is found through each collection, and each find
// names the collection it came through, not the chip's own.
void CaptureQueriesTest::pageSharedByTwoCaptureCollections()
{
    CollectionFixture fixture;
    buildCaptureDecks(fixture);
    const qint64 shared = fixture.addPage(kDeckFile, 1, 7, 1);
    fixture.addRow(kDeckFile, 1, shared, 1, QColor(1, 2, 3),
                   {{QStringLiteral("CODE"), QStringLiteral("S-1")}});
    fixture.mapPage(kDeckFile, 2, shared);

    QVector<ColorEntry> entries;
    QCOMPARE(findCaptureMatches(QStringLiteral("s-1"), entries), int(StatusOk));
    QCOMPARE(codesOf(entries), (QStringList {"S-1@2", "S-1@1"}));
    QCOMPARE(entries.at(0).id, entries.at(1).id);
}

void CaptureQueriesTest::collectGroupsByPriorityAndDropsRepeats()
{
    CollectionFixture fixture;
    buildCaptureDecks(fixture);
    QVector<ColorEntry> entries;
    const QStringList names {"A-200", "MISTY BLUE", "misty blue", "nothing", "it's", "Harbour"};
    QCOMPARE(collectCaptureMatches(names, entries), int(StatusOk));
    // B (priority 1) first, then A, each in the order found.
    QCOMPARE(codesOf(entries), (QStringList {"B-300@2", "B-400@2", "A-200@1", "a-100@1"}));
}

void CaptureQueriesTest::withoutCollectionFile()
{
    setDatabaseFolder(QStringLiteral("/nonexistent/tessary"));
    collectionRegistry().clear();
    QVector<qint64> ids {1};
    QVERIFY(loadCaptureCollectionIds(ids) < 0);
    QVERIFY(ids.isEmpty());
    QVector<ColorEntry> entries(1);
    QVERIFY(findCaptureMatches(QStringLiteral("A-100"), entries) < 0);
    QVERIFY(entries.isEmpty());
    QVERIFY(collectCaptureMatches({QStringLiteral("A-100")}, entries) < 0);
    QVERIFY(entries.isEmpty());
}

// Objects whose names find nothing are matched by their CIELAB value to the nearest chip of
// the capture collections, after the name matches; a D50 value is adapted to D65 first, and
// chips of collections outside capture matching are never chosen.
void CaptureQueriesTest::colorFallbackAfterNameMatches()
{
    CollectionFixture fixture;
    buildCaptureDecks(fixture);
    setLab(fixture, "a-100", 60, 20, 10);
    setLab(fixture, "A-200", 30, -20, -30);
    setLab(fixture, "B-300", 70, 0, 40);
    // Where the D50 value of A-200's colour lies without adaptation.
    setLab(fixture, "B-400", 29.4144, -26.1093, -30.8789);
    const qint64 page = fixture.addPage(kDeckFile, 2, 5, 1);
    fixture.addRow(kDeckFile, 2, page, 1, QColor(1, 2, 3),
                   {{QStringLiteral("CODE"), QStringLiteral("B-500")},
                    {QStringLiteral("L"), 45.0},
                    {QStringLiteral("A"), 5.0},
                    {QStringLiteral("B"), 5.0}});
    setLab(fixture, "C-500", 46, 5, 5);
    setLab(fixture, "D-600", 46, 5, 5);

    const CaptureFileContents contents = readCaptureNames(cxf3LabDocument({
        {"misty blue", 0, 0, 0, "D65"},
        {"Nothing", 29.4144, -26.1093, -30.8789, "D50"},
        {QString(), 60.5, 19, 10, ""}, // nearest is a-100, already listed by name
        {"Near B-500", 46, 5, 5, "D65"},
    }));
    QVector<CaptureMatch> matches;
    QCOMPARE(matchCaptureContents(contents, matches), int(StatusOk));
    QStringList found;
    for (const CaptureMatch &match : matches)
        found.append(
            QStringLiteral("%1@%2%3")
                .arg(match.chip.code())
                .arg(match.chip.collectionId)
                .arg(match.byColor ? QStringLiteral(" by ") + match.objectName : QString()));
    QCOMPARE(found,
             (QStringList {"B-300@2", "a-100@1", "A-200@1 by Nothing", "B-500@2 by Near B-500"}));
    QVERIFY2(matches.at(2).deltaE < 0.01, qPrintable(QString::number(matches.at(2).deltaE)));
    QVERIFY(matches.at(3).deltaE > 0.5);

    QVector<ColorEntry> chips;
    QCOMPARE(collectCaptureMatches(contents, chips), int(StatusOk));
    QCOMPARE(codesOf(chips), (QStringList {"B-300@2", "a-100@1", "A-200@1", "B-500@2"}));
}
