#include "NearestCommandTest.h"

#include "CollectionFixture.h"
#include "ColorMath.h"
#include "HalvornProcess.h"

#include <QTest>

using Corvane::Test::CollectionFixture;
using Corvane::Test::runHalvorn;

namespace {

const QString kDeck = QStringLiteral("deck.db");

struct Chip
{
    qint64 collectionId;
    const char *code;
    const char *name0;
    const char *name1;
    QRgb rgb;
};

// Chips of the first collection ("FIRST", shown by NAME1 through its display order) and of
// the second one ("SECOND", no display order: NAME0). Row ids follow this order from 1.
const Chip kChips[] = {
    {1, "R-1", "Rot", "Red", 0xff0000},   {1, "R-2", "Rot 2", "Red 2", 0xfe0000},
    {1, "B-1", "Blau", "Blue", 0x0000ff}, {1, "G-1", "Grau", "Grey", 0x808080},
    {2, "S-1", "Zwei", "Two", 0xff0101},
};

void buildDecks(CollectionFixture &fixture)
{
    fixture.createFile(kDeck);
    fixture.addCollection(kDeck, 1, QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}"),
                          QStringLiteral("FIRST"), QStringLiteral("First"), 1);
    fixture.addCollection(kDeck, 2, QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}"),
                          QStringLiteral("SECOND"), QStringLiteral("Second"), 2);
    fixture.addSetting(kDeck, 1, QStringLiteral("row.name.display.order"), 1);
    fixture.addSetting(kDeck, 1, QStringLiteral("row.name.display.order"), 0, 1);
    const qint64 pages[] = {fixture.addPage(kDeck, 1, 1, 1), fixture.addPage(kDeck, 2, 1, 1)};
    int rowIndex = 1;
    for (const Chip &chip : kChips) {
        const QColor color = QColor::fromRgb(chip.rgb);
        const Corvane::DB::LabEntry lab = Corvane::labFromColor(color);
        fixture.addRow(kDeck, chip.collectionId, pages[chip.collectionId - 1], rowIndex++, color,
                       {{QStringLiteral("CODE"), chip.code},
                        {QStringLiteral("NAME0"), chip.name0},
                        {QStringLiteral("NAME1"), chip.name1},
                        {QStringLiteral("L"), lab.l},
                        {QStringLiteral("A"), lab.a},
                        {QStringLiteral("B"), lab.b}});
    }
}

// The output line of chip `row` (1-based) against the colour `reference`.
QString line(int row, const QColor &reference, bool secondName)
{
    const Chip &chip = kChips[row - 1];
    const QColor color = QColor::fromRgb(chip.rgb);
    const double deltaE
        = Corvane::deltaE2000(Corvane::labFromColor(reference), Corvane::labFromColor(color));
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
        .arg(QString::number(deltaE, 'f', 4), QLatin1String(chip.code),
             QLatin1String(secondName ? chip.name1 : chip.name0),
             color.name(QColor::HexRgb).toUpper(), QString::number(row));
}

} // namespace

void NearestCommandTest::matches_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");

    const QColor red(0xff, 0, 0);
    const QColor grey(0x80, 0x80, 0x80);
    QTest::newRow("exact hit first, then the next nearest")
        << QStringList {"--rgb", "#FF0000", "-n", "2"} << line(1, red, true) + line(2, red, true);
    QTest::newRow("lower-case hex, one match")
        << QStringList {"--rgb", "#ff0000", "-n=1"} << line(1, red, true);
    QTest::newRow("six by default, fewer chips than places")
        << QStringList {"--rgb", "#808080"}
        << line(4, grey, true) + line(2, grey, true) + line(1, grey, true) + line(3, grey, true);
    QTest::newRow("Lab reference") << QStringList {"--lab", "53.2329,80.1093,67.2201", "-n", "1"}
                                   << QStringLiteral("0.0000\tR-1\tRed\t#FF0000\t1\n");
    QTest::newRow("collection by system id, names without display order")
        << QStringList {"--rgb", "#FF0000", "--collection", "second"} << line(5, red, false);
}

void NearestCommandTest::matches()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);

    CollectionFixture fixture;
    buildDecks(fixture);
    const Corvane::Test::HalvornResult result
        = runHalvorn(QStringList {"nearest", "--data-dir", fixture.databaseFolder()} + arguments);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, output);
}

void NearestCommandTest::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("five hex digits") << QStringList {"--rgb", "#12345"} << "--rgb expects #RRGGBB";
    QTest::newRow("not hex") << QStringList {"--rgb", "#GGGGGG"} << "--rgb expects #RRGGBB";
    QTest::newRow("no hash") << QStringList {"--rgb", "FF0000"} << "--rgb expects #RRGGBB";
    QTest::newRow("two Lab values") << QStringList {"--lab", "1,2"} << "--lab expects L,a,b";
    QTest::newRow("Lab value not a number")
        << QStringList {"--lab", "50,x,0"} << "--lab expects L,a,b";
    QTest::newRow("Lab value not finite")
        << QStringList {"--lab", "50,inf,0"} << "--lab expects L,a,b";
    QTest::newRow("no colour") << QStringList {} << "give either --rgb or --lab";
    QTest::newRow("two colours") << QStringList {"--rgb", "#FF0000", "--lab", "50,0,0"}
                                 << "give either --rgb or --lab";
    QTest::newRow("count 0") << QStringList {"--rgb", "#FF0000", "-n", "0"}
                             << "-n expects a positive integer";
    QTest::newRow("negative count")
        << QStringList {"--rgb", "#FF0000", "-n", "-2"} << "-n expects a positive integer";
    QTest::newRow("count not a number")
        << QStringList {"--rgb", "#FF0000", "-n", "2.5"} << "-n expects a positive integer";
    QTest::newRow("count without value")
        << QStringList {"--rgb", "#FF0000", "-n"} << "-n needs a value";
    QTest::newRow("unknown collection")
        << QStringList {"--rgb", "#FF0000", "--collection", "NOPE"} << "unknown collection NOPE";
    QTest::newRow("stray argument")
        << QStringList {"--rgb", "#FF0000", "extra"} << "expected no arguments";
    QTest::newRow("missing data folder")
        << QStringList {"--rgb", "#FF0000", "--data-dir", "/nonexistent/tessary"}
        << "data folder /nonexistent/tessary does not exist";
}

void NearestCommandTest::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    CollectionFixture fixture;
    buildDecks(fixture);
    // A --data-dir among the arguments is taken before the fixture's folder at the end.
    const Corvane::Test::HalvornResult result = runHalvorn(
        QStringList {"nearest"} + arguments + QStringList {"--data-dir", fixture.databaseFolder()});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

void NearestCommandTest::noCollections()
{
    CollectionFixture fixture;
    const Corvane::Test::HalvornResult result
        = runHalvorn({"nearest", "--rgb", "#FF0000", "--data-dir", fixture.databaseFolder()});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QStringLiteral("no collection found")), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}
