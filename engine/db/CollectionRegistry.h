#pragma once

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>

namespace Corvane::DB {

class Collection;

// One registered collection: where it lives and how it is known inside its file.
struct CollectionInfo
{
    QUuid uuid;
    qint64 id = 0; // COLLECTION.ID inside the file
    int order = 0; // place in the collection list
    QString fileName; // absolute path of the database file
    QString systemId;
};

using CollectionRegistry = QHash<QUuid, CollectionInfo>;

// {FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}: shared theme resources and settings, never selectable.
QUuid systemWideCollectionUuid();

// The process-wide registry, filled by the first scan.
CollectionRegistry &collectionRegistry();

// Scans "<databaseFolder>/Contents/Resources/*.db" and registers the system-wide collection
// and every enabled collection. The first file (by name), and within a file the first row,
// that names a uuid wins. Files are opened read-only; unreadable files are passed over.
int enumerateCollections(CollectionRegistry &registry, bool clearFirst);

// 1 when the registry holds at least one collection after scanning if empty, 2 otherwise.
int ensureCollections();

// 0 ready; -2 null uuid; -4 not in any file even after a rescan; -5 the file does not open.
int ensureConnection(const QUuid &collection);

// The connection of the file that holds `collection`, reopened if it was closed.
QSqlDatabase connectionFor(const QUuid &collection);

// The name of the connection of one database file: its exact absolute path, since file
// names are case-sensitive here.
QString connectionName(const QString &fileName);

qint64 collectionDbId(const QUuid &collection);
QList<QUuid> orderedCollectionUuids();
QUuid collectionUuidForDbId(qint64 id);
int collectionUuidForSystemId(const QString &systemId, QUuid &out);
int loadCollection(const QUuid &collection, QSharedPointer<Collection> &out);

// Writes "number : text" of the query's last error to the debug output when it is valid.
void reportSqlError(const class QSqlQuery &query);

} // namespace Corvane::DB
