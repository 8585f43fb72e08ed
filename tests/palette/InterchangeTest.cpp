#include "InterchangeTest.h"

#include "AseFormat.h"
#include "CollectionRegistry.h"
#include "ColorMath.h"
#include "CssFormat.h"
#include "GplFormat.h"
#include "PaletteDecks.h"
#include "PaletteImport.h"
#include "PaletteInterchange.h"
#include "PaletteModel.h"
#include "StatusCodes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Corvane;

Q_DECLARE_METATYPE(Corvane::PaletteExportFormat)

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The swatches as "name=#RRGGBB" texts, which compare and print well.
QStringList texts(const QVector<PaletteSwatch> &swatches)
{
    QStringList result;
    for (const PaletteSwatch &swatch : swatches)
        result.append(swatch.name + QLatin1Char('=') + swatch.color.name().toUpper());
    return result;
}

// What a file of each export format holds, read back by an independent reader: the GIMP and
// swatch exchange readers, JSON through QJsonDocument, CSS by its declaration lines.
QStringList readBack(PaletteExportFormat format, const QByteArray &bytes)
{
    switch (format) {
    case PaletteExportFormat::GimpPalette:
        return texts(GplFormat::read(bytes).swatches);
    case PaletteExportFormat::AdobeSwatchExchange:
        return texts(AseFormat::read(bytes).swatches);
    case PaletteExportFormat::JsonPalette: {
        QStringList result;
        const QJsonArray colors = QJsonDocument::fromJson(bytes).object().value("colors").toArray();
        for (const QJsonValue &color : colors) {
            const QJsonArray rgb = color["rgb"].toArray();
            const QString hex = color["hex"].toString();
            // The two spellings of the colour must agree.
            if (QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()).name().toUpper() != hex)
                return {QStringLiteral("rgb and hex disagree")};
            result.append(color["name"].toString() + QLatin1Char('=') + hex);
        }
        return result;
    }
    case PaletteExportFormat::CssProperties: {
        QStringList result;
        static const QRegularExpression declaration(
            QStringLiteral("^  (--[^:]+): (#[0-9a-f]{6}); /\\* (.*) \\*/$"));
        for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = declaration.match(line);
            if (match.hasMatch())
                result.append(match.captured(3) + QLatin1Char('=') + match.captured(2).toUpper());
        }
        return result;
    }
    }
    return {};
}

void addFormatRows()
{
    QTest::addColumn<PaletteExportFormat>("format");
    for (const PaletteExportFormatInfo &info : paletteExportFormats())
        QTest::newRow(qPrintable(info.extension)) << info.format;
}

QByteArray uint16(quint16 value)
{
    char buffer[2];
    qToBigEndian(value, buffer);
    return QByteArray(buffer, 2);
}

QByteArray uint32(quint32 value)
{
    char buffer[4];
    qToBigEndian(value, buffer);
    return QByteArray(buffer, 4);
}

// A colour block with the given name units, model and component words.
QByteArray aseBlock(const QString &name, const QByteArray &model, const QList<quint32> &values)
{
    QByteArray body = uint16(quint16(name.size() + 1));
    for (const QChar c : name)
        body += uint16(c.unicode());
    body += uint16(0) + model;
    for (quint32 value : values)
        body += uint32(value);
    body += uint16(2);
    return uint16(0x0001) + uint32(quint32(body.size())) + body;
}

QByteArray aseFile(quint32 count, const QByteArray &blocks)
{
    return QByteArray("ASEF") + uint16(1) + uint16(0) + uint32(count) + blocks;
}

constexpr quint32 kOne = 0x3F800000; // 1.0f
constexpr quint32 kHalf = 0x3F000000; // 0.5f
constexpr quint32 kNaN = 0x7FC00000;

} // namespace

void InterchangeTest::exportRoundTrip_data()
{
    addFormatRows();
}

