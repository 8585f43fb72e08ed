#include "RecordsTest.h"

#include "Collection.h"
#include "ColorEntry.h"
#include "ColorPage.h"
#include "ColorVistralEntry.h"
#include "ImageBytes.h"
#include "ItemIndex.h"
#include "Texture.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace Corvane::DB;

namespace {

const QString kConnection = QStringLiteral("records-test");

// The first row of a statement run on an in-memory database.
QSqlRecord recordOf(const QString &statement)
{
    QSqlQuery query(QSqlDatabase::database(kConnection));
    if (!query.exec(statement) || !query.next())
        qFatal("statement failed: %s", qPrintable(statement));
    return query.record();
}

QVariant colorEntryField(const ColorEntry &entry, const QString &field)
{
    const QHash<QString, QVariant> fields = {
        {"id", entry.id},
        {"collectionId", entry.collectionId},
        {"pageId", entry.pageId},
        {"rowIndex", entry.rowIndex},
        {"pageOrder", entry.pageOrder},
        {"code", entry.code()},
        {"segment", entry.segment},
        {"rgb", QStringLiteral("%1,%2,%3").arg(entry.red).arg(entry.green).arg(entry.blue)},
        {"lab", QStringLiteral("%1,%2,%3").arg(entry.l).arg(entry.a).arg(entry.b)},
        {"flags", QStringLiteral("%1%2%3").arg(entry.isMto).arg(entry.neutral).arg(entry.white)},
        {"mood", entry.mood},
        {"schemePos", entry.schemePos},
        {"nschemePos", entry.nschemePos},
        {"nameCount", entry.names.size()},
        {"extraCount", entry.extras.size()},
        {"name3", entry.name(3)},
        {"extra9", entry.extra(9)},
        {"colorValid", entry.color().isValid()},
    };
    if (!fields.contains(field))
        qFatal("unknown field %s", qPrintable(field));
    return fields.value(field);
}

} // namespace

void RecordsTest::initTestCase()
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    database.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(database.open());
}

void RecordsTest::colorEntryFields_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    const QString rgbOnly = QStringLiteral("SELECT 7 AS ID, 10 AS RED, 20 AS GREEN, 30 AS BLUE");
    QTest::newRow("rgb only: id") << rgbOnly << "id" << QVariant(qint64(7));
    QTest::newRow("rgb only: colour") << rgbOnly << "rgb" << QVariant("10,20,30");
    QTest::newRow("rgb only: collection id") << rgbOnly << "collectionId" << QVariant(qint64(-1));
    QTest::newRow("rgb only: page id") << rgbOnly << "pageId" << QVariant(qint64(-1));
    QTest::newRow("rgb only: row index") << rgbOnly << "rowIndex" << QVariant(-1);
    QTest::newRow("rgb only: page order") << rgbOnly << "pageOrder" << QVariant(-1);
    QTest::newRow("rgb only: segment") << rgbOnly << "segment" << QVariant(-1);
    QTest::newRow("rgb only: scheme pos") << rgbOnly << "schemePos" << QVariant(-1);
    QTest::newRow("rgb only: neutral scheme pos") << rgbOnly << "nschemePos" << QVariant(-1);
    QTest::newRow("rgb only: code") << rgbOnly << "code" << QVariant(QString());
    QTest::newRow("rgb only: ten names") << rgbOnly << "nameCount" << QVariant(10);
    QTest::newRow("rgb only: ten extras") << rgbOnly << "extraCount" << QVariant(10);
    QTest::newRow("rgb only: empty name") << rgbOnly << "name3" << QVariant(QString());

    QTest::newRow("no colour columns: invalid colour") << "SELECT 1 AS ID"
                                                       << "colorValid" << QVariant(false);
    QTest::newRow("all columns")
        << "SELECT 1 AS ID, 2 AS COLLECTION_ID, 3 AS PAGE_ID, 4 AS ROW_INDEX, 5 AS PAGE_ORDER, "
           "'A-1' AS CODE, 6 AS SEGMENT, 1 AS IS_MTO, 0 AS NEUTRAL, 1 AS WHITE, "
           "'Drei' AS NAME3, 'Neun' AS EXTRA9, 9 AS SCHEME_POS"
        << "code" << QVariant("A-1");
    QTest::newRow("name column") << "SELECT 'Drei' AS NAME3"
                                 << "name3" << QVariant("Drei");
    QTest::newRow("extra column") << "SELECT 'Neun' AS EXTRA9"
                                  << "extra9" << QVariant("Neun");
    QTest::newRow("lab values") << "SELECT 50.5 AS L, -12.25 AS A, 7 AS B"
                                << "lab" << QVariant("50.5,-12.25,7");
    QTest::newRow("flags: non-zero is true") << "SELECT 2 AS IS_MTO, 0 AS NEUTRAL, -1 AS WHITE"
                                             << "flags" << QVariant("101");
    QTest::newRow("mood in range") << "SELECT 3 AS MOOD"
                                   << "mood" << QVariant(3);
    QTest::newRow("mood 7 reads as none") << "SELECT 7 AS MOOD"
                                          << "mood" << QVariant(0);
    QTest::newRow("mood -1 reads as none") << "SELECT -1 AS MOOD"
                                           << "mood" << QVariant(0);
    QTest::newRow("NULL number reads as 0") << "SELECT NULL AS PAGE_ID"
                                            << "pageId" << QVariant(qint64(0));
    QTest::newRow("NULL text reads as empty") << "SELECT NULL AS CODE"
                                              << "code" << QVariant(QString());
    QTest::newRow("text that is no number reads as 0") << "SELECT 'abc' AS SEGMENT"
                                                       << "segment" << QVariant(0);
    QTest::newRow("numeric text reads as its number") << "SELECT '12' AS ROW_INDEX"
                                                      << "rowIndex" << QVariant(12);
    QTest::newRow("NULL collection id reads as 0") << "SELECT NULL AS COLLECTION_ID"
                                                   << "collectionId" << QVariant(qint64(0));
    QTest::newRow("64-bit id") << "SELECT 9007199254740993 AS ID"
                               << "id" << QVariant(qint64(9007199254740993LL));
    QTest::newRow("page order from scheme statements") << "SELECT 4 AS PAGE_ORDER"
                                                       << "pageOrder" << QVariant(4);
}

