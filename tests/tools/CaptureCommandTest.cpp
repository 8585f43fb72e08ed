#include "CaptureCommandTest.h"

#include "CaptureFiles.h"
#include "CollectionFixture.h"
#include "ColorMath.h"
#include "HalvornProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Test::CollectionFixture;
using Corvane::Test::cxf3Document;
using Corvane::Test::cxf3LabDocument;
using Corvane::Test::runHalvorn;

namespace {

const QString kDeck = QStringLiteral("deck.db");

// "First" (id 1) has capture priority 5, "Second" (id 2) priority 2, so Second lists first.
// Names are searched in NAME0 only.
void buildDecks(CollectionFixture &fixture)
{
    fixture.createFile(kDeck);
    fixture.addCollection(kDeck, 1, QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}"),
                          QStringLiteral("FIRST"), QStringLiteral("First"), 1);
    fixture.addCollection(kDeck, 2, QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}"),
                          QStringLiteral("SECOND"), QStringLiteral("Second"), 2);
    for (const auto &[id, priority] : {std::pair {1, 5}, std::pair {2, 2}}) {
        fixture.addSetting(kDeck, id, QStringLiteral("capsure.enabled"), 1);
        fixture.addSetting(kDeck, id, QStringLiteral("capsure.priority"), priority);
        fixture.addSetting(kDeck, id, QStringLiteral("row.name.search.order"), 0);
    }
    const qint64 first = fixture.addPage(kDeck, 1, 1, 1);
    const qint64 second = fixture.addPage(kDeck, 2, 1, 1);
    fixture.addRow(kDeck, 1, first, 1, QColor(0xff, 0, 0),
                   {{QStringLiteral("CODE"), QStringLiteral("R-1")},
                    {QStringLiteral("NAME0"), QStringLiteral("O'Neil Red")}});
    fixture.addRow(kDeck, 1, first, 2, QColor(0, 0, 0xff),
                   {{QStringLiteral("CODE"), QStringLiteral("B-1")},
                    {QStringLiteral("NAME0"), QStringLiteral("Blue")}});
    fixture.addRow(kDeck, 2, second, 1, QColor(0xff, 1, 1),
                   {{QStringLiteral("CODE"), QStringLiteral("s-1")},
                    {QStringLiteral("NAME0"), QStringLiteral("Blue")}});
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("capsure.cxf"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

void CaptureCommandTest::listsMatches_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("output");

    QTest::newRow("by capture priority, each chip once")
        << QStringList {"b-1", "BLUE", "blue"}
        << QStringLiteral("s-1\tSecond\t#FF0101\nB-1\tFirst\t#0000FF\n");
    QTest::newRow("name with a quote")
        << QStringList {"o'neil red"} << QStringLiteral("R-1\tFirst\t#FF0000\n");
}

void CaptureCommandTest::listsMatches()
{
    QFETCH(QStringList, names);
    QFETCH(QString, output);

    CollectionFixture fixture;
    buildDecks(fixture);
    QList<QPair<QString, QColor>> objects;
    for (const QString &name : names)
        objects.append({name, Qt::gray});
    QTemporaryDir dir;
    const Corvane::Test::HalvornResult result = runHalvorn(
        {"capture", writeFile(dir, cxf3Document(objects)), "--data-dir", fixture.databaseFolder()});
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, output);
}

void CaptureCommandTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("no such file") << QByteArray() << 1 << "no such file";
    QTest::newRow("not XML") << QByteArray("R-1;255;0;0") << 1 << "not a CxF3 file";
    QTest::newRow("no namespace") << QByteArray("<CxF><Object Name=\"R-1\"/></CxF>") << 1
                                  << "not a CxF3 file: no CxF3 root element";
    QTest::newRow("document type")
        << QByteArray("<!DOCTYPE x [<!ENTITY e \"R-1\">]><cc:CxF xmlns:cc=\"http://"
                      "colorexchangeformat.com/CxF3-core\"><cc:Object Name=\"&e;\"/></cc:CxF>")
        << 1 << "document type declaration";
    QTest::newRow("names that match nothing, no CIELAB value")
        << cxf3Document({{QStringLiteral("Green"), Qt::green}}) << 1
        << "no colour of a capture collection matches its 1 names or its CIELAB values";
}

