#include "HalvornCommandTest.h"

#include "CollectionFixture.h"
#include "HalvornProcess.h"
#include "StateStore.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using Corvane::Test::CollectionFixture;

namespace {

using Result = Corvane::Test::HalvornResult;

Result halvorn(const QStringList &arguments)
{
    return Corvane::Test::runHalvorn(arguments);
}

const QString kUuidFirst = QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}");
const QString kUuidSecond = QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}");

// Two decks: FIRST (listed first) with card 1 "Sunrise" holding chips "SW-1" and "sw-20"
// "Ocean", card 2 holding "O'Neil"; SECOND with chip "B-1".
void buildSearchDecks(CollectionFixture &fixture)
{
    const QString deck = QStringLiteral("deck.db");
    fixture.createFile(deck);
    fixture.addCollection(deck, 1, kUuidSecond, "SECOND", "Second deck", 2);
    fixture.addCollection(deck, 2, kUuidFirst, "FIRST", "First deck", 1);
    fixture.addSetting(deck, 2, QStringLiteral("page.name.search.order"), 1);
    fixture.addSetting(deck, 2, QStringLiteral("row.name.search.order"), 0);
    const qint64 sunrise = fixture.addPage(deck, 2, 1, 4,
                                           {{QStringLiteral("NAME1"), QStringLiteral("Sunrise")},
                                            {QStringLiteral("MOOD"), 3},
                                            {QStringLiteral("EXTERIOR"), 1}});
    fixture.addRow(deck, 2, sunrise, 1, Qt::blue,
                   {{QStringLiteral("CODE"), QStringLiteral("SW-1")}});
    fixture.addRow(deck, 2, sunrise, 2, Qt::red,
                   {{QStringLiteral("CODE"), QStringLiteral("sw-20")},
                    {QStringLiteral("NAME0"), QStringLiteral("Ocean")}});
    const qint64 second = fixture.addPage(deck, 2, 2, 7);
    fixture.addRow(deck, 2, second, 5, Qt::green,
                   {{QStringLiteral("CODE"), QStringLiteral("O'Neil")}});
    const qint64 other = fixture.addPage(deck, 1, 1, 2);
    fixture.addRow(deck, 1, other, 1, Qt::black, {{QStringLiteral("CODE"), QStringLiteral("B-1")}});
}

} // namespace

void HalvornCommandTest::collectionsListsInOrder()
{
    CollectionFixture fixture;
    const QString path = fixture.createFile(QStringLiteral("deck.db"));
    fixture.addCollection(QStringLiteral("deck.db"), 1, "{aaaaaaaa-0000-4000-8000-000000000001}",
                          "SECOND", "Zweite Karte", 2);
    fixture.addCollection(QStringLiteral("deck.db"), 2, "{bbbbbbbb-0000-4000-8000-000000000002}",
                          "FIRST", "First deck", 1);
    fixture.addCollection(QStringLiteral("deck.db"), 3, "{cccccccc-0000-4000-8000-000000000003}",
                          "OFF", "Disabled", 3, 0);

    const Result result = halvorn(
        {QStringLiteral("collections"), QStringLiteral("--data-dir"), fixture.databaseFolder()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
             QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}\t2\t1\tFIRST\tFirst deck\t%1\n"
                            "{aaaaaaaa-0000-4000-8000-000000000001}\t1\t2\tSECOND\tZweite "
                            "Karte\t%1\n")
                 .arg(path));
}

void HalvornCommandTest::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing data folder")
        << QStringList {"collections", "--data-dir", "/nonexistent/tessary"} << 2
        << "data folder /nonexistent/tessary does not exist";
    QTest::newRow("data folder without value")
        << QStringList {"collections", "--data-dir"} << 2 << "--data-dir needs a value";
    QTest::newRow("unknown option")
        << QStringList {"collections", "--frobnicate"} << 2 << "unknown option --frobnicate";
    QTest::newRow("unknown command") << QStringList {"frobnicate"} << 2 << "unknown command";
    QTest::newRow("no command") << QStringList {} << 2 << "usage:";
    QTest::newRow("pick: initial colour not a number")
        << QStringList {"pick", "--initial-color", "teal"} << 2 << "--initial-color wants";
    QTest::newRow("pick: initial colour with alpha bits")
        << QStringList {"pick", "--initial-color", "0x01336699"} << 2 << "--initial-color wants";
    QTest::newRow("pick: stray argument") << QStringList {"pick", "now"} << 2 << "expected";
    QTest::newRow("pick: no display, no screenshot")
        << QStringList {"pick"} << 2 << "without a display only --screenshot";
}

