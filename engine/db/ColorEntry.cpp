#include "ColorEntry.h"

#include "RecordReader.h"

#include <QDebug>
#include <QSqlRecord>

namespace Corvane::DB {

ColorEntry::ColorEntry() = default;

ColorEntry::ColorEntry(const QSqlRecord &record)
{
    load(record);
}

bool ColorEntry::isValid() const
{
    return true;
}

void ColorEntry::clear()
{
    AbstractBase::clear();
    collectionId = -1;
    pageId = -1;
    rowIndex = -1;
    pageOrder = -1;
    m_code.clear();
    segment = -1;
    red = green = blue = -1;
    l = a = b = 0.0;
    isMto = neutral = white = false;
    mood = 0;
    schemePos = -1;
    nschemePos = -1;
    names.clear();
    extras.clear();
}

int ColorEntry::load(const QSqlRecord &record)
{
    AbstractBase::load(record);
    if (!readInt64(record, QStringLiteral("COLLECTION_ID"), collectionId))
        qDebug() << "Oops.";
    readInt64(record, QStringLiteral("PAGE_ID"), pageId);
    readText(record, QStringLiteral("CODE"), m_code);
    readNameColumns(record, names, extras);
    readInt(record, QStringLiteral("SEGMENT"), segment);
    readInt(record, QStringLiteral("ROW_INDEX"), rowIndex);
    readInt(record, QStringLiteral("PAGE_ORDER"), pageOrder);
    readInt(record, QStringLiteral("RED"), red);
    readInt(record, QStringLiteral("GREEN"), green);
    readInt(record, QStringLiteral("BLUE"), blue);
    readDouble(record, QStringLiteral("L"), l);
    readDouble(record, QStringLiteral("A"), a);
    readDouble(record, QStringLiteral("B"), b);
    readFlag(record, QStringLiteral("IS_MTO"), isMto);
    readFlag(record, QStringLiteral("NEUTRAL"), neutral);
    readFlag(record, QStringLiteral("WHITE"), white);
    mood = readMood(record);
    readInt(record, QStringLiteral("SCHEME_POS"), schemePos);
    readInt(record, QStringLiteral("NSCHEME_POS"), nschemePos);
    return 0;
}

QColor ColorEntry::color() const
{
    // QColor rejects components outside 0..255, which keeps an unread chip invalid.
    return QColor(red, green, blue);
}

QString ColorEntry::name(int i) const
{
    return listElement(names, i);
}

QString ColorEntry::extra(int i) const
{
    return listElement(extras, i);
}

bool rowIndexLess(const ColorEntry &left, const ColorEntry &right)
{
    return left.rowIndex < right.rowIndex;
}

} // namespace Corvane::DB
