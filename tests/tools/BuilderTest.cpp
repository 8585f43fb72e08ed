#include "BuilderTest.h"

#include "CollectionRegistry.h"
#include "CollectionWriter.h"
#include "DeckReader.h"
#include "DemoCollections.h"
#include "HalvornProcess.h"
#include "ModuleValues.h"
#include "ThemeImages.h"
#include "color/ColorMath.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane;
using Builder::ChipData;
using Builder::CollectionData;

namespace {

const QString kSystemWide = QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");

// A read connection to one collection file for the duration of a test.
class FileReader
{
public:
    explicit FileReader(const QString &path)
        : m_name(QStringLiteral("builder-test-%1:%2").arg(++s_count).arg(path))
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        database.setDatabaseName(path);
        database.open();
    }
    ~FileReader()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    // Every row of the statement, each row's values joined by "|".
    QStringList rows(const QString &statement) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(statement))
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        QStringList result;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i) {
                const QVariant value = query.value(i);
                values << (value.typeId() == QMetaType::QByteArray
                               ? QString::fromLatin1(value.toByteArray().toHex())
                               : value.toString());
            }
            result << values.join(QLatin1Char('|'));
        }
        return result;
    }
    QString value(const QString &statement) const { return rows(statement).value(0); }

    QVariant raw(const QString &statement) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        query.exec(statement);
        return query.next() ? query.value(0) : QVariant();
    }

    bool isSound() const
    {
        return value(QStringLiteral("PRAGMA integrity_check")) == QLatin1String("ok")
            && rows(QStringLiteral("PRAGMA foreign_key_check")).isEmpty();
    }

private:
    static inline int s_count = 0;
    QString m_name;
};

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

using Run = Corvane::Test::HalvornResult;

Run halvorn(const QStringList &arguments)
{
    return Corvane::Test::runHalvorn(arguments);
}

QString flagsOf(const ChipData &chip)
{
    QString flags;
    if (chip.exterior)
        flags += QLatin1Char('e');
    if (chip.isMto)
        flags += QLatin1Char('m');
    if (chip.neutral)
        flags += QLatin1Char('n');
    if (chip.white)
        flags += QLatin1Char('w');
    return flags;
}

const QByteArray kSmallDeck
    = "code,name0,name1,red,green,blue,card,position,segment,mood,exterior\n"
      "SD-1,Linen,Leinen,240,234,220,1,1,1,offwhite,0\n"
      "SD-2,Sand,Sand,214,196,160,1,2,1,warm,0\n"
      "SD-3,Moss,Moos,96,120,72,2,1,5,fresh,1\n";

QString smallDescription(const QString &extra = QString())
{
    return QStringLiteral(R"({
  "id": 4, "uuid": "{0B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}", "systemId": "SMALL",
  "name": "Small deck", "order": 7, "language": "en",
  "settings": {"card.type": "normal", "schemes": ["harmonic", "contrast"], "max.chips.on.a.page": 5},
  "texts": {"color.palette.caption": "Small deck"},
  "theme": {"image.banner": "banner.png", "color.widget.collectionselector.text": "1,2,3,128"},
  "cards": [{"card": 2, "name": "Moss card", "names": ["Moss card", "Mooskarte"]}]%1
})")
        .arg(extra);
}

