#include "VistralQueries.h"

#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QSqlRecord>
#include <QVariant>

#include <algorithm>

namespace Corvane::DB {

namespace {

const QString kVistralGroupsStatement
    = QStringLiteral(" SELECT *  FROM VISTRAL_GROUP VG  WHERE VG.COLLECTION_ID IN (0, %1) ");
const QString kVistralEntriesStatement = QStringLiteral(
    "SELECT * FROM VISTRAL_ENTRY VE  WHERE        VE.VISTRAL_GROUP_ID = %1  ORDER BY "
    "VE.\"ORDER\" ");
const QString kProductsStatement
    = QStringLiteral("SELECT    PR.* FROM     ROW_PRODUCT_MAP M     JOIN PRODUCT PR ON PR.ID = "
                     "M.PRODUCT_ID WHERE     M.ROW_ID = :ROW_ID");
const QString kProductGroupNamesStatement = QStringLiteral(
    "SELECT    PG.NAME FROM     ROW_PRODUCT_GROUP_MAP M     JOIN PRODUCT_GROUP PG ON "
    "PG.ID = M.PRODUCT_GROUP_ID WHERE     M.ROW_ID = :ROW_ID");
const QString kTexturesStatement
    = QStringLiteral("SELECT     * FROM     TEXTURE T WHERE     T.COLLECTION_ID in (0, %1)");
const QString kTextureMapStatement = QStringLiteral(
    "SELECT     TM.TEXTURE_ID,     TM.PAGE_ID,     TM.ALPHA,     TM.NAME FROM     "
    "TEXTURE_MAP TM     JOIN TEXTURE T ON T.ID = TM.TEXTURE_ID WHERE     TM.PAGE_ID = "
    ":PAGE_ID");
const QString kRowIdParameter = QStringLiteral(":ROW_ID");
const QString kPageIdParameter = QStringLiteral(":PAGE_ID");
const QString kNameColumn = QStringLiteral("NAME");
const QString kProductCodeColumn = QStringLiteral("PRODUCT_CODE");

// Prepares `statement` on the collection's connection with one 64-bit id bound to
// `parameter` and executes it; false when either step fails.
bool execWithId(QSqlQuery &query, const QString &statement, const QString &parameter, qint64 id)
{
    if (!query.prepare(statement))
        return false;
    query.bindValue(parameter, id);
    return query.exec();
}

// One product of a chip as the product queries read it.
struct Product
{
    QString name;
    QString code;
};

// The products mapped to a chip (of every collection); the columns are looked up by name
// once, a missing column giving empty texts.
int loadProducts(const QUuid &collection, qint64 rowId, std::vector<Product> &out)
{
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!execWithId(query, kProductsStatement, kRowIdParameter, rowId))
        return StatusFailed;
    int nameColumn = -1;
    int codeColumn = -1;
    bool first = true;
    while (query.next()) {
        if (first) {
            const QSqlRecord record = query.record();
            nameColumn = record.indexOf(kNameColumn);
            codeColumn = record.indexOf(kProductCodeColumn);
            first = false;
        }
        out.push_back({nameColumn >= 0 ? query.value(nameColumn).toString() : QString(),
                       codeColumn >= 0 ? query.value(codeColumn).toString() : QString()});
    }
    return StatusOk;
}

} // namespace

int loadVistralGroups(const QUuid &collection, QHash<qint64, ColorVistralGroup> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery groups = collectionQuery(collection);
    if (!groups.exec(kVistralGroupsStatement.arg(collectionDbId(collection))))
        return StatusFailed;
    while (groups.next()) {
        ColorVistralGroup group(groups.record());
        QSqlQuery entries = collectionQuery(collection);
        if (entries.exec(kVistralEntriesStatement.arg(group.id))) {
            while (entries.next())
                group.entries.append(ColorVistralEntry(entries.record()));
        }
        std::sort(group.entries.begin(), group.entries.end(),
                  [](const ColorVistralEntry &left, const ColorVistralEntry &right) {
                      return left.order < right.order;
                  });
        out.insert(group.id, group);
    }
    return StatusOk;
}

int loadProductNames(const QUuid &collection, qint64 rowId, std::vector<QString> &out)
{
    out.clear();
    std::vector<Product> products;
    const int status = loadProducts(collection, rowId, products);
    if (status != StatusOk)
        return status;
    const QString separator = CollectionSettings::productGroupSeparator(collection);
    for (const Product &product : products)
        out.push_back(product.code.isEmpty() ? product.name
                                             : product.name + separator + product.code);
    return StatusOk;
}

int loadProductCodes(const QUuid &collection, qint64 rowId, std::vector<QString> &out)
{
    out.clear();
    std::vector<Product> products;
    const int status = loadProducts(collection, rowId, products);
    if (status != StatusOk)
        return status;
    for (const Product &product : products) {
        if (!product.code.isEmpty())
            out.push_back(product.code);
    }
    return StatusOk;
}

int loadProductGroupNames(const QUuid &collection, qint64 rowId, std::vector<QString> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!execWithId(query, kProductGroupNamesStatement, kRowIdParameter, rowId))
        return StatusFailed;
    while (query.next())
        out.push_back(query.value(0).toString());
    return StatusOk;
}

int loadTextures(const QUuid &collection, QHash<qint64, Texture> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!query.prepare(kTexturesStatement.arg(collectionDbId(collection))) || !query.exec())
        return StatusFailed;
    while (query.next()) {
        const Texture texture(query.record());
        out.insert(texture.id, texture);
    }
    return StatusOk;
}

int loadTextureMap(const QUuid &collection, qint64 pageId, std::vector<TextureMapEntry> &out)
{
    out.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query = collectionQuery(collection);
    if (!execWithId(query, kTextureMapStatement, kPageIdParameter, pageId))
        return StatusFailed;
    while (query.next())
        out.emplace_back(query.record());
    return StatusOk;
}

} // namespace Corvane::DB
