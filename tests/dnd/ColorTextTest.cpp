#include "ColorTextTest.h"

#include "CardQueries.h"
#include "CollectionFixture.h"
#include "CollectionSettings.h"
#include "ColorEntry.h"
#include "ColorText.h"
#include "DragPayload.h"
#include "StatusCodes.h"

#include <QMimeData>
#include <QTest>

#include <memory>

using namespace Corvane;
using Corvane::Test::CollectionFixture;

namespace {

const QUuid kCollection
    = QUuid::fromString(QStringLiteral("{6f1c2d3e-4a5b-4c6d-8e7f-901a2b3c4d5e}"));
const QString kColorMime = QStringLiteral("application/x-color");
const QString kTextMime = QStringLiteral("text/plain");

} // namespace

void ColorTextTest::parseColorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("color");

    QTest::newRow("upper case") << "#0A14FF" << true << QColor(10, 20, 255);
    QTest::newRow("lower case") << "#0a14ff" << true << QColor(10, 20, 255);
    QTest::newRow("surrounding whitespace") << " \t#FFFFFF \r\n" << true << QColor(255, 255, 255);
    QTest::newRow("black") << "#000000" << true << QColor(0, 0, 0);
    QTest::newRow("five digits") << "#12345" << false << QColor();
    QTest::newRow("seven digits") << "#1234567" << false << QColor();
    QTest::newRow("eight digits, alpha") << "#FF123456" << false << QColor();
    QTest::newRow("three digits") << "#FFF" << false << QColor();
    QTest::newRow("without hash") << "123456" << false << QColor();
    QTest::newRow("not hex") << "#12345G" << false << QColor();
    QTest::newRow("space inside") << "# 123456" << false << QColor();
    QTest::newRow("with a label, as copied") << "#123456\tA-1 - Red\n"
                                             << true << QColor(0x12, 0x34, 0x56);
    QTest::newRow("label after a space") << "#123456 A-1" << false << QColor();
    QTest::newRow("label on the next line") << "#123456\n\tA-1" << false << QColor();
    QTest::newRow("two colours") << "#123456\n#654321" << false << QColor();
    QTest::newRow("colour name") << "red" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
}

void ColorTextTest::parseColorText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QColor, color);

    const QColor untouched(1, 2, 3);
    QColor parsed = untouched;
    QCOMPARE(Corvane::parseColorText(text, parsed), valid);
    QCOMPARE(parsed, valid ? color : untouched);
    if (valid) {
        QCOMPARE(parsed.alpha(), 255);
        QCOMPARE(Corvane::parseColorText(colorText(parsed), parsed), true);
        QCOMPARE(parsed, color);
    }

    QMimeData mime;
    mime.setText(text);
    parsed = untouched;
    QCOMPARE(colorFromMimeText(&mime, parsed), valid);
    QVERIFY(!colorFromMimeText(nullptr, parsed));
}

// A dragged chip carries the private payload unchanged, its colour, and its colour and
// label as text.
void ColorTextTest::chipMimeData()
{
    CollectionFixture fixture;
    const QString file = QStringLiteral("deck.db");
    fixture.createFile(file);
    fixture.addCollection(file, 1, kCollection.toString(), "DECK", "Deck", 1);
    fixture.addSetting(file, 1, QStringLiteral("row.name.display.order"), 1);
    const qint64 page = fixture.addPage(file, 1, 1, 1);
    const qint64 named = fixture.addRow(file, 1, page, 1, QColor(10, 20, 171),
                                        {{"CODE", "A-1"}, {"NAME0", "Blau"}, {"NAME1", "Blue"}});
    const qint64 unnamed = fixture.addRow(file, 1, page, 2, QColor(0, 0, 0), {{"CODE", "A-2"}});
    fixture.activate();
    QCOMPARE(DB::loadDisplayOrders(kCollection), int(DB::StatusOk));

    const struct
    {
        qint64 row;
        QString text;
    } cases[] = {{named, QStringLiteral("#0A14AB\tA-1 - Blue")},
                 {unnamed, QStringLiteral("#000000\tA-2")}};
    for (const auto &expected : cases) {
        DB::ColorEntry entry;
        QCOMPARE(DB::loadRowById(kCollection, expected.row, entry), int(DB::StatusOk));
        const std::unique_ptr<QMimeData> mime(Corvane::chipMimeData(MyPalette, kCollection, entry));
        QVERIFY(mime->hasFormat(dragPayloadMimeType()));
        QVERIFY(mime->hasFormat(kTextMime));
        QVERIFY(mime->hasFormat(kColorMime));
        QCOMPARE(mime->data(dragPayloadMimeType()), chipPayload(MyPalette, kCollection, entry));
        QCOMPARE(mime->text(), expected.text);
        QCOMPARE(qvariant_cast<QColor>(mime->colorData()), entry.color());
        QCOMPARE(Corvane::payloadSource(mime.get()), int(MyPalette));
    }
}

// A bare colour's text is the colour alone; its names stay in the payload.
void ColorTextTest::colorMimeData()
{
    const QColor color(200, 100, 50);
    const std::unique_ptr<QMimeData> mime(Corvane::colorMimeData(
        ColorVistral, color, QStringLiteral("Rust"), QStringLiteral("Rost")));
    QCOMPARE(mime->data(dragPayloadMimeType()),
             colorPayload(ColorVistral, color, QStringLiteral("Rust"), QStringLiteral("Rost")));
    QCOMPARE(mime->text(), QStringLiteral("#C86432"));
    QCOMPARE(qvariant_cast<QColor>(mime->colorData()), color);
    QColor decoded;
    QCOMPARE(decodeColor(mime.get(), decoded), 0);
    QCOMPARE(decoded, color);
}
