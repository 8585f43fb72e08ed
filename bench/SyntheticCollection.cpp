#include "SyntheticCollection.h"

#include "CollectionRegistry.h"
#include "DemoCollections.h"
#include "ModuleValues.h"

#include <QDir>

namespace Corvane::Bench {

SyntheticCollection::SyntheticCollection(int chipCount)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    const QDir folder(m_dir.path());
    folder.mkpath(QStringLiteral("Contents/Resources"));
    if (!Builder::buildSyntheticCollection(
            folder.filePath(QStringLiteral("Contents/Resources/synthetic.db")), chipCount,
            &m_error)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("the synthetic collection could not be written");
        return;
    }
    setDatabaseFolder(m_dir.path());
    DB::collectionRegistry().clear();
    const QList<QUuid> collections = DB::orderedCollectionUuids();
    if (collections.isEmpty())
        m_error = QStringLiteral("the synthetic collection is not found");
    else
        m_uuid = collections.first();
}

bool SyntheticCollection::isValid() const
{
    return m_error.isEmpty();
}

QString SyntheticCollection::error() const
{
    return m_error;
}

QUuid SyntheticCollection::uuid() const
{
    return m_uuid;
}

} // namespace Corvane::Bench