void RecordsTest::colorEntryFields()
{
    QFETCH(QString, statement);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    // A chip read without its collection id says so on the debug output.
    if (!statement.contains(QLatin1String("COLLECTION_ID")))
        QTest::ignoreMessage(QtDebugMsg, "Oops.");
    const ColorEntry entry(recordOf(statement));
    QCOMPARE(colorEntryField(entry, field), expected);
}

void RecordsTest::colorEntryNamesAndCopies()
{
    const ColorEntry entry(recordOf(QStringLiteral(
        "SELECT 1 AS ID, 1 AS COLLECTION_ID, 'Null' AS NAME0, 'Drei' AS NAME3, 'X' AS EXTRA2")));
    QCOMPARE(entry.name(3), QStringLiteral("Drei"));
    QCOMPARE(entry.name(10), QString());
    QCOMPARE(entry.name(-1), QString());
    QCOMPARE(entry.extra(2), QStringLiteral("X"));
    QCOMPARE(entry.extra(10), QString());

    ColorEntry copy = entry;
    QCOMPARE(copy.names, entry.names);
    QCOMPARE(copy.extras, entry.extras);
    ColorEntry assigned;
    assigned = entry;
    QCOMPARE(assigned.name(0), QStringLiteral("Null"));

    QTest::ignoreMessage(QtDebugMsg, "Oops.");
    // Loading again starts from the defaults instead of appending to the old lists.
    assigned.load(recordOf(QStringLiteral("SELECT 2 AS ID")));
    QCOMPARE(assigned.names.size(), 10);
    QCOMPARE(assigned.name(0), QString());
    QCOMPARE(assigned.collectionId, qint64(-1));
}

void RecordsTest::pageFields_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("exterior");
    QTest::addColumn<int>("mood");

    QTest::newRow("valid page") << "SELECT 1 AS ID, 3 AS PAGE_INDEX, 2 AS SEGMENT" << true << false
                                << 0;
    QTest::newRow("page index 0") << "SELECT 0 AS PAGE_INDEX, 2 AS SEGMENT" << false << false << 0;
    QTest::newRow("segment 0") << "SELECT 4 AS PAGE_INDEX, 0 AS SEGMENT" << false << false << 0;
    QTest::newRow("no columns") << "SELECT 1 AS ID" << false << false << 0;
    QTest::newRow("exterior 2 reads as exterior")
        << "SELECT 1 AS PAGE_INDEX, 1 AS SEGMENT, 2 AS EXTERIOR" << true << true << 0;
    QTest::newRow("mood 6") << "SELECT 1 AS PAGE_INDEX, 1 AS SEGMENT, 6 AS MOOD" << true << false
                            << 6;
    QTest::newRow("mood 7") << "SELECT 1 AS PAGE_INDEX, 1 AS SEGMENT, 7 AS MOOD" << true << false
                            << 0;
}

void RecordsTest::pageFields()
{
    QFETCH(QString, statement);
    QFETCH(bool, valid);
    QFETCH(bool, exterior);
    QFETCH(int, mood);

    const ColorPage page(recordOf(statement));
    QCOMPARE(page.isValid(), valid);
    QCOMPARE(page.exterior, exterior);
    QCOMPARE(page.mood, mood);
    QCOMPARE(page.names.size(), 10);
    QCOMPARE(page.extras.size(), 10);
}

