#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QUuid>

namespace Corvane::DB {

// Localised texts (LOCALE table) and theme resources (THEME table) of a collection. Keys
// are compared ignoring case. Decoded images are cached for as long as their file is unchanged;
// nothing else is cached.

// The text stored for `key`, or the key itself when there is none.
QString localeString(const QUuid &collection, const QString &key);

// 0 with the item's bytes in `out`; -1 when the item is missing or not stored as a blob;
// or the negative code of ensureConnection.
int themeData(const QUuid &collection, const QString &key, QByteArray &out);

// The decoded image; when missing, a white placeholder of `placeholderSize` with a red
// outline one pixel inside its border, or a null image when that size is empty.
QImage themeImage(const QUuid &collection, const QString &key, const QSize &placeholderSize);
QImage systemThemeImage(const QString &key, const QSize &placeholderSize);

// The colour stored as "red,green,blue[,alpha]" in decimal, or `defaultColor` when it is
// missing or malformed.
QColor themeColor(const QUuid &collection, const QString &key, const QColor &defaultColor);
QColor systemThemeColor(const QString &key, const QColor &defaultColor);

} // namespace Corvane::DB
