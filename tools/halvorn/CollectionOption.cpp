#include "CollectionOption.h"

#include "CollectionRegistry.h"
#include "CommandLine.h"
#include "ModuleValues.h"

namespace Corvane::Cli {

namespace {

// The registered, selectable collection that `text` names by uuid or system id.
QUuid namedCollection(const QString &text)
{
    QUuid collection = QUuid::fromString(text);
    if (collection.isNull() && DB::collectionUuidForSystemId(text, collection) != 0)
        return QUuid();
    if (collection == DB::systemWideCollectionUuid()
        || !DB::collectionRegistry().contains(collection))
        return QUuid();
    return collection;
}

} // namespace

QUuid resolveCollectionOption(CommandLine &commandLine)
{
    const std::optional<QString> given = commandLine.takeOption(QStringLiteral("--collection"));
    DB::ensureCollections();
    if (!given) {
        const QList<QUuid> collections = DB::orderedCollectionUuids();
        if (collections.isEmpty())
            throw UsageError(QStringLiteral("no collection found in %1").arg(databaseFolder()));
        return collections.first();
    }
    const QUuid collection = namedCollection(given->trimmed());
    if (collection.isNull())
        throw UsageError(QStringLiteral("unknown collection %1").arg(*given));
    return collection;
}

} // namespace Corvane::Cli
