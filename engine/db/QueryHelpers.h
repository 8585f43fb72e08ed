#pragma once

#include <QSqlQuery>
#include <QString>
#include <QUuid>

namespace Corvane::DB {

// A query on the connection of the file that holds `collection`. Call ensureConnection first.
QSqlQuery collectionQuery(const QUuid &collection);

// Executes a fixed statement; on failure reports the SQL error and returns false.
bool execReported(QSqlQuery &query, const QString &statement);

// Executes a prepared statement with its bound values; on failure reports and returns false.
bool execPreparedReported(QSqlQuery &query);

} // namespace Corvane::DB