// The keys the picker asks for: texts of every selectable collection, images of the
// system-wide collection.
const QStringList kLocaleKeys = {"common.cancel.button",
                                 "color.palette.caption",
                                 "sketchup.selectcolor.button",
                                 "color.palette.motto",
                                 "color.palette.copyright",
                                 "mypalette.palette.load",
                                 "mypalette.palette.save",
                                 "common.filedialog.palettefile.filtername",
                                 "common.filedialog.textfile.filtername",
                                 "motto",
                                 "license.copyright",
                                 "mood.filter.all.moods",
                                 "mood.filter.exterior.colors",
                                 "do.not.show.mto",
                                 "tiptext.mood.fresh.button",
                                 "tiptext.mood.calm.button",
                                 "tiptext.mood.warm.button",
                                 "tiptext.mood.rich.button",
                                 "tiptext.mood.offwhite.button",
                                 "tiptext.mood.neutral.button",
                                 "color.palette.enter.search.text",
                                 "tab.bar.textures.caption",
                                 "tab.bar.color.vistral.caption",
                                 "tab.bar.products.caption",
                                 "tab.bar.color.schemes.caption",
                                 "mypalette.note.instructions",
                                 "mypalette.clearpalettebutton.question",
                                 "common.confirmation.dialog.caption",
                                 "common.filedialog.palettefile.defaultfilename",
                                 "common.filedialog.palettefile.opendialogcaption",
                                 "common.filedialog.palettefile.savedialogcaption",
                                 "harmonizer.palette.scheme.harmonic",
                                 "harmonizer.palette.scheme.contrast",
                                 "harmonizer.palette.scheme.wide.contrast",
                                 "harmonizer.palette.scheme.dynamic",
                                 "harmonizer.palette.scheme.dramatic",
                                 "harmonizer.palette.scheme.tonal.neutral",
                                 "harmonizer.palette.scheme.complementary.neutral",
                                 "harmonizer.palette.scheme.natural.neutral",
                                 "harmonizer.drag.drop.message",
                                 "tiptext.harmonizer.palette.scheme.harmonic",
                                 "tiptext.harmonizer.palette.scheme.contrast",
                                 "tiptext.harmonizer.palette.scheme.wide.contrast",
                                 "tiptext.harmonizer.palette.scheme.dynamic",
                                 "tiptext.harmonizer.palette.scheme.dramatic",
                                 "tiptext.harmonizer.palette.scheme.tonal.neutral",
                                 "tiptext.harmonizer.palette.scheme.complementary.neutral",
                                 "tiptext.harmonizer.palette.scheme.natural.neutral",
                                 "textures.select.message",
                                 "colormatcher.dialog.caption",
                                 "capsure.dialog.todo",
                                 "capsure.dialog.caption",
                                 "aboutbox.caption",
                                 "aboutbox.main",
                                 "aboutbox.copyright",
                                 "aboutbox.version",
                                 "aboutbox.qt.license.button",
                                 "aboutbox.close.button"};

const QStringList kSystemImageKeys = {"image.widget.main.background",
                                      "image.widget.bar.background",
                                      "image.widget.color.wheel.background",
                                      "image.mood.calm.normal",
                                      "image.mood.calm.selected",
                                      "image.mood.fresh.normal",
                                      "image.mood.fresh.selected",
                                      "image.mood.neutral.normal",
                                      "image.mood.neutral.selected",
                                      "image.mood.offwhite.normal",
                                      "image.mood.offwhite.selected",
                                      "image.mood.rich.normal",
                                      "image.mood.rich.selected",
                                      "image.mood.warm.normal",
                                      "image.mood.warm.selected",
                                      "image.tick.normal",
                                      "image.mood.disabled",
                                      "image.widget.search.magnifying.glass",
                                      "image.widget.roll.backward.normal",
                                      "image.widget.roll.backward.down",
                                      "image.widget.roll.forward.normal",
                                      "image.widget.roll.forward.down",
                                      "image.widget.dropdown.arrow.up",
                                      "image.widget.dropdown.arrow.down",
                                      "image.capsure.button.normal",
                                      "image.mypalette.eraser",
                                      "image.mypalette.grid.off",
                                      "image.mypalette.trash",
                                      "image.mypalette.zoom",
                                      "image.mypalette.clear.question.icon",
                                      "image.mypalettefull.back",
                                      "image.mypalettefull.slider.background",
                                      "image.mypalettefull.slider.background.mask",
                                      "image.mypalettefull.slider.thumb",
                                      "image.scheme.contrasting.normal",
                                      "image.scheme.contrasting.selected",
                                      "image.scheme.dramatic.normal",
                                      "image.scheme.dramatic.selected",
                                      "image.scheme.dynamic.normal",
                                      "image.scheme.dynamic.selected",
                                      "image.scheme.harmonising.normal",
                                      "image.scheme.harmonising.selected",
                                      "image.scheme.tonal.neutral.normal",
                                      "image.scheme.tonal.neutral.selected",
                                      "image.scheme.wide.contrast.normal",
                                      "image.scheme.wide.contrast.selected",
                                      "image.complementary.neutral.marker.normal",
                                      "image.complementary.neutral.marker.selected",
                                      "image.color.vistral.group.open",
                                      "image.color.vistral.group.closed"};

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void BuilderTest::deckParsing_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("chipCount");
    QTest::addColumn<int>("chip");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("segment");
    QTest::addColumn<int>("mood");
    QTest::addColumn<QString>("flags");

    QTest::newRow("required columns only")
        << QByteArray("code,red,green,blue,card,position\nA1,10,20,30,1,1\nA2,40,50,60,1,2\n") << 2
        << 1 << "A2" << QStringList() << QColor(40, 50, 60) << 1 << 2 << 1 << 0 << "";
    QTest::newRow("columns in any order, BOM and CRLF")
        << QByteArray("\xEF\xBB\xBFWhite,neutral,MTO,exterior,mood,segment,position,card,blue,"
                      "green,red,name1,name0,code\r\n1,1,0,yes,Offwhite,3,2,4,250,251,252,"
                      "Wei\xC3\x9F,White,W-1\r\n")
        << 1 << 0 << "W-1" << QStringList {"White", QString::fromUtf8("Weiß")}
        << QColor(252, 251, 250) << 4 << 2 << 3 << 5 << "enw";
    QTest::newRow("quoted fields") << QByteArray("code,name,red,green,blue,card,position,mood,mto\n"
                                                 "\"C,1\",\"Say \"\"hi\"\"\",1,2,3,1,1,RICH,true\n")
                                   << 1 << 0 << "C,1" << QStringList {"Say \"hi\""}
                                   << QColor(1, 2, 3) << 1 << 1 << 1 << 4 << "m";
    QTest::newRow("CRLF line break inside quotes")
        << QByteArray("code,name,red,green,blue,card,position\r\nX,\"two\r\nlines\",1,2,3,1,1\r\n"
                      "Y,b,4,5,6,1,2\r\n")
        << 2 << 0 << "X" << QStringList {"two\nlines"} << QColor(1, 2, 3) << 1 << 1 << 1 << 0 << "";
    QTest::newRow("mood by number, blank lines")
        << QByteArray("code,red,green,blue,card,position,mood\n\nA,1,2,3,2,1,3\n\n") << 1 << 0
        << "A" << QStringList() << QColor(1, 2, 3) << 2 << 1 << 1 << 3 << "";
}

