#include "CardQueries.h"

#include "CollectionRegistry.h"
#include "Enums.h"
#include "QueryHelpers.h"
#include "RecordReader.h"
#include "SqliteStatement.h"
#include "StatusCodes.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace Corvane::DB {

namespace {

const QString kLabEntriesStatement = QStringLiteral(
    "SELECT R.ID,R.RED,R.GREEN,R.BLUE,R.L,R.A,R.B  FROM \"ROW\" R       JOIN PAGE P ON R.PAGE_ID "
    "= P.ID       JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID  WHERE "
    "CMAP.COLLECTION_ID = %1 ");

// Pieces of the filtered page statements; each is filled before they are joined.
const QString kSegmentSelect = QStringLiteral(" SELECT %1 ");
const QString kSegmentFrom
    = QStringLiteral(" FROM PAGE P       LEFT JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = "
                     "CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID = %1 AND ");
const QString kSegmentComparison = QStringLiteral(" P.SEGMENT %1 %2 ");
const QString kSegmentOrder = QStringLiteral(" ORDER BY P.SEGMENT ASC, P.PAGE_INDEX ASC LIMIT 1 ");
const QString kPageFrom
    = QStringLiteral(" FROM PAGE P       LEFT JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = "
                     "CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID = %1 ");
const QString kPageComparison = QStringLiteral(" AND P.PAGE_INDEX %1 %2 ");
const QString kPageOrderBackward = QStringLiteral(" ORDER BY P.PAGE_INDEX DESC LIMIT 1 ");
const QString kPageOrderForward = QStringLiteral(" ORDER BY P.PAGE_INDEX ASC LIMIT 1 ");
const QString kAllMoodsClause = QStringLiteral(" AND P.MOOD != %1 AND P.MOOD != %2 ");
const QString kMoodClause = QStringLiteral(" AND P.MOOD = %1 ");
const QString kExteriorClause = QStringLiteral(" AND P.EXTERIOR = 1 ");

const QString kRowsOfPageStatement
    = QStringLiteral("SELECT * FROM \"ROW\" R  WHERE        R.PAGE_ID = %1 ");
const QString kNeighbourRowsStatement = QStringLiteral(
    "SELECT     R.*,     %1 AS COLLECTION_ID FROM     \"ROW\" R WHERE        R.PAGE_ID = %2 ");
const QString kPageByIndexStatement = QStringLiteral(
    "SELECT * FROM     PAGE P     LEFT JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID "
    "WHERE     CMAP.COLLECTION_ID = %1 AND P.PAGE_INDEX = %2 ");
const QString kPageByIndexRowsStatement = QStringLiteral(
    "SELECT     R.*,     %1 AS COLLECTION_ID FROM     \"ROW\" R WHERE     R.PAGE_ID = %2 ");
const QString kPageByIdStatement
    = QStringLiteral(" SELECT *  FROM PAGE P       JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = "
                     "CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID = %1        AND P.ID = %2 ");
const QString kPageByIdRowsStatement = QStringLiteral(
    "SELECT * FROM \"ROW\" R  JOIN PAGE P ON R.PAGE_ID = P.ID  JOIN COLLECTION_PAGE_MAP CMAP ON "
    "P.ID = CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID = %1 AND        R.PAGE_ID = %2 ");

const QString kRowByIdStatement = QStringLiteral(
    "SELECT    R.*,    %1 AS COLLECTION_ID FROM    \"ROW\" R WHERE     R.ID = %2 ");
const QString kRowNearRgbStatement = QStringLiteral(
    "SELECT * FROM \"ROW\" R      JOIN PAGE P ON R.PAGE_ID = P.ID      JOIN COLLECTION_PAGE_MAP "
    "CMAP ON P.ID = CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID = %1 AND        ABS(RED - %2) <= 2 "
    "AND        ABS(GREEN - %3) <= 2 AND        ABS(BLUE - %4) <= 2 ");
const QString kRowAtStatement = QStringLiteral(
    "SELECT *  FROM \"ROW\" R       JOIN PAGE P ON R.PAGE_ID = P.ID       JOIN "
    "COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID = %1 AND        "
    "P.PAGE_INDEX = %2 AND        R.ROW_INDEX = %3 ");

const QString kExteriorMoodCountStatement = QStringLiteral(
    " SELECT COUNT(*)  FROM PAGE P       JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID  "
    "WHERE CMAP.COLLECTION_ID = %1 AND        P.EXTERIOR = 1 AND        P.MOOD = %2 ");
const QString kSegmentsStatement = QStringLiteral(
    "SELECT DISTINCT     P.SEGMENT FROM     PAGE P     LEFT JOIN COLLECTION_PAGE_MAP CMAP ON "
    "P.ID = CMAP.PAGE_ID WHERE     CMAP.COLLECTION_ID = %1 ");

const QString kEnabledRowsStatement = QStringLiteral(
    "SELECT * FROM \"ROW\" R      JOIN PAGE P ON R.PAGE_ID = P.ID      JOIN COLLECTION_PAGE_MAP "
    "CMAP ON P.ID = CMAP.PAGE_ID  WHERE CMAP.COLLECTION_ID IN (SELECT     C.ID FROM     "
    "COLLECTION C     JOIN SETTING S ON S.COLLECTION_ID = C.ID WHERE     S.NAME = "
    "'collection.enabled' COLLATE NOCASE AND     S.VALUE != 0 ORDER BY     C.\"ORDER\" ASC)");
const QString kByRgbCondition
    = QStringLiteral("    AND RED = %1     AND GREEN = %2     AND BLUE = %3 ");
// The code is bound, never written into the statement: codes may hold quotes.
const QString kByCodeCondition = QStringLiteral("    AND R.CODE = :CODE COLLATE NOCASE");
const QString kCodeParameter = QStringLiteral(":CODE");

const QString kGreaterOrEqual = QStringLiteral(">=");
const QString kLess = QStringLiteral("<");
const QString kGreater = QStringLiteral(">");

QString moodClause(int mood)
{
    if (mood == MoodAll)
        return kAllMoodsClause.arg(int(MoodOffwhite)).arg(int(MoodNeutral));
    return kMoodClause.arg(mood);
}

QString exteriorClause(bool exterior)
{
    return exterior ? kExteriorClause : QString();
}

// The first row of a fixed statement, or nothing when it fails or yields no row.
std::optional<QSqlRecord> firstRecord(const QUuid &collection, const QString &statement)
{
    QSqlQuery query = collectionQuery(collection);
    if (!query.exec(statement) || !query.next())
        return std::nullopt;
    return query.record();
}

// The first row of a page statement whose two open placeholders take `comparison` and
// `number`.
std::optional<QSqlRecord> firstRecordWith(const QUuid &collection, const QString &statement,
                                          const QString &comparison, int number)
{
    return firstRecord(collection, statement.arg(comparison, QString::number(number)));
}

// Every row of `statement` as a chip, sorted by position on the card.
std::vector<ColorEntry> loadRows(const QUuid &collection, const QString &statement)
{
    std::vector<ColorEntry> rows;
    QSqlQuery query = collectionQuery(collection);
    if (query.exec(statement)) {
        while (query.next())
            rows.emplace_back(query.record());
    }
    std::sort(rows.begin(), rows.end(), rowIndexLess);
    return rows;
}

// The first page at or after `segment` in (segment, page index) order, else the first one.
std::optional<QSqlRecord> firstPageFromSegment(const QUuid &collection, const QString &selectList,
                                               int segment, int mood, bool exterior)
{
    const QString statement = segmentQueryText(collection, selectList, mood, exterior);
    std::optional<QSqlRecord> record
        = firstRecordWith(collection, statement, kGreaterOrEqual, segment);
    if (!record)
        record = firstRecordWith(collection, statement, kLess, segment);
    return record;
}

// Loads the first row of `statement` into `out`: 0, or -1 without a row.
int loadFirstRow(const QUuid &collection, const QString &statement, ColorEntry &out)
{
    const std::optional<QSqlRecord> record = firstRecord(collection, statement);
    if (!record)
        return StatusFailed;
    out.load(*record);
    return StatusOk;
}

// The first row of a lookup across the enabled collections of the system-wide file.
int loadEnabledRow(const QString &condition, const std::optional<QString> &code, ColorEntry &out)
{
    out.clear();
    const QUuid systemWide = systemWideCollectionUuid();
    // The lookups run on the system-wide collection's file, which may not be open yet.
    if (ensureConnection(systemWide) < 0)
        return StatusFailed;
    QSqlQuery query = collectionQuery(systemWide);
    query.prepare(kEnabledRowsStatement + condition);
    if (code)
        query.bindValue(kCodeParameter, *code);
    if (!query.exec() || !query.next())
        return StatusFailed;
    out.load(query.record());
    return StatusOk;
}

} // namespace

