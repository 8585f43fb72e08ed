#include "ThemeResources.h"

#include "StatusCodes.h"

namespace Corvane::DB {

QString localeString(const QUuid &, const QString &key)
{
    return key;
}
int themeData(const QUuid &, const QString &, QByteArray &out)
{
    out.clear();
    return StatusFailed;
}
QImage themeImage(const QUuid &, const QString &, const QSize &)
{
    return QImage();
}
QImage systemThemeImage(const QString &, const QSize &)
{
    return QImage();
}
QColor themeColor(const QUuid &, const QString &, const QColor &defaultColor)
{
    return defaultColor;
}
QColor systemThemeColor(const QString &, const QColor &defaultColor)
{
    return defaultColor;
}

} // namespace Corvane::DB