void BuilderTest::deckParsing()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, chipCount);
    QFETCH(int, chip);

    CollectionData collection;
    QString error;
    QVERIFY2(Builder::readDeckText(csv, QStringLiteral("deck.csv"), collection, &error),
             qPrintable(error));
    QCOMPARE(collection.chips.size(), chipCount);
    const ChipData &read = collection.chips.at(chip);
    QTEST(read.code, "code");
    QFETCH(QStringList, names);
    QCOMPARE(read.names.size(), 10);
    QCOMPARE(read.names.mid(0, names.size()), names);
    QTEST(QColor(read.red, read.green, read.blue), "color");
    QTEST(read.card, "card");
    QTEST(read.position, "position");
    QTEST(read.segment, "segment");
    QTEST(read.mood, "mood");
    QTEST(flagsOf(read), "flags");
    // Each card takes its segment, mood and exterior flag from its first chip.
    const auto card = std::find_if(collection.cards.begin(), collection.cards.end(),
                                   [&read](const auto &c) { return c.pageIndex == read.card; });
    QVERIFY(card != collection.cards.end());
    QCOMPARE(card->segment, read.segment);
    QCOMPARE(card->exterior, read.exterior);
}

void BuilderTest::deckErrors_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");

    const QByteArray header = "code,name,red,green,blue,card,position,segment,mood,exterior\n";
    const QByteArray first = "A,Alpha,1,2,3,1,1,1,,0\n";
    QTest::newRow("red above 255")
        << header + first + "B,Beta,256,2,3,1,2,1,,0\n"
        << "deck.csv:3: red: \"256\" is not a whole number from 0 to 255";
    QTest::newRow("negative green") << header + "A,Alpha,1,-1,3,1,1,1,,0\n"
                                    << "deck.csv:2: green: \"-1\" is not a whole number from 0 "
                                       "to 255";
    QTest::newRow("blue not a number")
        << header + "A,Alpha,1,2,abc,1,1,1,,0\n"
        << "deck.csv:2: blue: \"abc\" is not a whole number from 0 to 255";
    QTest::newRow("duplicate code, other case")
        << header + first + "a,Other,1,2,3,1,2,1,,0\n"
        << "deck.csv:3: code: \"a\" is already used on line 2";
    QTest::newRow("card position repeats")
        << header + first + "B,Beta,1,2,3,1,1,1,,0\n"
        << "deck.csv:3: position: position 1 on card 1 is already taken on line 2";
    QTest::newRow("unknown mood") << header + first + "B,Beta,1,2,3,1,2,1,sunny,0\n"
                                  << "deck.csv:3: mood: unknown mood \"sunny\" (one of fresh, "
                                     "warm, calm, rich, offwhite, neutral, or empty)";
    QTest::newRow("mood number out of range") << header + "A,Alpha,1,2,3,1,1,1,7,0\n"
                                              << "deck.csv:2: mood: unknown mood \"7\" (one of "
                                                 "fresh, warm, calm, rich, offwhite, neutral, or "
                                                 "empty)";
    QTest::newRow("card zero") << header + "A,Alpha,1,2,3,0,1,1,,0\n"
                               << "deck.csv:2: card: \"0\" is not a whole number above 0";
    QTest::newRow("flag not 0 or 1") << header + "A,Alpha,1,2,3,1,1,1,,maybe\n"
                                     << "deck.csv:2: exterior: \"maybe\" is not 0 or 1";
    QTest::newRow("card in two segments")
        << header + first + "B,Beta,1,2,3,1,2,2,,0\n"
        << "deck.csv:3: segment: card 1 is in segment 1 on an earlier line";
    QTest::newRow("card both interior and exterior")
        << header + first + "B,Beta,1,2,3,1,2,1,,1\n"
        << "deck.csv:3: exterior: card 1 is marked differently on an earlier line";
    QTest::newRow("empty code") << header + " ,Alpha,1,2,3,1,1,1,,0\n"
                                << "deck.csv:2: code: empty";
    QTest::newRow("unknown column") << QByteArray("code,colour,red,green,blue,card,position\n")
                                    << "deck.csv:1: colour: unknown column";
    QTest::newRow("column named twice")
        << QByteArray("code,name,name0,red,green,blue,card,position\n")
        << "deck.csv:1: name0: column named twice";
    QTest::newRow("required column missing") << QByteArray("code,red,green,card,position\n")
                                             << "deck.csv:1: blue: required column missing";
    QTest::newRow("too few fields") << header + "A,Alpha,1,2,3\n"
                                    << "deck.csv:2: the line has 5 fields, the header 10";
    QTest::newRow("quote not closed") << header + "A,\"Alpha,1,2,3,1,1,1,,0\n"
                                      << "deck.csv:2: a quoted field is not closed";
    QTest::newRow("line count after a quoted line break")
        << header + "A,\"Al\npha\",1,2,3,1,1,1,,0\nB,Beta,999,2,3,1,2,1,,0\n"
        << "deck.csv:4: red: \"999\" is not a whole number from 0 to 255";
    QTest::newRow("no chips") << header << "deck.csv:2: the deck has no chips";
    QTest::newRow("empty file") << QByteArray() << "deck.csv:1: the file has no header line";
}

