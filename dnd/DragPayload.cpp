#include "DragPayload.h"

#include "CardQueries.h"
#include "ColorEntry.h"
#include "ColorText.h"
#include "JsonCodec.h"

#include <QMimeData>
#include <QVariantMap>

namespace Corvane {

namespace {

const QString kMimeType = QStringLiteral("veltra.marnik.halv/color.chip.dnd.info");
// The key is spelled so in every payload ever written.
const QString kCollectionKey = QStringLiteral("collectuionUuid");
const QString kColorIdKey = QStringLiteral("colorId");
const QString kFromKey = QStringLiteral("from");
const QString kRgbKey = QStringLiteral("colorRgb");
const QString kName1Key = QStringLiteral("colorName1");
const QString kName2Key = QStringLiteral("colorName2");
constexpr int kNoPayload = -1;

QByteArray serialized(const QVariantMap &payload)
{
    bool ok = false;
    return JsonCodec::serialize(payload, ok);
}

// The payload's object, or false when the data lacks the format or its text does not parse.
bool readPayload(const QMimeData *mime, QVariantMap &payload)
{
    payload.clear();
    if (!hasChipPayload(mime))
        return false;
    const QByteArray bytes = mime->data(kMimeType);
    const qsizetype end = bytes.indexOf('\0');
    const QString text = QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
    bool ok = false;
    const QVariant value = JsonCodec::parse(text, ok);
    if (!ok)
        return false;
    payload = value.toMap();
    return true;
}

} // namespace

QString dragPayloadMimeType()
{
    return kMimeType;
}

QByteArray chipPayload(DragSource source, const QUuid &collection, const DB::ColorEntry &entry)
{
    return serialized({{kFromKey, int(source)},
                       {kCollectionKey, collection.toString()},
                       {kColorIdKey, entry.id}});
}

QByteArray colorPayload(DragSource source, const QColor &color, const QString &name1,
                        const QString &name2)
{
    return serialized(
        {{kFromKey, int(source)}, {kRgbKey, color.rgb()}, {kName1Key, name1}, {kName2Key, name2}});
}

QMimeData *payloadMimeData(const QByteArray &payload)
{
    auto *mime = new QMimeData;
    mime->setData(kMimeType, payload);
    return mime;
}

QMimeData *chipMimeData(DragSource source, const QUuid &collection, const DB::ColorEntry &entry)
{
    QMimeData *mime = payloadMimeData(chipPayload(source, collection, entry));
    mime->setText(chipText(entry));
    mime->setColorData(QColor(entry.red, entry.green, entry.blue));
    return mime;
}

QMimeData *colorMimeData(DragSource source, const QColor &color, const QString &name1,
                         const QString &name2)
{
    QMimeData *mime = payloadMimeData(colorPayload(source, color, name1, name2));
    mime->setText(colorText(color));
    mime->setColorData(QColor(color.red(), color.green(), color.blue()));
    return mime;
}

bool hasChipPayload(const QMimeData *mime)
{
    return mime && mime->hasFormat(kMimeType);
}

int payloadSource(const QMimeData *mime)
{
    QVariantMap payload;
    if (!readPayload(mime, payload))
        return 0;
    const qint64 source = payload.value(kFromKey).toLongLong();
    return source >= CardRoller && source <= ColorVistral ? int(source) : 0;
}

int decodeChip(const QMimeData *mime, QUuid &collection, DB::ColorEntry &entry)
{
    QVariantMap payload;
    if (!readPayload(mime, payload))
        return kNoPayload;
    collection = QUuid::fromString(payload.value(kCollectionKey).toString());
    return DB::loadRowById(collection, payload.value(kColorIdKey).toLongLong(), entry);
}

int decodeColor(const QMimeData *mime, QColor &color)
{
    QVariantMap payload;
    if (!readPayload(mime, payload))
        return kNoPayload;
    const QRgb rgb = QRgb(payload.value(kRgbKey).toULongLong());
    color = QColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
    return 0;
}

bool hasPayloadColor(const QMimeData *mime)
{
    QVariantMap payload;
    return readPayload(mime, payload) && payload.contains(kRgbKey);
}

int decodeNames(const QMimeData *mime, QString &name1, QString &name2)
{
    QVariantMap payload;
    if (!readPayload(mime, payload))
        return kNoPayload;
    name1 = payload.value(kName1Key).toString();
    name2 = payload.value(kName2Key).toString();
    return 0;
}

} // namespace Corvane
