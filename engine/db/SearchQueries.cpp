#include "SearchQueries.h"

#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QSqlRecord>
#include <QVariant>

#include <algorithm>

namespace Corvane::DB {

namespace {

constexpr qint64 kFirstNameColumn = 0;
constexpr qint64 kLastNameColumn = 9;
constexpr int kFirstMood = 1;
constexpr int kLastMood = 6;

const QString kPageWordsStatement = QStringLiteral(
    "SELECT DISTINCT P.NAME%2 AS ENTRY FROM PAGE P LEFT JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = "
    "CMAP.PAGE_ID WHERE CMAP.COLLECTION_ID = %1");
const QString kRowWordsStatement = QStringLiteral(
    "SELECT DISTINCT R.NAME%2 AS ENTRY FROM ROW R LEFT JOIN PAGE P ON R.PAGE_ID = P.ID LEFT JOIN "
    "COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID WHERE CMAP.COLLECTION_ID = %1");
const QString kCodeWordsStatement = QStringLiteral(
    "SELECT DISTINCT R.CODE AS ENTRY FROM ROW R LEFT JOIN PAGE P ON R.PAGE_ID = P.ID LEFT JOIN "
    "COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID WHERE CMAP.COLLECTION_ID = %1");
const QString kWordsStatement
    = QStringLiteral("SELECT DISTINCT ENTRY FROM (%1) WHERE LENGTH(TRIM(ENTRY)) > 0");
const QString kUnion = QStringLiteral(" UNION ");

const QString kPageColumn = QStringLiteral("UPPER(P.NAME%1)");
const QString kRowColumn = QStringLiteral("UPPER(R.NAME%1)");
const QString kCodeColumn = QStringLiteral("UPPER(R.CODE)");
const QString kColumnSeparator = QStringLiteral(",");

const QString kSearchWithPagesStatement = QStringLiteral(
    "SELECT     P.SEGMENT AS PAGE_SEGMENT,     P.PAGE_INDEX,     R.ROW_INDEX,     P.MOOD AS "
    "PAGE_MOOD,     P.EXTERIOR AS PAGE_EXTERIOR,     (:PHRASE IN (%2)) AS IS_PAGE FROM     "
    "\"ROW\" R     JOIN PAGE P ON R.PAGE_ID = P.ID     JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = "
    "CMAP.PAGE_ID WHERE     CMAP.COLLECTION_ID = %1     AND :PHRASE IN (%3) LIMIT     1 ");
const QString kSearchRowsStatement = QStringLiteral(
    "SELECT     P.SEGMENT AS PAGE_SEGMENT,     P.PAGE_INDEX,     R.ROW_INDEX,     P.MOOD AS "
    "PAGE_MOOD,     P.EXTERIOR AS PAGE_EXTERIOR,     0 AS IS_PAGE FROM     \"ROW\" R     JOIN "
    "PAGE P ON R.PAGE_ID = P.ID     JOIN COLLECTION_PAGE_MAP CMAP ON P.ID = CMAP.PAGE_ID WHERE  "
    "   CMAP.COLLECTION_ID = %1     AND :PHRASE IN (%2) LIMIT     1 ");
const QString kPhraseParameter = QStringLiteral(":PHRASE");

// `pattern` filled with each name-column number of `order`, skipping numbers outside 0 to 9.
QStringList perNameColumn(const QString &pattern, const QVector<qint64> &order)
{
    QStringList texts;
    for (const qint64 column : order) {
        if (column >= kFirstNameColumn && column <= kLastNameColumn)
            texts.append(pattern.arg(column));
    }
    return texts;
}

int intOrZero(const QSqlRecord &record, const QString &column)
{
    bool ok = false;
    const int number = record.value(column).toInt(&ok);
    return ok ? number : 0;
}

} // namespace

int loadCompletionWords(const QUuid &collection, QStringList &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    const qint64 collectionId = collectionDbId(collection);
    // With the collection filled in, the patterns keep %2 open for the column.
    QStringList statements
        = perNameColumn(kPageWordsStatement.arg(collectionId), pageNameSearchOrder())
        + perNameColumn(kRowWordsStatement.arg(collectionId), rowNameSearchOrder());
    statements.append(kCodeWordsStatement.arg(collectionId));

    QSqlQuery query = collectionQuery(collection);
    if (query.exec(kWordsStatement.arg(statements.join(kUnion)))) {
        while (query.next())
            out.append(query.value(0).toString());
    }
    std::sort(out.begin(), out.end(), [](const QString &left, const QString &right) {
        return left.compare(right, Qt::CaseInsensitive) < 0;
    });
    return out.isEmpty() ? StatusFailed : StatusOk;
}

int searchPhrase(const QUuid &collection, const QString &phrase, int &pageIndex, int &rowIndex,
                 int &segment, int &mood, bool &exterior)
{
    pageIndex = -1;
    rowIndex = -1;
    segment = -1;
    mood = 0;
    exterior = false;
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;

    const QStringList pageColumns = perNameColumn(kPageColumn, pageNameSearchOrder());
    const QStringList allColumns
        = pageColumns + perNameColumn(kRowColumn, rowNameSearchOrder()) + QStringList {kCodeColumn};
    const qint64 collectionId = collectionDbId(collection);
    const QString statement = pageColumns.isEmpty()
        ? kSearchRowsStatement.arg(collectionId).arg(allColumns.join(kColumnSeparator))
        : kSearchWithPagesStatement.arg(collectionId)
              .arg(pageColumns.join(kColumnSeparator), allColumns.join(kColumnSeparator));

    QSqlQuery query = collectionQuery(collection);
    query.prepare(statement);
    query.bindValue(kPhraseParameter, phrase.toUpper());
    if (!query.exec())
        return StatusFailed;
    if (!query.next())
        return StatusNoCardPasses;
    const QSqlRecord record = query.record();
    pageIndex = intOrZero(record, QStringLiteral("PAGE_INDEX"));
    segment = intOrZero(record, QStringLiteral("PAGE_SEGMENT"));
    const int pageMood = intOrZero(record, QStringLiteral("PAGE_MOOD"));
    mood = (pageMood >= kFirstMood && pageMood <= kLastMood) ? pageMood : 0;
    exterior = intOrZero(record, QStringLiteral("PAGE_EXTERIOR")) != 0;
    if (intOrZero(record, QStringLiteral("IS_PAGE")) == 0)
        rowIndex = intOrZero(record, QStringLiteral("ROW_INDEX"));
    return StatusOk;
}

} // namespace Corvane::DB
