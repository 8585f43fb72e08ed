#pragma once

#include "AbstractBase.h"

#include <QString>
#include <QUuid>

namespace Corvane::DB {

// A row of the COLLECTION table; handed out through a QSharedPointer.
class Collection : public AbstractBase
{
public:
    explicit Collection(const QSqlRecord &record);
    Collection(const Collection &) = delete;
    Collection &operator=(const Collection &) = delete;

    bool isValid() const override;
    QString name() const { return m_name; }

    QString systemId;
    qint64 version = 0;
    QUuid uuid;
    int order = 0;

private:
    QString m_name;
};

} // namespace Corvane::DB
