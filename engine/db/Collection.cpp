#include "Collection.h"

#include "RecordReader.h"

namespace Corvane::DB {

Collection::Collection(const QSqlRecord &record)
{
    AbstractBase::load(record);
    readText(record, QStringLiteral("SYSTEMID"), systemId);
    readInt64(record, QStringLiteral("VERSION"), version);
    const QUuid parsed(textOrEmpty(record, QStringLiteral("UUID")));
    if (!parsed.isNull())
        uuid = parsed;
    readText(record, QStringLiteral("NAME"), m_name);
    readInt(record, QStringLiteral("ORDER"), order);
}

bool Collection::isValid() const
{
    return true;
}

} // namespace Corvane::DB