void BuilderTest::deckErrors()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);

    CollectionData collection;
    QString error;
    QVERIFY(!Builder::readDeckText(csv, QStringLiteral("deck.csv"), collection, &error));
    QCOMPARE(error, message);
}

void BuilderTest::descriptionErrors_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("message");

    const QString valid = smallDescription();
    QTest::newRow("colour channel above 255")
        << QString(valid).replace("1,2,3,128", "300,2,3")
        << ": color.widget.collectionselector.text: \"300,2,3\" is not a colour r,g,b or r,g,b,a "
           "from 0 to 255";
    QTest::newRow("colour with two parts") << QString(valid).replace("1,2,3,128", "1,2")
                                           << ": color.widget.collectionselector.text: \"1,2\" "
                                              "is not a colour r,g,b or r,g,b,a from 0 to 255";
    QTest::newRow("image file missing")
        << QString(valid).replace("banner.png", "missing.png") << "missing.png";
    QTest::newRow("image file is no image")
        << QString(valid).replace("banner.png", "deck.csv") << "deck.csv is not an image";
    QTest::newRow("uuid missing") << QString(valid).replace(
        "\"{0B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}\"", "\"nonsense\"")
                                  << ":2: uuid: missing or not a uuid";
    QTest::newRow("id of the system-wide collection")
        << QString(valid).replace("\"id\": 4", "\"id\": 0")
        << ": id: must be above 0 (0 is the system-wide collection)";
    QTest::newRow("unknown key") << smallDescription(", \"colour\": 1") << ": colour: unknown key";
    QTest::newRow("setting value is an object")
        << QString(valid).replace("\"normal\"", "{\"a\": 1}")
        << ": card.type: expected a text, a number or true/false";
    QTest::newRow("card not in the deck") << QString(valid).replace("\"card\": 2", "\"card\": 9")
                                          << ":7: cards: card 9 has no chips in the deck";
    QTest::newRow("syntax error") << QString(valid).replace("\"SMALL\",", "\"SMALL\"") << ":3: ";
}