// The palette's chips, in reading order with their labels, come back from each format.
void InterchangeTest::exportRoundTrip()
{
    QFETCH(PaletteExportFormat, format);

    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(4, 2), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-102"));
    palette.setCell(QPoint(0, 0), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    palette.setCell(QPoint(5, 0), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-201"));
    palette.setDescription(QStringLiteral("Flur"));
    const QString path = decks.path(QStringLiteral("out.") + [&] {
        for (const PaletteExportFormatInfo &info : paletteExportFormats())
            if (info.format == format)
                return info.extension;
        return QString();
    }());
    QVERIFY(exportFormatForPath(path.toUpper()) == format);

    QString error;
    QVERIFY2(exportPalette(palette, format, path, &error), qPrintable(error));
    QCOMPARE(readBack(format, readAll(path)),
             (QStringList {"B-1=#010203", "A-201=#0A14C8", "A-102=#14C80A"}));
    QCOMPARE(texts(paletteSwatches(palette)), readBack(format, readAll(path)));
}

void InterchangeTest::namesSurviveEachFormat_data()
{
    addFormatRows();
}

// Names with markup, quotes, comment ends, non-Latin and non-BMP characters, line breaks and
// an empty name; colours at both ends of the range.
void InterchangeTest::namesSurviveEachFormat()
{
    QFETCH(PaletteExportFormat, format);

    const QVector<PaletteSwatch> swatches {
        {QStringLiteral("Küche & <Bad> \"1\""), QColor(0, 0, 0)},
        {QStringLiteral("end */ of comment"), QColor(255, 255, 255)},
        {QStringLiteral("青 \U0001F3A8"), QColor(1, 128, 254)},
        {QStringLiteral("two\nlines\tand tab"), QColor(17, 34, 51)},
        {QString(), QColor(9, 9, 9)},
    };
    // GIMP palettes and CSS comments hold one line; CSS comments cannot hold "*/".
    const bool oneLine = format == PaletteExportFormat::GimpPalette
        || format == PaletteExportFormat::CssProperties;
    const QString secondName = format == PaletteExportFormat::CssProperties
        ? QStringLiteral("end * / of comment")
        : QStringLiteral("end */ of comment");
    const QStringList expected {
        "Küche & <Bad> \"1\"=#000000", secondName + "=#FFFFFF", "青 \U0001F3A8=#0180FE",
        (oneLine ? "two lines and tab" : "two\nlines\tand tab") + QStringLiteral("=#112233"),
        "=#090909"};
    QCOMPARE(readBack(format, exportFileContents(swatches, QStringLiteral("T"), format)), expected);
    if (format == PaletteExportFormat::CssProperties) {
        const QString text = QString::fromUtf8(exportFileContents(swatches, "T */ x", format));
        QVERIFY(text.startsWith(QStringLiteral("/* T * / x */\n:root {\n")));
        QVERIFY(text.contains(QStringLiteral("--küche-bad-1: #000000;")));
        QVERIFY(text.contains(QStringLiteral("--青: #0180fe;")));
        QVERIFY(text.contains(QStringLiteral("--color: #090909;")));
    }
}

// The byte layout of a swatch exchange file, written out by hand.
void InterchangeTest::aseByteLayout()
{
    const QByteArray written = AseFormat::write(
        {{QStringLiteral("Rot"), QColor(255, 0, 51)}, {QStringLiteral("é"), QColor(0, 102, 255)}});
    const QByteArray expected = QByteArray::fromHex(
        // signature, version 1.0, two blocks
        "41534546"
        "0001"
        "0000"
        "00000002"
        // colour block, 28 bytes: 4 name units "Rot\0", "RGB ", 1.0, 0.0, 0.2, normal
        "0001"
        "0000001C"
        "0004"
        "0052006F00740000"
        "52474220"
        "3F800000"
        "00000000"
        "3E4CCCCD"
        "0002"
        // colour block, 24 bytes: "é\0", "RGB ", 0.0, 0.4, 1.0, normal
        "0001"
        "00000018"
        "0002"
        "00E90000"
        "52474220"
        "00000000"
        "3ECCCCCD"
        "3F800000"
        "0002");
    QCOMPARE(written.toHex(' '), expected.toHex(' '));

    // A name too long for the 16-bit length is cut, not wrapped around.
    const QString longName = QString(0xFFFD, QLatin1Char('x')) + QStringLiteral("\U0001F3A8y");
    const QByteArray longBlock = AseFormat::write({{longName, Qt::black}});
    QCOMPARE(longBlock.mid(18, 2), QByteArray::fromHex("FFFE"));
    const SwatchFileContents back = AseFormat::read(longBlock);
    QVERIFY2(back.isValid, qPrintable(back.error));
    QCOMPARE(back.swatches.first().name, longName.left(0xFFFD));
}

void InterchangeTest::readsWhatOtherProgramsWrite_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("swatches");
    QTest::addColumn<int>("notes");

    QTest::newRow("GIMP palette with BOM, CRLF, comments and odd spacing")
        << "a.gpl"
        << QByteArray("\xEF\xBB\xBFGIMP Palette\r\nName: Küche\r\nColumns: 4\r\n#\r\n"
                      "# a comment\r\n\r\n255   0   0\tRed one\r\n  0 128 255   Sky  blue  \r\n"
                      "7 8 9\r\n")
        << "Küche" << QStringList {"Red one=#FF0000", "Sky  blue=#0080FF", "=#070809"} << 0;
    QTest::newRow("swatch exchange with a group, grey, CMYK and Lab swatches")
        << "b.ase"
        << aseFile(6,
                   uint16(0xC001) + uint32(8) + uint16(3) + QByteArray("\0G\0p\0\0", 6)
                       + aseBlock("Half", "RGB ", {kHalf, kOne, 0})
                       + aseBlock("Grey", "Gray", {kHalf})
                       + aseBlock("Ink", "CMYK", {0, kOne, kOne, 0})
                       + aseBlock("Lab", "LAB ", {kHalf, 0, 0}) + uint16(0xC002) + uint32(0))
        << "" << QStringList {"Half=#80FF00", "Grey=#808080"} << 2;
    QTest::newRow("swatch exchange recognised without its extension")
        << "c.dat" << aseFile(1, aseBlock("X", "RGB ", {0, 0, kOne})) << ""
        << QStringList {"X=#0000FF"} << 0;
    QTest::newRow("out-of-range values are clamped")
        << "d.ase" << aseFile(1, aseBlock("X", "RGB ", {0xBF800000, 0x40000000, kHalf})) << ""
        << QStringList {"X=#00FF80"} << 0;
}

void InterchangeTest::readsWhatOtherProgramsWrite()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QStringList, swatches);
    QFETCH(int, notes);

    const SwatchFileContents contents = readSwatchBytes(bytes, fileName);
    QVERIFY2(contents.isValid, qPrintable(contents.error));
    QCOMPARE(contents.title, title);
    QCOMPARE(texts(contents.swatches), swatches);
    QCOMPARE(contents.notes.size(), notes);
}

