#include "StartupTest.h"

#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "HostStartup.h"
#include "ModuleValues.h"
#include "StateStore.h"

#include <QCoreApplication>
#include <QTest>

using namespace Corvane;

namespace {

const QString kFirst = QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}");
const QString kSecond = QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}");

} // namespace

void StartupTest::cleanup()
{
    DB::collectionRegistry().clear();
}

void StartupTest::noCollection_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::newRow("empty folder") << false;
    QTest::newRow("only the system-wide collection") << true;
}

void StartupTest::noCollection()
{
    QFETCH(bool, withFile);

    Test::CollectionFixture fixture;
    if (withFile)
        fixture.createFile(QStringLiteral("shared.db"));
    DB::collectionRegistry().clear();
    QCOMPARE(prepareCollections(QStringLiteral("/lib/Halvorn.so"), fixture.databaseFolder()),
             int(StartupNoCollection));
    QCOMPARE(moduleFilePath(), QStringLiteral("/lib/Halvorn.so"));
    QCOMPARE(databaseFolder(), fixture.databaseFolder());
}

void StartupTest::newHostProcessStartsOnFirstCollection()
{
    Test::CollectionFixture fixture;
    fixture.createFile(QStringLiteral("deck.db"));
    fixture.addCollection(QStringLiteral("deck.db"), 1, kFirst, QStringLiteral("ONE"),
                          QStringLiteral("One"), 1);
    fixture.addCollection(QStringLiteral("deck.db"), 2, kSecond, QStringLiteral("TWO"),
                          QStringLiteral("Two"), 2);
    const StateStore store;

    // A previous host process left the second collection behind.
    store.setHostApplicationPID(QCoreApplication::applicationPid() + 1);
    store.setUuidOfLastUsedCollection(QUuid::fromString(kSecond));
    QCOMPARE(prepareCollections(QString(), fixture.databaseFolder()), int(StartupOk));
    QCOMPARE(store.uuidOfLastUsedCollection(), QUuid::fromString(kFirst));
    QCOMPARE(store.hostApplicationPID(), QCoreApplication::applicationPid());

    // Within the same process the collection last used carries over.
    store.setUuidOfLastUsedCollection(QUuid::fromString(kSecond));
    DB::collectionRegistry().clear();
    QCOMPARE(prepareCollections(QString(), fixture.databaseFolder()), int(StartupOk));
    QCOMPARE(store.uuidOfLastUsedCollection(), QUuid::fromString(kSecond));
}