void BuilderTest::descriptionErrors()
{
    QFETCH(QString, json);
    QFETCH(QString, message);

    QTemporaryDir dir;
    writeFile(dir.filePath("banner.png"), Builder::pngData(QImage(8, 8, QImage::Format_RGB32)));
    writeFile(dir.filePath("deck.csv"), kSmallDeck);
    const QString path = writeFile(dir.filePath("collection.json"), json.toUtf8());
    CollectionData collection;
    QVERIFY(Builder::readDeckText(kSmallDeck, QStringLiteral("deck.csv"), collection));
    QString error;
    QVERIFY(!Builder::readCollectionDescription(path, collection, &error));
    QVERIFY2(error.startsWith(path), qPrintable(error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void BuilderTest::deckBuildsCollectionFile()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Contents/Resources"));
    QImage banner(40, 10, QImage::Format_RGB32);
    banner.fill(Qt::darkCyan);
    writeFile(dir.filePath("banner.png"), Builder::pngData(banner));
    const QString deck = writeFile(dir.filePath("deck.csv"), kSmallDeck);
    const QString json = writeFile(dir.filePath("collection.json"), smallDescription().toUtf8());
    const QString target = dir.filePath("Contents/Resources/small.db");

    CollectionData collection;
    QString error;
    QVERIFY2(Builder::readDeck(deck, collection, &error)
                 && Builder::readCollectionDescription(json, collection, &error)
                 && Builder::writeCollectionFile(target, {collection}, &error),
             qPrintable(error));

    {
        const FileReader file(target);
        QVERIFY(file.isSound());
        QCOMPARE(
            file.rows("SELECT ID, UUID, SYSTEMID, NAME, \"ORDER\" FROM COLLECTION ORDER BY ID"),
            QStringList({"0|" + kSystemWide + "|VIRTUAL|SystemWide Collection|0",
                         "4|{0B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}|SMALL|Small deck|7"}));
        // L, A and B are those of the picker's own conversion.
        const QStringList chips
            = file.rows("SELECT CODE, NAME0, NAME1, RED, GREEN, BLUE, L, A, B, SEGMENT, MOOD "
                        "FROM \"ROW\" ORDER BY ID");
        QCOMPARE(chips.size(), 3);
        const QStringList moss = chips.at(2).split('|');
        const DB::LabEntry lab = labFromColor(QColor(96, 120, 72));
        QCOMPARE(moss.mid(0, 6), QStringList({"SD-3", "Moss", "Moos", "96", "120", "72"}));
        QCOMPARE(moss.at(6).toDouble(), lab.l);
        QCOMPARE(moss.at(7).toDouble(), lab.a);
        QCOMPARE(moss.at(8).toDouble(), lab.b);
        QCOMPARE(moss.mid(9), QStringList({"5", "1"}));
        QCOMPARE(file.rows("SELECT P.PAGE_INDEX, P.NAME, P.NAME1, P.SEGMENT, P.MOOD, P.EXTERIOR "
                           "FROM PAGE P JOIN COLLECTION_PAGE_MAP M ON M.PAGE_ID = P.ID "
                           "WHERE M.COLLECTION_ID = 4 ORDER BY P.PAGE_INDEX"),
                 QStringList({"1|Card 1||1|5|0", "2|Moss card|Mooskarte|5|1|1"}));
        QCOMPARE(file.rows("SELECT VALUE FROM SETTING WHERE COLLECTION_ID = 4 AND NAME = 'schemes' "
                           "ORDER BY VALUE_INDEX"),
                 QStringList({"harmonic", "contrast"}));
        QCOMPARE(file.value("SELECT VALUE FROM SETTING WHERE NAME = 'collection.enabled'"), "1");
        QCOMPARE(file.value("SELECT VALUE FROM SETTING WHERE NAME = 'max.chips.on.a.page'"), "5");
        // Theme items are BLOBs: the theme lookups ignore text.
        QCOMPARE(file.rows("SELECT ITEM_KEY, TYPEOF(ITEM_DATA) FROM THEME ORDER BY ITEM_KEY"),
                 QStringList({"color.widget.collectionselector.text|blob", "image.banner|blob"}));
        QCOMPARE(
            file.raw("SELECT ITEM_DATA FROM THEME WHERE ITEM_KEY LIKE 'color.%'").toByteArray(),
            QByteArray("1,2,3,128"));
        QCOMPARE(QImage::fromData(file.raw("SELECT ITEM_DATA FROM THEME WHERE ITEM_KEY = "
                                           "'image.banner'")
                                      .toByteArray())
                     .size(),
                 QSize(40, 10));
        QCOMPARE(file.value("SELECT LOCALE || '|' || STRING FROM LOCALE"), "en|Small deck");
    }

    setDatabaseFolder(dir.path());
    DB::collectionRegistry().clear();
    QCOMPARE(DB::ensureCollections(), 1);
    QCOMPARE(DB::orderedCollectionUuids(),
             QList<QUuid>({QUuid::fromString(u"{0B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}")}));
}

void BuilderTest::failedBuildLeavesNothing()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("deck.db");
    CollectionData collection;
    QVERIFY(Builder::readDeckText(kSmallDeck, QStringLiteral("deck.csv"), collection));
    collection.uuid = QUuid::fromString(u"{0B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}");
    collection.systemId = QStringLiteral("SMALL");
    collection.name = QStringLiteral("Small");
    QVERIFY(Builder::writeCollectionFile(target, {collection}));
    QFile original(target);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    // Refused before writing: a duplicate code.
    CollectionData duplicate = collection;
    duplicate.chips[1].code = QStringLiteral("sd-1");
    QString error;
    QVERIFY(!Builder::writeCollectionFile(target, {duplicate}, &error));
    QVERIFY2(error.contains("duplicate code"), qPrintable(error));

    // Failing half-way: a setting listed twice breaks a unique index after rows were written.
    CollectionData twice = collection;
    twice.settings.append({QStringLiteral("card.type"), {QStringLiteral("normal")}});
    twice.settings.append({QStringLiteral("CARD.TYPE"), {QStringLiteral("normal")}});
    QVERIFY(!Builder::writeCollectionFile(target, {twice}, &error));
    QVERIFY2(error.contains("UNIQUE"), qPrintable(error));

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"deck.db"}));
    QFile after(target);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
}