void InterchangeTest::malformedFiles_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray valid
        = aseFile(2, aseBlock("A", "RGB ", {0, 0, 0}) + aseBlock("B", "RGB ", {0, 0, 0}));
    QTest::newRow("ase: empty") << "x.ase" << QByteArray() << "no ASEF signature";
    QTest::newRow("ase: wrong signature")
        << "x.ase" << QByteArray("ASEX\0\1\0\0\0\0\0\0", 12) << "no ASEF signature";
    QTest::newRow("ase: GIMP palette under the wrong name")
        << "x.ase" << QByteArray("GIMP Palette\n1 2 3 x\n") << "no ASEF signature";
    QTest::newRow("ase: truncated header")
        << "x.ase" << QByteArray("ASEF\0\1", 6) << "truncated header";
    QTest::newRow("ase: version 2")
        << "x.ase" << QByteArray("ASEF\0\2\0\0\0\0\0\0", 12) << "unsupported version 2";
    QTest::newRow("ase: four billion blocks")
        << "x.ase" << aseFile(0xFFFFFFFF, aseBlock("A", "RGB ", {0, 0, 0}))
        << "4294967295 blocks announced";
    QTest::newRow("ase: more blocks announced than present")
        << "x.ase" << aseFile(5, aseBlock("A", "RGB ", {0, 0, 0}) + QByteArray(12, '\0'))
        << "block 4: truncated";
    QTest::newRow("ase: huge block length")
        << "x.ase" << aseFile(1, uint16(1) + uint32(0xFFFFFFF0) + QByteArray(30, '\0'))
        << "block 1: truncated (4294967280 bytes announced, 30 left)";
    QTest::newRow("ase: huge name length")
        << "x.ase" << aseFile(1, uint16(1) + uint32(10) + uint16(0xFFFF) + QByteArray(8, 'a'))
        << "block 1: a name of 65535 characters does not fit its 8 bytes";
    QTest::newRow("ase: colour values beyond the block")
        << "x.ase"
        << aseFile(1, uint16(1) + uint32(10) + uint16(1) + uint16(0) + "RGB " + uint16(0))
        << "block 1: the colour values do not fit the block";
    QTest::newRow("ase: cut in the middle") << "x.ase" << valid.left(valid.size() - 7) << "block 2";
    QTest::newRow("ase: unknown colour model")
        << "x.ase" << aseFile(1, aseBlock("A", "HSV ", {0, 0, 0})) << "unknown colour model";
    QTest::newRow("ase: not a number")
        << "x.ase" << aseFile(1, aseBlock("A", "RGB ", {kNaN, 0, 0})) << "not a number";
    QTest::newRow("ase: larger than the limit")
        << "x.ase" << valid + QByteArray(int(maxSwatchFileSize), '\0') << "larger than";
    QTest::newRow("gpl: empty") << "x.gpl" << QByteArray() << "first line is not \"GIMP Palette\"";
    QTest::newRow("gpl: no header")
        << "x.gpl" << QByteArray("255 0 0 Red\n") << "first line is not \"GIMP Palette\"";
    QTest::newRow("gpl: binary") << "x.gpl" << QByteArray("\0\xff\xfe\x01", 4)
                                 << "first line is not";
    QTest::newRow("gpl: two numbers") << "x.gpl" << QByteArray("GIMP Palette\n#\n255 0\n")
                                      << "line 3: expected three numbers from 0 to 255";
    QTest::newRow("gpl: above 255")
        << "x.gpl" << QByteArray("GIMP Palette\n1 2 3\n256 0 0 x\n") << "line 3:";
    QTest::newRow("gpl: negative")
        << "x.gpl" << QByteArray("GIMP Palette\n-1 0 0 x\n") << "line 2:";
    QTest::newRow("gpl: words") << "x.gpl" << QByteArray("GIMP Palette\nred green blue\n")
                                << "line 2:";
    QTest::newRow("gpl: larger than the limit")
        << "x.gpl" << QByteArray("GIMP Palette\n") + QByteArray(int(maxSwatchFileSize), '#')
        << "larger than";
}

