#include "Collection.h"
#include "CollectionRegistry.h"
#include "CommandLine.h"
#include "Commands.h"

namespace Corvane::Cli {

// The selectable collections in list order: uuid, id, order, system id, name, file.
int runCollections(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    commandLine.positionals(0, QStringLiteral("no arguments"));
    DB::ensureCollections();
    const DB::CollectionRegistry &registry = DB::collectionRegistry();
    for (const QUuid &uuid : DB::orderedCollectionUuids()) {
        const DB::CollectionInfo info = registry.value(uuid);
        QSharedPointer<DB::Collection> collection;
        DB::loadCollection(uuid, collection);
        const QString name = collection ? collection->name() : QString();
        out() << uuid.toString() << '\t' << info.id << '\t' << info.order << '\t' << info.systemId
              << '\t' << name << '\t' << info.fileName << '\n';
    }
    out().flush();
    return 0;
}

} // namespace Corvane::Cli
