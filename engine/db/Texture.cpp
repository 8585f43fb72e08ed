#include "Texture.h"

#include "RecordReader.h"

#include <QDebug>
#include <QSqlRecord>
#include <QVariant>

namespace Corvane::DB {

Texture::Texture(const QSqlRecord &record)
{
    AbstractBase::load(record);
    if (!readInt64(record, QStringLiteral("COLLECTION_ID"), collectionId))
        qDebug() << "Oops.";
    readText(record, QStringLiteral("NAME"), m_name);
    readDouble(record, QStringLiteral("BASE_ALPHA"), baseAlpha);
    const QByteArray bytes = record.value(QStringLiteral("IMAGE")).toByteArray();
    if (!bytes.isEmpty())
        image = QImage::fromData(bytes);
}

bool Texture::isValid() const
{
    return id != -1;
}

} // namespace Corvane::DB