QString segmentQueryText(const QUuid &collection, const QString &selectList, int mood,
                         bool exterior)
{
    return kSegmentSelect.arg(selectList) + kSegmentFrom.arg(collectionDbId(collection))
        + kSegmentComparison + moodClause(mood) + exteriorClause(exterior) + kSegmentOrder;
}

QString pageQueryText(const QUuid &collection, const QString &selectList, bool backward, int mood,
                      bool exterior)
{
    return kSegmentSelect.arg(selectList) + kPageFrom.arg(collectionDbId(collection))
        + kPageComparison + moodClause(mood) + exteriorClause(exterior)
        + (backward ? kPageOrderBackward : kPageOrderForward);
}

int findSegmentWithPages(const QUuid &collection, int segment, int mood, bool exterior,
                         int &outSegment)
{
    outSegment = segment;
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    const std::optional<QSqlRecord> record
        = firstPageFromSegment(collection, QStringLiteral("SEGMENT"), segment, mood, exterior);
    if (!record)
        return StatusNoCardPasses;
    outSegment = static_cast<int>(int64OrZero(record->value(0)));
    return StatusOk;
}

int findFirstPageIndexInSegment(const QUuid &collection, int segment, int mood, bool exterior,
                                int &outPageIndex)
{
    outPageIndex = -1;
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    const std::optional<QSqlRecord> record
        = firstPageFromSegment(collection, QStringLiteral("PAGE_INDEX"), segment, mood, exterior);
    if (!record)
        return StatusNoCardPasses;
    outPageIndex = static_cast<int>(int64OrZero(record->value(0)));
    return StatusOk;
}

