#include "AbstractBase.h"

#include "RecordReader.h"

namespace Corvane::DB {

AbstractBase::~AbstractBase() = default;

void AbstractBase::clear()
{
    id = -1;
}

int AbstractBase::load(const QSqlRecord &record)
{
    clear();
    readInt64(record, QStringLiteral("ID"), id);
    return 0;
}

} // namespace Corvane::DB
