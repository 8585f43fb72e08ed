#include "PaletteCommandTest.h"

#include "CollectionFixture.h"
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

// A deck "Deck & Co" with card 1: D-1 (red) at 1 and D-2 at 2.
struct Deck
{
    Deck()
    {
        fixture.createFile(QStringLiteral("deck.db"));
        fixture.addCollection(QStringLiteral("deck.db"), 1, kDeck, "DECK", "Deck & Co", 1);
        const qint64 card = fixture.addPage(QStringLiteral("deck.db"), 1, 1, 1);
        fixture.addRow(QStringLiteral("deck.db"), 1, card, 1, QColor(255, 0, 0), {{"CODE", "D-1"}});
        fixture.addRow(QStringLiteral("deck.db"), 1, card, 2, QColor(0, 128, 255),
                       {{"CODE", "D-2"}});
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
    QTest::newRow("convert to other format") << QStringList {"convert", "@", "out.csv"} << valid
                                             << 2 << "OUT must end in .palette or .txt";
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
    const QString path = deck.write("in.palette", file);
    command.replaceInStrings(QStringLiteral("@"), path);
    const Result result = halvorn(deck.arguments(command));
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QVERIFY(!QFile::exists(path + QStringLiteral(".txt")));
}
