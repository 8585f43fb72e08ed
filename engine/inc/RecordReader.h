#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QSqlRecord;
class QVariant;

namespace Corvane::DB {

// The reading rule shared by every record: a field is assigned only when its column is
// present in the record; a present value converts to the field's type, NULL and text that
// is no number giving 0 (or empty text). Each reader leaves `field` alone and returns
// false when the column is missing.
bool readInt64(const QSqlRecord &record, const QString &column, qint64 &field);
bool readInt(const QSqlRecord &record, const QString &column, int &field);
bool readDouble(const QSqlRecord &record, const QString &column, double &field);
bool readFlag(const QSqlRecord &record, const QString &column, bool &field);
bool readText(const QSqlRecord &record, const QString &column, QString &field);

// The column as text, or an empty string when it is missing.
QString textOrEmpty(const QSqlRecord &record, const QString &column);

// "MOOD" as a mood number 1 to 6; anything else leaves 0.
int readMood(const QSqlRecord &record);

// Appends the ten columns NAME0..NAME9 to `names` and EXTRA0..EXTRA9 to `extras`, an
// empty string standing for a missing column, so that both lists hold ten entries.
void readNameColumns(const QSqlRecord &record, QStringList &names, QStringList &extras);

// A value read by the same rule: the number, or 0 when it does not convert.
qint64 int64OrZero(const QVariant &value);
double doubleOrZero(const QVariant &value);

// `list[i]`, or an empty string when i is outside the list.
QString listElement(const QStringList &list, int i);

} // namespace Corvane::DB
