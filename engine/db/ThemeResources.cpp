#include "ThemeResources.h"

#include "CollectionRegistry.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QCache>
#include <QFile>
#include <QPainter>
#include <QStringList>
#include <QVariant>

#include <optional>

#include <sys/stat.h>

namespace Corvane::DB {

namespace {

// Keys are bound rather than written into the statement, so any key reads as itself.
const QString kLocaleStatement
    = QStringLiteral("SELECT L.STRING FROM LOCALE L WHERE L.COLLECTION_ID = %1 AND       L.KEY = "
                     ":KEY COLLATE NOCASE");
const QString kThemeStatement
    = QStringLiteral("SELECT T.ITEM_DATA FROM THEME T WHERE T.COLLECTION_ID = %1 AND        "
                     "T.ITEM_KEY = :KEY COLLATE NOCASE");
const QString kKeyParameter = QStringLiteral(":KEY");

constexpr int kOpaque = 255;
// Decoded theme images kept, in KiB: the backgrounds and banners of a few collections.
constexpr int kImageCacheKiB = 64 * 1024;
constexpr int kBytesPerKiB = 1024;
constexpr int kMinimumColorParts = 3;
constexpr int kMaximumColorParts = 4;

// The first value that `statement` yields for `key`, or an invalid value.
QVariant firstValueForKey(const QUuid &collection, const QString &statement, const QString &key)
{
    QSqlQuery query = collectionQuery(collection);
    query.prepare(statement.arg(collectionDbId(collection)));
    query.bindValue(kKeyParameter, key);
    if (!execPreparedReported(query) || !query.next())
        return QVariant();
    return query.value(0);
}

// A white image with a red outline one pixel inside its border, marking a missing image.
QImage placeholderImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(255, 0, 0), 0));
    painter.setBrush(Qt::NoBrush);
    // An aliased outline covers the rectangle's size plus one pixel to the right and below.
    painter.drawRect(QRect(QPoint(1, 1), QPoint(size.width() - 3, size.height() - 3)));
    return image;
}

// Names one theme item in one state of its file: a rewritten file gives new names, so an
// image cached from it is never handed out after the file changed.
QString imageCacheKey(const QUuid &collection, const QString &key)
{
    const QString fileName = collectionRegistry().value(collection).fileName;
    struct stat file
    {
    };
    ::stat(QFile::encodeName(fileName).constData(), &file);
    return QStringLiteral("%1|%2.%3|%4|%5|%6|%7")
        .arg(fileName)
        .arg(qint64(file.st_mtim.tv_sec))
        .arg(qint64(file.st_mtim.tv_nsec))
        .arg(qint64(file.st_size))
        .arg(qint64(file.st_ino))
        .arg(collectionDbId(collection))
        .arg(key.toLower());
}

// Decoding the large theme images is the slowest part of painting a collection, and every
// page that continues the main background asks for the same image.
QImage decodedThemeImage(const QUuid &collection, const QString &key)
{
    static QCache<QString, QImage> cache(kImageCacheKiB);
    if (ensureConnection(collection) < 0)
        return QImage();
    const QString cacheKey = imageCacheKey(collection, key);
    if (const QImage *cached = cache.object(cacheKey))
        return *cached;
    QByteArray data;
    if (themeData(collection, key, data) != StatusOk)
        return QImage();
    auto *image = new QImage(QImage::fromData(data));
    const QImage decoded = *image;
    cache.insert(cacheKey, image, std::max<qsizetype>(1, image->sizeInBytes() / kBytesPerKiB));
    return decoded;
}

std::optional<int> colorComponent(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 0 || value > kOpaque)
        return std::nullopt;
    return value;
}

} // namespace

QString localeString(const QUuid &collection, const QString &key)
{
    if (ensureConnection(collection) < 0)
        return key;
    const QVariant value = firstValueForKey(collection, kLocaleStatement, key);
    return value.typeId() == QMetaType::QString ? value.toString() : key;
}

int themeData(const QUuid &collection, const QString &key, QByteArray &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    // Only a blob counts: an item stored as text is treated as missing.
    const QVariant value = firstValueForKey(collection, kThemeStatement, key);
    if (value.typeId() != QMetaType::QByteArray)
        return StatusFailed;
    out.append(value.toByteArray());
    return StatusOk;
}

QImage themeImage(const QUuid &collection, const QString &key, const QSize &placeholderSize)
{
    const QImage image = decodedThemeImage(collection, key);
    if (!image.isNull())
        return image;
    if (placeholderSize.width() <= 0 || placeholderSize.height() <= 0)
        return QImage();
    return placeholderImage(placeholderSize);
}

QImage systemThemeImage(const QString &key, const QSize &placeholderSize)
{
    return themeImage(systemWideCollectionUuid(), key, placeholderSize);
}

QColor themeColor(const QUuid &collection, const QString &key, const QColor &defaultColor)
{
    QByteArray data;
    if (themeData(collection, key, data) != StatusOk)
        return defaultColor;
    const QStringList parts = QString::fromLatin1(data).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.size() < kMinimumColorParts || parts.size() > kMaximumColorParts)
        return defaultColor;
    std::optional<int> components[kMaximumColorParts]
        = {std::nullopt, std::nullopt, std::nullopt, kOpaque};
    for (int i = 0; i < parts.size(); ++i) {
        components[i] = colorComponent(parts.at(i));
        if (!components[i])
            return defaultColor;
    }
    return QColor(*components[0], *components[1], *components[2], *components[3]);
}

QColor systemThemeColor(const QString &key, const QColor &defaultColor)
{
    return themeColor(systemWideCollectionUuid(), key, defaultColor);
}

} // namespace Corvane::DB
