#pragma once

#include <QString>
#include <QUuid>
#include <QVariant>

struct sqlite3_stmt;

namespace Corvane::DB {

// A statement run straight on SQLite through the handle of a collection's connection, for
// reads of every chip where the toolkit's per-row result cache costs most of the time.
// Values come back as the toolkit's driver would give them, so the usual reading rule
// (int64OrZero, doubleOrZero) applies unchanged. Call ensureConnection first.
class SqliteStatement
{
public:
    SqliteStatement(const QUuid &collection, const QString &statement);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // False when the statement did not prepare; the SQL error was reported.
    bool isValid() const { return m_statement != nullptr; }
    // Steps to the next row; false at the end or on an error, which is reported.
    bool next();
    // The column of the current row: integer, real, text, bytes or an invalid value for NULL.
    QVariant value(int column) const;

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace Corvane::DB
