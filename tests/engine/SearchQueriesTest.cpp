#include "SearchQueriesTest.h"

#include "CollectionFixture.h"
#include "CollectionSettings.h"
#include "SearchQueries.h"
#include "TestDecks.h"

#include <QTest>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

// Deck A: card 1 "Sunrise" (NAME1) with chips SW-1 "Ocean" and O'Neil "crème"; card 2 with
// chip a-7 "Ocean" and a blank name; card 3 "Lonely" (NAME1) without chips. NAME3 "Hidden"
// is never searched. With `withOrders` the page search order is 1 and the row search order
// 0, 12, -1, 2; otherwise there are no search orders. Deck B holds chip "B-1" only.
void buildDeck(CollectionFixture &fixture, bool withOrders)
{
    createDecks(fixture);
    if (withOrders) {
        fixture.addSetting(kDeckFile, 1, QStringLiteral("page.name.search.order"), 1);
        int index = 0;
        for (const int column : {0, 12, -1, 2})
            fixture.addSetting(kDeckFile, 1, QStringLiteral("row.name.search.order"), column,
                               index++);
    }
    const qint64 sunrise = fixture.addPage(kDeckFile, 1, 1, 4,
                                           {{QStringLiteral("NAME1"), QStringLiteral("Sunrise")},
                                            {QStringLiteral("MOOD"), 3},
                                            {QStringLiteral("EXTERIOR"), 1}});
    fixture.addRow(kDeckFile, 1, sunrise, 1, Qt::blue,
                   {{QStringLiteral("CODE"), QStringLiteral("SW-1")},
                    {QStringLiteral("NAME0"), QStringLiteral("Ocean")},
                    {QStringLiteral("NAME3"), QStringLiteral("Hidden")}});
    fixture.addRow(kDeckFile, 1, sunrise, 2, Qt::red,
                   {{QStringLiteral("CODE"), QStringLiteral("O'Neil")},
                    {QStringLiteral("NAME0"), QString::fromUtf8("crème")}});
    const qint64 second = fixture.addPage(kDeckFile, 1, 2, 6, {{QStringLiteral("MOOD"), 7}});
    fixture.addRow(kDeckFile, 1, second, 3, Qt::green,
                   {{QStringLiteral("CODE"), QStringLiteral("a-7")},
                    {QStringLiteral("NAME0"), QStringLiteral("Ocean")},
                    {QStringLiteral("NAME2"), QStringLiteral("   ")}});
    fixture.addPage(kDeckFile, 1, 3, 8, {{QStringLiteral("NAME1"), QStringLiteral("Lonely")}});
    const qint64 other = fixture.addPage(kDeckFile, 2, 1, 1);
    fixture.addRow(kDeckFile, 2, other, 1, Qt::black,
                   {{QStringLiteral("CODE"), QStringLiteral("B-1")}});
    fixture.activate();
    QCOMPARE(loadDisplayOrders(kDeckA), 0);
}

} // namespace

void SearchQueriesTest::cleanup()
{
    resetEngineState();
}

void SearchQueriesTest::completionWords_data()
{
    QTest::addColumn<bool>("withOrders");
    QTest::addColumn<QStringList>("words");

    // Names listed once, blanks and unsearched columns left out, sorted ignoring case.
    const QStringList all {
        "a-7", QString::fromUtf8("crème"), "Lonely", "O'Neil", "Ocean", "Sunrise", "SW-1"};
    QTest::newRow("search orders") << true << all;
    QTest::newRow("codes alone") << false << QStringList {"a-7", "O'Neil", "SW-1"};
}

void SearchQueriesTest::completionWords()
{
    QFETCH(bool, withOrders);
    QFETCH(QStringList, words);

    CollectionFixture fixture;
    buildDeck(fixture, withOrders);

    QStringList completion {QStringLiteral("stale")};
    QCOMPARE(loadCompletionWords(kDeckA, completion), 0);
    QCOMPARE(completion, words);
}

void SearchQueriesTest::searchPhrase_data()
{
    QTest::addColumn<bool>("withOrders");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("status");
    // page index, row index, segment, mood, exterior
    QTest::addColumn<QList<int>>("found");

    const QList<int> nothing {-1, -1, -1, 0, 0};
    QTest::newRow("card name") << true << "sunrise" << 0 << QList<int> {1, -1, 4, 3, 1};
    QTest::newRow("chip code") << true << "sw-1" << 0 << QList<int> {1, 1, 4, 3, 1};
    QTest::newRow("chip code with a quote") << true << "o'neil" << 0 << QList<int> {1, 2, 4, 3, 1};
    QTest::newRow("chip name, mood 7 reads as none")
        << true << "A-7" << 0 << QList<int> {2, 3, 6, 0, 0};
    QTest::newRow("unsearched column") << true << "Hidden" << -6 << nothing;
    QTest::newRow("part of a name") << true << "Sun" << -6 << nothing;
    QTest::newRow("card without chips") << true << "Lonely" << -6 << nothing;
    QTest::newRow("other collection") << true << "B-1" << -6 << nothing;
    // SQLite upper-cases ASCII letters only, the phrase is upper-cased fully.
    QTest::newRow("accented letter") << true << QString::fromUtf8("crème") << -6 << nothing;
    QTest::newRow("card name without orders") << false << "Sunrise" << -6 << nothing;
    QTest::newRow("code without orders") << false << "SW-1" << 0 << QList<int> {1, 1, 4, 3, 1};
}

void SearchQueriesTest::searchPhrase()
{
    QFETCH(bool, withOrders);
    QFETCH(QString, phrase);
    QFETCH(int, status);
    QFETCH(QList<int>, found);

    CollectionFixture fixture;
    buildDeck(fixture, withOrders);

    int pageIndex = 99;
    int rowIndex = 99;
    int segment = 99;
    int mood = 99;
    bool exterior = true;
    QCOMPARE(DB::searchPhrase(kDeckA, phrase, pageIndex, rowIndex, segment, mood, exterior),
             status);
    QCOMPARE((QList<int> {pageIndex, rowIndex, segment, mood, int(exterior)}), found);
}

void SearchQueriesTest::connectionErrors()
{
    QStringList words {QStringLiteral("stale")};
    QCOMPARE(loadCompletionWords(QUuid(), words), -2);
    QVERIFY(words.isEmpty());
    int pageIndex = 5;
    int rowIndex = 5;
    int segment = 5;
    int mood = 5;
    bool exterior = true;
    QCOMPARE(DB::searchPhrase(QUuid(), QStringLiteral("x"), pageIndex, rowIndex, segment, mood,
                              exterior),
             -2);
    QCOMPARE((QList<int> {pageIndex, rowIndex, segment, mood, int(exterior)}),
             (QList<int> {-1, -1, -1, 0, 0}));
}