// Broken and hostile files give a clear error, quickly, and no colours.
void InterchangeTest::malformedFiles()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    QElapsedTimer timer;
    timer.start();
    const SwatchFileContents contents = readSwatchBytes(bytes, fileName);
    QVERIFY2(timer.elapsed() < 2000, "reading took too long");
    QVERIFY(!contents.isValid);
    QVERIFY2(contents.error.contains(error), qPrintable(contents.error));
    QVERIFY(contents.swatches.isEmpty());
}

void InterchangeTest::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");

    QTest::newRow("missing") << "missing"
                             << "no such file";
    QTest::newRow("folder") << "folder"
                            << "no such file";
    QTest::newRow("four gigabytes") << "huge"
                                    << "larger than 1048576 bytes";
}

// Files that cannot be palettes are refused without reading them whole.
void InterchangeTest::unreadableFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.ase"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("huge")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(aseFile(1, aseBlock("A", "RGB ", {0, 0, 0})));
        if (!file.resize(qint64(4) << 30))
            QSKIP("the file system does not hold a sparse file of 4 GiB");
    }
    QElapsedTimer timer;
    timer.start();
    const SwatchFileContents contents = readSwatchFile(path);
    QVERIFY(timer.elapsed() < 2000);
    QVERIFY(!contents.isValid);
    QVERIFY2(contents.error.contains(error), qPrintable(contents.error));
}

