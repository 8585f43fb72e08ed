#pragma once

#include <QColor>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariantList>
#include <QVariantMap>

namespace Corvane::Test {

// A database folder in a temporary directory, with collection files built by the schema
// code and filled by plain SQL.
class CollectionFixture
{
public:
    CollectionFixture();
    ~CollectionFixture();
    CollectionFixture(const CollectionFixture &) = delete;
    CollectionFixture &operator=(const CollectionFixture &) = delete;

    // The folder that holds "Contents/Resources".
    QString databaseFolder() const;
    QString filePath(const QString &fileName) const;

    // Creates `fileName` with the schema; returns its path.
    QString createFile(const QString &fileName);

    // Adds a collection row; `enabled` < 0 leaves out the "collection.enabled" setting.
    void addCollection(const QString &fileName, qint64 id, const QString &uuid,
                       const QString &systemId, const QString &name, int order, int enabled = 1);

    // Inserts one row into `table` (column name to value) and returns its rowid.
    qint64 insert(const QString &fileName, const QString &table, const QVariantMap &columns);

    // Adds one value of a setting; several values of one setting take increasing indexes.
    void addSetting(const QString &fileName, qint64 collectionId, const QString &name,
                    const QVariant &value, int valueIndex = 0);

    // Adds a card of `collectionId` and maps it to that collection; `columns` add or replace
    // PAGE columns (the name defaults to "Card <pageIndex>"). Returns the page id.
    qint64 addPage(const QString &fileName, qint64 collectionId, int pageIndex, int segment,
                   const QVariantMap &columns = QVariantMap());

    // Maps an existing card to a further collection.
    void mapPage(const QString &fileName, qint64 collectionId, qint64 pageId);

    // Adds a chip to a card; `columns` add or replace "ROW" columns. Returns the row id.
    qint64 addRow(const QString &fileName, qint64 collectionId, qint64 pageId, int rowIndex,
                  const QColor &color, const QVariantMap &columns = QVariantMap());

    // Runs one statement with positional values on the file; fails the test on error.
    // Returns the last inserted rowid.
    qint64 exec(const QString &fileName, const QString &statement,
                const QVariantList &values = QVariantList());

    // Makes this folder the database folder and empties the collection registry.
    void activate() const;

private:
    QTemporaryDir m_dir;
    QStringList m_connections;
};

} // namespace Corvane::Test