void BuilderTest::collectionsOfAFileMustDiffer_data()
{
    QTest::addColumn<qint64>("id");
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("systemId");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("message");

    const QString other = "{1B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}";
    QTest::newRow("order of the system-wide collection")
        << qint64(2) << other << "OTHER" << 0
        << "collection OTHER: its order 0 is taken by "
           "collection system-wide";
    QTest::newRow("same order") << qint64(2) << other << "OTHER" << 1
                                << "collection OTHER: its order 1 is taken by collection SMALL";
    QTest::newRow("same id") << qint64(1) << other << "OTHER" << 2
                             << "collection OTHER: its id 1 is taken by collection SMALL";
    QTest::newRow("same system id, other case")
        << qint64(2) << other << "small" << 2
        << "collection small: its system id small is taken by collection SMALL";
    QTest::newRow("system-wide uuid") << qint64(2) << kSystemWide << "OTHER" << 2
                                      << "collection OTHER: its uuid "
                                         "{ffffffff-ffff-ffff-ffff-ffffffffffff} is taken by "
                                         "collection system-wide";
}

void BuilderTest::collectionsOfAFileMustDiffer()
{
    QFETCH(qint64, id);
    QFETCH(QString, uuid);
    QFETCH(QString, systemId);
    QFETCH(int, order);

    CollectionData first;
    QVERIFY(Builder::readDeckText(kSmallDeck, QStringLiteral("deck.csv"), first));
    first.uuid = QUuid::fromString(u"{0B5E2C11-7A3D-4E6F-8A9B-0C1D2E3F4A5B}");
    first.systemId = QStringLiteral("SMALL");
    first.name = QStringLiteral("Small");
    CollectionData second = first;
    second.id = id;
    second.uuid = QUuid::fromString(uuid);
    second.systemId = systemId;
    second.order = order;

    QTemporaryDir dir;
    QString error;
    QVERIFY(!Builder::writeCollectionFile(dir.filePath("two.db"), {first, second}, &error));
    QTEST(error, "message");
    QVERIFY(QDir(dir.path()).isEmpty());
}

