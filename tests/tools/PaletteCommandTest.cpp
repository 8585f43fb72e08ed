#include "PaletteCommandTest.h"

#include "CollectionFixture.h"
#include "ColorMath.h"
#include "HalvornProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Test::CollectionFixture;

namespace {

const QString kDeck = QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}");
const QByteArray kBom("\xEF\xBB\xBF");

using Result = Corvane::Test::HalvornResult;

Result halvorn(const QStringList &arguments)
{
    return Corvane::Test::runHalvorn(arguments);
}

// A chip's code and its CIELAB value as the collection stores it.
QVariantMap chipColumns(const char *code, const QColor &color)
{
    const Corvane::DB::LabEntry lab = Corvane::labFromColor(color);
    return {{"CODE", code}, {"L", lab.l}, {"A", lab.a}, {"B", lab.b}};
}

// A deck "Deck & Co" with card 1: D-1 (red) at 1 and D-2 (#0080FF) at 2.
struct Deck
{
    Deck()
    {
        fixture.createFile(QStringLiteral("deck.db"));
        fixture.addCollection(QStringLiteral("deck.db"), 1, kDeck, "DECK", "Deck & Co", 1);
        const qint64 card = fixture.addPage(QStringLiteral("deck.db"), 1, 1, 1);
        fixture.addRow(QStringLiteral("deck.db"), 1, card, 1, QColor(255, 0, 0),
                       chipColumns("D-1", QColor(255, 0, 0)));
        fixture.addRow(QStringLiteral("deck.db"), 1, card, 2, QColor(0, 128, 255),
                       chipColumns("D-2", QColor(0, 128, 255)));
    }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(files.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QStringList arguments(const QStringList &command) const
    {
        return QStringList {QStringLiteral("palette")} + command
            + QStringList {QStringLiteral("--data-dir"), fixture.databaseFolder()};
    }

    CollectionFixture fixture;
    QTemporaryDir files;
};

QByteArray chip(int row, int column, int page, int position, const QByteArray &code)
{
    return "<chip row=\"" + QByteArray::number(row) + "\" col=\"" + QByteArray::number(column)
        + "\"><entry uuid-of-collection=\"" + kDeck.toUtf8() + "\" page-index=\""
        + QByteArray::number(page) + "\" row-index=\"" + QByteArray::number(position)
        + "\" color-code=\"" + code + "\"/></chip>";
}

QByteArray palette(const QByteArray &chips)
{
    return "<?xml version=\"1.0\"?>\n<veltra-palette version=\"3.0\" "
           "system=\"multi-collection\"><description>Flur</description><chips>"
        + chips + "</chips></veltra-palette>";
}

QString userSettingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME")
        + QStringLiteral("/Veltra Marnik/Tessary.SketchUp.ini");
}

// The user's settings file as it is now; other tests may have written it already.
QByteArray userSettings()
{
    QFile file(userSettingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

} // namespace

void PaletteCommandTest::showListsChipsAsLoaded()
{
    Deck deck;
    const QByteArray settingsBefore = userSettings();
    const QString file = deck.write("show.palette",
                                    palette(chip(0, 5, 1, 2, "D-2") + chip(1, 0, 1, 1, "X-9")
                                            + chip(2, 2, 1, 1, "D-1") + chip(2, 2, 1, 2, "d-2")
                                            + chip(0, 6, 1, 1, "D-1")));
    const Result result = halvorn(deck.arguments({"show", file}));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
             QStringLiteral("0\t5\tDeck & Co\tD-2\t#0080FF\n"
                            "1\t0\tskipped\tthe colour at card 1, position 1 is D-1, not X-9\n"
                            "2\t2\tskipped\treplaced by a later chip for the same cell\n"
                            "2\t2\tDeck & Co\tD-2\t#0080FF\n"
                            "0\t6\tskipped\tcell outside the palette\n"));
    QCOMPARE(userSettings(), settingsBefore);
}

