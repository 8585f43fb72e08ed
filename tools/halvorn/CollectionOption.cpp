#include "CollectionOption.h"

#include "CollectionRegistry.h"
#include "CommandLine.h"
#include "ModuleValues.h"
#include "StatusCodes.h"

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

QString describeStatus(int status)
{
    switch (status) {
    case DB::StatusFailed:
        return QStringLiteral("the statement failed or found nothing");
    case DB::StatusNullCollection:
        return QStringLiteral("no collection given");
    case DB::StatusUnknownCollection:
        return QStringLiteral("the collection is not in any file");
    case DB::StatusFileDoesNotOpen:
        return QStringLiteral("the collection file does not open");
    case DB::StatusNoCardPasses:
        return QStringLiteral("nothing matches");
    default:
        return QStringLiteral("status %1").arg(status);
    }
}

QUuid resolveCollectionOption(CommandLine &commandLine)
{
    return resolveCollection(commandLine.takeOption(QStringLiteral("--collection")));
}

QUuid resolveCollection(const std::optional<QString> &given)
{
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