void HalvornCommandTest::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    const Result result = halvorn(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

void HalvornCommandTest::pickScreenshot()
{
    const QString deck = QStringLiteral("deck.db");
    const QUuid collection
        = QUuid::fromString(QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}"));
    CollectionFixture fixture;
    fixture.createFile(deck);
    fixture.addCollection(deck, 1, collection.toString(), "A", "Deck", 1);
    for (int pageIndex = 1; pageIndex <= 3; ++pageIndex) {
        const qint64 pageId = fixture.addPage(deck, 1, pageIndex, 1);
        for (int row = 1; row <= 3; ++row)
            fixture.addRow(deck, 1, pageId, row, QColor(60 * pageIndex, 50 * row, 40));
    }
    QTemporaryDir output;
    const QString png = output.filePath(QStringLiteral("pick.png"));

    // 0x00BBGGRR of the chip (120, 150, 40): card 2, row 3.
    const Result result
        = halvorn({QStringLiteral("pick"), QStringLiteral("--data-dir"), fixture.databaseFolder(),
                   QStringLiteral("--initial-color"), QStringLiteral("0x00289678"),
                   QStringLiteral("--screenshot"), png});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QImage(png).size(), QSize(800, 600));
    // The child process keeps its state in the plain per-user file (no test-mode paths).
    const Corvane::StateStore childState(qEnvironmentVariable("XDG_CONFIG_HOME")
                                         + QStringLiteral("/Veltra Marnik/Tessary.SketchUp.ini"));
    QCOMPARE(childState.pageIndex(collection), 2);
    QCOMPARE(childState.rowIndex(collection), 3);

    // A folder without collections opens no window.
    CollectionFixture empty;
    const Result none = halvorn({QStringLiteral("pick"), QStringLiteral("--data-dir"),
                                 empty.databaseFolder(), QStringLiteral("--screenshot"), png});
    QCOMPARE(none.exitCode, 1);
    QVERIFY2(none.err.contains(QLatin1String("no collection found")), qPrintable(none.err));
}

void HalvornCommandTest::searchAndComplete_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");

    QTest::newRow("card name") << QStringList {"search", "sunrise"} << 0 << "1\t-1\t4\t3\t1\n"
                               << "";
    QTest::newRow("chip name") << QStringList {"search", "OCEAN"} << 0 << "1\t2\t4\t3\t1\n"
                               << "";
    QTest::newRow("code with a quote") << QStringList {"search", "o'neil"} << 0 << "2\t5\t7\t0\t0\n"
                                       << "";
    QTest::newRow("collection by system id")
        << QStringList {"search", "b-1", "--collection", "second"} << 0 << "1\t1\t2\t0\t0\n"
        << "";
    QTest::newRow("collection by uuid")
        << QStringList {"search", "--collection", kUuidSecond, "B-1"} << 0 << "1\t1\t2\t0\t0\n"
        << "";
    QTest::newRow("nothing matches") << QStringList {"search", "B-1"} << 1 << ""
                                     << "no card or colour matches \"B-1\"";
    QTest::newRow("unknown collection")
        << QStringList {"search", "x", "--collection", "NOPE"} << 2 << ""
        << "unknown collection NOPE";
    QTest::newRow("system-wide collection")
        << QStringList {"search", "x", "--collection", "VIRTUAL"} << 2 << ""
        << "unknown collection VIRTUAL";
    QTest::newRow("no phrase") << QStringList {"search"} << 2 << ""
                               << "expected one PHRASE";
    QTest::newRow("two phrases") << QStringList {"search", "a", "b"} << 2 << ""
                                 << "expected one PHRASE";

    QTest::newRow("complete ignores case") << QStringList {"complete", "Sw"} << 0 << "SW-1\nsw-20\n"
                                           << "";
    QTest::newRow("complete everything")
        << QStringList {"complete", ""} << 0 << "O'Neil\nOcean\nSunrise\nSW-1\nsw-20\n"
        << "";
    QTest::newRow("complete nothing") << QStringList {"complete", "zz"} << 0 << ""
                                      << "";
    QTest::newRow("complete in another collection")
        << QStringList {"complete", "b", "--collection", "SECOND"} << 0 << "B-1\n"
        << "";
    QTest::newRow("complete unknown collection")
        << QStringList {"complete", "b", "--collection", "{00000000-0000-4000-8000-000000000009}"}
        << 2 << ""
        << "unknown collection";
    QTest::newRow("complete without prefix") << QStringList {"complete"} << 2 << ""
                                             << "expected one PREFIX";
}

void HalvornCommandTest::searchAndComplete()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, message);

    CollectionFixture fixture;
    buildSearchDecks(fixture);

    const Result result
        = halvorn(arguments + QStringList {QStringLiteral("--data-dir"), fixture.databaseFolder()});
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, output);
    if (message.isEmpty())
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    else
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void HalvornCommandTest::searchWithoutCollections()
{
    CollectionFixture fixture;
    for (const QString &command : {QStringLiteral("search"), QStringLiteral("complete")}) {
        const Result result = halvorn(
            {command, QStringLiteral("x"), QStringLiteral("--data-dir"), fixture.databaseFolder()});
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QStringLiteral("no collection found")),
                 qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
    }
}