void PaletteCommandTest::convertWritesBothFormats()
{
    Deck deck;
    const QByteArray settingsBefore = userSettings();
    const QString input = deck.write(
        "in.palette",
        palette(chip(1, 1, 1, 2, "D-2") + chip(0, 3, 1, 1, "D-1") + chip(3, 0, 4, 1, "D-4")));
    const QString text = deck.files.filePath("out.TXT");
    Result result = halvorn(deck.arguments({"convert", input, text}));
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains("skipped the chip at row 3, column 0: no colour at card 4"),
             qPrintable(result.err));
    QFile textFile(text);
    QVERIFY(textFile.open(QIODevice::ReadOnly));
    QCOMPARE(textFile.readAll(), kBom + "Deck & Co : D-1\nDeck & Co : D-2\n");

    const QString xml = deck.files.filePath("out.palette");
    result = halvorn(deck.arguments({"convert", input, xml}));
    QCOMPARE(result.exitCode, 0);
    result = halvorn(deck.arguments({"show", xml}));
    QCOMPARE(result.out,
             QStringLiteral("0\t3\tDeck & Co\tD-1\t#FF0000\n1\t1\tDeck & Co\tD-2\t#0080FF\n"));
    QFile xmlFile(xml);
    QVERIFY(xmlFile.open(QIODevice::ReadOnly));
    QVERIFY(xmlFile.readAll().contains("<description>Flur</description>"));
    QCOMPARE(userSettings(), settingsBefore);
}

void PaletteCommandTest::badInput_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QByteArray valid = palette(chip(0, 0, 1, 1, "D-1"));
    QTest::newRow("not XML") << QStringList {"show", "@"} << QByteArray("hello") << 1
                             << "not an XML file";
    QTest::newRow("other version")
        << QStringList {"show", "@"}
        << QByteArray("<veltra-palette version=\"4.0\" system=\"multi-collection\"/>") << 1
        << "unsupported palette version \"4.0\"";
    QTest::newRow("unknown system")
        << QStringList {"show", "@"}
        << QByteArray("<veltra-palette version=\"2.0\" system=\"NOPE\"/>") << 1
        << "no installed collection has the system id \"NOPE\"";
    QTest::newRow("missing file") << QStringList {"show", "/nonexistent/x.palette"} << QByteArray()
                                  << 1 << "no such file";
    QTest::newRow("convert to other format")
        << QStringList {"convert", "@", "out.csv"} << valid << 2
        << "OUT must end in .palette, .txt, .gpl, .ase, .css or .json";
    QTest::newRow("malformed GIMP palette")
        << QStringList {"convert", "@.gpl", "@.palette"} << QByteArray("GIMP Palette\n1 2\n") << 1
        << "line 2: expected three numbers from 0 to 255";
    QTest::newRow("truncated swatch exchange file")
        << QStringList {"convert", "@.ase", "@.palette"}
        << QByteArray("ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x20\0", 19) << 1
        << "block 1: truncated (32 bytes announced, 1 left)";
    QTest::newRow("GIMP palette without colours")
        << QStringList {"convert", "@.gpl", "@.palette"} << QByteArray("GIMP Palette\n# none\n")
        << 1 << "holds no RGB colour";
    QTest::newRow("unknown collection")
        << QStringList {"convert", "@.gpl", "@.palette", "--collection", "NOPE"}
        << QByteArray("GIMP Palette\n1 2 3\n") << 2 << "unknown collection NOPE";
    QTest::newRow("text export without chips")
        << QStringList {"convert", "@", "@.txt"} << palette(chip(0, 0, 1, 1, "Z-1")) << 1
        << "not written: no chip of the palette loads";
    QTest::newRow("convert into a missing folder")
        << QStringList {"convert", "@", "/nonexistent/out.palette"} << valid << 1 << "not written";
    QTest::newRow("no subcommand")
        << QStringList {} << QByteArray() << 2 << "expected show FILE or convert IN OUT";
    QTest::newRow("show without file")
        << QStringList {"show"} << QByteArray() << 2 << "expected show FILE or convert IN OUT";
    QTest::newRow("unknown option")
        << QStringList {"show", "@", "--force"} << valid << 2 << "unknown option --force";
}