int loadFirstPageInSegment(const QUuid &collection, int segment, int mood, bool exterior,
                           ColorPage &out)
{
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    const std::optional<QSqlRecord> record
        = firstPageFromSegment(collection, QStringLiteral("*"), segment, mood, exterior);
    if (!record)
        return StatusNoCardPasses;
    ColorPage page(*record);
    // The chips keep the COLLECTION_ID of their own ROW table column.
    page.rows = loadRows(collection, kRowsOfPageStatement.arg(page.id));
    out = page;
    return StatusOk;
}

int loadNeighbourPage(const QUuid &collection, int pageIndex, bool backward, int mood,
                      bool exterior, ColorPage &out)
{
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    const QString statement
        = pageQueryText(collection, QStringLiteral("*"), backward, mood, exterior);
    std::optional<QSqlRecord> record
        = firstRecordWith(collection, statement, backward ? kLess : kGreater, pageIndex);
    // Wrap: backward from the first card gives the last, forward from the last the first.
    if (!record)
        record = firstRecordWith(collection, statement, backward ? kGreater : kLess, pageIndex);
    if (!record)
        return StatusNoCardPasses;
    ColorPage page(*record);
    page.rows = loadRows(collection,
                         kNeighbourRowsStatement.arg(collectionDbId(collection)).arg(page.id));
    out = page;
    return StatusOk;
}

int loadPageByIndex(const QUuid &collection, int pageIndex, ColorPage &out)
{
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!query.exec(kPageByIndexStatement.arg(collectionDbId(collection)).arg(pageIndex))) {
        qDebug().noquote() << query.lastError().driverText();
        qDebug().noquote() << query.lastError().databaseText();
        return StatusFailed;
    }
    if (!query.next())
        return StatusFailed;
    ColorPage page(query.record());
    page.rows = loadRows(collection,
                         kPageByIndexRowsStatement.arg(collectionDbId(collection)).arg(page.id));
    out = page;
    return StatusOk;
}

int loadPageById(const QUuid &collection, qint64 pageId, bool pageOnly, ColorPage &out)
{
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    const qint64 collectionId = collectionDbId(collection);
    const std::optional<QSqlRecord> record
        = firstRecord(collection, kPageByIdStatement.arg(collectionId).arg(pageId));
    if (!record)
        return StatusFailed;
    ColorPage page(*record);
    if (!pageOnly)
        page.rows = loadRows(collection, kPageByIdRowsStatement.arg(collectionId).arg(page.id));
    out = page;
    return StatusOk;
}

int loadRowById(const QUuid &collection, qint64 rowId, ColorEntry &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    return loadFirstRow(collection, kRowByIdStatement.arg(collectionDbId(collection)).arg(rowId),
                        out);
}

int loadRowNearRgb(const QUuid &collection, const QColor &color, ColorEntry &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    return loadFirstRow(collection,
                        kRowNearRgbStatement.arg(collectionDbId(collection))
                            .arg(color.red())
                            .arg(color.green())
                            .arg(color.blue()),
                        out);
}

int loadRowAt(const QUuid &collection, int pageIndex, int rowIndex, ColorEntry &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    return loadFirstRow(
        collection, kRowAtStatement.arg(collectionDbId(collection)).arg(pageIndex).arg(rowIndex),
        out);
}

int loadLabEntries(const QUuid &collection, QVector<LabEntry> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    SqliteStatement query(collection, kLabEntriesStatement.arg(collectionDbId(collection)));
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

bool hasExteriorPageWithMood(const QUuid &collection, int mood)
{
    if (ensureConnection(collection) < 0)
        return true;
    const std::optional<QSqlRecord> record = firstRecord(
        collection, kExteriorMoodCountStatement.arg(collectionDbId(collection)).arg(mood));
    return record && int64OrZero(record->value(0)) != 0;
}

int loadSegments(const QUuid &collection, QVector<int> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (query.exec(kSegmentsStatement.arg(collectionDbId(collection)))) {
        while (query.next())
            out.append(static_cast<int>(int64OrZero(query.value(0))));
    }
    std::sort(out.begin(), out.end());
    return out.isEmpty() ? StatusFailed : StatusOk;
}

int findRowByRgbInEnabledCollections(const QColor &color, ColorEntry &out)
{
    return loadEnabledRow(kByRgbCondition.arg(color.red()).arg(color.green()).arg(color.blue()),
                          std::nullopt, out);
}

int findRowByCodeInEnabledCollections(const QString &code, ColorEntry &out)
{
    return loadEnabledRow(kByCodeCondition, code, out);
}

} // namespace Corvane::DB