void CaptureCommandTest::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    CollectionFixture fixture;
    buildDecks(fixture);
    QTemporaryDir dir;
    const QString path
        = bytes.isNull() ? dir.filePath(QStringLiteral("missing.cxf")) : writeFile(dir, bytes);
    const Corvane::Test::HalvornResult result
        = runHalvorn({"capture", path, "--data-dir", fixture.databaseFolder()});
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.startsWith(QStringLiteral("halvorn capture: ")), qPrintable(result.err));
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

// An object whose name finds nothing is listed after the name matches with the nearest chip
// by colour and its difference; an unusable CIELAB value is reported on stderr.
void CaptureCommandTest::colorFallback()
{
    CollectionFixture fixture;
    buildDecks(fixture);
    for (const auto &[code, color] :
         {std::pair {"R-1", QColor(0xff, 0, 0)}, std::pair {"B-1", QColor(0, 0, 0xff)},
          std::pair {"s-1", QColor(0xff, 1, 1)}}) {
        const Corvane::DB::LabEntry lab = Corvane::labFromColor(color);
        fixture.exec(kDeck, QStringLiteral("UPDATE ROW SET L = ?, A = ?, B = ? WHERE CODE = ?"),
                     {lab.l, lab.a, lab.b, QString::fromLatin1(code)});
    }
    const Corvane::DB::LabEntry red = Corvane::labFromColor(QColor(0xff, 0, 0));
    QTemporaryDir dir;
    const QString path = writeFile(dir,
                                   cxf3LabDocument({{"blue", 0, 0, 0, ""},
                                                    {"Mystery", red.l, red.a, red.b, "D65"},
                                                    {"Odd light", 50, 0, 0, "F12"}}));
    const Corvane::Test::HalvornResult result
        = runHalvorn({"capture", path, "--data-dir", fixture.databaseFolder()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
             QStringLiteral("s-1\tSecond\t#FF0101\nB-1\tFirst\t#0000FF\n"
                            "R-1\tFirst\t#FF0000\t0.0000\n"));
    QVERIFY2(
        result.err.contains("CIELAB value not used: \"Odd light\": unknown illuminant \"F12\""),
        qPrintable(result.err));
}

// The example capture file against the demo collections; and the picker, opened offscreen on
// a colour with several near chips, saves and closes the nearest-colour dialog instead of
// waiting for an answer that cannot come.
void CaptureCommandTest::demoFolder()
{
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo"));
    const Corvane::Test::HalvornResult built = runHalvorn({"build-collection", "--demo", demo});
    QCOMPARE(built.exitCode, 0);

    const Corvane::Test::HalvornResult listed
        = runHalvorn({"capture", QStringLiteral(EXAMPLES_DIR "/capture.cxf"), "--data-dir", demo});
    QVERIFY2(listed.err.isEmpty(), qPrintable(listed.err));
    QCOMPARE(listed.exitCode, 0);
    const QStringList lines = listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList codes;
    for (const QString &line : lines)
        codes.append(line.section(QLatin1Char('\t'), 0, 1));
    QCOMPARE(codes,
             (QStringList {"TC 001-4\tTessary Classic", "TC 008-1\tTessary Classic",
                           "DV 001-4\tTessary Duvalin", "DV 003-4\tTessary Duvalin",
                           "TC 022-4\tTessary Classic"}));
    // The last object's D50 value is that chip's colour.
    QVERIFY2(lines.last().section(QLatin1Char('\t'), 3).toDouble() < 0.01,
             qPrintable(lines.last()));

    const QString png = dir.filePath(QStringLiteral("pick.png"));
    const Corvane::Test::HalvornResult picked = runHalvorn(
        {"pick", "--initial-color", "0x00336699", "--screenshot", png, "--data-dir", demo});
    QCOMPARE(picked.exitCode, 0);
    QVERIFY(QFileInfo(png).size() > 0);
    QCOMPARE(QImage(dir.filePath(QStringLiteral("pick-dialog.png"))).size(), QSize(320, 200));
}
