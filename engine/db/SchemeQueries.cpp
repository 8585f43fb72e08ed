#include "SchemeQueries.h"

#include "CardQueries.h"
#include "CollectionRegistry.h"
#include "Enums.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QDebug>
#include <QSqlRecord>
#include <QVariant>

namespace Corvane::DB {

namespace {

const QString kComplementaryNeutralCountStatement = QStringLiteral(
    "SELECT     COUNT(*) FROM     PAGE_SCHEME PS WHERE     PS.PAGE_ID = (SELECT ID       "
    "            FROM PAGE P                        JOIN COLLECTION_PAGE_MAP CMAP ON "
    "P.ID = CMAP.PAGE_ID                   WHERE                       "
    "CMAP.COLLECTION_ID = %1 AND P.PAGE_INDEX = %2 )     AND PS.SCHEME_ID = %3 ");
const QString kSchemePagesStatement = QStringLiteral(
    "SELECT     TP.PAGE_INDEX FROM     PAGE_SCHEME PS     JOIN PAGE SP ON PS.PAGE_ID = "
    "SP.ID     JOIN PAGE TP ON PS.SCHEME_PAGE_ID = TP.ID     JOIN COLLECTION_PAGE_MAP "
    "SCMAP ON SP.ID = SCMAP.PAGE_ID WHERE     (PS.SCHEME_ID = %3) AND     (SP.PAGE_INDEX "
    "= %2 AND SCMAP.COLLECTION_ID = %1) ");
const QString kSchemeRowsStatement = QStringLiteral(
    "SELECT     %1 AS COLLECTION_ID,     R.ID,     R.PAGE_ID,     M.ROW_ORDER AS "
    "ROW_INDEX,     R.CODE,     R.SEGMENT,     R.RED,     R.GREEN,     R.BLUE,     R.L,  "
    "   R.A,     R.B,     R.NEUTRAL,     R.WHITE,     R.MOOD,     R.NAME0,     R.NAME1,  "
    "   R.NAME2,     R.NAME3,     R.NAME4,     R.NAME5,     R.NAME6,     R.NAME7,     "
    "R.NAME8,     R.NAME9,     R.EXTRA0,     R.EXTRA1,     R.EXTRA2,     R.EXTRA3,     "
    "R.EXTRA4,     R.EXTRA5,     R.EXTRA6,     R.EXTRA7,     R.EXTRA8,     R.EXTRA9 FROM "
    "    ROW_SCHEME_MAP M     JOIN \"ROW\" R ON M.SCHEME_ROW_ID = R.ID WHERE     "
    "M.COLLECTION_ID = %1     AND M.ROW_ID = %2     AND M.SCHEME_ID = %3 ORDER BY     "
    "M.PAGE_ORDER ASC,     M.ROW_ORDER ASC ");
const QString kSchemePageRowsStatement = QStringLiteral(
    "SELECT   %1 AS COLLECTION_ID,   R.ID,   R.PAGE_ID,   SM.\"ORDER\" AS PAGE_ORDER,   "
    "R.ROW_INDEX,   R.CODE,   R.SEGMENT,   R.RED,   R.GREEN,   R.BLUE,   R.L,   R.A,   "
    "R.B,   R.NEUTRAL,   R.WHITE,   R.MOOD,   R.NAME0,   R.NAME1,   R.NAME2,   R.NAME3,  "
    " R.NAME4,   R.NAME5,   R.NAME6,   R.NAME7,   R.NAME8,   R.NAME9,   R.EXTRA0,   "
    "R.EXTRA1,   R.EXTRA2,   R.EXTRA3,   R.EXTRA4,   R.EXTRA5,   R.EXTRA6,   R.EXTRA7,   "
    "R.EXTRA8,   R.EXTRA9 FROM   ROW_TO_PAGE_SCHEME SM   JOIN \"ROW\" R ON "
    "SM.SCHEME_PAGE_ID = R.PAGE_ID WHERE       SM.COLLECTION_ID = %1   AND SM.ROW_ID = "
    "%2   AND SM.SCHEME_ID = %3 ORDER BY   SM.\"ORDER\" ASC,    R.ROW_INDEX ASC ");
const QString kContrastSchemeRowsStatement = QStringLiteral(
    "SELECT     %1 AS COLLECTION_ID,     R.ID,     R.PAGE_ID,     M.ROW_ORDER AS "
    "ROW_INDEX,     R.CODE,     R.SEGMENT,     R.RED,     R.GREEN,     R.BLUE,     R.L,  "
    "   R.A,     R.B,     R.NEUTRAL,     R.WHITE,     R.MOOD,     R.NAME0,     R.NAME1,  "
    "   R.NAME2,     R.NAME3,     R.NAME4,     R.NAME5,     R.NAME6,     R.NAME7,     "
    "R.NAME8,     R.NAME9,     R.EXTRA0,     R.EXTRA1,     R.EXTRA2,     R.EXTRA3,     "
    "R.EXTRA4,     R.EXTRA5,     R.EXTRA6,     R.EXTRA7,     R.EXTRA8,     R.EXTRA9,    "
    "(CASE WHEN M.SCHEME_ID = %4 AND M.PAGE_ORDER = 0 THEN -1           WHEN M.SCHEME_ID "
    "= %3 AND M.PAGE_ORDER = 0 THEN 0           WHEN M.SCHEME_ID = %4 AND M.PAGE_ORDER = "
    "1 THEN 1           ELSE 100      END) AS MY_ORDER FROM     ROW_SCHEME_MAP M     "
    "JOIN \"ROW\" R ON M.SCHEME_ROW_ID = R.ID WHERE     M.COLLECTION_ID = %1     AND "
    "M.ROW_ID = %2     AND M.SCHEME_ID IN (%3, %4) ORDER BY     MY_ORDER ASC ");

// The chip a row query starts from: the `rowIndex`-th chip of the card in ROW_INDEX order.
int loadSchemeChip(const QUuid &collection, int pageIndex, int rowIndex, ColorEntry &chip)
{
    ColorPage page;
    const int status = loadPageByIndex(collection, pageIndex, page);
    if (status < 0)
        return status;
    if (rowIndex < 1 || rowIndex > int(page.rows.size()))
        return StatusPositionOutside;
    chip = page.rows.at(rowIndex - 1);
    return StatusOk;
}

bool isNeutralOrWhite(const ColorEntry &chip)
{
    return chip.neutral || chip.white;
}

// Runs a fixed statement and appends a chip built from each row; -1 with the error
// reported when it fails.
int appendRows(const QUuid &collection, const QString &statement, std::vector<ColorEntry> &out)
{
    QSqlQuery query = collectionQuery(collection);
    if (!execReported(query, statement))
        return StatusFailed;
    while (query.next())
        out.emplace_back(query.record());
    return StatusOk;
}

// The text of a ROW_SCHEME_MAP or ROW_TO_PAGE_SCHEME statement for one chip and scheme.
QString chipSchemeStatement(const QString &statement, const QUuid &collection,
                            const ColorEntry &chip, int schemeKind)
{
    return statement.arg(QString::number(collectionDbId(collection)), QString::number(chip.id),
                         QString::number(schemeKind));
}

} // namespace

QString debugQuery(const QString &statement)
{
    qDebug().noquote() << statement;
    return statement;
}

bool hasComplementaryNeutralScheme(const QUuid &collection, int pageIndex)
{
    if (ensureConnection(collection) < 0)
        return true;
    QSqlQuery query = collectionQuery(collection);
    if (query.exec(kComplementaryNeutralCountStatement.arg(
            QString::number(collectionDbId(collection)), QString::number(pageIndex),
            QString::number(int(ComplementaryNeutral))))
        && query.next())
        return query.value(0).toLongLong() != 0;
    reportSqlError(query);
    return false;
}

int loadSchemePages(const QUuid &collection, int pageIndex, int schemeKind, QList<ColorPage> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!query.exec(kSchemePagesStatement.arg(QString::number(collectionDbId(collection)),
                                              QString::number(pageIndex),
                                              QString::number(schemeKind))))
        return StatusFailed;
    // Collect the indexes first: loading a card runs further statements on the connection.
    QList<int> pageIndexes;
    while (query.next())
        pageIndexes.append(query.value(0).toInt());
    for (const int schemePageIndex : std::as_const(pageIndexes)) {
        ColorPage page;
        if (loadPageByIndex(collection, schemePageIndex, page) == StatusOk)
            out.append(page);
    }
    return StatusOk;
}

