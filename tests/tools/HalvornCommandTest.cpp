#include "HalvornCommandTest.h"

#include "CollectionFixture.h"
#include "HalvornProcess.h"

#include <QTest>

using Corvane::Test::CollectionFixture;

namespace {

using Result = Corvane::Test::HalvornResult;

Result halvorn(const QStringList &arguments)
{
    return Corvane::Test::runHalvorn(arguments);
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