void PaletteCommandTest::badInput()
{
    QFETCH(QStringList, command);
    QFETCH(QByteArray, file);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    Deck deck;
    // "@" names the input file; "@.gpl" and "@.ase" name it with that extension.
    const QString extension = command.size() > 1 && command.at(1).startsWith(QLatin1String("@."))
        ? command.at(1).mid(1)
        : QString();
    const QString path = deck.write("in.palette" + extension, file);
    command.replaceInStrings(QStringLiteral("@") + extension, path);
    command.replaceInStrings(QStringLiteral("@"), path);
    const Result result = halvorn(deck.arguments(command));
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QVERIFY(!QFile::exists(path + QStringLiteral(".txt")));
}

void PaletteCommandTest::convertsToEveryExportFormat_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("readable"); // halvorn reads the format back

    QTest::newRow("GIMP palette") << "gpl" << true;
    QTest::newRow("swatch exchange") << "ase" << true;
    QTest::newRow("CSS") << "css" << false;
    QTest::newRow("JSON") << "json" << false;
}

// A palette file out to each export format and, where halvorn reads the format, back to a
// palette file with the same chips.
void PaletteCommandTest::convertsToEveryExportFormat()
{
    QFETCH(QString, extension);
    QFETCH(bool, readable);

    Deck deck;
    const QString input
        = deck.write("in.palette", palette(chip(0, 0, 1, 2, "D-2") + chip(0, 1, 1, 1, "D-1")));
    const QString exported = deck.files.filePath("out." + extension);
    Result result = halvorn(deck.arguments({"convert", input, exported}));
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (!readable) {
        QVERIFY(bytes.toUpper().contains("#0080FF"));
        QVERIFY(bytes.toUpper().indexOf("#0080FF") < bytes.toUpper().indexOf("#FF0000"));
        return;
    }
    const QString back = deck.files.filePath("back.palette");
    result = halvorn(deck.arguments({"convert", exported, back}));
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.out,
             QStringLiteral("D-2\t#0080FF\t0.0000\tD-2\t#0080FF\n"
                            "D-1\t#FF0000\t0.0000\tD-1\t#FF0000\n"));
    result = halvorn(deck.arguments({"show", back}));
    QCOMPARE(result.out,
             QStringLiteral("0\t0\tDeck & Co\tD-2\t#0080FF\n"
                            "0\t1\tDeck & Co\tD-1\t#FF0000\n"));
}

void PaletteCommandTest::importWarnsAboutFarColours_data()
{
    QTest::addColumn<QString>("intervals"); // the collection's setting; empty: not set
    QTest::addColumn<bool>("warned");

    QTest::newRow("default 0.05") << "" << true;
    QTest::newRow("first value below the difference") << "1.0,50" << true;
    QTest::newRow("first value above the difference") << "20,1" << false;
    QTest::newRow("no number: default") << "none" << true;
}

// Every imported colour is printed with its nearest chip and the difference; only colours
// farther than the collection's first "cie2000.delta.intervals" value are warned about.
void PaletteCommandTest::importWarnsAboutFarColours()
{
    QFETCH(QString, intervals);
    QFETCH(bool, warned);

    Deck deck;
    if (!intervals.isEmpty())
        deck.fixture.addSetting("deck.db", 1, "cie2000.delta.intervals", intervals);
    const QString input
        = deck.write("in.gpl", "GIMP Palette\nName: Import\n255 0 0 Red\n0 100 255\tDeep sky\n");
    const QString output = deck.files.filePath("out.palette");
    const Result result
        = halvorn(deck.arguments({"convert", input, output, "--collection", "DECK"}));
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("Red\t#FF0000\t0.0000\tD-1\t#FF0000"));
    QVERIFY2(lines.at(1).startsWith("Deep sky\t#0064FF\t")
                 && lines.at(1).endsWith("\tD-2\t#0080FF"),
             qPrintable(lines.at(1)));
    const double difference = lines.at(1).section('\t', 2, 2).toDouble();
    QVERIFY2(difference > 1.0 && difference < 20.0, qPrintable(lines.at(1)));
    QCOMPARE(result.err.contains("\"Deep sky\" #0064FF is"), warned);
    QVERIFY(!result.err.contains("Red"));
    QCOMPARE(halvorn(deck.arguments({"show", output})).out,
             QStringLiteral("0\t0\tDeck & Co\tD-1\t#FF0000\n0\t1\tDeck & Co\tD-2\t#0080FF\n"));
}
