#pragma once

#include <QString>
#include <QUuid>

namespace Corvane::DB {

class ColorEntry;

// The persistent identity of one chip. A row id that is not positive means no chip.
struct ItemIndex
{
    ItemIndex() = default;
    ItemIndex(const QUuid &collection, qint64 pageId, qint64 rowId);
    ItemIndex(const QUuid &collection, const ColorEntry &entry);

    // "ItemIndex({uuid},pageId,rowId)"
    QString toText() const;
    static ItemIndex fromText(const QString &text);

    bool operator==(const ItemIndex &other) const;
    bool operator!=(const ItemIndex &other) const { return !(*this == other); }

    QUuid collection;
    qint64 pageId = -1;
    qint64 rowId = -1;
};

} // namespace Corvane::DB
