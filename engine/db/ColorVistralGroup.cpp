#include "ColorVistralGroup.h"

#include "RecordReader.h"

namespace Corvane::DB {

ColorVistralGroup::ColorVistralGroup(const QSqlRecord &record)
{
    AbstractBase::load(record);
    readText(record, QStringLiteral("NAME"), name);
    readFlag(record, QStringLiteral("DEFAULT_OPEN"), defaultOpen);
    readInt(record, QStringLiteral("ORDER"), order);
}

bool ColorVistralGroup::isValid() const
{
    return id != -1;
}

} // namespace Corvane::DB
