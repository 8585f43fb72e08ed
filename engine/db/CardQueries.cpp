#include "CardQueries.h"

#include "CollectionRegistry.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QSqlRecord>
#include <QVariant>

namespace Corvane::DB {

namespace {

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

const QString kLabEntriesStatement = QStringLiteral(
    "SELECT R.ID,R.RED,R.GREEN,R.BLUE,R.L,R.A,R.B  FROM \"ROW\" R       JOIN PAGE P ON R.PAGE_ID "
    "= P.ID       JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID  WHERE "
    "CMAP.COLLECTION_ID = %1 ");

} // namespace

int loadLabEntries(const QUuid &collection, QVector<LabEntry> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!execReported(query, kLabEntriesStatement.arg(collectionDbId(collection))))
        return StatusOk;
    while (query.next()) {
        LabEntry entry;
        entry.l = doubleOrZero(query.value(4));
        entry.a = doubleOrZero(query.value(5));
        entry.b = doubleOrZero(query.value(6));
        entry.rowId = int64OrZero(query.value(0));
        out.append(entry);
    }
    return StatusOk;
}

QString segmentQueryText(const QUuid &, const QString &, int, bool)
{
    return QString();
}
QString pageQueryText(const QUuid &, const QString &, bool, int, bool)
{
    return QString();
}
int findSegmentWithPages(const QUuid &, int segment, int, bool, int &outSegment)
{
    outSegment = segment;
    return StatusFailed;
}
int findFirstPageIndexInSegment(const QUuid &, int, int, bool, int &outPageIndex)
{
    outPageIndex = -1;
    return StatusFailed;
}
int loadFirstPageInSegment(const QUuid &, int, int, bool, ColorPage &)
{
    return StatusFailed;
}
int loadNeighbourPage(const QUuid &, int, bool, int, bool, ColorPage &)
{
    return StatusFailed;
}
int loadPageByIndex(const QUuid &, int, ColorPage &)
{
    return StatusFailed;
}
int loadPageById(const QUuid &, qint64, bool, ColorPage &)
{
    return StatusFailed;
}
int loadRowById(const QUuid &, qint64, ColorEntry &out)
{
    out.clear();
    return StatusFailed;
}
int loadRowNearRgb(const QUuid &, const QColor &, ColorEntry &out)
{
    out.clear();
    return StatusFailed;
}
int loadRowAt(const QUuid &, int, int, ColorEntry &out)
{
    out.clear();
    return StatusFailed;
}
bool hasExteriorPageWithMood(const QUuid &, int)
{
    return true;
}
int loadSegments(const QUuid &, QVector<int> &out)
{
    out.clear();
    return StatusFailed;
}
int findRowByRgbInEnabledCollections(const QColor &, ColorEntry &out)
{
    out.clear();
    return StatusFailed;
}
int findRowByCodeInEnabledCollections(const QString &, ColorEntry &out)
{
    out.clear();
    return StatusFailed;
}

} // namespace Corvane::DB
