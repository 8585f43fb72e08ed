#include "SyntheticCollection.h"

#include "CollectionRegistry.h"
#include "CollectionSchema.h"
#include "ColorMath.h"
#include "ModuleValues.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Corvane::Bench {

namespace {

const QString kUuid = QStringLiteral("{5e1ec7ed-0000-4000-8000-000000050000}");
const QString kWriterConnection = QStringLiteral("bench-writer");
constexpr int kChipsPerCard = 7;
constexpr int kSegments = 12;
constexpr quint32 kColorSeed = 20260101u;

// Runs the prepared statement with `values`; false with `error` set on failure.
bool run(QSqlQuery &query, const QVariantList &values, QString &error)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (query.exec())
        return true;
    error = query.lastError().text();
    return false;
}

bool fill(QSqlDatabase &database, int chipCount, QString &error)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("INSERT INTO COLLECTION (ID, UUID, SYSTEMID, NAME, \"ORDER\") "
                                   "VALUES (1, '%1', 'SYNTHETIC', 'Synthetic', 1)")
                        .arg(kUuid))
        || !query.exec(QStringLiteral("INSERT INTO SETTING (COLLECTION_ID, NAME, VALUE) "
                                      "VALUES (1, 'collection.enabled', '1')"))) {
        error = query.lastError().text();
        return false;
    }
    QSqlQuery page(database);
    page.prepare(QStringLiteral("INSERT INTO PAGE (ID, COLLECTION_ID, PAGE_INDEX, SEGMENT, NAME) "
                                "VALUES (?, 1, ?, ?, ?)"));
    QSqlQuery map(database);
    map.prepare(QStringLiteral("INSERT INTO COLLECTION_PAGE_MAP (COLLECTION_ID, PAGE_ID) "
                               "VALUES (1, ?)"));
    QSqlQuery row(database);
    row.prepare(QStringLiteral(
        "INSERT INTO \"ROW\" (COLLECTION_ID, PAGE_ID, ROW_INDEX, CODE, NAME, NAME0, SEGMENT, "
        "RED, GREEN, BLUE, L, A, B) VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    QRandomGenerator random(kColorSeed);
    for (int chip = 0; chip < chipCount; ++chip) {
        const int pageIndex = chip / kChipsPerCard + 1;
        const int segment = (pageIndex - 1) % kSegments + 1;
        if (chip % kChipsPerCard == 0
            && (!run(page,
                     {pageIndex, pageIndex, segment, QStringLiteral("Card %1").arg(pageIndex)},
                     error)
                || !run(map, {pageIndex}, error)))
            return false;
        const QColor color = QColor::fromRgb(random.bounded(0x1000000u));
        const DB::LabEntry lab = labFromColor(color);
        const QString code = QStringLiteral("S-%1").arg(chip + 1, 5, 10, QLatin1Char('0'));
        const QString name = QStringLiteral("Synthetic %1").arg(chip + 1);
        if (!run(row,
                 {pageIndex, chip % kChipsPerCard + 1, code, name, name, segment, color.red(),
                  color.green(), color.blue(), lab.l, lab.a, lab.b},
                 error))
            return false;
    }
    return true;
}

} // namespace

SyntheticCollection::SyntheticCollection(int chipCount)
{
    if (!m_dir.isValid())
        m_error = QStringLiteral("no temporary folder");
    else if (!write(chipCount) && m_error.isEmpty())
        m_error = QStringLiteral("the collection file could not be written");
}

bool SyntheticCollection::write(int chipCount)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Contents/Resources"));
    const QString path = m_dir.filePath(QStringLiteral("Contents/Resources/synthetic.db"));
    if (!Builder::createEmptyCollectionFile(path, &m_error))
        return false;
    bool written = false;
    {
        QSqlDatabase database
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kWriterConnection);
        database.setDatabaseName(path);
        if (!database.open()) {
            m_error = database.lastError().text();
        } else {
            database.transaction();
            written = fill(database, chipCount, m_error) && database.commit();
            if (!written)
                database.rollback();
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(kWriterConnection);
    return written;
}

bool SyntheticCollection::isValid() const
{
    return m_error.isEmpty();
}

QString SyntheticCollection::error() const
{
    return m_error;
}

QString SyntheticCollection::databaseFolder() const
{
    return m_dir.path();
}

QUuid SyntheticCollection::uuid() const
{
    return QUuid::fromString(kUuid);
}

void SyntheticCollection::activate() const
{
    setDatabaseFolder(databaseFolder());
    DB::collectionRegistry().clear();
}

} // namespace Corvane::Bench