void RecordsTest::collectionWithoutColumns()
{
    const Collection empty(recordOf(QStringLiteral("SELECT 1 AS UNRELATED")));
    QVERIFY(empty.isValid());
    QCOMPARE(empty.id, qint64(-1));
    QVERIFY(empty.uuid.isNull());

    const Collection full(recordOf(QStringLiteral(
        "SELECT 3 AS ID, 'DEMO' AS SYSTEMID, 2 AS VERSION, "
        "'{6f1c2a3b-0000-4000-8000-00000000abcd}' AS UUID, 'Demo' AS NAME, 5 AS \"ORDER\"")));
    QCOMPARE(full.id, qint64(3));
    QCOMPARE(full.systemId, QStringLiteral("DEMO"));
    QCOMPARE(full.version, qint64(2));
    QCOMPARE(full.uuid, QUuid(QStringLiteral("{6f1c2a3b-0000-4000-8000-00000000abcd}")));
    QCOMPARE(full.name(), QStringLiteral("Demo"));
    QCOMPARE(full.order, 5);

    const Collection badUuid(recordOf(QStringLiteral("SELECT 'not a uuid' AS UUID")));
    QVERIFY(badUuid.uuid.isNull());
}

void RecordsTest::textureImage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decoded");

    QTest::newRow("png") << Corvane::Test::pngBytes(QSize(4, 3)) << true;
    QTest::newRow("not an image") << QByteArray("plain text") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void RecordsTest::textureImage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decoded);

    QSqlQuery query(QSqlDatabase::database(kConnection));
    query.prepare(QStringLiteral("SELECT 4 AS ID, 0 AS COLLECTION_ID, 'Linen' AS NAME, "
                                 "0.5 AS BASE_ALPHA, ? AS IMAGE"));
    query.addBindValue(bytes);
    QVERIFY(query.exec() && query.next());
    const Texture texture(query.record());
    QVERIFY(texture.isValid());
    QCOMPARE(texture.collectionId, qint64(0));
    QCOMPARE(texture.name(), QStringLiteral("Linen"));
    QCOMPARE(texture.baseAlpha, 0.5);
    QCOMPARE(!texture.image.isNull(), decoded);
    if (decoded)
        QCOMPARE(texture.image.size(), QSize(4, 3));
}

void RecordsTest::vistralEntryColor_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QColor>("color");

    QTest::newRow("no colour columns") << "SELECT 1 AS ID, 'Sky' AS NAME_1" << QColor();
    QTest::newRow("all three") << "SELECT 10 AS RED, 20 AS GREEN, 30 AS BLUE" << QColor(10, 20, 30);
    QTest::newRow("green only") << "SELECT 200 AS GREEN" << QColor(0, 200, 0);
}

void RecordsTest::vistralEntryColor()
{
    QFETCH(QString, statement);
    QFETCH(QColor, color);

    const ColorVistralEntry entry(recordOf(statement));
    QCOMPARE(entry.color, color);
    QCOMPARE(entry.rowId, qint64(-1));

    const ColorVistralEntry empty;
    QCOMPARE(empty.id, qint64(0));
    QVERIFY(!empty.color.isValid());
}

void RecordsTest::itemIndexRoundTrip_data()
{
    QTest::addColumn<qint64>("pageId");
    QTest::addColumn<qint64>("rowId");

    QTest::newRow("positive ids") << qint64(12) << qint64(345);
    QTest::newRow("negative ids") << qint64(-1) << qint64(-7);
    QTest::newRow("large ids") << qint64(4294967296LL) << qint64(9007199254740993LL);
}

void RecordsTest::itemIndexRoundTrip()
{
    QFETCH(qint64, pageId);
    QFETCH(qint64, rowId);

    const QUuid uuid = QUuid::createUuid();
    const ItemIndex index(uuid, pageId, rowId);
    const QString text = index.toText();
    QCOMPARE(text,
             QStringLiteral("ItemIndex(%1,%2,%3)").arg(uuid.toString()).arg(pageId).arg(rowId));
    QCOMPARE(ItemIndex::fromText(text), index);
}

void RecordsTest::itemIndexMalformed_data()
{
    QTest::addColumn<QString>("text");

    const QString uuid = QStringLiteral("{6f1c2a3b-0000-4000-8000-00000000abcd}");
    QTest::newRow("empty") << QString();
    QTest::newRow("lower-case prefix") << QStringLiteral("itemindex(%1,1,2)").arg(uuid);
    QTest::newRow("no closing parenthesis") << QStringLiteral("ItemIndex(%1,1,2").arg(uuid);
    QTest::newRow("two parts") << QStringLiteral("ItemIndex(%1,1)").arg(uuid);
    QTest::newRow("empty part dropped") << QStringLiteral("ItemIndex(%1,,2)").arg(uuid);
    QTest::newRow("four parts") << QStringLiteral("ItemIndex(%1,1,2,3)").arg(uuid);
    QTest::newRow("prefix only") << QStringLiteral("ItemIndex()");
    QTest::newRow("leading space") << QStringLiteral(" ItemIndex(%1,1,2)").arg(uuid);
}

void RecordsTest::itemIndexMalformed()
{
    QFETCH(QString, text);

    const ItemIndex index = ItemIndex::fromText(text);
    QVERIFY(index.collection.isNull());
    QCOMPARE(index.pageId, qint64(-1));
    QCOMPARE(index.rowId, qint64(-1));
}
