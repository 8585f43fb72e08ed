#include "CollectionRegistry.h"

#include "Collection.h"
#include "ModuleValues.h"
#include "RecordReader.h"
#include "StatusCodes.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace Corvane::DB {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
const QString kEnumeratorConnection = QStringLiteral("collectionEnumerator");
const QString kCheckConnection = QStringLiteral("tmpCheckAvailability");
const QString kResourcesFolder = QStringLiteral("Contents/Resources");
const QString kEnabledSetting = QStringLiteral("collection.enabled");
// Collection files are only read; opening them read-only also keeps SQLite from
// creating a file that has disappeared.
const QString kReadOnly = QStringLiteral("QSQLITE_OPEN_READONLY");

const QString kEnabledCollectionsStatement = QStringLiteral(
    "SELECT     DISTINCT C.* FROM     COLLECTION C     LEFT JOIN SETTING S ON S.COLLECTION_ID = "
    "C.ID WHERE     (C.UUID = '%1' COLLATE NOCASE) OR     (S.NAME = '%2' COLLATE NOCASE AND "
    "S.VALUE = 1)");
const QString kCollectionStatement
    = QStringLiteral(" SELECT *  FROM COLLECTION C  WHERE C.UUID = '%1' COLLATE NOCASE");

QSqlDatabase addReadOnlyConnection(const QString &name, const QString &fileName)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(kDriver, name);
    database.setDatabaseName(fileName);
    database.setConnectOptions(kReadOnly);
    return database;
}

bool hasCollectionTable(const QSqlDatabase &database)
{
    const QStringList tables = database.tables(QSql::Tables);
    return std::any_of(tables.cbegin(), tables.cend(), [](const QString &table) {
        return table.compare(QLatin1String("COLLECTION"), Qt::CaseInsensitive) == 0;
    });
}

// Registers the enabled collections of one open database.
void registerCollections(const QSqlDatabase &database, CollectionRegistry &registry)
{
    QSqlQuery query(database);
    const QString statement
        = kEnabledCollectionsStatement.arg(systemWideCollectionUuid().toString(), kEnabledSetting);
    if (!query.exec(statement)) {
        reportSqlError(query);
        return;
    }
    while (query.next()) {
        const QSqlRecord record = query.record();
        const QUuid uuid = QUuid::fromString(record.value(QStringLiteral("UUID")).toString());
        if (uuid.isNull() || registry.contains(uuid))
            continue;
        CollectionInfo info;
        info.uuid = uuid;
        info.id = int64OrZero(record.value(QStringLiteral("ID")));
        info.order = static_cast<int>(int64OrZero(record.value(QStringLiteral("ORDER"))));
        info.fileName = database.databaseName();
        info.systemId = record.value(QStringLiteral("SYSTEMID")).toString();
        registry.insert(uuid, info);
    }
}

void scanFile(const QString &fileName, CollectionRegistry &registry)
{
    {
        QSqlDatabase database = addReadOnlyConnection(kEnumeratorConnection, fileName);
        if (database.open() && hasCollectionTable(database))
            registerCollections(database, registry);
        database.close();
    }
    QSqlDatabase::removeDatabase(kEnumeratorConnection);
}

bool fileOpens(const QString &fileName)
{
    bool opens = false;
    {
        QSqlDatabase database = addReadOnlyConnection(kCheckConnection, fileName);
        opens = database.open();
        database.close();
    }
    QSqlDatabase::removeDatabase(kCheckConnection);
    return opens;
}

// The registry's entries in the order discovery meets them: by file, then by id.
QList<CollectionInfo> entriesInFileOrder(const CollectionRegistry &registry)
{
    QList<CollectionInfo> entries = registry.values();
    std::sort(entries.begin(), entries.end(), [](const CollectionInfo &a, const CollectionInfo &b) {
        return a.fileName != b.fileName ? a.fileName < b.fileName : a.id < b.id;
    });
    return entries;
}

} // namespace

QUuid systemWideCollectionUuid()
{
    static const QUuid uuid(QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"));
    return uuid;
}

CollectionRegistry &collectionRegistry()
{
    static CollectionRegistry registry;
    return registry;
}

int enumerateCollections(CollectionRegistry &registry, bool clearFirst)
{
    if (clearFirst)
        registry.clear();
    const QDir folder(databaseFolder());
    if (databaseFolder().isEmpty() || !folder.exists(kResourcesFolder))
        return 0;
    const QDir resources(folder.filePath(kResourcesFolder));
    // Sorted by name so that which file wins a shared uuid does not depend on the file system.
    const QFileInfoList files
        = resources.entryInfoList({QStringLiteral("*.db")}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files)
        scanFile(file.absoluteFilePath(), registry);
    return 0;
}

int ensureCollections()
{
    CollectionRegistry &registry = collectionRegistry();
    if (registry.isEmpty())
        enumerateCollections(registry, true);
    return registry.isEmpty() ? 2 : 1;
}

int ensureConnection(const QUuid &collection)
{
    if (collection.isNull())
        return StatusNullCollection;
    CollectionRegistry &registry = collectionRegistry();
    if (!registry.contains(collection))
        enumerateCollections(registry, false);
    if (!registry.contains(collection))
        return StatusUnknownCollection;
    const QString fileName = registry.value(collection).fileName;
    const QString name = connectionName(fileName);
    if (QSqlDatabase::contains(name))
        return StatusOk;
    if (!fileOpens(fileName))
        return StatusFileDoesNotOpen;
    addReadOnlyConnection(name, fileName).open();
    return StatusOk;
}

QSqlDatabase connectionFor(const QUuid &collection)
{
    return QSqlDatabase::database(connectionName(collectionRegistry().value(collection).fileName),
                                  true);
}

QString connectionName(const QString &fileName)
{
    return fileName;
}

qint64 collectionDbId(const QUuid &collection)
{
    const CollectionRegistry &registry = collectionRegistry();
    const auto found = registry.constFind(collection);
    return found == registry.constEnd() ? -1 : found->id;
}

QList<QUuid> orderedCollectionUuids()
{
    CollectionRegistry &registry = collectionRegistry();
    if (registry.isEmpty())
        enumerateCollections(registry, true);
    // A later collection with the same order replaces an earlier one.
    QMap<int, QUuid> byOrder;
    for (const CollectionInfo &info : entriesInFileOrder(registry)) {
        if (info.uuid != systemWideCollectionUuid())
            byOrder.insert(info.order, info.uuid);
    }
    return byOrder.values();
}

QUuid collectionUuidForDbId(qint64 id)
{
    for (const CollectionInfo &info : entriesInFileOrder(collectionRegistry())) {
        if (info.id == id)
            return info.uuid;
    }
    return QUuid();
}

int collectionUuidForSystemId(const QString &systemId, QUuid &out)
{
    for (const CollectionInfo &info : entriesInFileOrder(collectionRegistry())) {
        if (info.systemId.compare(systemId, Qt::CaseInsensitive) == 0) {
            out = info.uuid;
            return StatusOk;
        }
    }
    return StatusFailed;
}

int loadCollection(const QUuid &collection, QSharedPointer<Collection> &out)
{
    out.reset();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    QSqlQuery query(connectionFor(collection));
    if (!query.exec(kCollectionStatement.arg(collection.toString())) || !query.next()) {
        reportSqlError(query);
        return StatusFailed;
    }
    out = QSharedPointer<Collection>::create(query.record());
    return StatusOk;
}

void reportSqlError(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    if (error.isValid())
        qDebug().noquote() << error.nativeErrorCode() + QStringLiteral(" : ") + error.text();
}

} // namespace Corvane::DB
