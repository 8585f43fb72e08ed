#include "SqliteStatement.h"

#include "CollectionRegistry.h"

#include <QByteArray>
#include <QDebug>
#include <QSqlDriver>

#include <sqlite3.h>

namespace Corvane::DB {

namespace {

// The SQLite handle behind the connection, or null when the driver is not SQLite's.
sqlite3 *sqliteHandle(const QSqlDatabase &database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

// "number : text" of the handle's last error on the debug output, as for the toolkit's queries.
void reportError(sqlite3 *handle)
{
    qDebug().noquote() << QString::number(sqlite3_errcode(handle)) + QStringLiteral(" : ")
            + QString::fromUtf8(sqlite3_errmsg(handle));
}

} // namespace

SqliteStatement::SqliteStatement(const QUuid &collection, const QString &statement)
{
    sqlite3 *handle = sqliteHandle(connectionFor(collection));
    if (!handle)
        return;
    const QByteArray text = statement.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &m_statement, nullptr)
        != SQLITE_OK) {
        reportError(handle);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::next()
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        reportError(sqlite3_db_handle(m_statement));
    return false;
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
            sqlite3_column_bytes(m_statement, column)));
    case SQLITE_BLOB:
        return QVariant(
            QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                       sqlite3_column_bytes(m_statement, column)));
    default:
        return QVariant();
    }
}

} // namespace Corvane::DB
