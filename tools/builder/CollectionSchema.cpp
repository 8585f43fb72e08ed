#include "CollectionSchema.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace Corvane::Builder {

namespace {

// Foreign keys to COLLECTION and PAGE cascade on delete and refuse updates.
#define COLLECTION_FK                                                                              \
    "FOREIGN KEY (COLLECTION_ID) REFERENCES COLLECTION(ID) ON DELETE CASCADE ON UPDATE RESTRICT"
#define PAGE_FK(column)                                                                            \
    "FOREIGN KEY (" column ") REFERENCES PAGE(ID) ON DELETE CASCADE ON UPDATE RESTRICT"
#define ID_COLUMN "ID integer PRIMARY KEY AUTOINCREMENT NOT NULL"
// The localised names and auxiliary texts of cards and chips.
#define NAME_COLUMNS                                                                               \
    "NAME0 text NOT NULL DEFAULT '', NAME1 text NOT NULL DEFAULT '', "                             \
    "NAME2 text NOT NULL DEFAULT '', NAME3 text NOT NULL DEFAULT '', "                             \
    "NAME4 text NOT NULL DEFAULT '', NAME5 text NOT NULL DEFAULT '', "                             \
    "NAME6 text NOT NULL DEFAULT '', NAME7 text NOT NULL DEFAULT '', "                             \
    "NAME8 text NOT NULL DEFAULT '', NAME9 text NOT NULL DEFAULT '', "                             \
    "EXTRA0 text NOT NULL DEFAULT '', EXTRA1 text NOT NULL DEFAULT '', "                           \
    "EXTRA2 text NOT NULL DEFAULT '', EXTRA3 text NOT NULL DEFAULT '', "                           \
    "EXTRA4 text NOT NULL DEFAULT '', EXTRA5 text NOT NULL DEFAULT '', "                           \
    "EXTRA6 text NOT NULL DEFAULT '', EXTRA7 text NOT NULL DEFAULT '', "                           \
    "EXTRA8 text NOT NULL DEFAULT '', EXTRA9 text NOT NULL DEFAULT ''"

const char *const kSchemaStatements[] = {
    "CREATE TABLE COLLECTION (" ID_COLUMN ", UUID varchar(64) NOT NULL COLLATE NOCASE, "
    "SYSTEMID varchar(32) NOT NULL COLLATE NOCASE, VERSION integer NOT NULL DEFAULT 1, "
    "NAME varchar(128) NOT NULL COLLATE NOCASE, \"ORDER\" integer NOT NULL DEFAULT 1)",
    "CREATE UNIQUE INDEX UNQ_UUID ON COLLECTION (UUID)",
    "CREATE UNIQUE INDEX UNQ_SYSTEMID ON COLLECTION (SYSTEMID)",
    "CREATE UNIQUE INDEX UNQ_ORDER ON COLLECTION (\"ORDER\")",

    "CREATE TABLE MOOD (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "NAME varchar(32) NOT NULL COLLATE NOCASE, " COLLECTION_FK ")",
    "CREATE TABLE SCHEME (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "NAME varchar(32) NOT NULL COLLATE NOCASE, " COLLECTION_FK ")",

    "CREATE TABLE SETTING (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "NAME varchar(255) NOT NULL COLLATE NOCASE, VALUE TEXT NOT NULL, "
    "VALUE_INDEX integer NOT NULL DEFAULT 0, " COLLECTION_FK ")",
    "CREATE UNIQUE INDEX UNQ_SETTING_NAME_PER_COLLECTION ON SETTING "
    "(COLLECTION_ID ASC, NAME COLLATE NOCASE ASC, VALUE_INDEX ASC)",

    "CREATE TABLE LOCALE (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "LOCALE varchar(32) NOT NULL DEFAULT '' COLLATE NOCASE, ITEM_ID integer, "
    "\"KEY\" varchar(255) NOT NULL COLLATE NOCASE, STRING text NOT NULL COLLATE "
    "NOCASE, " COLLECTION_FK ")",

    "CREATE TABLE THEME (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "ITEM_KEY varchar(255) NOT NULL COLLATE NOCASE, ITEM_DATA blob NOT NULL, " COLLECTION_FK ")",

    "CREATE TABLE PAGE (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "PAGE_INDEX integer NOT NULL CHECK (PAGE_INDEX > 0), "
    "SEGMENT integer NOT NULL CHECK (SEGMENT > 0), NAME varchar(255) NOT NULL COLLATE NOCASE, "
    "EXTERIOR integer NOT NULL DEFAULT 0, MOOD integer NOT NULL DEFAULT 0, " NAME_COLUMNS
    ", " COLLECTION_FK ")",
    "CREATE UNIQUE INDEX UNQ_PAGE_INDEX_IN_COLLECTION ON PAGE (COLLECTION_ID, PAGE_INDEX)",
    "CREATE UNIQUE INDEX UNQ_NAME_IN_COLLECTION ON PAGE (COLLECTION_ID, NAME)",

    "CREATE TABLE COLLECTION_PAGE_MAP (COLLECTION_ID integer NOT NULL, PAGE_ID integer NOT NULL, "
    "PRIMARY KEY (COLLECTION_ID, PAGE_ID), " COLLECTION_FK ", " PAGE_FK("PAGE_ID") ")",

    "CREATE TABLE \"ROW\" (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "PAGE_ID integer NOT NULL, ROW_INDEX integer NOT NULL CHECK (ROW_INDEX > 0), "
    "CODE varchar(32) NOT NULL DEFAULT '' COLLATE NOCASE, "
    "NAME varchar(128) NOT NULL DEFAULT '' COLLATE NOCASE, "
    "SEGMENT integer NOT NULL CHECK (SEGMENT > 0), "
    "RED integer NOT NULL, GREEN integer NOT NULL, BLUE integer NOT NULL, "
    "L real NOT NULL, A real NOT NULL, B real NOT NULL, "
    "NEUTRAL integer NOT NULL DEFAULT 0, WHITE integer NOT NULL DEFAULT 0, "
    "MOOD integer NOT NULL DEFAULT 0, SCHEME_POS integer NOT NULL DEFAULT 0, "
    "NSCHEME_POS integer NOT NULL DEFAULT 0, IS_MTO integer NOT NULL DEFAULT 0, " NAME_COLUMNS ", "
    "CHECK (RED >= 0 AND RED < 256 AND GREEN >= 0 AND GREEN < 256 AND BLUE >= 0 AND BLUE < 256), "
    "CHECK (L >= 0 AND L <= 100 AND A >= -128 AND A <= 127 AND B >= -128 AND B <= 127), "
    "CHECK (SCHEME_POS >= -1 AND NSCHEME_POS >= -1), " COLLECTION_FK ", " PAGE_FK("PAGE_ID") ")",
    "CREATE INDEX IDX_PAGE_ID ON \"ROW\" (PAGE_ID)",
    "CREATE INDEX UNQ_COLLECTION_CODE ON \"ROW\" (COLLECTION_ID, CODE)",

    "CREATE TABLE ROW_NAME (ROW_ID integer NOT NULL ON CONFLICT FAIL, "
    "NAME_INDEX integer NOT NULL DEFAULT 1 CHECK (NAME_INDEX > 0), "
    "NAME varchar(128) NOT NULL ON CONFLICT FAIL COLLATE NOCASE CHECK (LENGTH(TRIM(NAME)) > 0), "
    "AUXILIARY_INFO integer NOT NULL DEFAULT 0, PRIMARY KEY (ROW_ID, NAME_INDEX), "
    "FOREIGN KEY (ROW_ID) REFERENCES \"ROW\"(ID) ON DELETE CASCADE ON UPDATE RESTRICT)",
    "CREATE INDEX IDX_NAME ON ROW_NAME (NAME)",

    "CREATE TABLE PAGE_SCHEME (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "PAGE_ID integer NOT NULL, SCHEME_PAGE_ID integer NOT NULL, SCHEME_ID integer NOT NULL, "
    "\"ORDER\" integer NOT NULL DEFAULT 0, " COLLECTION_FK ", "
    "FOREIGN KEY (SCHEME_ID) REFERENCES SCHEME(ID) ON DELETE CASCADE ON UPDATE RESTRICT, " PAGE_FK(
        "SCHEME_PAGE_ID") ", " PAGE_FK("PAGE_ID") ")",
    "CREATE UNIQUE INDEX UNQ_PAGE_SCHEME_ORDER ON PAGE_SCHEME (PAGE_ID, SCHEME_ID, \"ORDER\")",
    "CREATE UNIQUE INDEX UNQ_PAGE_SCHEME_SCHEMEPAGE ON PAGE_SCHEME "
    "(PAGE_ID, SCHEME_PAGE_ID, SCHEME_ID)",

    "CREATE TABLE ROW_SCHEME_MAP (COLLECTION_ID integer NOT NULL, ROW_ID integer NOT NULL, "
    "SCHEME_ID integer NOT NULL, SCHEME_ROW_ID integer NOT NULL, "
    "PAGE_ORDER integer NOT NULL DEFAULT 0, ROW_ORDER integer NOT NULL DEFAULT 0, " COLLECTION_FK
    ", FOREIGN KEY (ROW_ID) REFERENCES \"ROW\"(ID) ON DELETE CASCADE ON UPDATE RESTRICT, "
    "FOREIGN KEY (SCHEME_ROW_ID) REFERENCES \"ROW\"(ID) ON DELETE CASCADE ON UPDATE RESTRICT, "
    "FOREIGN KEY (SCHEME_ID) REFERENCES SCHEME(ID) ON DELETE CASCADE ON UPDATE RESTRICT)",

    "CREATE TABLE ROW_TO_PAGE_SCHEME (COLLECTION_ID integer NOT NULL, ROW_ID integer NOT NULL, "
    "SCHEME_ID integer NOT NULL, SCHEME_PAGE_ID integer NOT NULL, "
    "\"ORDER\" integer NOT NULL DEFAULT 0, " COLLECTION_FK
    ", FOREIGN KEY (ROW_ID) REFERENCES \"ROW\"(ID) ON DELETE CASCADE ON UPDATE RESTRICT, "
    "FOREIGN KEY (SCHEME_ID) REFERENCES SCHEME(ID) ON DELETE CASCADE ON UPDATE RESTRICT, " PAGE_FK(
        "SCHEME_PAGE_ID") ")",

    "CREATE TABLE PRODUCT_GROUP (" ID_COLUMN ", NAME varchar(128) NOT NULL)",
    "CREATE TABLE PRODUCT (" ID_COLUMN ", NAME varchar(128) NOT NULL, PRODUCT_CODE text)",
    "CREATE TABLE PRODUCT_PRODUCT_GROUP_MAP (PRODUCT_GROUP_ID integer, PRODUCT_ID integer, "
    "FOREIGN KEY (PRODUCT_ID) REFERENCES PRODUCT(ID) ON DELETE SET NULL ON UPDATE SET NULL, "
    "FOREIGN KEY (PRODUCT_GROUP_ID) REFERENCES PRODUCT_GROUP(ID) "
    "ON DELETE SET NULL ON UPDATE SET NULL)",
    "CREATE UNIQUE INDEX UNQ_PRODUCT_GROUP_PRODUCT_ENTRY ON PRODUCT_PRODUCT_GROUP_MAP "
    "(PRODUCT_GROUP_ID, PRODUCT_ID)",
    "CREATE TABLE ROW_PRODUCT_MAP (COLLECTION_ID integer NOT NULL, ROW_ID integer, "
    "PRODUCT_ID integer, " COLLECTION_FK ", "
    "FOREIGN KEY (ROW_ID) REFERENCES \"ROW\"(ID) ON DELETE SET NULL ON UPDATE SET NULL, "
    "FOREIGN KEY (PRODUCT_ID) REFERENCES PRODUCT(ID) ON DELETE SET NULL ON UPDATE SET NULL)",
    "CREATE UNIQUE INDEX UNQ_ROW_PRODUCT_ENTRY ON ROW_PRODUCT_MAP "
    "(COLLECTION_ID, ROW_ID, PRODUCT_ID)",
    "CREATE TABLE ROW_PRODUCT_GROUP_MAP (COLLECTION_ID integer NOT NULL, ROW_ID integer, "
    "PRODUCT_GROUP_ID integer, " COLLECTION_FK ", "
    "FOREIGN KEY (ROW_ID) REFERENCES \"ROW\"(ID) ON DELETE SET NULL ON UPDATE SET NULL, "
    "FOREIGN KEY (PRODUCT_GROUP_ID) REFERENCES PRODUCT_GROUP(ID) "
    "ON DELETE SET NULL ON UPDATE SET NULL)",
    "CREATE UNIQUE INDEX UNQ_ROW_PRODUCT_GROUP_ENTRY ON ROW_PRODUCT_GROUP_MAP "
    "(COLLECTION_ID, ROW_ID, PRODUCT_GROUP_ID)",

    "CREATE TABLE VISTRAL_GROUP (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "NAME text NOT NULL DEFAULT '', DEFAULT_OPEN integer NOT NULL DEFAULT 0, "
    "\"ORDER\" integer NOT NULL DEFAULT 0, " COLLECTION_FK ")",
    "CREATE TABLE VISTRAL_ENTRY (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "VISTRAL_GROUP_ID integer NOT NULL, ROW_ID integer, "
    "NAME_1 varchar(64) NOT NULL DEFAULT '' COLLATE NOCASE, "
    "NAME_2 varchar(64) NOT NULL DEFAULT '' COLLATE NOCASE, "
    "RED integer NOT NULL DEFAULT 0 CHECK (RED >= 0 AND RED < 256), "
    "GREEN integer NOT NULL DEFAULT 0 CHECK (GREEN >= 0 AND GREEN < 256), "
    "BLUE integer NOT NULL DEFAULT 0 CHECK (BLUE >= 0 AND BLUE < 256), "
    "\"ORDER\" integer NOT NULL DEFAULT 0, " COLLECTION_FK ", "
    "FOREIGN KEY (VISTRAL_GROUP_ID) REFERENCES VISTRAL_GROUP(ID) "
    "ON DELETE CASCADE ON UPDATE RESTRICT)",
    "CREATE UNIQUE INDEX UNQ_COLLECTION_GROUP_ORDER ON VISTRAL_ENTRY "
    "(COLLECTION_ID, VISTRAL_GROUP_ID, \"ORDER\")",

    "CREATE TABLE TEXTURE (" ID_COLUMN ", COLLECTION_ID integer NOT NULL, "
    "NAME varchar(64) NOT NULL DEFAULT '', IMAGE blob NOT NULL, "
    "BASE_ALPHA real NOT NULL DEFAULT 1.0 CHECK (BASE_ALPHA >= 0.0 AND BASE_ALPHA <= "
    "1.0), " COLLECTION_FK ")",
    "CREATE TABLE TEXTURE_MAP (TEXTURE_ID integer NOT NULL, PAGE_ID integer NOT NULL, "
    "ALPHA real NOT NULL DEFAULT 1.0 CHECK (ALPHA > 0 AND ALPHA <= 1.0), "
    "NAME varchar(64) NOT NULL DEFAULT '', "
    "FOREIGN KEY (TEXTURE_ID) REFERENCES TEXTURE(ID) ON DELETE CASCADE ON UPDATE "
    "RESTRICT, " PAGE_FK("PAGE_ID") ")",
    "CREATE UNIQUE INDEX UNQ_TEXTURE_PAGE ON TEXTURE_MAP (TEXTURE_ID, PAGE_ID)",

    "CREATE TABLE GLOBALSETTING (NAME varchar(256) PRIMARY KEY NOT NULL COLLATE NOCASE, "
    "VALUE NOT NULL)",

    // Indexes for the reading statements: pages are reached from the page side through the
    // collection map, cards by index or segment, scheme maps by chip and kind, theme items and
    // texts by key, chips by exact colour and by code across collections.
    "CREATE INDEX IDX_COLLECTION_PAGE_MAP_PAGE ON COLLECTION_PAGE_MAP (PAGE_ID, COLLECTION_ID)",
    "CREATE INDEX IDX_PAGE_SEGMENT ON PAGE (SEGMENT, PAGE_INDEX)",
    "CREATE INDEX IDX_PAGE_PAGE_INDEX ON PAGE (PAGE_INDEX)",
    "CREATE INDEX IDX_ROW_RGB ON \"ROW\" (RED, GREEN, BLUE)",
    "CREATE INDEX IDX_ROW_CODE ON \"ROW\" (CODE)",
    "CREATE INDEX IDX_ROW_SCHEME_MAP_ROW ON ROW_SCHEME_MAP "
    "(COLLECTION_ID, ROW_ID, SCHEME_ID, PAGE_ORDER, ROW_ORDER)",
    "CREATE INDEX IDX_ROW_SCHEME_MAP_SCHEME_ROW ON ROW_SCHEME_MAP (SCHEME_ROW_ID)",
    "CREATE INDEX IDX_ROW_TO_PAGE_SCHEME_ROW ON ROW_TO_PAGE_SCHEME "
    "(COLLECTION_ID, ROW_ID, SCHEME_ID, \"ORDER\")",
    "CREATE INDEX IDX_ROW_TO_PAGE_SCHEME_PAGE ON ROW_TO_PAGE_SCHEME (SCHEME_PAGE_ID)",
    "CREATE INDEX IDX_PAGE_SCHEME_SCHEME_PAGE ON PAGE_SCHEME (SCHEME_PAGE_ID)",
    "CREATE INDEX IDX_VISTRAL_GROUP_COLLECTION ON VISTRAL_GROUP (COLLECTION_ID)",
    "CREATE INDEX IDX_VISTRAL_ENTRY_GROUP ON VISTRAL_ENTRY (VISTRAL_GROUP_ID, \"ORDER\")",
    "CREATE INDEX IDX_TEXTURE_COLLECTION ON TEXTURE (COLLECTION_ID)",
    "CREATE INDEX IDX_TEXTURE_MAP_PAGE ON TEXTURE_MAP (PAGE_ID)",
    "CREATE INDEX IDX_ROW_PRODUCT_MAP_ROW ON ROW_PRODUCT_MAP (ROW_ID)",
    "CREATE INDEX IDX_ROW_PRODUCT_GROUP_MAP_ROW ON ROW_PRODUCT_GROUP_MAP (ROW_ID)",
    "CREATE INDEX IDX_LOCALE_KEY ON LOCALE (COLLECTION_ID, \"KEY\")",
    "CREATE INDEX IDX_THEME_KEY ON THEME (COLLECTION_ID, ITEM_KEY)",

    "CREATE VIEW CAPSURE_COLLECTION_IDS_BY_PRIORITY AS  SELECT      S.COLLECTION_ID,      "
    "COALESCE(CAST(S.VALUE AS INTEGER), 999) AS PRIORITY  FROM      SETTING S  WHERE      "
    "S.NAME = 'capsure.priority' AND      S.COLLECTION_ID IN (SELECT S2.COLLECTION_ID FROM "
    "SETTING S2 WHERE S2.NAME = 'capsure.enabled' COLLATE NOCASE AND CAST(S2.VALUE AS INTEGER) "
    "= 1)  ORDER BY      PRIORITY ASC",

    "INSERT INTO COLLECTION (ID, UUID, SYSTEMID, VERSION, NAME, \"ORDER\") VALUES "
    "(0, '{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}', 'VIRTUAL', 1, 'SystemWide Collection', 0)",
    "INSERT INTO MOOD (ID, COLLECTION_ID, NAME) VALUES (1, 0, 'fresh'), (2, 0, 'warm'), "
    "(3, 0, 'calm'), (4, 0, 'rich'), (5, 0, 'offwhite'), (6, 0, 'neutral')",
    "INSERT INTO SCHEME (ID, COLLECTION_ID, NAME) VALUES (1, 0, 'harmonic'), (2, 0, 'contrast'), "
    "(3, 0, 'widecontrast'), (4, 0, 'dynamic'), (5, 0, 'dramatic'), (6, 0, 'neutral'), "
    "(7, 0, 'tonalneutral'), (8, 0, 'complementaryneutral')",
};

#undef COLLECTION_FK
#undef PAGE_FK
#undef ID_COLUMN
#undef NAME_COLUMNS

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

bool createCollectionSchema(QSqlDatabase &database, QString *error)
{
    if (!database.transaction()) {
        setError(error, database.lastError().text());
        return false;
    }
    QSqlQuery query(database);
    for (const char *statement : kSchemaStatements) {
        if (!query.exec(QString::fromLatin1(statement))) {
            setError(error,
                     query.lastError().text() + QStringLiteral(" in: ")
                         + QString::fromLatin1(statement));
            query.finish();
            database.rollback();
            return false;
        }
    }
    query.finish();
    if (!database.commit()) {
        setError(error, database.lastError().text());
        return false;
    }
    return true;
}

bool createEmptyCollectionFile(const QString &path, QString *error)
{
    if (QFileInfo::exists(path)) {
        setError(error, QStringLiteral("%1 exists already").arg(path));
        return false;
    }
    const QString connection = QStringLiteral("createEmptyCollectionFile-%1")
                                   .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    bool created = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        if (database.open()) {
            created = createCollectionSchema(database, error);
            database.close();
        } else {
            setError(error, database.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return created;
}

} // namespace Corvane::Builder
