#include "CollectionWriter.h"

#include "CollectionSchema.h"
#include "color/ColorMath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cstdio>

namespace Corvane::Builder {

namespace {

constexpr int kNameColumns = 10;
constexpr int kMaxMood = 6;
constexpr int kMaxScheme = 8;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString nameColumns()
{
    QStringList columns;
    for (int i = 0; i < kNameColumns; ++i)
        columns << QStringLiteral("NAME%1").arg(i);
    for (int i = 0; i < kNameColumns; ++i)
        columns << QStringLiteral("EXTRA%1").arg(i);
    return columns.join(QLatin1Char(','));
}

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

// A text for a NOT NULL column: a null QString would be bound as NULL.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// Binds the ten names and the ten auxiliary texts; missing entries are empty.
void bindNames(QSqlQuery &query, const QStringList &names, const QStringList &extras)
{
    for (int i = 0; i < kNameColumns; ++i)
        query.addBindValue(notNull(names.value(i)));
    for (int i = 0; i < kNameColumns; ++i)
        query.addBindValue(notNull(extras.value(i)));
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

QString chipLabel(const CollectionData &collection, int chip)
{
    return QStringLiteral("chip %1 (%2)").arg(chip + 1).arg(collection.chips.at(chip).code);
}

// Returns the first problem found, or an empty text.
QString firstProblem(const CollectionData &c)
{
    if (c.id != 0 && (c.uuid.isNull() || c.systemId.trimmed().isEmpty() || c.name.isEmpty()))
        return QStringLiteral("a collection needs a uuid, a system id and a name");
    QSet<int> cardNumbers;
    QSet<QString> cardNames;
    for (const CardData &card : c.cards) {
        if (card.pageIndex <= 0 || card.segment <= 0)
            return QStringLiteral("card %1: card number and segment must be positive")
                .arg(card.pageIndex);
        if (!inRange(card.mood, 0, kMaxMood))
            return QStringLiteral("card %1: unknown mood %2").arg(card.pageIndex).arg(card.mood);
        if (cardNumbers.contains(card.pageIndex))
            return QStringLiteral("card %1 is listed twice").arg(card.pageIndex);
        if (cardNames.contains(card.name.toLower()))
            return QStringLiteral("card name \"%1\" is used twice").arg(card.name);
        cardNumbers.insert(card.pageIndex);
        cardNames.insert(card.name.toLower());
    }
    QSet<QString> codes;
    QSet<QPair<int, int>> positions;
    for (int i = 0; i < c.chips.size(); ++i) {
        const ChipData &chip = c.chips.at(i);
        if (!inRange(chip.red, 0, 255) || !inRange(chip.green, 0, 255)
            || !inRange(chip.blue, 0, 255))
            return chipLabel(c, i) + QStringLiteral(": colour outside 0 to 255");
        if (!cardNumbers.contains(chip.card))
            return chipLabel(c, i) + QStringLiteral(": card %1 does not exist").arg(chip.card);
        if (chip.position <= 0 || chip.segment <= 0)
            return chipLabel(c, i) + QStringLiteral(": position and segment must be positive");
        if (!inRange(chip.mood, 0, kMaxMood))
            return chipLabel(c, i) + QStringLiteral(": unknown mood %1").arg(chip.mood);
        if (positions.contains({chip.card, chip.position}))
            return chipLabel(c, i)
                + QStringLiteral(": position %1 on card %2 is taken")
                      .arg(chip.position)
                      .arg(chip.card);
        if (codes.contains(chip.code.toLower()))
            return chipLabel(c, i) + QStringLiteral(": duplicate code");
        positions.insert({chip.card, chip.position});
        codes.insert(chip.code.toLower());
    }
    const auto badChip = [&c](int chip) { return chip < 0 || chip >= c.chips.size(); };
    const auto badCard = [&cardNumbers](int card) { return !cardNumbers.contains(card); };
    const auto badScheme = [](int scheme) { return !inRange(scheme, 1, kMaxScheme); };
    for (const RowSchemeData &s : c.rowSchemes) {
        if (badChip(s.chip) || badChip(s.schemeChip) || badScheme(s.scheme))
            return QStringLiteral("a chip scheme refers to a missing chip or scheme");
    }
    for (const PageSchemeData &s : c.pageSchemes) {
        if (badCard(s.card) || badCard(s.schemeCard) || badScheme(s.scheme))
            return QStringLiteral("a card scheme refers to a missing card or scheme");
    }
    for (const RowPageSchemeData &s : c.rowPageSchemes) {
        if (badChip(s.chip) || badCard(s.schemeCard) || badScheme(s.scheme))
            return QStringLiteral("a chip-to-card scheme refers to a missing chip, card or scheme");
    }
    for (const QVector<ProductData> *list : {&c.products, &c.productGroups}) {
        for (const ProductData &product : *list) {
            if (std::any_of(product.chips.begin(), product.chips.end(), badChip))
                return QStringLiteral("product \"%1\" refers to a missing chip").arg(product.name);
        }
    }
    for (const TrendGroupData &group : c.trendGroups) {
        for (const TrendEntryData &entry : group.entries) {
            if (entry.chip != -1 && badChip(entry.chip))
                return QStringLiteral("trend group \"%1\" refers to a missing chip")
                    .arg(group.name);
        }
    }
    for (const TextureData &texture : c.textures) {
        for (const auto &use : texture.cards) {
            if (badCard(use.first) || !(use.second > 0.0 && use.second <= 1.0))
                return QStringLiteral("texture \"%1\" refers to a missing card or has a bad alpha")
                    .arg(texture.name);
        }
    }
    return QString();
}

// The collection rows of one file must differ in id, uuid, system id and order, also from the
// system-wide row every file carries (id 0, order 0, system id "VIRTUAL").
QString firstClash(const QVector<CollectionData> &collections)
{
    QHash<QString, QString> taken
        = {{QStringLiteral("id 0"), QStringLiteral("system-wide")},
           {QStringLiteral("order 0"), QStringLiteral("system-wide")},
           {QStringLiteral("system id virtual"), QStringLiteral("system-wide")},
           {QStringLiteral("uuid {ffffffff-ffff-ffff-ffff-ffffffffffff}"),
            QStringLiteral("system-wide")}};
    for (const CollectionData &c : collections) {
        if (c.id == 0)
            continue;
        const QStringList keys
            = {QStringLiteral("id %1").arg(c.id), QStringLiteral("order %1").arg(c.order),
               QStringLiteral("system id %1").arg(c.systemId.toLower()),
               QStringLiteral("uuid %1").arg(c.uuid.toString())};
        for (const QString &key : keys) {
            if (taken.contains(key))
                return QStringLiteral("collection %1: its %2 is taken by collection %3")
                    .arg(c.systemId, key, taken.value(key));
            taken.insert(key, c.systemId);
        }
    }
    return QString();
}

// Writes the collections through one connection; every step reports the failing statement.
class FileWriter
{
public:
    explicit FileWriter(QSqlDatabase database) : m_db(database) { }

    bool write(const QVector<CollectionData> &collections)
    {
        if (!exec(QStringLiteral("PRAGMA foreign_keys = ON")) || !m_db.transaction())
            return fail(m_db.lastError().text());
        for (const CollectionData &collection : collections) {
            if (!writeCollection(collection)) {
                m_db.rollback();
                return false;
            }
        }
        if (!m_db.commit())
            return fail(m_db.lastError().text());
        return true;
    }

    QString error() const { return m_error; }

private:
    bool fail(const QString &text)
    {
        if (m_error.isEmpty())
            m_error = text;
        return false;
    }

    bool exec(const QString &statement)
    {
        QSqlQuery query(m_db);
        if (!query.exec(statement))
            return fail(query.lastError().text() + QStringLiteral(" in: ") + statement);
        return true;
    }

    bool prepare(QSqlQuery &query, const QString &statement)
    {
        if (!query.prepare(statement))
            return fail(query.lastError().text() + QStringLiteral(" in: ") + statement);
        return true;
    }

    bool run(QSqlQuery &query)
    {
        if (!query.exec())
            return fail(query.lastError().text() + QStringLiteral(" in: ") + query.lastQuery());
        return true;
    }

    bool writeCollection(const CollectionData &c)
    {
        m_pageIds.clear();
        m_rowIds.clear();
        return writeCollectionRow(c) && writeSettings(c) && writeTexts(c) && writeTheme(c)
            && writeCards(c) && writeChips(c) && writeSchemes(c) && writeProducts(c)
            && writeTrendGroups(c) && writeTextures(c);
    }

    bool writeCollectionRow(const CollectionData &c)
    {
        if (c.id == 0)
            return true;
        QSqlQuery query(m_db);
        if (!prepare(query,
                     QStringLiteral("INSERT INTO COLLECTION (ID, UUID, SYSTEMID, VERSION, NAME, "
                                    "\"ORDER\") VALUES (?, ?, ?, ?, ?, ?)")))
            return false;
        query.addBindValue(c.id);
        query.addBindValue(c.uuid.toString(QUuid::WithBraces).toUpper());
        query.addBindValue(c.systemId);
        query.addBindValue(c.version);
        query.addBindValue(c.name);
        query.addBindValue(c.order);
        return run(query);
    }

    bool writeSettings(const CollectionData &c)
    {
        QSqlQuery query(m_db);
        if (!prepare(query,
                     QStringLiteral("INSERT INTO SETTING (COLLECTION_ID, NAME, VALUE, VALUE_INDEX) "
                                    "VALUES (?, ?, ?, ?)")))
            return false;
        for (const SettingData &setting : c.settings) {
            for (int i = 0; i < setting.values.size(); ++i) {
                query.addBindValue(c.id);
                query.addBindValue(setting.name);
                query.addBindValue(notNull(setting.values.at(i)));
                query.addBindValue(i);
                if (!run(query))
                    return false;
            }
        }
        return true;
    }

    bool writeTexts(const CollectionData &c)
    {
        QSqlQuery query(m_db);
        if (!prepare(query,
                     QStringLiteral("INSERT INTO LOCALE (COLLECTION_ID, LOCALE, \"KEY\", STRING) "
                                    "VALUES (?, ?, ?, ?)")))
            return false;
        for (const LocaleTextData &text : c.texts) {
            query.addBindValue(c.id);
            query.addBindValue(notNull(c.language));
            query.addBindValue(text.key);
            query.addBindValue(notNull(text.text));
            if (!run(query))
                return false;
        }
        return true;
    }

    bool writeTheme(const CollectionData &c)
    {
        QSqlQuery query(m_db);
        if (!prepare(
                query,
                QStringLiteral(
                    "INSERT INTO THEME (COLLECTION_ID, ITEM_KEY, ITEM_DATA) VALUES (?, ?, ?)")))
            return false;
        for (const ThemeItemData &item : c.theme) {
            query.addBindValue(c.id);
            query.addBindValue(item.key);
            // A QByteArray is bound as a BLOB, which is what the theme lookups accept.
            query.addBindValue(item.data);
            if (!run(query))
                return false;
        }
        return true;
    }

    bool writeCards(const CollectionData &c)
    {
        QSqlQuery page(m_db);
        QSqlQuery map(m_db);
        if (!prepare(page,
                     QStringLiteral("INSERT INTO PAGE (COLLECTION_ID, PAGE_INDEX, SEGMENT, NAME, "
                                    "EXTERIOR, MOOD, %1) VALUES (?, ?, ?, ?, ?, ?, %2)")
                         .arg(nameColumns(), placeholders(2 * kNameColumns)))
            || !prepare(map,
                        QStringLiteral("INSERT INTO COLLECTION_PAGE_MAP (COLLECTION_ID, PAGE_ID) "
                                       "VALUES (?, ?)")))
            return false;
        for (const CardData &card : c.cards) {
            page.addBindValue(c.id);
            page.addBindValue(card.pageIndex);
            page.addBindValue(card.segment);
            page.addBindValue(notNull(card.name));
            page.addBindValue(card.exterior ? 1 : 0);
            page.addBindValue(card.mood);
            bindNames(page, card.names, card.extras);
            if (!run(page))
                return false;
            const qint64 pageId = page.lastInsertId().toLongLong();
            m_pageIds.insert(card.pageIndex, pageId);
            map.addBindValue(c.id);
            map.addBindValue(pageId);
            if (!run(map))
                return false;
        }
        return true;
    }

    bool writeChips(const CollectionData &c)
    {
        QSqlQuery query(m_db);
        if (!prepare(query,
                     QStringLiteral("INSERT INTO \"ROW\" (COLLECTION_ID, PAGE_ID, ROW_INDEX, CODE, "
                                    "NAME, SEGMENT, RED, GREEN, BLUE, L, A, B, NEUTRAL, WHITE, "
                                    "MOOD, IS_MTO, %1) VALUES (%2)")
                         .arg(nameColumns(), placeholders(16 + 2 * kNameColumns))))
            return false;
        m_rowIds.reserve(c.chips.size());
        for (const ChipData &chip : c.chips) {
            const DB::LabEntry lab = labFromColor(QColor(chip.red, chip.green, chip.blue));
            query.addBindValue(c.id);
            query.addBindValue(m_pageIds.value(chip.card));
            query.addBindValue(chip.position);
            query.addBindValue(notNull(chip.code));
            query.addBindValue(notNull(chip.names.value(0)));
            query.addBindValue(chip.segment);
            query.addBindValue(chip.red);
            query.addBindValue(chip.green);
            query.addBindValue(chip.blue);
            query.addBindValue(lab.l);
            query.addBindValue(lab.a);
            query.addBindValue(lab.b);
            query.addBindValue(chip.neutral ? 1 : 0);
            query.addBindValue(chip.white ? 1 : 0);
            query.addBindValue(chip.mood);
            query.addBindValue(chip.isMto ? 1 : 0);
            bindNames(query, chip.names, chip.extras);
            if (!run(query))
                return false;
            m_rowIds.append(query.lastInsertId().toLongLong());
        }
        return true;
    }

    bool writeSchemes(const CollectionData &c)
    {
        QSqlQuery rows(m_db);
        QSqlQuery pages(m_db);
        QSqlQuery rowPages(m_db);
        if (!prepare(
                rows,
                QStringLiteral("INSERT INTO ROW_SCHEME_MAP (COLLECTION_ID, ROW_ID, SCHEME_ID, "
                               "SCHEME_ROW_ID, PAGE_ORDER, ROW_ORDER) VALUES (?, ?, ?, ?, ?, ?)"))
            || !prepare(
                pages,
                QStringLiteral("INSERT INTO PAGE_SCHEME (COLLECTION_ID, PAGE_ID, "
                               "SCHEME_PAGE_ID, SCHEME_ID, \"ORDER\") VALUES (?, ?, ?, ?, ?)"))
            || !prepare(
                rowPages,
                QStringLiteral("INSERT INTO ROW_TO_PAGE_SCHEME (COLLECTION_ID, ROW_ID, "
                               "SCHEME_ID, SCHEME_PAGE_ID, \"ORDER\") VALUES (?, ?, ?, ?, ?)")))
            return false;
        for (const RowSchemeData &s : c.rowSchemes) {
            rows.addBindValue(c.id);
            rows.addBindValue(m_rowIds.at(s.chip));
            rows.addBindValue(s.scheme);
            rows.addBindValue(m_rowIds.at(s.schemeChip));
            rows.addBindValue(s.pageOrder);
            rows.addBindValue(s.rowOrder);
            if (!run(rows))
                return false;
        }
        for (const PageSchemeData &s : c.pageSchemes) {
            pages.addBindValue(c.id);
            pages.addBindValue(m_pageIds.value(s.card));
            pages.addBindValue(m_pageIds.value(s.schemeCard));
            pages.addBindValue(s.scheme);
            pages.addBindValue(s.order);
            if (!run(pages))
                return false;
        }
        for (const RowPageSchemeData &s : c.rowPageSchemes) {
            rowPages.addBindValue(c.id);
            rowPages.addBindValue(m_rowIds.at(s.chip));
            rowPages.addBindValue(s.scheme);
            rowPages.addBindValue(m_pageIds.value(s.schemeCard));
            rowPages.addBindValue(s.order);
            if (!run(rowPages))
                return false;
        }
        return true;
    }

    // Products and product groups share their shape: a named row and a map to chips.
    bool writeProductList(const CollectionData &c, const QVector<ProductData> &list, bool groups)
    {
        QSqlQuery item(m_db);
        QSqlQuery map(m_db);
        const bool prepared = groups
            ? prepare(item, QStringLiteral("INSERT INTO PRODUCT_GROUP (NAME) VALUES (?)"))
                && prepare(map,
                           QStringLiteral("INSERT OR IGNORE INTO ROW_PRODUCT_GROUP_MAP "
                                          "(COLLECTION_ID, ROW_ID, PRODUCT_GROUP_ID) "
                                          "VALUES (?, ?, ?)"))
            : prepare(item,
                      QStringLiteral("INSERT INTO PRODUCT (NAME, PRODUCT_CODE) VALUES (?, ?)"))
                && prepare(map,
                           QStringLiteral("INSERT OR IGNORE INTO ROW_PRODUCT_MAP "
                                          "(COLLECTION_ID, ROW_ID, PRODUCT_ID) VALUES (?, ?, ?)"));
        if (!prepared)
            return false;
        for (const ProductData &product : list) {
            item.addBindValue(notNull(product.name));
            if (!groups)
                item.addBindValue(product.code);
            if (!run(item))
                return false;
            const qint64 id = item.lastInsertId().toLongLong();
            for (int chip : product.chips) {
                map.addBindValue(c.id);
                map.addBindValue(m_rowIds.at(chip));
                map.addBindValue(id);
                if (!run(map))
                    return false;
            }
        }
        return true;
    }

    bool writeProducts(const CollectionData &c)
    {
        return writeProductList(c, c.products, false) && writeProductList(c, c.productGroups, true);
    }

    bool writeTrendGroups(const CollectionData &c)
    {
        QSqlQuery group(m_db);
        QSqlQuery entry(m_db);
        if (!prepare(group,
                     QStringLiteral("INSERT INTO VISTRAL_GROUP (COLLECTION_ID, NAME, DEFAULT_OPEN, "
                                    "\"ORDER\") VALUES (?, ?, ?, ?)"))
            || !prepare(
                entry,
                QStringLiteral("INSERT INTO VISTRAL_ENTRY (COLLECTION_ID, VISTRAL_GROUP_ID, "
                               "ROW_ID, NAME_1, NAME_2, RED, GREEN, BLUE, \"ORDER\") "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")))
            return false;
        for (int g = 0; g < c.trendGroups.size(); ++g) {
            const TrendGroupData &source = c.trendGroups.at(g);
            group.addBindValue(c.id);
            group.addBindValue(notNull(source.name));
            group.addBindValue(source.defaultOpen ? 1 : 0);
            group.addBindValue(g);
            if (!run(group))
                return false;
            const qint64 groupId = group.lastInsertId().toLongLong();
            for (int e = 0; e < source.entries.size(); ++e) {
                const TrendEntryData &item = source.entries.at(e);
                entry.addBindValue(c.id);
                entry.addBindValue(groupId);
                entry.addBindValue(item.chip < 0 ? QVariant() : QVariant(m_rowIds.at(item.chip)));
                entry.addBindValue(notNull(item.name1));
                entry.addBindValue(notNull(item.name2));
                entry.addBindValue(item.color.red());
                entry.addBindValue(item.color.green());
                entry.addBindValue(item.color.blue());
                entry.addBindValue(e);
                if (!run(entry))
                    return false;
            }
        }
        return true;
    }

    bool writeTextures(const CollectionData &c)
    {
        QSqlQuery texture(m_db);
        QSqlQuery map(m_db);
        if (!prepare(texture,
                     QStringLiteral("INSERT INTO TEXTURE (COLLECTION_ID, NAME, IMAGE, BASE_ALPHA) "
                                    "VALUES (?, ?, ?, ?)"))
            || !prepare(map,
                        QStringLiteral("INSERT INTO TEXTURE_MAP (TEXTURE_ID, PAGE_ID, ALPHA, NAME) "
                                       "VALUES (?, ?, ?, ?)")))
            return false;
        for (const TextureData &source : c.textures) {
            texture.addBindValue(c.id);
            texture.addBindValue(notNull(source.name));
            texture.addBindValue(source.image);
            texture.addBindValue(source.baseAlpha);
            if (!run(texture))
                return false;
            const qint64 textureId = texture.lastInsertId().toLongLong();
            for (const auto &use : source.cards) {
                map.addBindValue(textureId);
                map.addBindValue(m_pageIds.value(use.first));
                map.addBindValue(use.second);
                map.addBindValue(notNull(source.name));
                if (!run(map))
                    return false;
            }
        }
        return true;
    }

    QSqlDatabase m_db;
    QString m_error;
    QHash<int, qint64> m_pageIds; // page index to PAGE.ID, for the collection being written
    QVector<qint64> m_rowIds; // chip index to ROW.ID
};

QString temporaryPath(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(
        QStringLiteral(".%1.%2.part")
            .arg(info.fileName(), QUuid::createUuid().toString(QUuid::WithoutBraces)));
}

// Creates the file at `temporary` and writes everything into it.
bool writeInto(const QString &temporary, const QVector<CollectionData> &collections, QString *error)
{
    const QString connection = QStringLiteral("collectionWriter-") + temporary;
    bool written = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(temporary);
        if (!database.open()) {
            setError(error, database.lastError().text());
        } else {
            QSqlQuery(database).exec(QStringLiteral("PRAGMA journal_mode = OFF"));
            QSqlQuery(database).exec(QStringLiteral("PRAGMA synchronous = OFF"));
            if (createCollectionSchema(database, error)) {
                FileWriter writer(database);
                written = writer.write(collections);
                if (!written)
                    setError(error, writer.error());
            }
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

} // namespace

bool validateCollection(const CollectionData &collection, QString *error)
{
    const QString problem = firstProblem(collection);
    if (problem.isEmpty())
        return true;
    setError(error,
             QStringLiteral("collection %1: %2")
                 .arg(collection.id == 0 ? QStringLiteral("system-wide") : collection.systemId,
                      problem));
    return false;
}

bool writeCollectionFile(const QString &path, const QVector<CollectionData> &collections,
                         QString *error)
{
    for (const CollectionData &collection : collections) {
        if (!validateCollection(collection, error))
            return false;
    }
    const QString clash = firstClash(collections);
    if (!clash.isEmpty()) {
        setError(error, clash);
        return false;
    }
    if (!QFileInfo(path).dir().exists()) {
        setError(error, QStringLiteral("%1: the folder does not exist").arg(path));
        return false;
    }
    const QString temporary = temporaryPath(path);
    if (!writeInto(temporary, collections, error)) {
        QFile::remove(temporary);
        return false;
    }
    // rename() replaces an existing file in one step, so readers see the old or the new file.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData())
        != 0) {
        setError(error, QStringLiteral("%1: cannot replace the file").arg(path));
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace Corvane::Builder
