#include "TextureMapEntry.h"

#include "RecordReader.h"

namespace Corvane::DB {

TextureMapEntry::TextureMapEntry(const QSqlRecord &record)
{
    readInt64(record, QStringLiteral("TEXTURE_ID"), textureId);
    readInt64(record, QStringLiteral("PAGE_ID"), pageId);
    readText(record, QStringLiteral("NAME"), name);
    readDouble(record, QStringLiteral("ALPHA"), alpha);
}

} // namespace Corvane::DB
