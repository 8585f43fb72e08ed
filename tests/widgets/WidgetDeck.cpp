#include "WidgetDeck.h"

#include "CardQueries.h"
#include "CollectionSettings.h"
#include "Enums.h"
#include "StateStore.h"
#include "StatusCodes.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSettings>

namespace Corvane::Test {

namespace {

const QString kDeck = QStringLiteral("widgets.db");
const QColor kWheelBackground(20, 30, 40);

struct CardSpec
{
    qint64 collectionId;
    int pageIndex;
    int segment;
    int mood;
    int exterior;
    int chipCount;
};

constexpr CardSpec kCards[] = {
    {1, 1, 1, MoodWarm, 1, 3},     {1, 2, 2, MoodCalm, 0, 4}, {1, 3, 2, MoodCalm, 0, 3},
    {1, 4, 3, MoodOffwhite, 0, 2}, {1, 5, 3, MoodCalm, 0, 0}, {2, 1, 1, MoodFresh, 0, 3},
    {2, 2, 2, MoodFresh, 0, 2},
};

QByteArray pngOf(const QColor &color, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

const QUuid WidgetDeck::normal
    = QUuid::fromString(QStringLiteral("{11111111-0000-4000-8000-000000000001}"));
const QUuid WidgetDeck::duvalin
    = QUuid::fromString(QStringLiteral("{22222222-0000-4000-8000-000000000002}"));

WidgetDeck::WidgetDeck()
{
    fixture.createFile(kDeck);
    fixture.addCollection(kDeck, 1, normal.toString(), QStringLiteral("N"),
                          QStringLiteral("Normal"), 1);
    fixture.addCollection(kDeck, 2, duvalin.toString(), QStringLiteral("D"),
                          QStringLiteral("Duvalin"), 2);
    for (qint64 id : {1, 2}) {
        fixture.addSetting(kDeck, id, QStringLiteral("num.of.segments"), QStringLiteral("4"));
        fixture.addSetting(kDeck, id, QStringLiteral("first.segment.angle"), QStringLiteral("90"));
        fixture.addSetting(kDeck, id, QStringLiteral("segment.increment.orientation"),
                           QStringLiteral("CCW"));
    }
    fixture.addSetting(kDeck, 1, QStringLiteral("card.type"), QStringLiteral("normal"));
    fixture.addSetting(kDeck, 2, QStringLiteral("card.type"), QStringLiteral("duvalin"));
    fixture.addSetting(kDeck, 1, QStringLiteral("schemes"), QStringLiteral("contrast"), 0);
    fixture.addSetting(kDeck, 1, QStringLiteral("schemes"), QStringLiteral("harmonic"), 1);
    fixture.addSetting(kDeck, 1, QStringLiteral("tab.bar.page"), QStringLiteral("PageOfProducts"),
                       0);
    fixture.addSetting(kDeck, 1, QStringLiteral("has.product.groups.page"), QStringLiteral("1"));
    fixture.addSetting(kDeck, 1, QStringLiteral("color.tooltip.show.row.code"),
                       QStringLiteral("1"));
    fixture.addSetting(kDeck, 2, QStringLiteral("help.link"),
                       QStringLiteral("file:///%app%/docs/help.html"));
    fixture.addSetting(kDeck, 2, QStringLiteral("header.link"),
                       QStringLiteral("https://example.invalid/duvalin"));
    fixture.insert(kDeck, QStringLiteral("LOCALE"),
                   {{QStringLiteral("COLLECTION_ID"), 1},
                    {QStringLiteral("KEY"), QStringLiteral("license.copyright")},
                    {QStringLiteral("STRING"), QStringLiteral("<p>Normal licence</p>")}});
    fixture.insert(
        kDeck, QStringLiteral("THEME"),
        {{QStringLiteral("COLLECTION_ID"), 0},
         {QStringLiteral("ITEM_KEY"), QStringLiteral("image.widget.color.wheel.background")},
         {QStringLiteral("ITEM_DATA"), pngOf(kWheelBackground, QSize(122, 122))}});
    // The search strip's glass and roll buttons at their real sizes.
    const QList<std::pair<QString, QSize>> searchImages {
        {QStringLiteral("image.widget.search.magnifying.glass"), QSize(14, 14)},
        {QStringLiteral("image.widget.roll.backward.normal"), QSize(20, 20)},
        {QStringLiteral("image.widget.roll.backward.down"), QSize(20, 20)},
        {QStringLiteral("image.widget.roll.forward.normal"), QSize(20, 20)},
        {QStringLiteral("image.widget.roll.forward.down"), QSize(20, 20)}};
    for (const auto &[key, size] : searchImages)
        fixture.insert(kDeck, QStringLiteral("THEME"),
                       {{QStringLiteral("COLLECTION_ID"), 0},
                        {QStringLiteral("ITEM_KEY"), key},
                        {QStringLiteral("ITEM_DATA"), pngOf(QColor(200, 200, 200), size)}});

    for (const CardSpec &card : kCards) {
        const QString prefix = card.collectionId == 1 ? QStringLiteral("N") : QStringLiteral("D");
        const qint64 pageId
            = fixture.addPage(kDeck, card.collectionId, card.pageIndex, card.segment,
                              {{QStringLiteral("MOOD"), card.mood},
                               {QStringLiteral("EXTERIOR"), card.exterior},
                               {QStringLiteral("NAME"), prefix + QString::number(card.pageIndex)},
                               {QStringLiteral("NAME0"),
                                QStringLiteral("%1 card %2").arg(prefix).arg(card.pageIndex)}});
        for (int row = 1; row <= card.chipCount; ++row) {
            const QColor color = deckColor(card.pageIndex, row);
            const bool mto = card.collectionId == 2 && card.pageIndex == 1 && row == 2;
            fixture.addRow(kDeck, card.collectionId, pageId, row, color,
                           {{QStringLiteral("CODE"),
                             QStringLiteral("%1%2-%3").arg(prefix).arg(card.pageIndex).arg(row)},
                            {QStringLiteral("SEGMENT"), card.segment},
                            {QStringLiteral("IS_MTO"), mto ? 1 : 0},
                            {QStringLiteral("L"), 20.0 * row},
                            {QStringLiteral("A"), 10.0 * card.pageIndex},
                            {QStringLiteral("B"), -5.0 * row}});
        }
    }
}

QColor WidgetDeck::deckColor(int pageIndex, int rowIndex)
{
    return QColor(40 * pageIndex, 50 * rowIndex, 200 - 30 * rowIndex);
}

DB::ColorEntry WidgetDeck::chip(const QUuid &collection, int pageIndex, int rowIndex)
{
    DB::ColorEntry entry;
    if (DB::loadRowAt(collection, pageIndex, rowIndex, entry) != DB::StatusOk)
        qFatal("deck chip missing");
    return entry;
}

void WidgetDeck::reset(const QUuid &collection) const
{
    fixture.activate();
    const StateStore store;
    // Cleared through QSettings, whose in-process cache a file removed behind its back can
    // outlive when the rewritten file has the old size and time stamp.
    QSettings(store.fileName(), QSettings::IniFormat).clear();
    store.setUuidOfLastUsedCollection(collection);
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);
}

} // namespace Corvane::Test
