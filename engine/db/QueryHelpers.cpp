#include "QueryHelpers.h"

#include "CollectionRegistry.h"

namespace Corvane::DB {

QSqlQuery collectionQuery(const QUuid &collection)
{
    QSqlQuery query(connectionFor(collection));
    // Every statement reads forwards once; this keeps SQLite from caching whole results.
    query.setForwardOnly(true);
    return query;
}

bool execReported(QSqlQuery &query, const QString &statement)
{
    if (query.exec(statement))
        return true;
    reportSqlError(query);
    return false;
}

bool execPreparedReported(QSqlQuery &query)
{
    if (query.exec())
        return true;
    reportSqlError(query);
    return false;
}

} // namespace Corvane::DB
