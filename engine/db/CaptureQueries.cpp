#include "CaptureQueries.h"

#include "CardQueries.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QHash>
#include <QSqlRecord>

namespace Corvane::DB {

namespace {

const QString kCaptureIdsStatement
    = QStringLiteral("SELECT     * FROM     CAPSURE_COLLECTION_IDS_BY_PRIORITY ");
// The name is bound, never written into the statement: a capture file is outside text.
const QString kCaptureMatchStatement = QStringLiteral(
    "SELECT     R.*,     CMAP.COLLECTION_ID FROM     ROW R     JOIN PAGE P ON R.PAGE_ID = "
    "P.ID     JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID     INNER JOIN "
    "CAPSURE_COLLECTION_IDS_BY_PRIORITY T1 ON CMAP.COLLECTION_ID = T1.COLLECTION_ID WHERE     "
    "UPPER(:NAME) IN (%1) ORDER BY     T1.PRIORITY ASC");
const QString kNameParameter = QStringLiteral(":NAME");
const QString kNameColumn = QStringLiteral("UPPER(R.NAME%1)");
const QString kCodeColumn = QStringLiteral("UPPER(R.CODE)");
constexpr qint64 kLastNameColumn = 9;

// The searched name columns of the collection on show, then the code.
QString matchedColumns()
{
    QStringList columns;
    for (qint64 column : rowNameSearchOrder()) {
        if (column >= 0 && column <= kLastNameColumn)
            columns.append(kNameColumn.arg(column));
    }
    columns.append(kCodeColumn);
    return columns.join(QStringLiteral(", "));
}

bool containsRow(const QVector<ColorEntry> &entries, qint64 id)
{
    for (const ColorEntry &entry : entries) {
        if (entry.id == id)
            return true;
    }
    return false;
}

} // namespace

int loadCaptureCollectionIds(QVector<qint64> &out)
{
    out.clear();
    const QUuid systemWide = systemWideCollectionUuid();
    const int status = ensureConnection(systemWide);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(systemWide);
    if (!execReported(query, kCaptureIdsStatement))
        return StatusFailed;
    while (query.next())
        out.append(query.value(0).toLongLong());
    return StatusOk;
}

int findCaptureMatches(const QString &name, QVector<ColorEntry> &out)
{
    out.clear();
    const QUuid systemWide = systemWideCollectionUuid();
    const int status = ensureConnection(systemWide);
    if (status < 0)
        return status;
    // Unused name columns hold empty text: a blank name would match every chip.
    if (name.trimmed().isEmpty())
        return StatusOk;
    QSqlQuery query = collectionQuery(systemWide);
    if (!query.prepare(kCaptureMatchStatement.arg(matchedColumns()))) {
        reportSqlError(query);
        return StatusFailed;
    }
    query.bindValue(kNameParameter, name);
    if (!execPreparedReported(query))
        return StatusFailed;
    while (query.next()) {
        const QSqlRecord record = query.record();
        ColorEntry entry;
        entry.load(record);
        // ROW has a COLLECTION_ID of its own; the capture collection is the last column, a
        // page shared by two collections is found through each of them.
        entry.collectionId = query.value(record.count() - 1).toLongLong();
        out.append(entry);
    }
    return StatusOk;
}

int collectCaptureMatches(const QStringList &names, QVector<ColorEntry> &out, QVector<bool> *found)
{
    out.clear();
    if (found)
        found->fill(false, names.size());
    QVector<qint64> collectionIds;
    const int status = loadCaptureCollectionIds(collectionIds);
    if (status != StatusOk)
        return status;
    QHash<qint64, QVector<ColorEntry>> perCollection;
    for (int index = 0; index < names.size(); ++index) {
        QVector<ColorEntry> chips;
        if (findCaptureMatches(names.at(index), chips) != StatusOk)
            continue;
        if (found)
            (*found)[index] = !chips.isEmpty();
        for (const ColorEntry &entry : chips) {
            QVector<ColorEntry> &list = perCollection[entry.collectionId];
            if (!containsRow(list, entry.id))
                list.append(entry);
        }
    }
    for (qint64 id : collectionIds)
        out += perCollection.value(id);
    return StatusOk;
}

int loadCaptureLabEntries(QVector<CaptureLabEntries> &out)
{
    out.clear();
    QVector<qint64> collectionIds;
    const int status = loadCaptureCollectionIds(collectionIds);
    if (status != StatusOk)
        return status;
    for (qint64 id : collectionIds) {
        CaptureLabEntries collection;
        collection.collectionId = id;
        if (loadLabEntries(collectionUuidForDbId(id), collection.entries) == StatusOk
            && !collection.entries.isEmpty())
            out.append(collection);
    }
    return StatusOk;
}

int findNearestCaptureChip(const QVector<CaptureLabEntries> &candidates, const LabEntry &reference,
                           ColorEntry &out, double &deltaE)
{
    out = ColorEntry();
    deltaE = 0.0;
    const CaptureLabEntries *bestCollection = nullptr;
    NearestMatch best;
    for (const CaptureLabEntries &collection : candidates) {
        QVector<NearestMatch> nearest;
        findNearestColors(reference, collection.entries, nearest, 1);
        // Strictly nearer only: a tie stays with the collection of higher priority.
        if (!nearest.isEmpty() && (!bestCollection || nearest.first().deltaE < best.deltaE)) {
            best = nearest.first();
            bestCollection = &collection;
        }
    }
    if (!bestCollection
        || loadRowById(collectionUuidForDbId(bestCollection->collectionId), best.rowId, out)
            != StatusOk)
        return StatusFailed;
    out.collectionId = bestCollection->collectionId;
    deltaE = best.deltaE;
    return StatusOk;
}

} // namespace Corvane::DB