void BuilderTest::commandReportsBadDeck()
{
    QTemporaryDir dir;
    const QString deck = writeFile(
        dir.filePath("bad.csv"), "code,red,green,blue,card,position\nA,1,2,3,1,1\nB,1,2,300,1,2\n");
    writeFile(dir.filePath("banner.png"), Builder::pngData(QImage(8, 8, QImage::Format_RGB32)));
    const QString json = writeFile(dir.filePath("c.json"), smallDescription().toUtf8());
    const QString target = dir.filePath("out.db");

    const Run run = halvorn({"build-collection", "--csv", deck, "--json", json, "--out", target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(deck + ":3: blue: \"300\" is not a whole number from 0 to 255"),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(target));

    const Run usage = halvorn({"build-collection", "--csv", deck, "--out", target});
    QCOMPARE(usage.exitCode, 2);
    QVERIFY2(usage.err.contains("--csv needs --json"), qPrintable(usage.err));
    const Run noMode = halvorn({"build-collection", "--out", target});
    QCOMPARE(noMode.exitCode, 2);
    QVERIFY2(noMode.err.contains("exactly one of --demo, --csv and --synthetic"),
             qPrintable(noMode.err));
    const Run badCount = halvorn({"build-collection", "--synthetic", "many", "--out", target});
    QCOMPARE(badCount.exitCode, 2);
}

void BuilderTest::exampleDeckBuilds()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("example.db");
    const Run run = halvorn({"build-collection", "--csv", EXAMPLES_DIR "/deck.csv", "--json",
                             EXAMPLES_DIR "/collection.json", "--out", target});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const FileReader file(target);
    QVERIFY(file.isSound());
    QVERIFY(file.value("SELECT COUNT(*) FROM \"ROW\"").toInt() >= 14);
    QCOMPARE(file.value("SELECT TYPEOF(ITEM_DATA) FROM THEME WHERE ITEM_KEY = 'image.banner'"),
             "blob");
}

void BuilderTest::syntheticCollection()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("synthetic.db");
    QString error;
    QVERIFY2(Builder::buildSyntheticCollection(target, 2000, &error), qPrintable(error));
    const FileReader file(target);
    QVERIFY(file.isSound());
    QCOMPARE(file.value("SELECT COUNT(*), COUNT(DISTINCT CODE) FROM \"ROW\""), "2000|2000");
    QCOMPARE(file.value("SELECT COUNT(*), COUNT(DISTINCT SEGMENT) FROM PAGE"), "286|12");
    QCOMPARE(file.value("SELECT MAX(N) FROM (SELECT COUNT(*) AS N FROM \"ROW\" GROUP BY PAGE_ID)"),
             "7");
    // Light to dark within every card.
    QCOMPARE(file.value("SELECT COUNT(*) FROM \"ROW\" R1 JOIN \"ROW\" R2 ON R1.PAGE_ID = "
                        "R2.PAGE_ID AND R2.ROW_INDEX = R1.ROW_INDEX + 1 WHERE R2.L >= R1.L"),
             "0");
}

