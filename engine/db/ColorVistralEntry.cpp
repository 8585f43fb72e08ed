#include "ColorVistralEntry.h"

#include "RecordReader.h"

namespace Corvane::DB {

namespace {

// Applies one component; the colour becomes a valid opaque colour once any is present.
void readComponent(const QSqlRecord &record, const QString &column, QColor &color,
                   void (QColor::*setter)(int))
{
    int value = 0;
    if (!readInt(record, column, value))
        return;
    if (!color.isValid())
        color = QColor(0, 0, 0);
    (color.*setter)(qBound(0, value, 255));
}

} // namespace

ColorVistralEntry::ColorVistralEntry()
{
    id = 0;
}

ColorVistralEntry::ColorVistralEntry(const QSqlRecord &record)
{
    AbstractBase::load(record);
    readInt64(record, QStringLiteral("ROW_ID"), rowId);
    readText(record, QStringLiteral("NAME_1"), name1);
    readText(record, QStringLiteral("NAME_2"), name2);
    readComponent(record, QStringLiteral("RED"), color, &QColor::setRed);
    readComponent(record, QStringLiteral("GREEN"), color, &QColor::setGreen);
    readComponent(record, QStringLiteral("BLUE"), color, &QColor::setBlue);
    readInt(record, QStringLiteral("ORDER"), order);
}

bool ColorVistralEntry::isValid() const
{
    return id != -1;
}

} // namespace Corvane::DB
