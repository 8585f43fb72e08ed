#include "RecordReader.h"

#include <QSqlRecord>
#include <QVariant>

namespace Corvane::DB {

namespace {

constexpr int kFirstMood = 1;
constexpr int kLastMood = 6;
constexpr int kNameColumns = 10;

// The value at `index`: NULL is present but carries no value, so it reads as 0 or empty text.
QVariant valueOrZero(const QSqlRecord &record, int index)
{
    const QVariant value = record.value(index);
    return value.isNull() ? QVariant(0) : value;
}

// "NAME0".."NAME9" or "EXTRA0".."EXTRA9", built once: records are read for every chip shown.
QStringList numberedColumns(const QString &prefix)
{
    QStringList columns;
    for (int i = 0; i < kNameColumns; ++i)
        columns.append(prefix + QString::number(i));
    return columns;
}

} // namespace

bool readInt64(const QSqlRecord &record, const QString &column, qint64 &field)
{
    const int index = record.indexOf(column);
    if (index < 0)
        return false;
    const QVariant value = valueOrZero(record, index);
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (ok) {
        field = number;
        return true;
    }
    // Text such as "12.0" is a number all the same; other text gives 0.
    const double real = value.toDouble(&ok);
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
    const int index = record.indexOf(column);
    if (index < 0)
        return false;
    bool ok = false;
    const double value = valueOrZero(record, index).toDouble(&ok);
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
    static const QStringList nameColumns = numberedColumns(QStringLiteral("NAME"));
    static const QStringList extraColumns = numberedColumns(QStringLiteral("EXTRA"));
    for (int i = 0; i < kNameColumns; ++i) {
        names.append(textOrEmpty(record, nameColumns.at(i)));
        extras.append(textOrEmpty(record, extraColumns.at(i)));
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
