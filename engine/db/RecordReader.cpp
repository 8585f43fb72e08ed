#include "RecordReader.h"

#include <QSqlRecord>
#include <QVariant>

namespace Corvane::DB {

namespace {

constexpr int kFirstMood = 1;
constexpr int kLastMood = 6;
constexpr int kNameColumns = 10;

// The column's value, or an invalid variant when the record lacks the column.
QVariant columnValue(const QSqlRecord &record, const QString &column)
{
    const int index = record.indexOf(column);
    if (index < 0)
        return QVariant();
    const QVariant value = record.value(index);
    // NULL is present but carries no value: it reads as 0 or empty text.
    return value.isNull() ? QVariant(0) : value;
}

} // namespace

bool readInt64(const QSqlRecord &record, const QString &column, qint64 &field)
{
    if (record.indexOf(column) < 0)
        return false;
    bool ok = false;
    const qint64 value = columnValue(record, column).toLongLong(&ok);
    if (ok) {
        field = value;
        return true;
    }
    // Text such as "12.0" is a number all the same; other text gives 0.
    const double real = columnValue(record, column).toDouble(&ok);
    field = ok ? static_cast<qint64>(real) : 0;
    return true;
}

bool readInt(const QSqlRecord &record, const QString &column, int &field)
{
    qint64 value = 0;
    if (!readInt64(record, column, value))
        return false;
    field = static_cast<int>(value);
    return true;
}

bool readDouble(const QSqlRecord &record, const QString &column, double &field)
{
    if (record.indexOf(column) < 0)
        return false;
    bool ok = false;
    const double value = columnValue(record, column).toDouble(&ok);
    field = ok ? value : 0.0;
    return true;
}

bool readFlag(const QSqlRecord &record, const QString &column, bool &field)
{
    qint64 value = 0;
    if (!readInt64(record, column, value))
        return false;
    field = value != 0;
    return true;
}

bool readText(const QSqlRecord &record, const QString &column, QString &field)
{
    const int index = record.indexOf(column);
    if (index < 0)
        return false;
    field = record.value(index).toString();
    return true;
}

QString textOrEmpty(const QSqlRecord &record, const QString &column)
{
    QString text;
    readText(record, column, text);
    return text;
}

int readMood(const QSqlRecord &record)
{
    int mood = 0;
    readInt(record, QStringLiteral("MOOD"), mood);
    return (mood >= kFirstMood && mood <= kLastMood) ? mood : 0;
}

void readNameColumns(const QSqlRecord &record, QStringList &names, QStringList &extras)
{
    for (int i = 0; i < kNameColumns; ++i) {
        names.append(textOrEmpty(record, QStringLiteral("NAME%1").arg(i)));
        extras.append(textOrEmpty(record, QStringLiteral("EXTRA%1").arg(i)));
    }
}

qint64 int64OrZero(const QVariant &value)
{
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    return ok ? number : 0;
}

double doubleOrZero(const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0.0;
}

QString listElement(const QStringList &list, int i)
{
    return (i >= 0 && i < list.size()) ? list.at(i) : QString();
}

} // namespace Corvane::DB
