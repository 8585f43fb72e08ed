#include "TestDecks.h"

#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ModuleValues.h"

#include <QFile>

namespace Corvane::Test {

void createDecks(CollectionFixture &fixture)
{
    fixture.createFile(kDeckFile);
    fixture.addCollection(kDeckFile, 1, kDeckA.toString(), QStringLiteral("A"),
                          QStringLiteral("Deck A"), 1);
    fixture.addCollection(kDeckFile, 2, kDeckB.toString(), QStringLiteral("B"),
                          QStringLiteral("Deck B"), 2);
}

bool discoverThenRemoveDeckFile(CollectionFixture &fixture)
{
    fixture.activate();
    DB::ensureCollections();
    return QFile::remove(fixture.filePath(kDeckFile));
}

void resetEngineState()
{
    CollectionSettings::setCurrentCollection(QUuid());
    DB::loadDisplayOrders(QUuid());
    DB::collectionRegistry().clear();
    setDatabaseFolder(QString());
}

} // namespace Corvane::Test
