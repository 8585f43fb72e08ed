#include "CollectionFixture.h"

#include "CollectionRegistry.h"
#include "CollectionSchema.h"
#include "ModuleValues.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace Corvane::Test {

namespace {

QString writerConnectionName(const QString &path)
{
    return QStringLiteral("fixture-writer:") + path;
}

} // namespace

CollectionFixture::CollectionFixture()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Contents/Resources"));
}

CollectionFixture::~CollectionFixture()
{
    for (const QString &connection : std::as_const(m_connections)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

QString CollectionFixture::databaseFolder() const
{
    return m_dir.path();
}

QString CollectionFixture::filePath(const QString &fileName) const
{
    return m_dir.filePath(QStringLiteral("Contents/Resources/") + fileName);
}

QString CollectionFixture::createFile(const QString &fileName)
{
    const QString path = filePath(fileName);
    QString error;
    if (!Builder::createEmptyCollectionFile(path, &error))
        qFatal("cannot create %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

void CollectionFixture::addCollection(const QString &fileName, qint64 id, const QString &uuid,
                                      const QString &systemId, const QString &name, int order,
                                      int enabled)
{
    exec(fileName,
         QStringLiteral("INSERT INTO COLLECTION (ID, UUID, SYSTEMID, NAME, \"ORDER\") "
                        "VALUES (?, ?, ?, ?, ?)"),
         {id, uuid, systemId, name, order});
    if (enabled >= 0)
        addSetting(fileName, id, QStringLiteral("collection.enabled"), QString::number(enabled));
}

qint64 CollectionFixture::insert(const QString &fileName, const QString &table,
                                 const QVariantMap &columns)
{
    QStringList names;
    QVariantList values;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names.append(QLatin1Char('"') + it.key() + QLatin1Char('"'));
        values.append(it.value());
    }
    const QString placeholders
        = QStringList(QList<QString>(names.size(), QStringLiteral("?"))).join(QLatin1Char(','));
    return exec(fileName,
                QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                    .arg(table, names.join(QLatin1Char(',')), placeholders),
                values);
}

void CollectionFixture::addSetting(const QString &fileName, qint64 collectionId,
                                   const QString &name, const QVariant &value, int valueIndex)
{
    insert(fileName, QStringLiteral("SETTING"),
           {{QStringLiteral("COLLECTION_ID"), collectionId},
            {QStringLiteral("NAME"), name},
            {QStringLiteral("VALUE"), value},
            {QStringLiteral("VALUE_INDEX"), valueIndex}});
}

qint64 CollectionFixture::addPage(const QString &fileName, qint64 collectionId, int pageIndex,
                                  int segment, const QVariantMap &columns)
{
    QVariantMap page {{QStringLiteral("COLLECTION_ID"), collectionId},
                      {QStringLiteral("PAGE_INDEX"), pageIndex},
                      {QStringLiteral("SEGMENT"), segment},
                      {QStringLiteral("NAME"), QStringLiteral("Card %1").arg(pageIndex)}};
    page.insert(columns);
    const qint64 pageId = insert(fileName, QStringLiteral("PAGE"), page);
    mapPage(fileName, collectionId, pageId);
    return pageId;
}

void CollectionFixture::mapPage(const QString &fileName, qint64 collectionId, qint64 pageId)
{
    insert(fileName, QStringLiteral("COLLECTION_PAGE_MAP"),
           {{QStringLiteral("COLLECTION_ID"), collectionId}, {QStringLiteral("PAGE_ID"), pageId}});
}

qint64 CollectionFixture::addRow(const QString &fileName, qint64 collectionId, qint64 pageId,
                                 int rowIndex, const QColor &color, const QVariantMap &columns)
{
    QVariantMap row {{QStringLiteral("COLLECTION_ID"), collectionId},
                     {QStringLiteral("PAGE_ID"), pageId},
                     {QStringLiteral("ROW_INDEX"), rowIndex},
                     {QStringLiteral("SEGMENT"), 1},
                     {QStringLiteral("RED"), color.red()},
                     {QStringLiteral("GREEN"), color.green()},
                     {QStringLiteral("BLUE"), color.blue()},
                     {QStringLiteral("L"), 50.0},
                     {QStringLiteral("A"), 0.0},
                     {QStringLiteral("B"), 0.0}};
    row.insert(columns);
    return insert(fileName, QStringLiteral("ROW"), row);
}

qint64 CollectionFixture::exec(const QString &fileName, const QString &statement,
                               const QVariantList &values)
{
    const QString path = filePath(fileName);
    const QString connection = writerConnectionName(path);
    if (!QSqlDatabase::contains(connection)) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        database.open();
        // Test files need not survive a power cut; this keeps many small inserts fast.
        QSqlQuery(QStringLiteral("PRAGMA synchronous = OFF"), database);
        m_connections.append(connection);
    }
    QSqlQuery query(QSqlDatabase::database(connection));
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

void CollectionFixture::activate() const
{
    setDatabaseFolder(databaseFolder());
    DB::collectionRegistry().clear();
}

} // namespace Corvane::Test
