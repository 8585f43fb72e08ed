#include "ItemIndex.h"

#include "ColorEntry.h"

#include <QStringList>

namespace Corvane::DB {

namespace {

const QString kPrefix = QStringLiteral("ItemIndex(");
const QString kSuffix = QStringLiteral(")");
// The prefix plus the uuid's opening brace.
constexpr int kBodyStart = 11;
constexpr int kPartCount = 3;

} // namespace

ItemIndex::ItemIndex(const QUuid &collection, qint64 pageId, qint64 rowId)
    : collection(collection), pageId(pageId), rowId(rowId)
{ }

ItemIndex::ItemIndex(const QUuid &collection, const ColorEntry &entry)
    : ItemIndex(collection, entry.pageId, entry.id)
{ }

QString ItemIndex::toText() const
{
    return QStringLiteral("ItemIndex(%1,%2,%3)").arg(collection.toString()).arg(pageId).arg(rowId);
}

ItemIndex ItemIndex::fromText(const QString &text)
{
    if (!text.startsWith(kPrefix) || !text.endsWith(kSuffix) || text.size() < kBodyStart + 1)
        return ItemIndex();
    const QString body = text.mid(kBodyStart, text.size() - kBodyStart - 1);
    const QStringList parts = body.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.size() != kPartCount)
        return ItemIndex();
    // The uuid part keeps its closing brace, which the uuid parser accepts.
    return ItemIndex(QUuid::fromString(parts.at(0)), parts.at(1).toLongLong(),
                     parts.at(2).toLongLong());
}

bool ItemIndex::operator==(const ItemIndex &other) const
{
    return collection == other.collection && pageId == other.pageId && rowId == other.rowId;
}

} // namespace Corvane::DB
