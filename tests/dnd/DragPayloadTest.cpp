#include "DragPayloadTest.h"

#include "CollectionFixture.h"
#include "ColorEntry.h"
#include "DragPayload.h"
#include "StatusCodes.h"

#include <QMimeData>
#include <QTest>

#include <memory>

using namespace Corvane;
using Corvane::Test::CollectionFixture;

namespace {

const QUuid kCollection
    = QUuid::fromString(QStringLiteral("{1b4e28ba-2fa1-11d2-883f-0016d3cca427}"));

std::unique_ptr<QMimeData> mimeWith(const QByteArray &payload)
{
    return std::unique_ptr<QMimeData>(payloadMimeData(payload));
}

} // namespace

void DragPayloadTest::chipPayloadText()
{
    DB::ColorEntry entry;
    entry.id = 1234;
    QCOMPARE(chipPayload(MyPalette, kCollection, entry),
             QByteArray("{ \"collectuionUuid\" : \"{1b4e28ba-2fa1-11d2-883f-0016d3cca427}\", "
                        "\"colorId\" : 1234, \"from\" : 3 }"));

    const auto mime = mimeWith(chipPayload(CardRoller, kCollection, entry));
    QCOMPARE(mime->formats(), QStringList {"veltra.marnik.halv/color.chip.dnd.info"});
    QVERIFY(hasChipPayload(mime.get()));
    QCOMPARE(Corvane::payloadSource(mime.get()), int(CardRoller));
}

void DragPayloadTest::colorPayloadRoundTrip()
{
    const QString name1 = QStringLiteral("Say \"red\" \\ twice\nplease");
    const QString name2 = QStringLiteral("Rotkäppchen");
    const QByteArray payload = colorPayload(ColorVistral, QColor(255, 0, 0), name1, name2);
    QVERIFY2(payload.contains("\"colorRgb\" : 4294901760"), payload.constData());
    QVERIFY2(payload.contains("Rotk\xc3\xa4ppchen"), payload.constData());

    const auto mime = mimeWith(payload);
    QColor color;
    QCOMPARE(decodeColor(mime.get(), color), 0);
    QCOMPARE(color, QColor(255, 0, 0));
    QCOMPARE(color.alpha(), 255);
    QString read1, read2;
    QCOMPARE(decodeNames(mime.get(), read1, read2), 0);
    QCOMPARE(read1, name1);
    QCOMPARE(read2, name2);
    QCOMPARE(Corvane::payloadSource(mime.get()), int(ColorVistral));

    // Without its keys a colour payload is black with empty names.
    const auto bare = mimeWith("{ \"from\" : 4 }");
    QCOMPARE(decodeColor(bare.get(), color), 0);
    QCOMPARE(color, QColor(Qt::black));
    QCOMPARE(decodeNames(bare.get(), read1, read2), 0);
    QVERIFY(read1.isEmpty() && read2.isEmpty());
}

void DragPayloadTest::payloadSource_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("source");

    QTest::newRow("schemer") << QByteArray("{\"from\":2}") << 2;
    QTest::newRow("seven") << QByteArray("{\"from\":7}") << 0;
    QTest::newRow("zero") << QByteArray("{\"from\":0}") << 0;
    QTest::newRow("negative") << QByteArray("{\"from\":-1}") << 0;
    QTest::newRow("missing") << QByteArray("{\"colorId\":1}") << 0;
    QTest::newRow("not an object") << QByteArray("[3]") << 0;
    QTest::newRow("does not parse") << QByteArray("{\"from\":3") << 0;
    QTest::newRow("cut at a zero byte") << QByteArray("{\"from\":1}\0garbage", 18) << 1;
    QTest::newRow("zero byte inside") << QByteArray("{\"from\":\0 1}", 12) << 0;
}

void DragPayloadTest::payloadSource()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, source);

    QCOMPARE(Corvane::payloadSource(mimeWith(payload).get()), source);
}

void DragPayloadTest::unreadablePayloads_data()
{
    QTest::addColumn<bool>("withMime");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("null data") << false << QString() << QByteArray();
    QTest::newRow("other format") << true << "text/plain" << QByteArray("{\"from\":1}");
    QTest::newRow("truncated") << true << dragPayloadMimeType() << QByteArray("{ \"colorRgb\" : 1");
    QTest::newRow("not UTF-8 JSON") << true << dragPayloadMimeType() << QByteArray("\xff\xfe{");
}

void DragPayloadTest::unreadablePayloads()
{
    QFETCH(bool, withMime);
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);

    QMimeData data;
    data.setData(format.isEmpty() ? QStringLiteral("text/plain") : format, payload);
    const QMimeData *mime = withMime ? &data : nullptr;
    QCOMPARE(hasChipPayload(mime), withMime && format == dragPayloadMimeType());
    QCOMPARE(Corvane::payloadSource(mime), 0);
    QUuid collection = kCollection;
    DB::ColorEntry entry;
    QCOMPARE(decodeChip(mime, collection, entry), -1);
    QColor color;
    QCOMPARE(decodeColor(mime, color), -1);
    QString name1, name2;
    QCOMPARE(decodeNames(mime, name1, name2), -1);
}

void DragPayloadTest::decodeChipLoadsTheRow()
{
    CollectionFixture fixture;
    const QString file = QStringLiteral("deck.db");
    fixture.createFile(file);
    fixture.addCollection(file, 1, kCollection.toString(), "DECK", "Deck", 1);
    const qint64 page = fixture.addPage(file, 1, 1, 1);
    const qint64 row = fixture.addRow(file, 1, page, 2, QColor(10, 20, 30), {{"CODE", "A-2"}});
    fixture.activate();

    DB::ColorEntry entry;
    entry.id = row;
    QUuid collection;
    DB::ColorEntry loaded;
    QCOMPARE(
        decodeChip(mimeWith(chipPayload(CardRoller, kCollection, entry)).get(), collection, loaded),
        0);
    QCOMPARE(collection, kCollection);
    QCOMPARE(loaded.id, row);
    QCOMPARE(loaded.code(), QStringLiteral("A-2"));
    QCOMPARE(loaded.color(), QColor(10, 20, 30));

    // A collection that is not installed, or a payload without one, names nothing.
    QVERIFY(decodeChip(mimeWith(chipPayload(CardRoller, QUuid::createUuid(), entry)).get(),
                       collection, loaded)
            < 0);
    QVERIFY(decodeChip(mimeWith("{\"colorId\":1}").get(), collection, loaded) < 0);
    QVERIFY(collection.isNull());
}
