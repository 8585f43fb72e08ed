#pragma once

#include <QtGlobal>

class QSqlRecord;

namespace Corvane::DB {

// Base of every record read from a collection database; fields are read by column name.
class AbstractBase
{
public:
    virtual ~AbstractBase();

    virtual bool isValid() const = 0;
    virtual void clear();
    virtual int load(const QSqlRecord &record);

    qint64 id = -1;

protected:
    AbstractBase() = default;
    AbstractBase(const AbstractBase &) = default;
    AbstractBase &operator=(const AbstractBase &) = default;
};

} // namespace Corvane::DB