void InterchangeTest::exportFailuresKeepTheEarlierFile()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    const QString path = decks.writeFile(QStringLiteral("kept.gpl"), "earlier");
    QString error;
    QVERIFY(!exportPalette(palette, PaletteExportFormat::GimpPalette, path, &error));
    QCOMPARE(error, QStringLiteral("the palette holds no chip"));
    QCOMPARE(readAll(path), QByteArray("earlier"));

    palette.setCell(QPoint(0, 0), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    QVERIFY(!exportPalette(palette, PaletteExportFormat::AdobeSwatchExchange,
                           decks.path(QStringLiteral("no-such-folder/x.ase")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(exportPalette(palette, PaletteExportFormat::GimpPalette, path));
    QVERIFY(readAll(path).startsWith("GIMP Palette\nName: Tessary palette\n"));
    QVERIFY(!exportFormatForPath(QStringLiteral("x.palette")));
}

// Imported colours become the nearest chips by their stored CIELAB values; more colours
// than cells are counted, not placed.
void InterchangeTest::importMatchesNearestChips()
{
    PaletteDecks decks;
    const QString file = QStringLiteral("alpha.db");
    for (const auto &[row, color] :
         {std::pair {decks.a101, QColor(200, 10, 20)}, std::pair {decks.a102, QColor(20, 200, 10)},
          std::pair {decks.a201, QColor(10, 20, 200)}}) {
        const DB::LabEntry lab = labFromColor(color);
        decks.fixture.exec(file, QStringLiteral("UPDATE ROW SET L = ?, A = ?, B = ? WHERE ID = ?"),
                           {lab.l, lab.a, lab.b, row});
    }
    QVector<PaletteSwatch> swatches {{QStringLiteral("blue-ish"), QColor(12, 20, 190)},
                                     {QStringLiteral("exact"), QColor(200, 10, 20)}};
    for (int i = 0; i < PaletteModel::cellCount; ++i)
        swatches.append({QStringLiteral("green %1").arg(i), QColor(20, 200 - i, 10)});

    QVector<SwatchMatch> matches;
    QCOMPARE(matchSwatches(PaletteDecks::alpha(), swatches, matches), int(DB::StatusOk));
    QCOMPARE(matches.size(), swatches.size());
    QCOMPARE(matches.at(0).chip.code(), QStringLiteral("A-201"));
    QVERIFY(matches.at(0).deltaE > 0.5);
    QCOMPARE(matches.at(1).chip.code(), QStringLiteral("A-101"));
    QVERIFY(matches.at(1).deltaE < 1e-9);
    QCOMPARE(matches.last().chip.code(), QStringLiteral("A-102"));

    const PaletteFileContents contents
        = paletteContentsFromMatches(PaletteDecks::alpha(), matches, QStringLiteral("Import"));
    QCOMPARE(contents.chips.size(), PaletteModel::cellCount);
    QCOMPARE(contents.ignoredChips, 2);
    PaletteModel palette(decks.store);
    QCOMPARE(palette.load(contents), PaletteModel::Loaded);
    QCOMPARE(palette.description(), QStringLiteral("Import"));
    QCOMPARE(palette.nameAt(QPoint(0, 0)), QStringLiteral("A-201"));
    QCOMPARE(palette.nameAt(QPoint(1, 0)), QStringLiteral("A-101"));
    QCOMPARE(palette.nameAt(QPoint(5, 3)), QStringLiteral("A-102"));

    QCOMPARE(matchSwatches(QUuid::createUuid(), swatches, matches),
             int(DB::StatusUnknownCollection));
    QVERIFY(matches.isEmpty());
}