int loadSchemeRows(const QUuid &collection, int schemeKind, int pageIndex, int rowIndex,
                   std::vector<ColorEntry> &out)
{
    out.clear();
    ColorEntry chip;
    const int status = loadSchemeChip(collection, pageIndex, rowIndex, chip);
    if (status != StatusOk)
        return status;
    if (schemeKind == Dramatic && !isNeutralOrWhite(chip))
        return StatusOk;
    if (schemeKind == ComplementaryNeutral && chip.mood != MoodRich)
        return StatusOk;
    return appendRows(
        collection,
        debugQuery(chipSchemeStatement(kSchemeRowsStatement, collection, chip, schemeKind)), out);
}

int loadSchemePageRows(const QUuid &collection, int schemeKind, int pageIndex, int rowIndex,
                       std::vector<ColorEntry> &out)
{
    out.clear();
    ColorEntry chip;
    const int status = loadSchemeChip(collection, pageIndex, rowIndex, chip);
    if (status != StatusOk)
        return status;
    if (schemeKind == Dramatic && !isNeutralOrWhite(chip))
        return StatusOk;
    return appendRows(collection,
                      chipSchemeStatement(kSchemePageRowsStatement, collection, chip, schemeKind),
                      out);
}

int loadContrastSchemeRows(const QUuid &collection, int pageIndex, int rowIndex,
                           std::vector<ColorEntry> &out)
{
    out.clear();
    ColorEntry chip;
    const int status = loadSchemeChip(collection, pageIndex, rowIndex, chip);
    if (status != StatusOk)
        return status;
    return appendRows(collection,
                      kContrastSchemeRowsStatement.arg(
                          QString::number(collectionDbId(collection)), QString::number(chip.id),
                          QString::number(int(Contrast)), QString::number(int(WideContrast))),
                      out);
}

} // namespace Corvane::DB
