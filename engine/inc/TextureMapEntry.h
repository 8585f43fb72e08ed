#pragma once

#include <QString>
#include <QtGlobal>

class QSqlRecord;

namespace Corvane::DB {

// A row of TEXTURE_MAP: a texture offered for a page.
struct TextureMapEntry
{
    TextureMapEntry() = default;
    explicit TextureMapEntry(const QSqlRecord &record);

    qint64 textureId = 0;
    qint64 pageId = 0;
    QString name;
    double alpha = 0.0;
};

} // namespace Corvane::DB