void BuilderTest::demoFolder()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QString error;
    QVERIFY2(Builder::buildDemoFolder(first.path(), &error), qPrintable(error));
    QVERIFY2(Builder::buildDemoFolder(second.path(), &error), qPrintable(error));
    QVERIFY(QDir(first.filePath(Builder::demoCaptureFolderName())).exists());

    const QDir resources(first.filePath("Contents/Resources"));
    QCOMPARE(resources.entryList({"*.db"}, QDir::Files, QDir::Name), Builder::demoFileNames());
    for (const QString &name : Builder::demoFileNames()) {
        const QString path = resources.filePath(name);
        // Deterministic down to the bytes of the file.
        QVERIFY(fileContent(path) == fileContent(second.filePath("Contents/Resources/" + name)));
        QVERIFY(FileReader(path).isSound());
    }

    setDatabaseFolder(first.path());
    DB::collectionRegistry().clear();
    QCOMPARE(DB::ensureCollections(), 1);
    // The system-wide collection, with the theme, comes from the file read first.
    QCOMPARE(DB::collectionRegistry().value(DB::systemWideCollectionUuid()).fileName,
             resources.absoluteFilePath(Builder::demoFileNames().first()));
    const QList<QUuid> selectable = DB::orderedCollectionUuids();
    QCOMPARE(selectable.size(), 3);

    const FileReader main(resources.filePath(Builder::demoFileNames().first()));
    for (const QString &key : kSystemImageKeys) {
        const QVariant data
            = main.raw(QString("SELECT ITEM_DATA FROM THEME WHERE COLLECTION_ID = 0 AND "
                               "ITEM_KEY = '%1'")
                           .arg(key));
        QVERIFY2(data.typeId() == QMetaType::QByteArray, qPrintable(key));
        QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), qPrintable(key));
    }
    QCOMPARE(main.value("SELECT CAST(ITEM_DATA AS TEXT) FROM THEME WHERE ITEM_KEY = "
                        "'color.widget.collectionselector.text'"),
             "236,240,244");
    QVERIFY(main.value("SELECT CAST(ITEM_DATA AS TEXT) FROM THEME WHERE ITEM_KEY = "
                       "'list.of.preferred.font.faces'")
                .contains("Liberation Sans"));

    const QStringList cardTypes = {"normal", "duvalin", "normal"};
    for (int i = 0; i < selectable.size(); ++i) {
        const DB::CollectionInfo info = DB::collectionRegistry().value(selectable.at(i));
        const FileReader file(info.fileName);
        const QString id = QString::number(info.id);
        QCOMPARE(file.value("SELECT VALUE FROM SETTING WHERE NAME = 'card.type' AND "
                            "COLLECTION_ID = "
                            + id),
                 cardTypes.at(i));
        for (const QString &key : kLocaleKeys)
            QVERIFY2(!file.value(QString("SELECT STRING FROM LOCALE WHERE COLLECTION_ID = %1 AND "
                                         "\"KEY\" = '%2'")
                                     .arg(id, key))
                          .isEmpty(),
                     qPrintable(info.systemId + ": " + key));
        for (const char *key : {"image.banner", "image.mto", "image.about.logo"})
            QVERIFY2(!QImage::fromData(file.raw(QString("SELECT ITEM_DATA FROM THEME WHERE "
                                                        "COLLECTION_ID = %1 AND ITEM_KEY = '%2'")
                                                    .arg(id, QLatin1String(key)))
                                           .toByteArray())
                          .isNull(),
                     qPrintable(info.systemId + ": " + QLatin1String(key)));
    }
    QVERIFY(selectable.at(0) != selectable.at(2));
    QCOMPARE(DB::collectionRegistry().value(selectable.at(2)).fileName,
             resources.absoluteFilePath(Builder::demoFileNames().at(1)));

    // The "normal" collection's chip schemes fill whole lines of "max.chips.on.a.page" chips,
    // or the schemer shows nothing.
    const QString lines = main.value("SELECT VALUE FROM SETTING WHERE COLLECTION_ID = 1 AND NAME = "
                                     "'max.chips.on.a.page'");
    QVERIFY(lines.toInt() > 0);
    QCOMPARE(main.value(QString("SELECT COUNT(*) FROM (SELECT COUNT(*) AS N FROM ROW_SCHEME_MAP "
                                "WHERE COLLECTION_ID = 1 GROUP BY ROW_ID, SCHEME_ID) WHERE N % %1 "
                                "!= 0")
                            .arg(lines)),
             "0");
    QCOMPARE(main.value("SELECT COUNT(DISTINCT SCHEME_ID) FROM ROW_SCHEME_MAP WHERE "
                        "COLLECTION_ID = 1"),
             "7");
    QVERIFY(main.value("SELECT COUNT(*) FROM \"ROW\" WHERE COLLECTION_ID = 1").toInt() >= 1200);
    // Every "duvalin" chip with proposals has exactly three, in the three expected places.
    QCOMPARE(main.value("SELECT COUNT(*) FROM (SELECT ROW_ID, GROUP_CONCAT(SCHEME_ID || ':' || "
                        "PAGE_ORDER) AS P FROM (SELECT * FROM ROW_SCHEME_MAP WHERE COLLECTION_ID "
                        "= 2 ORDER BY ROW_ID, SCHEME_ID, PAGE_ORDER) GROUP BY ROW_ID) WHERE P != "
                        "'2:0,3:0,3:1'"),
             "0");
    QVERIFY(
        main.value("SELECT COUNT(*) FROM \"ROW\" WHERE COLLECTION_ID = 2 AND IS_MTO = 1").toInt()
        > 0);
}

void BuilderTest::demoCommandListsCollections()
{
    QTemporaryDir dir;
    const QString data = dir.filePath("Veltra Marnik/Tessary/SQLite");
    const Run build = halvorn({"build-collection", "--demo", data});
    QVERIFY2(build.exitCode == 0, qPrintable(build.err));
    const Run list = halvorn({"collections", "--data-dir", data});
    QCOMPARE(list.exitCode, 0);
    QStringList names;
    for (const QString &line : list.out.split('\n', Qt::SkipEmptyParts))
        names << line.section('\t', 4, 4);
    QCOMPARE(names, QStringList({"Tessary Classic", "Tessary Duvalin", "Nordlys"}));
}
